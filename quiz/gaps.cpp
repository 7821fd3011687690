#include "quiz/gaps.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>

namespace quiz {

namespace {

constexpr std::size_t kClosedBlank = 5;
constexpr std::size_t kOpenBlank = 2;

// The code point at `at` and how many code units it takes.
std::pair<char32_t, std::size_t> code_point(std::u16string_view text, std::size_t at)
{
    std::size_t next = at;
    UChar32 c = 0;
    U16_NEXT(text.data(), next, text.size(), c);
    return {static_cast<char32_t>(c), next - at};
}

bool is_letter(char32_t c) { return u_isalnum(static_cast<UChar32>(c)) != 0; }

}  // namespace

std::vector<Gap> find_gaps(std::u16string_view line)
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

std::vector<QuestionPiece> question_pieces(std::u16string_view line, const std::vector<GapShown>& shown)
{
    std::vector<QuestionPiece> pieces;
    std::size_t from = 0;
    const auto gaps = find_gaps(line);
    for (std::size_t g = 0; g < gaps.size(); ++g) {
        const Gap& gap = gaps[g];
        if (gap.open > from)
            pieces.push_back({std::u16string(line.substr(from, gap.open - from)), false});
        const GapShown how = g < shown.size() ? shown[g] : GapShown{};
        const bool closed = gap.closed(line);
        if (how.filled || (how.revealed > 0 && how.revealed >= gap.text.size()))
            pieces.push_back({std::u16string(gap.text), false, closed});
        else
            pieces.push_back({std::u16string(gap.text.substr(0, how.revealed)), true, closed});
        from = closed ? gap.close + 1 : line.size();
    }
    if (from < line.size())
        pieces.push_back({std::u16string(line.substr(from)), false});
    return pieces;
}

std::u16string show_question(const std::vector<QuestionPiece>& pieces)
{
    std::u16string shown;
    for (const QuestionPiece& piece : pieces) {
        shown += piece.text;
        if (!piece.gap)
            continue;
        const std::size_t width = piece.closed ? kClosedBlank : kOpenBlank;
        const std::size_t rest = width > piece.text.size() ? width - piece.text.size() : 0;
        shown.append(std::max(rest, kOpenBlank), kGapMark);
    }
    return shown;
}

std::u16string blank_gaps(std::u16string_view line) { return show_question(question_pieces(line, {})); }

std::size_t next_hint(std::u16string_view text, std::size_t revealed)
{
    std::size_t at = std::min(revealed, text.size());
    // Up to and through the next letter...
    while (at < text.size()) {
        const auto [c, length] = code_point(text, at);
        at += length;
        if (is_letter(c))
            break;
    }
    // ...and the blanks and punctuation that follow it.
    while (at < text.size()) {
        const auto [c, length] = code_point(text, at);
        if (is_letter(c))
            break;
        at += length;
    }
    return at;
}

std::u16string only_gap(std::u16string_view line, std::size_t gap)
{
    std::u16string kept(line);
    const auto gaps = find_gaps(line);
    for (std::size_t g = 0; g < gaps.size(); ++g) {
        if (g == gap)
            continue;
        kept[gaps[g].open] = u'\u200b';
        if (gaps[g].closed(line))
            kept[gaps[g].close] = u'\u200b';
    }
    return kept;
}

std::optional<std::size_t> give_hint(std::u16string_view line, std::vector<GapShown>& shown)
{
    const auto gaps = find_gaps(line);
    shown.resize(std::max(shown.size(), gaps.size()));
    for (std::size_t g = 0; g < gaps.size(); ++g) {
        GapShown& gap = shown[g];
        if (gap.filled || gap.revealed >= gaps[g].text.size())
            continue;
        gap.revealed = next_hint(gaps[g].text, gap.revealed);
        return g;
    }
    return std::nullopt;
}

}  // namespace quiz
