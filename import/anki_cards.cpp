#include "import/anki_cards.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>

#include "import/anki_template.h"
#include "import/field_text.h"
#include "textfile/encodings.h"

namespace listimport {

namespace {

bool startsAtNoCase(std::u16string_view text, std::size_t at, std::u16string_view start)
{
    if (text.size() - at < start.size())
        return false;
    for (std::size_t i = 0; i < start.size(); ++i) {
        char16_t unit = text[at + i];
        if (unit >= u'A' && unit <= u'Z')
            unit = static_cast<char16_t>(unit - u'A' + u'a');
        if (unit != start[i])
            return false;
    }
    return true;
}

// Pictures, sounds and films as Anki refers to them in a field.
bool refersToMedia(std::u16string_view field)
{
    constexpr std::array<std::u16string_view, 5> kTags = {u"<img", u"<audio", u"<video", u"<source", u"<object"};
    if (field.find(u"[sound:") != std::u16string_view::npos)
        return true;
    for (std::size_t at = field.find(u'<'); at != std::u16string_view::npos; at = field.find(u'<', at + 1))
        for (const std::u16string_view tag : kTags)
            if (startsAtNoCase(field, at, tag))
                return true;
    return false;
}

// A deck the collection does not name, by its number.
std::u16string unnamedDeck(std::int64_t id)
{
    const std::string digits = std::to_string(id);
    return u"#" + std::u16string(digits.begin(), digits.end());
}

// A side that shows a picture or a sound and no text.
bool onlyMedia(std::u16string_view markup, std::u16string_view text)
{
    return tidyField(text).empty() && refersToMedia(markup);
}

bool isUpdateNote(const AnkiNote& note)
{
    return !note.fields.empty() && tidyField(markupToText(note.fields.front())) == kAnkiUpdateNote;
}

// A note type's templates, parsed once.
struct PreparedType {
    const AnkiNoteType* type = nullptr;
    std::map<std::uint32_t, CardTemplate> templates;
    std::optional<std::size_t> clozeField;
};

PreparedType prepare(const AnkiNoteType& type)
{
    PreparedType prepared{.type = &type, .templates = {}, .clozeField = std::nullopt};
    for (const auto& [ord, card] : type.templates) {
        const CardTemplate& made =
            prepared.templates.try_emplace(ord, card.front, card.back, type.fields).first->second;
        if (!prepared.clozeField)
            prepared.clozeField = made.clozeField();
    }
    return prepared;
}

class CardMaker {
public:
    explicit CardMaker(const AnkiCollection& collection) : collection_(collection)
    {
        for (const auto& [id, type] : collection.noteTypes)
            types_.emplace(id, prepare(type));
    }

    Source make()
    {
        source_.format = Format::AnkiPackage;
        source_.encoding = textfile::kUtf8;
        source_.columns.resize(2);
        source_.records.reserve(collection_.cards.size());
        std::size_t lastNote = SIZE_MAX;
        for (const AnkiCard& card : collection_.cards) {
            const bool firstOfNote = card.note != lastNote;
            lastNote = card.note;
            take(card, firstOfNote);
        }
        sortDecks();
        return std::move(source_);
    }

private:
    void take(const AnkiCard& card, bool firstOfNote)
    {
        const AnkiNote& note = collection_.notes[card.note];
        if (isUpdateNote(note))
            return;
        const std::size_t deck = deckIndex(card.deck);
        ++source_.decks[deck].cards;
        const auto type = types_.find(note.type);
        if (firstOfNote && std::any_of(note.fields.begin(), note.fields.end(), refersToMedia))
            ++source_.decks[deck].mediaNotes;
        if (type == types_.end())
            return;
        const PreparedType& prepared = type->second;
        if (prepared.type->cloze) {
            if (firstOfNote)
                takeCloze(note, prepared, deck);
            return;
        }
        const auto found = prepared.templates.find(card.ord);
        if (found == prepared.templates.end())
            return;
        const std::u16string front = found->second.front(note.fields);
        const std::u16string back = found->second.backAdds(note.fields);
        const std::u16string frontText = markupToText(front);
        const std::u16string backText = markupToText(back);
        if (onlyMedia(front, frontText) || onlyMedia(back, backText)) {
            ++source_.decks[deck].mediaOnlyCards;
            return;
        }
        Record record;
        record.fields.add(0, frontText);
        record.fields.add(1, backText);
        record.deck = deck;
        source_.records.push_back(std::move(record));
    }

    void takeCloze(const AnkiNote& note, const PreparedType& prepared, std::size_t deck)
    {
        const std::size_t field = prepared.clozeField.value_or(0);
        const std::u16string text = field < note.fields.size() ? markupToText(note.fields[field]) : std::u16string();
        if (prepared.type->imageOcclusion || text.find(u"::image-occlusion:") != std::u16string::npos) {
            ++source_.decks[deck].imageOcclusionNotes;
            return;
        }
        Record record;
        record.fields.add(0, text);
        record.clozeField = 0;
        record.deck = deck;
        source_.records.push_back(std::move(record));
    }

    std::size_t deckIndex(std::int64_t id)
    {
        const auto [known, added] = deckIndex_.try_emplace(id, source_.decks.size());
        if (added) {
            const auto name = collection_.decks.find(id);
            source_.decks.push_back({.name = name != collection_.decks.end() ? name->second : unnamedDeck(id),
                                     .cards = 0,
                                     .imageOcclusionNotes = 0,
                                     .mediaOnlyCards = 0,
                                     .mediaNotes = 0});
        }
        return known->second;
    }

    // The decks by name, as Anki lists them; the records follow.
    void sortDecks()
    {
        std::vector<std::size_t> order(source_.decks.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::sort(order.begin(), order.end(),
                  [&](std::size_t a, std::size_t b) { return source_.decks[a].name < source_.decks[b].name; });
        std::vector<std::size_t> moved(order.size());
        std::vector<Deck> sorted;
        sorted.reserve(order.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            moved[order[i]] = i;
            sorted.push_back(std::move(source_.decks[order[i]]));
        }
        source_.decks = std::move(sorted);
        for (Record& record : source_.records)
            record.deck = moved[record.deck];
    }

    const AnkiCollection& collection_;
    std::map<std::int64_t, PreparedType> types_;
    std::map<std::int64_t, std::size_t> deckIndex_;
    Source source_;
};

}  // namespace

Source ankiCards(const AnkiCollection& collection) { return CardMaker(collection).make(); }

}  // namespace listimport
