#include "import/anki_template.h"

#include <algorithm>

namespace listimport {

namespace {

using Kind = CardTemplate::Kind;
using Part = CardTemplate::Part;

std::u16string_view trimmed(std::u16string_view text)
{
    const std::size_t start = text.find_first_not_of(u" \t\r\n");
    if (start == std::u16string_view::npos)
        return {};
    return text.substr(start, text.find_last_not_of(u" \t\r\n") - start + 1);
}

std::size_t findNoCase(std::u16string_view text, std::u16string_view what, std::size_t from)
{
    const auto lower = [](char16_t unit) {
        return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
    };
    const auto found = std::search(text.begin() + static_cast<std::ptrdiff_t>(std::min(from, text.size())), text.end(),
                                   what.begin(), what.end(), [&](char16_t a, char16_t b) { return lower(a) == b; });
    return found == text.end() ? std::u16string_view::npos : static_cast<std::size_t>(found - text.begin());
}

// A template's own text without its scripts and styles, which show nothing.
std::u16string withoutScripts(std::u16string_view text)
{
    std::u16string kept;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t script = findNoCase(text, u"<script", at);
        const std::size_t style = findNoCase(text, u"<style", at);
        const std::size_t start = std::min(script, style);
        if (start == std::u16string_view::npos) {
            kept.append(text.substr(at));
            break;
        }
        kept.append(text.substr(at, start - at));
        const std::size_t end = findNoCase(text, start == script ? u"</script>" : u"</style>", start);
        if (end == std::u16string_view::npos)
            break;
        at = end + (start == script ? 9 : 8);
    }
    return kept;
}

std::optional<std::size_t> fieldNamed(std::u16string_view name, const std::vector<std::u16string>& names)
{
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - names.begin());
}

std::vector<Part> parse(std::u16string_view templateText, const std::vector<std::u16string>& names,
                        std::optional<std::size_t>* clozeField)
{
    const std::u16string kept = withoutScripts(templateText);
    const std::u16string_view source = kept;
    std::vector<Part> parts;
    std::size_t at = 0;
    while (at < source.size()) {
        const std::size_t open = source.find(u"{{", at);
        const std::size_t close = open == std::u16string_view::npos ? open : source.find(u"}}", open + 2);
        if (close == std::u16string_view::npos) {
            parts.push_back({.kind = Kind::Text, .text = std::u16string(source.substr(at)), .field = std::nullopt});
            break;
        }
        if (open > at)
            parts.push_back(
                {.kind = Kind::Text, .text = std::u16string(source.substr(at, open - at)), .field = std::nullopt});
        std::u16string_view tag = trimmed(source.substr(open + 2, close - open - 2));
        at = close + 2;
        if (tag.empty())
            continue;
        Kind kind = Kind::Field;
        if (tag.front() == u'#' || tag.front() == u'^' || tag.front() == u'/') {
            kind = tag.front() == u'#' ? Kind::Open : tag.front() == u'^' ? Kind::OpenIfEmpty : Kind::Close;
            tag = trimmed(tag.substr(1));
            parts.push_back({.kind = kind, .text = std::u16string(tag), .field = fieldNamed(tag, names)});
            continue;
        }
        // Filters come before the name: "type:cloze:Text", "tts en_US:Word".
        const std::size_t colon = tag.rfind(u':');
        const std::u16string_view name = colon == std::u16string_view::npos ? tag : trimmed(tag.substr(colon + 1));
        const std::u16string_view filters =
            colon == std::u16string_view::npos ? std::u16string_view() : tag.substr(0, colon);
        const std::optional<std::size_t> field = fieldNamed(name, names);
        if (filters.starts_with(u"type:") || filters == u"type")
            kind = Kind::TypedField;
        else if (clozeField != nullptr && field && !*clozeField && filters.find(u"cloze") != std::u16string_view::npos)
            *clozeField = field;
        parts.push_back({.kind = kind, .text = std::u16string(name), .field = field});
    }
    return parts;
}

bool holdsSomething(const std::vector<std::u16string>& fields, std::optional<std::size_t> field)
{
    return field && *field < fields.size() && !trimmed(fields[*field]).empty();
}

// Walks the parts that show, sections opened and closed by name as Anki does.
template <typename Visit>
void walkShown(const std::vector<Part>& parts, const std::vector<std::u16string>& fields, Visit visit)
{
    std::vector<std::pair<std::u16string_view, bool>> sections;
    bool shown = true;
    for (const Part& part : parts) {
        switch (part.kind) {
            case Kind::Open:
            case Kind::OpenIfEmpty:
                sections.emplace_back(part.text, shown);
                shown = shown && (holdsSomething(fields, part.field) == (part.kind == Kind::Open));
                break;
            case Kind::Close:
                // A section closed by another name closes up to it; a close
                // without an opening is ignored.
                for (std::size_t i = sections.size(); i-- > 0;) {
                    if (sections[i].first == part.text) {
                        shown = sections[i].second;
                        sections.resize(i);
                        break;
                    }
                }
                break;
            case Kind::Text:
            case Kind::Field:
            case Kind::TypedField:
                if (shown)
                    visit(part);
                break;
        }
    }
}

}  // namespace

CardTemplate::CardTemplate(std::u16string_view front, std::u16string_view back,
                           const std::vector<std::u16string>& fieldNames)
    : back_(parse(back, fieldNames, nullptr))
{
    front_ = parse(front, fieldNames, &clozeField_);
}

std::u16string CardTemplate::front(const std::vector<std::u16string>& fields) const
{
    std::u16string shown;
    walkShown(front_, fields, [&](const Part& part) {
        if (part.kind == Kind::Text)
            shown.append(part.text);
        else if (part.kind == Kind::Field && part.field && *part.field < fields.size())
            shown.append(fields[*part.field]);
    });
    return shown;
}

std::u16string CardTemplate::backAdds(const std::vector<std::u16string>& fields) const
{
    std::vector<std::size_t> onFront;
    walkShown(front_, fields, [&](const Part& part) {
        if (part.kind == Kind::Field && part.field)
            onFront.push_back(*part.field);
    });
    std::vector<std::size_t> added;
    walkShown(back_, fields, [&](const Part& part) {
        if (part.kind == Kind::Text || !part.field || *part.field >= fields.size())
            return;
        if (std::find(onFront.begin(), onFront.end(), *part.field) == onFront.end() &&
            std::find(added.begin(), added.end(), *part.field) == added.end())
            added.push_back(*part.field);
    });
    std::u16string adds;
    for (const std::size_t field : added) {
        if (trimmed(fields[field]).empty())
            continue;
        if (!adds.empty())
            adds.append(u"; ");
        adds.append(fields[field]);
    }
    return adds;
}

}  // namespace listimport
