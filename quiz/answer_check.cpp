#include "quiz/answer_check.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "quiz/gaps.h"
#include "quiz/piece_finder.h"
#include "quiz/text_folding.h"

namespace quiz {

namespace {

// ---------------------------------------------------------------- texts as compared

// Exactly as typed: each run of blanks and line breaks made one blank and the
// blanks at both ends dropped. A boundary stands wherever a match may begin or
// end, that is anywhere but inside a word, so that the places where it may are
// part of the text itself.
std::u32string as_typed(const std::u32string& text)
{
    std::u32string out;
    out.reserve(text.size() + text.size() / 4 + 2);
    bool lastInWord = false;
    const auto put = [&](char32_t c) {
        const bool inWord = is_word_char(c);
        if (out.empty() || !(lastInWord && inWord))
            out.push_back(kWordBoundary);
        out.push_back(c);
        lastInWord = inWord;
    };
    bool pendingSpace = false;
    for (const char32_t c : text) {
        if (is_space(c)) {
            pendingSpace = !out.empty();
            continue;
        }
        if (pendingSpace)
            put(U' ');
        pendingSpace = false;
        put(c);
    }
    if (!out.empty())
        out.push_back(kWordBoundary);
    return out;
}

// How the letters of a word are spelt for the comparison that ignores case and
// diacritics.
enum class Umlauts {
    WithoutDots,   // ä = a, as every other diacritic
    AsTwoLetters,  // ä = ae, as written where the dots are missing
};

// Only the letters and digits of the words, folded; a boundary between the
// words where `cuts` asks for them, else only at both ends.
std::u32string nearly(const std::u32string& text, LetterFolder& folder, Umlauts umlauts, bool cuts)
{
    std::u32string out;
    bool inWord = false;
    std::size_t wordMark = 0;   // where the word and its boundary began
    std::size_t wordStart = 0;  // where its letters begin
    const auto endWord = [&] {
        if (inWord && out.size() == wordStart)
            out.resize(wordMark);  // a word of marks alone leaves nothing
        inWord = false;
    };
    for (const char32_t c : text) {
        if (!is_word_char(c)) {
            endWord();
            continue;
        }
        if (!inWord) {
            inWord = true;
            wordMark = out.size();
            if (out.empty() || cuts)
                out.push_back(kWordBoundary);
            wordStart = out.size();
        }
        folder.append(c, out);
        if (umlauts == Umlauts::AsTwoLetters && is_umlaut(c))
            out.push_back(U'e');
    }
    endWord();
    if (!out.empty())
        out.push_back(kWordBoundary);
    return out;
}

// ---------------------------------------------------------------- the gaps

// Gives the gaps with the same key one group and returns the size of each
// group. A key is `width` piece numbers below `limit`, from `keys` in the
// order of the gaps; sorting them by radix keeps the work linear.
std::vector<int> group_by(const std::vector<std::size_t>& keys, std::size_t width, std::size_t limit,
                          std::vector<std::size_t>& groupOf)
{
    const std::size_t count = keys.size() / width;
    std::vector<std::size_t> order(count);
    std::vector<std::size_t> sorted(count);
    for (std::size_t i = 0; i < count; ++i)
        order[i] = i;
    std::vector<std::size_t> bucket(limit + 1);
    for (std::size_t k = width; k-- > 0;) {
        std::fill(bucket.begin(), bucket.end(), 0);
        for (const std::size_t i : order)
            ++bucket[keys[i * width + k] + 1];
        for (std::size_t b = 1; b < bucket.size(); ++b)
            bucket[b] += bucket[b - 1];
        for (const std::size_t i : order)
            sorted[bucket[keys[i * width + k]]++] = i;
        order.swap(sorted);
    }
    std::vector<int> sizes;
    groupOf.assign(count, 0);
    for (std::size_t at = 0; at < count; ++at) {
        const std::size_t i = order[at];
        if (at == 0 || !std::equal(keys.begin() + static_cast<std::ptrdiff_t>(i * width),
                                   keys.begin() + static_cast<std::ptrdiff_t>((i + 1) * width),
                                   keys.begin() + static_cast<std::ptrdiff_t>(order[at - 1] * width)))
            sizes.push_back(0);
        groupOf[i] = sizes.size() - 1;
        ++sizes.back();
    }
    return sizes;
}

// The ordinal of each boundary of a text, by its position.
std::vector<std::uint32_t> boundary_ordinals(const std::u32string& text)
{
    std::vector<std::uint32_t> ordinals(text.size(), 0);
    std::uint32_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == kWordBoundary)
            ordinals[i] = count++;
    return ordinals;
}

// A run of words of the answer: from the boundary `first` to the boundary `last`.
struct Words {
    std::uint32_t first;
    std::uint32_t last;
};

// How many of the runs, taken in the order they end, stand apart: the most
// that can count at once, up to `wanted`. Each list is in the order of the
// answer already.
int count_apart(const std::vector<std::vector<Words>>& lists, int wanted)
{
    std::vector<std::size_t> at(lists.size(), 0);
    int count = 0;
    std::uint32_t freeFrom = 0;
    while (count < wanted) {
        std::size_t best = lists.size();
        for (std::size_t l = 0; l < lists.size(); ++l) {
            while (at[l] < lists[l].size() && lists[l][at[l]].first < freeFrom)
                ++at[l];
            if (at[l] < lists[l].size() && (best == lists.size() || lists[l][at[l]].last < lists[best][at[best]].last))
                best = l;
        }
        if (best == lists.size())
            break;
        freeFrom = lists[best][at[best]].last;
        ++at[best];
        ++count;
    }
    return count;
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
    const std::u32string answerText = comparable_text(answer);
    if (std::all_of(answerText.begin(), answerText.end(), is_space))
        return {};  // nothing but characters that are never seen
    const std::vector<Gap> gaps = find_gaps(line);
    std::vector<GapCheck> checks;
    checks.reserve(gaps.size());
    for (const Gap& gap : gaps)
        checks.push_back({gap.open, gap.close, GapVerdict::Missing});
    if (gaps.empty())
        return checks;
    std::vector<std::u32string> gapTexts;
    gapTexts.reserve(gaps.size());
    for (const Gap& gap : gaps)
        gapTexts.push_back(comparable_text(gap.text));

    // As typed: each text goes to its first gaps, in the order of the line.
    PieceFinder typedFinder;
    std::vector<std::size_t> typedKeys;
    typedKeys.reserve(gaps.size());
    for (const std::u32string& text : gapTexts)
        typedKeys.push_back(typedFinder.add(as_typed(text)));
    const std::size_t blankKey = typedFinder.add(U"");  // a blank gap has nothing to type
    std::vector<std::size_t> groupOf;
    const std::vector<int> typedSizes = group_by(typedKeys, 1, typedFinder.size(), groupOf);
    for (std::size_t g = 0; g < gaps.size(); ++g)
        typedFinder.want(typedKeys[g], typedSizes[groupOf[g]]);
    typedFinder.find(as_typed(answerText));
    for (std::size_t g = 0; g < gaps.size(); ++g) {
        if (typedKeys[g] == blankKey)
            checks[g].verdict = GapVerdict::AsTyped;
    }
    std::vector<std::size_t> typedLeft(typedSizes.size(), 0);
    for (std::size_t g = 0; g < gaps.size(); ++g)
        typedLeft[groupOf[g]] = typedFinder.places(typedKeys[g]).size();
    for (std::size_t g = 0; g < gaps.size(); ++g) {
        if (checks[g].verdict == GapVerdict::Missing && typedLeft[groupOf[g]] > 0) {
            --typedLeft[groupOf[g]];
            checks[g].verdict = GapVerdict::AsTyped;
        }
    }

    // Nearly: case, diacritics, punctuation and blanks ignored. A gap's words
    // may stand in the answer with the separators of the line between them or
    // with none. Where the line or the answer has an umlaut, both are also
    // read with each umlaut spelt with two letters (ä = ae), so that "ae" in
    // the answer counts for "ä" in the line but never for an "a" alone.
    const auto hasUmlaut = [](const std::u32string& text) { return std::any_of(text.begin(), text.end(), is_umlaut); };
    const bool umlautReading = hasUmlaut(answerText) || std::any_of(gapTexts.begin(), gapTexts.end(), hasUmlaut);
    const std::vector<Umlauts> readings = umlautReading
                                              ? std::vector<Umlauts>{Umlauts::WithoutDots, Umlauts::AsTwoLetters}
                                              : std::vector<Umlauts>{Umlauts::WithoutDots};
    const std::size_t width = 2 * readings.size();
    LetterFolder folder;
    std::vector<PieceFinder> finders(readings.size());
    // Per gap and reading: its piece with the line's separators, and without.
    std::vector<std::size_t> nearKeys;
    nearKeys.reserve(gaps.size() * width);
    for (const std::u32string& text : gapTexts)
        for (std::size_t r = 0; r < readings.size(); ++r) {
            nearKeys.push_back(finders[r].add(nearly(text, folder, readings[r], true)));
            nearKeys.push_back(finders[r].add(nearly(text, folder, readings[r], false)));
        }
    std::size_t limit = 0;
    for (const PieceFinder& finder : finders)
        limit = std::max(limit, finder.size());
    const std::vector<int> nearSizes = group_by(nearKeys, width, limit, groupOf);
    // One gap of each group, whose pieces stand for the group's.
    std::vector<std::size_t> representative(nearSizes.size(), 0);
    for (std::size_t g = gaps.size(); g-- > 0;)
        representative[groupOf[g]] = g;
    for (std::size_t g = 0; g < gaps.size(); ++g)
        for (std::size_t k = 0; k < width; ++k)
            finders[k / 2].want(nearKeys[g * width + k], nearSizes[groupOf[g]]);

    // The places of each group, as runs of the answer's words, one list per piece.
    std::vector<std::vector<std::vector<Words>>> runs(nearSizes.size());
    for (std::size_t r = 0; r < readings.size(); ++r) {
        const std::u32string text = nearly(answerText, folder, readings[r], true);
        finders[r].find(text);
        const std::vector<std::uint32_t> ordinals = boundary_ordinals(text);
        for (std::size_t n = 0; n < nearSizes.size(); ++n) {
            const std::size_t* pieces = &nearKeys[representative[n] * width + 2 * r];
            const std::size_t distinct = pieces[0] == pieces[1] ? 1 : 2;  // a gap of one word has one piece
            for (std::size_t k = 0; k < distinct; ++k) {
                const std::size_t piece = pieces[k];
                std::vector<Words>& list = runs[n].emplace_back();
                for (const Place& place : finders[r].places(piece))
                    list.push_back({ordinals[place.begin], ordinals[place.end - 1]});
            }
        }
    }

    // A place that holds a gap as typed holds it nearly too, so the gaps
    // already typed use up places of their group first.
    std::vector<int> nearLeft(nearSizes.size(), 0);
    for (std::size_t n = 0; n < nearSizes.size(); ++n)
        nearLeft[n] = count_apart(runs[n], nearSizes[n]);
    for (std::size_t g = 0; g < gaps.size(); ++g)
        if (checks[g].verdict == GapVerdict::AsTyped)
            --nearLeft[groupOf[g]];
    for (std::size_t g = 0; g < gaps.size(); ++g) {
        if (checks[g].verdict == GapVerdict::Missing && nearLeft[groupOf[g]] > 0) {
            --nearLeft[groupOf[g]];
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
