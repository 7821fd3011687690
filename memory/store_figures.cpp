#include "memory/review_store.h"

#include <unordered_set>

#include "memory/store_internals.h"

// What the progress page counts: reviews and due questions per day.

namespace memory {

using namespace store_detail;

std::vector<DayReviews> ReviewStore::reviews_per_day(Day first, Day last) const
{
    try {
        std::vector<DayReviews> days;
        for (Day day = first; day <= last; ++day)
            days.push_back({day, 0, 0});
        SQLite::Statement count(*db_,
                                "SELECT day, rating, count(*) FROM reviews WHERE day BETWEEN ? AND ? "
                                "GROUP BY day, rating");
        count.bind(1, first);
        count.bind(2, last);
        while (count.executeStep()) {
            const std::int64_t day = count.getColumn(0).getInt64();
            if (day < first || day > last)
                damaged("review day");
            auto& entry = days[static_cast<std::size_t>(day - first)];
            const int n = count.getColumn(2).getInt();
            if (count.getColumn(1).getInt() == static_cast<int>(Rating::Again))
                entry.wrong += n;
            else
                entry.right += n;
        }
        return days;
    } catch (const std::exception& e) {
        fail(e);
    }
}

std::vector<std::int32_t> ReviewStore::due_per_day(Day first, int days) const
{
    try {
        std::vector<std::int32_t> due(static_cast<std::size_t>(std::max(days, 0)), 0);
        if (days <= 0)
            return due;
        // Days no version writes are read too, so that they are found as damage.
        SQLite::Statement count(
            *db_, "SELECT due_day, count(*) FROM questions WHERE due_day < ? OR due_day > ? GROUP BY due_day");
        count.bind(1, first + days);
        count.bind(2, static_cast<std::int64_t>(kLastDay));
        while (count.executeStep()) {
            const Day day = std::max(checked_day(count.getColumn(0).getInt64()), first);
            if (day >= first + days)
                continue;
            due[static_cast<std::size_t>(day - first)] += count.getColumn(1).getInt();
        }
        return due;
    } catch (const std::exception& e) {
        fail(e);
    }
}

std::int64_t ReviewStore::review_count() const
{
    try {
        return db_->execAndGet("SELECT count(*) FROM reviews").getInt64();
    } catch (const std::exception& e) {
        fail(e);
    }
}

std::vector<DayReviews> ReviewStore::list_reviews_per_day(const std::vector<std::u16string>& lines, Day first,
                                                          Day last) const
{
    try {
        std::vector<DayReviews> days;
        for (Day day = first; day <= last; ++day)
            days.push_back({day, 0, 0});
        if (days.empty() || lines.empty())
            return days;
        std::unordered_set<std::int64_t> keys;
        keys.reserve(lines.size());
        for (const auto& line : lines)
            keys.insert(question_key(line));
        // The window's reviews of every list, sorted out here: a list may hold
        // more questions than a statement takes parameters.
        SQLite::Statement reviews(*db_, "SELECT question, day, rating FROM reviews WHERE day BETWEEN ? AND ?");
        reviews.bind(1, first);
        reviews.bind(2, last);
        while (reviews.executeStep()) {
            if (!keys.contains(reviews.getColumn(0).getInt64()))
                continue;
            const std::int64_t offset = reviews.getColumn(1).getInt64() - first;
            if (offset < 0 || offset >= static_cast<std::int64_t>(days.size()))
                continue;
            auto& entry = days[static_cast<std::size_t>(offset)];
            if (reviews.getColumn(2).getInt() == static_cast<int>(Rating::Again))
                ++entry.wrong;
            else
                ++entry.right;
        }
        return days;
    } catch (const std::exception& e) {
        fail(e);
    }
}

}  // namespace memory
