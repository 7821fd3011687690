#include "quiz/answer_check.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "quiz/gaps.h"

namespace quiz {

namespace {

// ---------------------------------------------------------------- characters

bool is_space(char32_t c)
{
    return c <= 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0x1680 || (c >= 0x2000 && c <= 0x200B) || c == 0x2028 ||
           c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

// Punctuation and symbols: they end a word and are not part of one. Letters,
// digits, marks and every character above the basic plane make up words.
bool is_punctuation(char32_t c)
{
    if (c < 0x80)
        return !((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'));
    if (c < 0xC0)  // Latin-1 signs, except the ordinals, superscripts, micro and fractions
        return !(c == 0xAA || c == 0xB2 || c == 0xB3 || c == 0xB5 || c == 0xB9 || c == 0xBA || c >= 0xBC);
    return c == 0xD7 || c == 0xF7 || (c >= 0x2010 && c <= 0x2027) || (c >= 0x2030 && c <= 0x205E) ||
           (c >= 0x20A0 && c <= 0x20CF) || (c >= 0x2190 && c <= 0x22FF) || (c >= 0x3001 && c <= 0x3003) ||
           (c >= 0x3008 && c <= 0x301F) || (c >= 0xFF01 && c <= 0xFF0F) || (c >= 0xFF1A && c <= 0xFF20) ||
           (c >= 0xFF3B && c <= 0xFF40) || (c >= 0xFF5B && c <= 0xFF65);
}

bool is_word(char32_t c) { return !is_space(c) && !is_punctuation(c); }

// Combining diacritical marks: dropped when accents do not count.
bool is_combining_mark(char32_t c) { return c >= 0x0300 && c <= 0x036F; }

// Base letters of Latin-1 and Latin Extended-A, lower case, from U+00C0.
// '*' marks the letters that stand for two (handled in fold_letter).
constexpr std::u32string_view kLatinBase =
    U"aaaaaa*ceeeeiiiidnooooo*ouuuuy**aaaaaa*ceeeeiiiidnooooo*ouuuuy*y"    // U+00C0..U+00FF
    U"aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii**jjkkklllllllll"  // U+0100..U+0141
    U"lnnnnnnnnnoooooo**rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";     // U+0142..U+017F
static_assert(kLatinBase.size() == 0x180 - 0xC0);

// Appends the letter as it counts when case and accents are ignored.
void fold_letter(char32_t c, std::u32string& out)
{
    if (c >= u'A' && c <= u'Z') {
        out.push_back(c + 0x20);
        return;
    }
    if (c >= 0xC0 && c <= 0x17F) {
        const char32_t base = kLatinBase[c - 0xC0];
        if (base != U'*') {
            out.push_back(base);
            return;
        }
        switch (c) {
            case 0xC6:
            case 0xE6:
                out += U"ae";
                return;
            case 0xDE:
            case 0xFE:
                out += U"th";
                return;
            case 0xDF:
                out += U"ss";
                return;
            case 0x132:
            case 0x133:
                out += U"ij";
                return;
            case 0x152:
            case 0x153:
                out += U"oe";
                return;
            default:  // U+00D7 and U+00F7 are signs and never come here
                out.push_back(c);
                return;
        }
    }
    if (c == 0x1E9E) {  // capital sharp s
        out += U"ss";
        return;
    }
    if (c == 0xAA || c == 0xBA) {  // the ordinal signs a and o
        out.push_back(c == 0xAA ? U'a' : U'o');
        return;
    }
    if (c == 0xB2 || c == 0xB3 || c == 0xB9) {  // superscript two, three, one
        out.push_back(c == 0xB9 ? U'1' : static_cast<char32_t>(U'2' + (c - 0xB2)));
        return;
    }
    if (c == 0x2070 || (c >= 0x2074 && c <= 0x2079)) {  // superscript digits
        out.push_back(U'0' + (c - 0x2070));
        return;
    }
    if (c >= 0x2080 && c <= 0x2089) {  // subscript digits
        out.push_back(U'0' + (c - 0x2080));
        return;
    }
    if ((c >= 0x391 && c <= 0x3A9 && c != 0x3A2) || (c >= 0x410 && c <= 0x42F)) {  // Greek, Cyrillic
        out.push_back(c + 0x20);
        return;
    }
    if (c >= 0x400 && c <= 0x40F) {
        out.push_back(c + 0x50);
        return;
    }
    if (c == 0x3C2) {  // final sigma
        out.push_back(0x3C3);
        return;
    }
    out.push_back(c);
}

// ---------------------------------------------------------------- texts as compared

// A text as it is compared: its characters and, for each position between
// them, whether a match may begin or end there (not inside a word).
struct Compared {
    std::u32string chars;
    std::vector<bool> cut;  // chars.size() + 1 entries
};

std::u32string code_points(std::u16string_view text)
{
    std::u32string points;
    points.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            points.push_back(0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            points.push_back(unit);  // a lone surrogate stands for itself
        }
    }
    return points;
}

// Exactly as typed, each run of blanks and line breaks made one blank and the
// blanks at both ends dropped. A match may begin or end anywhere but inside a word.
Compared as_typed(std::u16string_view text)
{
    Compared result;
    bool pendingSpace = false;
    for (const char32_t c : code_points(text)) {
        if (is_space(c)) {
            pendingSpace = !result.chars.empty();
            continue;
        }
        if (pendingSpace)
            result.chars.push_back(U' ');
        pendingSpace = false;
        result.chars.push_back(c);
    }
    const std::u32string& chars = result.chars;
    result.cut.resize(chars.size() + 1, true);
    for (std::size_t i = 1; i < chars.size(); ++i)
        result.cut[i] = !(is_word(chars[i - 1]) && is_word(chars[i]));
    return result;
}

// Only the letters and digits of the words, in lower case and without
// accents; "ae", "oe" and "ue" inside a word count as "a", "o" and "u", so
// that "Müller", "Mueller" and "Muller" are the same. A match may begin or end
// where a blank or a punctuation mark stood.
Compared nearly(std::u16string_view text)
{
    Compared result;
    std::u32string& chars = result.chars;
    std::vector<bool>& cut = result.cut;
    cut.push_back(true);
    std::u32string word;
    const auto endWord = [&] {
        for (std::size_t i = 0; i < word.size(); ++i) {
            const char32_t c = word[i];
            chars.push_back(c);
            cut.push_back(false);
            if (i + 1 < word.size() && word[i + 1] == U'e' && (c == U'a' || c == U'o' || c == U'u'))
                ++i;
        }
        if (!word.empty())
            cut.back() = true;
        word.clear();
    };
    for (const char32_t c : code_points(text)) {
        if (is_combining_mark(c))
            continue;
        if (is_word(c))
            fold_letter(c, word);
        else
            endWord();
    }
    endWord();
    return result;
}

// ---------------------------------------------------------------- finding the gaps

// Polynomial hashes modulo 2^64. Equal pieces always hash alike; a piece
// whose hash matches is still compared before it counts.
constexpr std::uint64_t kBase = 0x100000001B3ULL;

std::uint64_t hash_of(std::u32string_view text)
{
    std::uint64_t hash = 0;
    for (const char32_t c : text)
        hash = hash * kBase + c + 1;
    return hash;
}

// Prefix hashes of a text: the hash of any piece in constant time.
class PieceHashes {
public:
    explicit PieceHashes(std::u32string_view text) : prefix_(text.size() + 1, 0), power_(text.size() + 1, 1)
    {
        for (std::size_t i = 0; i < text.size(); ++i) {
            prefix_[i + 1] = prefix_[i] * kBase + text[i] + 1;
            power_[i + 1] = power_[i] * kBase;
        }
    }

    std::uint64_t of(std::size_t begin, std::size_t length) const
    {
        return prefix_[begin + length] - prefix_[begin] * power_[length];
    }

private:
    std::vector<std::uint64_t> prefix_;
    std::vector<std::uint64_t> power_;
};

// Gaps of one text: how often the answer must hold it, and how often it does.
struct Wanted {
    std::u32string text;
    int needed = 0;
    int found = 0;
    std::size_t free_from = 0;  // an occurrence before here overlaps the last one found
};

// Counts, for each wanted text, the places of the answer that hold it, up to
// the number needed; places of one text never overlap.
void find_all(const Compared& answer, std::vector<Wanted>& wanted)
{
    // The places where a match may begin, by their first character: a text
    // is looked for only at places that begin like it.
    constexpr std::size_t kBuckets = 64;
    const auto bucket = [](char32_t c) { return static_cast<std::size_t>(c % kBuckets); };
    const std::size_t size = answer.chars.size();
    std::vector<std::vector<std::size_t>> starts(kBuckets);
    for (std::size_t i = 0; i < size; ++i)
        if (answer.cut[i])
            starts[bucket(answer.chars[i])].push_back(i);
    const PieceHashes hashes(answer.chars);

    // The texts by length, each length searched in one pass over the answer.
    std::unordered_map<std::size_t, std::unordered_multimap<std::uint64_t, std::size_t>> byLength;
    for (std::size_t w = 0; w < wanted.size(); ++w)
        if (!wanted[w].text.empty())  // an empty text is never looked for
            byLength[wanted[w].text.size()].emplace(hash_of(wanted[w].text), w);

    for (const auto& [length, texts] : byLength) {
        std::size_t open = texts.size();
        std::vector<bool> searched(kBuckets, false);
        for (const auto& entry : texts) {
            const std::size_t first = bucket(wanted[entry.second].text.front());
            if (searched[first])
                continue;
            searched[first] = true;
            for (const std::size_t begin : starts[first]) {
                if (open == 0 || begin + length > size)
                    break;
                if (!answer.cut[begin + length])
                    continue;
                const auto [from, to] = texts.equal_range(hashes.of(begin, length));
                for (auto it = from; it != to; ++it) {
                    Wanted& text = wanted[it->second];
                    if (text.found == text.needed || begin < text.free_from ||
                        std::u32string_view(answer.chars).substr(begin, length) != text.text)
                        continue;
                    text.free_from = begin + length;
                    if (++text.found == text.needed)
                        --open;
                }
            }
        }
    }
}

struct Gap {
    std::size_t open;
    std::size_t close;
    std::u16string_view text;
};

std::vector<Gap> gaps_of(std::u16string_view line)
{
    std::vector<Gap> gaps;
    std::size_t open = line.find(kGapMark);
    while (open != std::u16string_view::npos) {
        const std::size_t close = std::min(line.find(kGapMark, open + 1), line.size());
        gaps.push_back({open, close, line.substr(open + 1, close - open - 1)});
        open = close < line.size() ? line.find(kGapMark, close + 1) : std::u16string_view::npos;
    }
    return gaps;
}

// Groups the gaps by their text as `compare` sees it; `groupOf` gets each
// gap's group.
template <typename Compare>
std::vector<Wanted> group_gaps(const std::vector<Gap>& gaps, Compare compare, std::vector<std::size_t>& groupOf)
{
    std::vector<Wanted> wanted;
    std::unordered_map<std::u32string, std::size_t> index;
    index.reserve(gaps.size());
    wanted.reserve(gaps.size());
    groupOf.clear();
    for (const Gap& gap : gaps) {
        std::u32string text = compare(gap.text).chars;
        const auto [it, added] = index.try_emplace(std::move(text), wanted.size());
        if (added)
            wanted.push_back({it->first, 0, 0, 0});
        ++wanted[it->second].needed;
        groupOf.push_back(it->second);
    }
    return wanted;
}

}  // namespace

bool is_blank(std::u16string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char16_t unit) { return is_space(unit); });
}

std::vector<GapCheck> check_answer(std::u16string_view line, std::u16string_view answer)
{
    if (is_blank(answer))
        return {};
    const std::vector<Gap> gaps = gaps_of(line);
    std::vector<GapCheck> checks;
    checks.reserve(gaps.size());
    for (const Gap& gap : gaps)
        checks.push_back({gap.open, gap.close, GapVerdict::Missing});
    if (gaps.empty())
        return checks;

    // As typed: each text goes to its first gaps, in the order of the line.
    std::vector<std::size_t> groupOf;
    std::vector<Wanted> typed = group_gaps(gaps, as_typed, groupOf);
    find_all(as_typed(answer), typed);
    for (std::size_t g = 0; g < gaps.size(); ++g) {
        Wanted& text = typed[groupOf[g]];
        if (text.text.empty()) {
            checks[g].verdict = GapVerdict::AsTyped;  // nothing to type
        } else if (text.found > 0) {
            --text.found;
            checks[g].verdict = GapVerdict::AsTyped;
        }
    }

    // Nearly: a place that holds a gap as typed holds it nearly too, so the
    // gaps already typed use up places of their group first.
    std::vector<Wanted> near = group_gaps(gaps, nearly, groupOf);
    find_all(nearly(answer), near);
    for (std::size_t g = 0; g < gaps.size(); ++g)
        if (checks[g].verdict == GapVerdict::AsTyped)
            --near[groupOf[g]].found;
    for (std::size_t g = 0; g < gaps.size(); ++g) {
        Wanted& text = near[groupOf[g]];
        if (checks[g].verdict == GapVerdict::Missing && !text.text.empty() && text.found > 0) {
            --text.found;
            checks[g].verdict = GapVerdict::Nearly;
        }
    }
    return checks;
}

CheckCounts count_verdicts(const std::vector<GapCheck>& checks)
{
    CheckCounts counts;
    for (const GapCheck& check : checks) {
        ++counts.gaps;
        switch (check.verdict) {
            case GapVerdict::AsTyped:
                ++counts.as_typed;
                break;
            case GapVerdict::Nearly:
                ++counts.nearly;
                break;
            case GapVerdict::Missing:
                ++counts.missing;
                break;
        }
    }
    return counts;
}

}  // namespace quiz
