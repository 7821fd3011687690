#include "import/delimited.h"

#include <csv.h>

#include <algorithm>
#include <map>

#include "import/field_text.h"
#include "import/source.h"
#include "textfile/utf8.h"

namespace listimport {

namespace {

// How much text the separator is judged by: enough lines to be sure, few
// enough to stay quick on a large file.
constexpr std::size_t kSampleUnits = 64 * 1024;

struct Collector {
    std::vector<Row> rows;
    Row row;
    std::u16string field;
};

void takeField(void* bytes, std::size_t size, void* data)
{
    auto& collector = *static_cast<Collector*>(data);
    const std::string_view view(static_cast<const char*>(bytes), bytes ? size : 0);
    // Our own UTF-8, made from the decoded text, so every sequence is whole.
    textfile::detail::DecodeUtf8(view, collector.field);
    collector.row.push_back(std::move(collector.field));
    collector.field.clear();
}

void endRow(int, void* data)
{
    auto& collector = *static_cast<Collector*>(data);
    collector.rows.push_back(std::move(collector.row));
    collector.row.clear();
}

// Blanks around a field that are not the separator itself are left out
// before and after its quotation marks.
int spaceOnly(unsigned char c) { return c == ' ' ? 1 : 0; }
int spaceOrTab(unsigned char c) { return c == ' ' || c == '\t' ? 1 : 0; }

class Parser {
public:
    Parser(char16_t separator, bool strict)
    {
        csv_init(&parser_, static_cast<unsigned char>(strict ? CSV_STRICT | CSV_STRICT_FINI : 0));
        csv_set_delim(&parser_, static_cast<unsigned char>(separator));
        csv_set_space_func(&parser_, separator == u'\t' ? spaceOnly : spaceOrTab);
    }
    ~Parser() { csv_free(&parser_); }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    // False when the quotation marks do not pair (in strict reading only).
    bool read(std::string_view bytes, Collector& collector)
    {
        if (csv_parse(&parser_, bytes.data(), bytes.size(), takeField, endRow, &collector) != bytes.size())
            return false;
        return csv_fini(&parser_, takeField, endRow, &collector) == 0;
    }

private:
    csv_parser parser_{};
};

std::string utf8Of(std::u16string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 4);
    textfile::detail::AppendUtf8(text, bytes);
    return bytes;
}

}  // namespace

std::vector<Row> readDelimited(std::u16string_view text, char16_t separator)
{
    Collector collector;
    Parser parser(separator, true);
    if (!parser.read(utf8Of(text), collector))
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
    const std::string bytes = utf8Of(sample);
    char16_t best = 0;
    std::size_t bestScore = 0;
    for (const char16_t candidate : kSeparators) {
        Collector collector;
        Parser(candidate, false).read(bytes, collector);
        std::map<std::size_t, std::size_t> rowsByWidth;
        for (const Row& row : collector.rows)
            if (row.size() >= 2)
                ++rowsByWidth[row.size()];
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
    if (row.size() < 2)
        return false;
    return std::all_of(row.begin(), row.end(), [](const std::u16string& cell) {
        std::u16string word = tidyField(cell);
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
