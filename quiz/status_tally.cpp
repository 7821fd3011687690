#include "quiz/status_tally.h"

#include <algorithm>

namespace quiz {

namespace {

// Draws before a pick gives up on rejection and lists the candidates instead.
constexpr int kRejectionDraws = 32;

int uniform(std::mt19937_64& random, int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random); }

}  // namespace

EntryKind kind_of(std::u16string_view value)
{
    if (value == kOpenEntry)
        return EntryKind::Open;
    if (value == kCorrectEntry)
        return EntryKind::Correct;
    return EntryKind::Other;
}

void StatusTally::reset(int n)
{
    const auto count = static_cast<std::size_t>(std::max(n, 0));
    entries_.assign(count, EntryKind::Open);
    open_ = static_cast<int>(count);
    correct_ = 0;
    eligible_valid_ = false;
}

void StatusTally::replace(int first, int removed, std::vector<std::u16string> added)
{
    first = std::clamp(first, 0, size());
    removed = std::clamp(removed, 0, size() - first);
    const auto begin = entries_.begin() + first;
    const bool same_shape = removed == static_cast<int>(added.size());

    if (same_shape) {
        // Typing within lines: the indices stay, so the eligible set is patched.
        for (int i = 0; i < removed; ++i)
            set(first + i, std::move(added[static_cast<std::size_t>(i)]));
        return;
    }
    for (auto it = begin; it != begin + removed; ++it)
        count(*it, -1);
    std::vector<EntryKind> kinds;
    kinds.reserve(added.size());
    for (const auto& value : added) {
        kinds.push_back(kind_of(value));
        count(kinds.back(), +1);
    }
    entries_.erase(begin, begin + removed);
    entries_.insert(entries_.begin() + first, kinds.begin(), kinds.end());
    eligible_valid_ = false;
}

void StatusTally::set(int index, std::u16string value)
{
    if (index < 0 || index >= size())
        return;
    auto& old = entries_[static_cast<std::size_t>(index)];
    const EntryKind now = kind_of(value);
    const bool was_correct = old == EntryKind::Correct;
    const bool is_correct = now == EntryKind::Correct;
    count(old, -1);
    count(now, +1);
    old = now;
    if (eligible_valid_ && was_correct != is_correct) {
        if (is_correct)
            remove_eligible(index);
        else
            add_eligible(index);
    }
}

EntryKind StatusTally::kind(int index) const
{
    if (index < 0 || index >= size())
        return EntryKind::Other;
    return entries_[static_cast<std::size_t>(index)];
}

std::optional<int> StatusTally::pick(int limit, std::mt19937_64& random) const
{
    if (limit <= 0)
        return std::nullopt;
    if (!eligible_valid_)
        rebuild_eligible();

    // Indices from the column's end up to the limit have no entry at all.
    const int beyond = std::max(0, limit - size());
    const int known = static_cast<int>(eligible_.size());
    const int total = known + beyond;
    if (total == 0)
        return std::nullopt;

    for (int draw = 0; draw < kRejectionDraws; ++draw) {
        const int r = uniform(random, total);
        if (r >= known)
            return size() + (r - known);
        const int index = eligible_[static_cast<std::size_t>(r)];
        if (index < limit)
            return index;
    }

    // Most eligible entries lie beyond the limit (the column was edited by
    // hand); list the ones below it.
    std::vector<int> candidates;
    for (const int index : eligible_)
        if (index < limit)
            candidates.push_back(index);
    for (int index = size(); index < limit; ++index)
        candidates.push_back(index);
    if (candidates.empty())
        return std::nullopt;
    return candidates[static_cast<std::size_t>(uniform(random, static_cast<int>(candidates.size())))];
}

void StatusTally::count(EntryKind kind, int delta)
{
    if (kind == EntryKind::Open)
        open_ += delta;
    else if (kind == EntryKind::Correct)
        correct_ += delta;
}

void StatusTally::rebuild_eligible() const
{
    eligible_.clear();
    slot_.assign(entries_.size(), -1);
    for (int i = 0; i < size(); ++i)
        if (entries_[static_cast<std::size_t>(i)] != EntryKind::Correct)
            add_eligible(i);
    eligible_valid_ = true;
}

void StatusTally::add_eligible(int index) const
{
    auto& slot = slot_[static_cast<std::size_t>(index)];
    if (slot >= 0)
        return;
    slot = static_cast<int>(eligible_.size());
    eligible_.push_back(index);
}

void StatusTally::remove_eligible(int index) const
{
    auto& slot = slot_[static_cast<std::size_t>(index)];
    if (slot < 0)
        return;
    const int moved = eligible_.back();
    eligible_[static_cast<std::size_t>(slot)] = moved;
    slot_[static_cast<std::size_t>(moved)] = slot;
    eligible_.pop_back();
    slot = -1;
}

}  // namespace quiz
