#include "import/delimited.h"

#include <csv.h>

#include <algorithm>
#include <map>
#include <string>

#include "import/field_text.h"
#include "import/source.h"
#include "textfile/utf8.h"

namespace listimport {

namespace {

// How much text the separator is judged by: enough lines to be sure, few
// enough to stay quick on a large file.
constexpr std::size_t kSampleUnits = 64 * 1024;
// How much text is made UTF-8 for the parser at a time.
constexpr std::size_t kPieceUnits = 256 * 1024;

struct Collector {
    std::vector<Row> rows;
    Row row;
    std::u16string field;
    // The separator as the parser sees it, and the character it stands for.
    char stand_in = 0;
    char16_t separator = 0;
    // Whether a line had more fields than kMaxColumns.
    bool tooWide = false;
};

void takeField(void* bytes, std::size_t size, void* data)
{
    auto& collector = *static_cast<Collector*>(data);
    const std::size_t column = collector.row.width;
    if (column >= kMaxColumns) {
        collector.tooWide = true;
        return;
    }
    ++collector.row.width;
    if (bytes == nullptr || size == 0)
        return;
    const std::string_view view(static_cast<const char*>(bytes), size);
    // Our own UTF-8, made from the decoded text, so every sequence is whole.
    textfile::detail::DecodeUtf8(view, collector.field);
    if (collector.separator >= 0x80)
        std::replace(collector.field.begin(), collector.field.end(), static_cast<char16_t>(collector.stand_in),
                     collector.separator);
    collector.row.fields.add(column, collector.field);
    collector.field.clear();
}

void endRow(int, void* data)
{
    auto& collector = *static_cast<Collector*>(data);
    collector.row.fields.shrink_to_fit();
    collector.rows.push_back(std::move(collector.row));
    collector.row = {};
}

// Blanks around a field that are not the separator itself are left out
// before and after its quotation marks.
int spaceOnly(unsigned char c) { return c == ' ' ? 1 : 0; }
int spaceOrTab(unsigned char c) { return c == ' ' || c == '\t' ? 1 : 0; }

class Parser {
public:
    // A separator beyond ASCII is made a control character that the text
    // does not hold, as libcsv splits bytes, not characters.
    Parser(char16_t separator, Collector& collector) : collector_(collector)
    {
        // A quotation mark inside a field that does not begin with one is text.
        csv_init(&parser_, 0);
        csv_set_space_func(&parser_, separator == u'\t' ? spaceOnly : spaceOrTab);
        collector_.separator = separator;
        collector_.stand_in = static_cast<char>(separator);
        standsIn_ = separator >= 0x80;
    }
    ~Parser() { csv_free(&parser_); }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    // False when a quoted field is still open at the end. The text is given
    // to the parser piece by piece, so that no second copy of it is made.
    bool read(std::u16string_view text)
    {
        if (standsIn_)
            collector_.stand_in = unusedControl(text);
        csv_set_delim(&parser_, static_cast<unsigned char>(collector_.stand_in));
        std::string bytes;
        while (!text.empty()) {
            std::size_t piece = std::min(text.size(), kPieceUnits);
            // A surrogate pair stays whole.
            if (piece < text.size() && text[piece - 1] >= 0xD800 && text[piece - 1] <= 0xDBFF)
                ++piece;
            utf8Of(text.substr(0, piece), bytes);
            text.remove_prefix(piece);
            if (csv_parse(&parser_, bytes.data(), bytes.size(), takeField, endRow, &collector_) != bytes.size())
                return false;
        }
        // Strict at the end only: a quoted field still open fails.
        csv_set_opts(&parser_, CSV_STRICT | CSV_STRICT_FINI);
        return csv_fini(&parser_, takeField, endRow, &collector_) == 0;
    }

private:
    void utf8Of(std::u16string_view text, std::string& bytes) const
    {
        bytes.clear();
        if (!standsIn_) {
            textfile::detail::AppendUtf8(text, bytes);
            return;
        }
        std::u16string replaced(text);
        std::replace(replaced.begin(), replaced.end(), collector_.separator,
                     static_cast<char16_t>(collector_.stand_in));
        textfile::detail::AppendUtf8(replaced, bytes);
    }

    // A control character the text does not hold, to stand in for the separator.
    static char unusedControl(std::u16string_view text)
    {
        for (char candidate = 1; candidate < 0x20; ++candidate)
            if (candidate != '\t' && candidate != '\n' && candidate != '\r' &&
                text.find(static_cast<char16_t>(candidate)) == std::u16string_view::npos)
                return candidate;
        throw ImportError(ImportError::Kind::UnknownFormat, "the text holds every control character");
    }

    csv_parser parser_{};
    Collector& collector_;
    bool standsIn_ = false;
};

}  // namespace

std::vector<Row> readDelimited(std::u16string_view text, char16_t separator)
{
    Collector collector;
    // A row a line at most, so that the rows take no room they do not use.
    collector.rows.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), u'\n')) + 1);
    Parser parser(separator, collector);
    const bool paired = parser.read(text);
    if (collector.tooWide)
        throw ImportError(ImportError::Kind::TooManyColumns,
                          "a line has more than " + std::to_string(kMaxColumns) + " fields");
    if (!paired)
        throw ImportError(ImportError::Kind::OpenQuote, "quotation marks do not pair");
    return std::move(collector.rows);
}

char16_t findSeparator(std::u16string_view text)
{
    std::u16string_view sample = text;
    if (sample.size() > kSampleUnits) {
        const std::size_t lineEnd = sample.find_last_of(u"\r\n", kSampleUnits);
        sample = sample.substr(0, lineEnd == std::u16string_view::npos ? kSampleUnits : lineEnd);
    }
    char16_t best = 0;
    std::size_t bestScore = 0;
    for (const char16_t candidate : kSeparators) {
        Collector collector;
        Parser(candidate, collector).read(sample);
        std::map<std::size_t, std::size_t> rowsByWidth;
        for (const Row& row : collector.rows)
            if (row.width >= 2)
                ++rowsByWidth[row.width];
        std::size_t score = 0;
        for (const auto& [width, rows] : rowsByWidth)
            score = std::max(score, rows);
        if (score > bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

bool looksLikeHeader(const Row& row)
{
    static const std::u16string_view kHeadings[] = {
        u"front",          u"back",          u"question",     u"answer",      u"questions",   u"answers",
        u"frage",          u"antwort",       u"fragen",       u"antworten",   u"term",        u"definition",
        u"word",           u"words",         u"translation",  u"meaning",     u"vocabulary",  u"wort",
        u"wörter",         u"begriff",       u"bedeutung",    u"übersetzung", u"vokabel",     u"vokabeln",
        u"text",           u"extra",         u"notes",        u"note",        u"tags",        u"source",
        u"target",         u"clue",          u"hint",         u"german",      u"english",     u"french",
        u"spanish",        u"italian",       u"latin",        u"dutch",       u"portuguese",  u"russian",
        u"polish",         u"greek",         u"japanese",     u"chinese",     u"turkish",     u"swedish",
        u"deutsch",        u"englisch",      u"französisch",  u"spanisch",    u"italienisch", u"latein",
        u"niederländisch", u"portugiesisch", u"russisch",     u"polnisch",    u"griechisch",  u"español",
        u"français",       u"italiano",      u"lingua",       u"language",    u"sprache",     u"kanji",
        u"reading",        u"lesung",        u"beschreibung", u"description", u"lautschrift", u"pronunciation",
        u"kontext",        u"context",       u"beispiel",     u"example",     u"kommentar",   u"comment",
    };
    if (row.width < 2 || static_cast<std::size_t>(std::distance(row.fields.begin(), row.fields.end())) != row.width)
        return false;
    return std::all_of(row.fields.begin(), row.fields.end(), [](const Field cell) {
        std::u16string word = tidyField(cell.text);
        while (!word.empty() && (word.back() == u':' || word.back() == u' '))
            word.pop_back();
        for (char16_t& unit : word) {
            if (unit >= u'A' && unit <= u'Z')
                unit = static_cast<char16_t>(unit - u'A' + u'a');
            else if (unit == u'Ü' || unit == u'Ö' || unit == u'Ä' || unit == u'É' || unit == u'Ç' || unit == u'Ñ')
                unit = static_cast<char16_t>(unit + 0x20);
        }
        const std::u16string_view view(word);
        return std::any_of(std::begin(kHeadings), std::end(kHeadings), [&](std::u16string_view heading) {
            return view == heading || (view.starts_with(heading) && view.size() > heading.size() &&
                                       (view[heading.size()] == u' ' || view[heading.size()] == u'('));
        });
    });
}

}  // namespace listimport
