#include "import/field_text.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "textfile/text_file_codec.h"

namespace listimport {

namespace {

bool isBlank(char16_t unit)
{
    switch (unit) {
        case u' ':
        case u'\t':
        case u'\r':
        case u'\n':
        case u'\v':
        case u'\f':
        case u'\u00A0':
        case u'\u2028':
        case u'\u2029':
            return true;
        default:
            return false;
    }
}

bool startsWithNoCase(std::u16string_view text, std::u16string_view start)
{
    if (text.size() < start.size())
        return false;
    for (std::size_t i = 0; i < start.size(); ++i) {
        char16_t unit = text[i];
        if (unit >= u'A' && unit <= u'Z')
            unit = static_cast<char16_t>(unit - u'A' + u'a');
        if (unit != start[i])
            return false;
    }
    return true;
}

// The tags after which the text goes on in a new line.
bool breaksLine(std::u16string_view tag)
{
    if (!tag.empty() && tag.front() == u'/')
        tag.remove_prefix(1);
    constexpr std::array<std::u16string_view, 5> kBreaking = {u"br", u"div", u"p", u"li", u"tr"};
    return std::any_of(kBreaking.begin(), kBreaking.end(), [&](std::u16string_view name) {
        if (!startsWithNoCase(tag, name))
            return false;
        return tag.size() == name.size() || tag[name.size()] == u' ' || tag[name.size()] == u'/' ||
               tag[name.size()] == u'\t';
    });
}

// The character an entity "&name;" stands for, or nothing when it is unknown.
std::optional<std::u16string> decodeEntity(std::u16string_view name)
{
    constexpr std::array<std::pair<std::u16string_view, char16_t>, 6> kNamed = {
        {{u"amp", u'&'}, {u"lt", u'<'}, {u"gt", u'>'}, {u"quot", u'"'}, {u"apos", u'\''}, {u"nbsp", u' '}}};
    for (const auto& [known, unit] : kNamed)
        if (name == known)
            return std::u16string(1, unit);
    if (name.size() < 2 || name.front() != u'#')
        return std::nullopt;
    const bool hex = name[1] == u'x' || name[1] == u'X';
    const std::u16string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    char32_t value = 0;
    for (const char16_t digit : digits) {
        int part = -1;
        if (digit >= u'0' && digit <= u'9')
            part = digit - u'0';
        else if (hex && digit >= u'a' && digit <= u'f')
            part = digit - u'a' + 10;
        else if (hex && digit >= u'A' && digit <= u'F')
            part = digit - u'A' + 10;
        if (part < 0)
            return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<char32_t>(part);
    }
    if (value == 0)
        return std::nullopt;
    return textfile::CodePointToText(value);
}

constexpr std::u16string_view kSoundStart = u"[sound:";

}  // namespace

std::u16string tidyField(std::u16string_view field)
{
    std::u16string tidy;
    tidy.reserve(field.size());
    bool pendingBlank = false;
    for (const char16_t unit : field) {
        if (isBlank(unit)) {
            pendingBlank = !tidy.empty();
            continue;
        }
        if (pendingBlank)
            tidy.push_back(u' ');
        pendingBlank = false;
        tidy.push_back(unit);
    }
    return tidy;
}

std::u16string withoutSounds(std::u16string_view text)
{
    std::u16string kept;
    kept.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t sound = text.find(kSoundStart, at);
        const std::size_t end = sound == std::u16string_view::npos ? sound : text.find(u']', sound);
        if (end == std::u16string_view::npos) {
            kept.append(text.substr(at));
            break;
        }
        kept.append(text.substr(at, sound - at));
        at = end + 1;
    }
    return kept;
}

std::u16string markupToText(std::u16string_view html)
{
    std::u16string text;
    text.reserve(html.size());
    std::size_t at = 0;
    while (at < html.size()) {
        const char16_t unit = html[at];
        if (unit == u'<') {
            const std::size_t close = html.find(u'>', at);
            if (close == std::u16string_view::npos) {
                text.append(html.substr(at));
                break;
            }
            if (breaksLine(html.substr(at + 1, close - at - 1)))
                text.push_back(u'\n');
            at = close + 1;
            continue;
        }
        if (unit == u'&') {
            const std::size_t semicolon = html.find(u';', at);
            if (semicolon != std::u16string_view::npos && semicolon - at <= 10) {
                if (const auto decoded = decodeEntity(html.substr(at + 1, semicolon - at - 1))) {
                    text.append(*decoded);
                    at = semicolon + 1;
                    continue;
                }
            }
        }
        text.push_back(unit);
        ++at;
    }
    return withoutSounds(text);
}

namespace {

// The length of a cloze opening "{{c12::" at `at`, or 0.
std::size_t clozeOpening(std::u16string_view text, std::size_t at)
{
    if (text.substr(at, 3) != u"{{c" && text.substr(at, 3) != u"{{C")
        return 0;
    std::size_t digitsEnd = at + 3;
    while (digitsEnd < text.size() && text[digitsEnd] >= u'0' && text[digitsEnd] <= u'9')
        ++digitsEnd;
    if (digitsEnd == at + 3 || text.substr(digitsEnd, 2) != u"::")
        return 0;
    return digitsEnd + 2 - at;
}

}  // namespace

namespace {

struct Cloze {
    std::size_t open;   // "{{"
    std::size_t body;   // the answer's start
    std::size_t close;  // "}}"
};

// The clozes that stand in no other, in their order: each opening is paired
// with the "}}" that closes it, past the clozes inside; one never closed is text.
std::vector<Cloze> outerClozes(std::u16string_view text)
{
    std::vector<Cloze> open;
    std::vector<Cloze> closed;
    for (std::size_t at = 0; at < text.size();) {
        if (const std::size_t opening = clozeOpening(text, at); opening > 0) {
            open.push_back({.open = at, .body = at + opening, .close = 0});
            at += opening;
        } else if (!open.empty() && text.substr(at, 2) == u"}}") {
            open.back().close = at;
            closed.push_back(open.back());
            open.pop_back();
            at += 2;
        } else {
            ++at;
        }
    }
    std::sort(closed.begin(), closed.end(), [](const Cloze& a, const Cloze& b) { return a.open < b.open; });
    std::vector<Cloze> outer;
    for (const Cloze& cloze : closed)
        if (outer.empty() || cloze.open > outer.back().close)
            outer.push_back(cloze);
    return outer;
}

// What a cloze asks for: its answer without the hint, and each cloze inside it
// as its own answer without its hint, since a gap holds no gap.
std::u16string clozeAnswer(std::u16string_view body, std::size_t& hintsDropped)
{
    std::u16string answer;
    std::size_t depth = 0;
    // The depth of the cloze whose hint is being left out, while one is.
    constexpr std::size_t kNoHint = std::u16string_view::npos;
    std::size_t hintAt = kNoHint;
    for (std::size_t at = 0; at < body.size();) {
        if (const std::size_t opening = clozeOpening(body, at); opening > 0) {
            ++depth;
            at += opening;
        } else if (depth > 0 && body.substr(at, 2) == u"}}") {
            if (hintAt == depth)
                hintAt = kNoHint;
            --depth;
            at += 2;
        } else if (hintAt == kNoHint && body.substr(at, 2) == u"::") {
            ++hintsDropped;
            hintAt = depth;
            at += 2;
        } else {
            if (hintAt == kNoHint)
                answer.push_back(body[at]);
            ++at;
        }
    }
    return answer;
}

}  // namespace

bool hasCloze(std::u16string_view text) { return !outerClozes(text).empty(); }

std::u16string clozeToGaps(std::u16string_view text, std::size_t& hintsDropped)
{
    std::u16string gapped;
    gapped.reserve(text.size());
    std::size_t at = 0;
    for (const Cloze& cloze : outerClozes(text)) {
        gapped.append(text.substr(at, cloze.open - at));
        gapped.push_back(u'_');
        gapped.append(clozeAnswer(text.substr(cloze.body, cloze.close - cloze.body), hintsDropped));
        gapped.push_back(u'_');
        at = cloze.close + 2;
    }
    gapped.append(text.substr(at));
    return gapped;
}

std::optional<std::u16string> bracketsToGaps(std::u16string_view text)
{
    if (text.find(u'[') == std::u16string_view::npos || text.find(u"[]") != std::u16string_view::npos)
        return std::nullopt;
    std::u16string gapped(text);
    bool open = false;
    for (char16_t& unit : gapped) {
        if (unit == u'[' || unit == u']') {
            if ((unit == u'[') == open)
                return std::nullopt;
            open = !open;
            unit = u'_';
        }
    }
    if (open)
        return std::nullopt;
    return gapped;
}

}  // namespace listimport
