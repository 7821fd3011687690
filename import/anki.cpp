#include "import/anki.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <set>
#include <string>

#include "import/delimited.h"
#include "import/field_text.h"

namespace listimport {

namespace {

// The header keys the export writes; a first line with another key is text.
constexpr std::array<std::u16string_view, 10> kHeaderKeys = {
    u"separator",       u"html",        u"columns",     u"tags",        u"notetype", u"deck",
    u"notetype column", u"deck column", u"guid column", u"tags column",
};

std::u16string_view headerKey(std::u16string_view line)
{
    if (line.empty() || line.front() != u'#')
        return {};
    const std::size_t colon = line.find(u':');
    if (colon == std::u16string_view::npos)
        return {};
    return line.substr(1, colon - 1);
}

bool isHeaderKey(std::u16string_view key)
{
    return std::find(kHeaderKeys.begin(), kHeaderKeys.end(), key) != kHeaderKeys.end();
}

// The value of a header line without the blanks around it, in lower case.
std::u16string headerValue(std::u16string_view value)
{
    const std::size_t start = value.find_first_not_of(u" \t");
    const std::size_t end = value.find_last_not_of(u" \t");
    std::u16string plain(start == std::u16string_view::npos ? std::u16string_view()
                                                            : value.substr(start, end - start + 1));
    for (char16_t& unit : plain)
        if (unit >= u'A' && unit <= u'Z')
            unit = static_cast<char16_t>(unit - u'A' + u'a');
    return plain;
}

char16_t separatorNamed(std::u16string_view value)
{
    constexpr std::array<std::pair<std::u16string_view, char16_t>, 6> kNamed = {
        {{u"tab", u'\t'}, {u"comma", u','}, {u"semicolon", u';'}, {u"space", u' '}, {u"pipe", u'|'}, {u"colon", u':'}}};
    for (const auto& [name, separator] : kNamed)
        if (value == name)
            return separator;
    // A character of its own, not trimmed: the separator may be a blank.
    return value.size() == 1 ? value.front() : char16_t{0};
}

// A 1-based column number; 0 when the value is none.
std::size_t columnNumber(std::u16string_view value)
{
    std::size_t number = 0;
    for (const char16_t digit : value) {
        if (digit < u'0' || digit > u'9' || number > 10000)
            return 0;
        number = number * 10 + static_cast<std::size_t>(digit - u'0');
    }
    return number;
}

}  // namespace

bool looksLikeAnki(std::u16string_view text)
{
    if (!text.empty() && text.front() == u'\uFEFF')
        text.remove_prefix(1);
    const std::size_t lineEnd = text.find_first_of(u"\r\n");
    return isHeaderKey(headerKey(text.substr(0, lineEnd)));
}

Source readAnki(std::u16string_view text, char16_t separator)
{
    Source source;
    source.format = Format::Anki;
    bool html = false;
    std::u16string_view columnNames;
    std::set<std::size_t> notText;  // 1-based
    while (!text.empty()) {
        const std::size_t lineEnd = text.find_first_of(u"\r\n");
        const std::u16string_view line = text.substr(0, lineEnd);
        const std::u16string_view key = headerKey(line);
        if (!isHeaderKey(key))
            break;
        const std::u16string_view raw = line.substr(key.size() + 2);
        const std::u16string value = headerValue(raw);
        if (key == u"separator" && separator == 0)
            separator = separatorNamed(raw.size() == 1 ? raw : std::u16string_view(value));
        else if (key == u"html")
            html = value == u"true";
        else if (key == u"columns")
            columnNames = raw;
        else if (key == u"notetype column")
            notText.insert(columnNumber(value));
        else if (key == u"deck column" || key == u"guid column" || key == u"tags column")
            notText.insert(columnNumber(value));
        text.remove_prefix(lineEnd == std::u16string_view::npos ? text.size() : lineEnd);
        while (!text.empty() && (text.front() == u'\r' || text.front() == u'\n'))
            text.remove_prefix(1);
    }
    if (separator == 0)
        separator = findSeparator(text);
    if (separator == 0)
        separator = u'\t';
    source.separator = separator;

    // The columns that hold text, numbered again without the others.
    const auto keptColumn = [&](std::size_t column) -> std::optional<std::size_t> {
        if (notText.contains(column + 1))
            return std::nullopt;
        return column - static_cast<std::size_t>(std::distance(notText.begin(), notText.upper_bound(column)));
    };
    // The row's width without the columns that are no text (numbered from 1).
    const auto keptWidth = [&](const Row& row) {
        const auto beyond = notText.upper_bound(row.width);
        return row.width - static_cast<std::size_t>(std::distance(notText.lower_bound(1), beyond));
    };
    if (!columnNames.empty()) {
        std::vector<Row> names = readDelimited(columnNames, separator);
        if (!names.empty()) {
            source.columns.resize(keptWidth(names.front()));
            for (const Field name : names.front().fields)
                if (const auto column = keptColumn(name.column))
                    source.columns[*column] = name.text;
        }
    }

    for (Row& row : readDelimited(text, separator)) {
        Record record;
        for (const Field field : row.fields) {
            const auto column = keptColumn(field.column);
            if (!column)
                continue;
            const std::u16string plain = html ? markupToText(field.text) : withoutSounds(field.text);
            if (!record.clozeField && hasCloze(plain))
                record.clozeField = static_cast<std::uint16_t>(*column);
            record.fields.add(*column, plain);
        }
        source.columns.resize(std::max(source.columns.size(), keptWidth(row)));
        record.fields.shrink_to_fit();
        source.records.push_back(std::move(record));
    }
    return source;
}

}  // namespace listimport
