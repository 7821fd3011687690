#include "quiz/gap_items.h"

#include <algorithm>
#include <string>

#include "quiz/gaps.h"

namespace quiz {

std::optional<GapMode> gap_mode_of(int value)
{
    // Every mode is named here, so that a new one cannot be forgotten: the build fails on it.
    const auto mode = static_cast<GapMode>(value);
    switch (mode) {
        case GapMode::AllAtOnce:
        case GapMode::OneOthersShown:
        case GapMode::OneAfterAnother:
            return mode;
    }
    return std::nullopt;
}

namespace {

// Between a line and its gap's number: the unit separator, which no list line holds.
constexpr char16_t kGapSeparator = u'\x1f';

}  // namespace

std::u16string gap_question(std::u16string_view line, int gap)
{
    std::u16string question(line);
    question += kGapSeparator;
    const std::string number = std::to_string(gap + 1);
    question.append(number.begin(), number.end());
    return question;
}

std::pair<std::u16string, std::optional<int>> split_gap_question(std::u16string_view question)
{
    const auto separator = question.rfind(kGapSeparator);
    if (separator == std::u16string_view::npos || separator + 1 == question.size())
        return {std::u16string(question), std::nullopt};
    int number = 0;
    for (std::size_t i = separator + 1; i < question.size(); ++i) {
        if (question[i] < u'0' || question[i] > u'9' || number > 100000)
            return {std::u16string(question), std::nullopt};
        number = number * 10 + (question[i] - u'0');
    }
    if (number < 1)
        return {std::u16string(question), std::nullopt};
    return {std::u16string(question.substr(0, separator)), number - 1};
}

std::vector<GapShown> gaps_shown(GapMode mode, int gap_count, int asked)
{
    std::vector<GapShown> shown(static_cast<std::size_t>(std::max(gap_count, 0)));
    for (int g = 0; g < gap_count; ++g)
        shown[static_cast<std::size_t>(g)].filled =
            g != asked && (mode == GapMode::OneOthersShown || (mode == GapMode::OneAfterAnother && g < asked));
    return shown;
}

GapItems::GapItems(QuestionList& lines, StatusList& status, GapMode mode) : lines_(lines), status_(status), mode_(mode)
{
    rebuild();
}

void GapItems::rebuild()
{
    items_.clear();
    const int count = lines_.count();
    for (int l = 0; l < count; ++l) {
        // Empty lines are no questions; a round removes them when it starts.
        if (lines_.line(l).empty())
            continue;
        const int gaps = static_cast<int>(find_gaps(lines_.line(l)).size());
        const int first = static_cast<int>(items_.size());
        if (gaps == 0)
            items_.push_back({l, -1, first, 0});
        for (int g = 0; g < gaps; ++g)
            items_.push_back({l, g, first, gaps});
    }
}

void GapItems::remove_empty_lines()
{
    lines_.remove_empty_lines();
    rebuild();
}

std::u16string GapItems::line(int index) const
{
    return index >= 0 && index < count() ? lines_.line(items_[static_cast<std::size_t>(index)].line) : u"";
}

int GapItems::line_of(int index) const
{
    return index >= 0 && index < count() ? items_[static_cast<std::size_t>(index)].line : -1;
}

int GapItems::done(const Item& item) const
{
    int done = 0;
    for (int i = item.first; i < item.first + item.gaps; ++i)
        done += tally_.kind(i) == EntryKind::Correct ? 1 : 0;
    return done;
}

std::optional<int> GapItems::gap(int index) const
{
    if (index < 0 || index >= count())
        return std::nullopt;
    const Item& item = items_[static_cast<std::size_t>(index)];
    if (item.gap < 0)
        return std::nullopt;
    // One after another: whichever of its questions comes up, a line asks its next gap.
    if (mode_ == GapMode::OneAfterAnother)
        return std::min(done(item), item.gaps - 1);
    return item.gap;
}

std::vector<GapShown> GapItems::shown_gaps(int index) const
{
    const auto asked = gap(index);
    if (!asked)
        return {};
    return gaps_shown(mode_, items_[static_cast<std::size_t>(index)].gaps, *asked);
}

void GapItems::reset(int n)
{
    tally_.reset(n);
    status_.reset(lines_.count());
}

void GapItems::mark_correct(int index)
{
    if (index < 0 || index >= count())
        return;
    tally_.set(index, u"X");
    const Item& item = items_[static_cast<std::size_t>(index)];
    if (item.gaps == 0 || done(item) == item.gaps)
        status_.mark_correct(item.line);
}

}  // namespace quiz
