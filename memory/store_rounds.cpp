#include "memory/review_store.h"

#include "memory/store_internals.h"

// The rounds: each recorded once at its end, and the round in progress kept with every marking.

namespace memory {

using namespace store_detail;

void ReviewStore::record_round(const RoundRecord& round)
{
    in_transaction([&] {
        record_round_row(round, false);
        return 0;
    });
}

void ReviewStore::record_round_row(const RoundRecord& round, bool maybe_recorded)
{
    // Recorded already (another copy of the program ended it when it began its own
    // round): the same record, brought up to date when this one is the later.
    SQLite::Statement recorded(*db_, "SELECT count(*) FROM rounds WHERE started_ms = ? AND list_name = ?");
    recorded.bind(1, round.started_ms);
    recorded.bind(2, to_utf8(round.list_name));
    if (maybe_recorded && recorded.executeStep() && recorded.getColumn(0).getInt64() > 0) {
        SQLite::Statement update(*db_,
                                 "UPDATE rounds SET ended_ms = ?, questions = ?, correct = ?, trials = ?, wrong = ?, "
                                 "clocked = ? WHERE started_ms = ? AND list_name = ? AND ended_ms <= ?");
        update.bind(1, round.ended_ms);
        update.bind(2, round.tallies.questions);
        update.bind(3, round.tallies.correct);
        update.bind(4, round.tallies.trials);
        update.bind(5, round.tallies.wrong);
        update.bind(6, round.tallies.clocked);
        update.bind(7, round.started_ms);
        update.bind(8, to_utf8(round.list_name));
        update.bind(9, round.ended_ms);
        update.exec();
        return;
    }
    SQLite::Statement insert(*db_,
                             "INSERT INTO rounds (list_name, started_ms, ended_ms, questions, correct, trials, "
                             "wrong, clocked) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    insert.bind(1, to_utf8(round.list_name));
    insert.bind(2, round.started_ms);
    insert.bind(3, round.ended_ms);
    insert.bind(4, round.tallies.questions);
    insert.bind(5, round.tallies.correct);
    insert.bind(6, round.tallies.trials);
    insert.bind(7, round.tallies.wrong);
    insert.bind(8, round.tallies.clocked);
    insert.exec();
}

std::vector<RoundRecord> ReviewStore::rounds() const
{
    try {
        std::vector<RoundRecord> rounds;
        SQLite::Statement all(*db_,
                              "SELECT list_name, started_ms, ended_ms, questions, correct, trials, wrong, clocked "
                              "FROM rounds ORDER BY rowid");
        while (all.executeStep()) {
            rounds.push_back({from_utf8(all.getColumn(0).getString()),
                              all.getColumn(1).getInt64(),
                              all.getColumn(2).getInt64(),
                              {all.getColumn(3).getInt(), all.getColumn(4).getInt(), all.getColumn(5).getInt(),
                               all.getColumn(6).getInt(), all.getColumn(7).getInt()}});
        }
        return rounds;
    } catch (const std::exception& e) {
        fail(e);
    }
}

void ReviewStore::write_round(const OpenRound& round)
{
    check_writable(round);
    db_->exec("DELETE FROM open_round; DELETE FROM open_status; DELETE FROM open_reviewed; DELETE FROM open_missed");
    SQLite::Statement save(
        *db_,
        "INSERT INTO open_round (only, list_key, list_name, started_ms, updated_ms, finished, "
        "questions, current, last, correct, wrong, clocked, trials, question_hints, round_hints, "
        "status_count, chosen, gap_mode) VALUES (1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    save.bind(1, round.list_key);
    save.bind(2, to_utf8(round.list_name));
    save.bind(3, round.started_ms);
    save.bind(4, round.updated_ms);
    save.bind(5, round.finished ? 1 : 0);
    bind_standing(save, 6, round);
    save.bind(6 + kStandingColumns, round.status_count);
    save.bind(7 + kStandingColumns, join_lines(round.chosen));
    save.bind(8 + kStandingColumns, static_cast<int>(round.gap_mode));
    save.exec();
    SQLite::Statement status(*db_, "INSERT INTO open_status (place, entry) VALUES (?, ?)");
    for (const auto& [place, entry] : round.status) {
        status.bind(1, place);
        status.bind(2, to_utf8(entry));
        status.exec();
        status.reset();
    }
    SQLite::Statement reviewed(*db_, "INSERT INTO open_reviewed (question) VALUES (?)");
    for (const auto key : round.reviewed) {
        reviewed.bind(1, key);
        reviewed.exec();
        reviewed.reset();
    }
    SQLite::Statement missed(*db_, "INSERT INTO open_missed (place, line) VALUES (?, ?)");
    for (const auto& [place, line] : round.missed) {
        missed.bind(1, place);
        missed.bind(2, to_utf8(line));
        missed.exec();
        missed.reset();
    }
}

void ReviewStore::begin_round(const OpenRound& round, const std::optional<RoundRecord>& replaced)
{
    in_transaction([&] {
        if (replaced)
            record_round_row(*replaced, false);
        write_round(round);
        return 0;
    });
}

void ReviewStore::keep_round(const OpenRound& round, const std::optional<RoundRecord>& ended)
{
    in_transaction([&] {
        if (ended)
            record_round_row(*ended, false);
        // Another copy of the program may have begun a round of its own since: its round stays.
        SQLite::Statement other(*db_, "SELECT count(*) FROM open_round WHERE started_ms != ?");
        other.bind(1, round.started_ms);
        other.executeStep();
        if (other.getColumn(0).getInt64() == 0)
            write_round(round);
        return 0;
    });
}

void ReviewStore::keep_hints(const OpenRound& round)
{
    in_transaction([&] {
        check_writable(round);
        SQLite::Statement update(*db_,
                                 "UPDATE open_round SET question_hints = ?, round_hints = ? "
                                 "WHERE list_key = ? AND started_ms = ?");
        update.bind(1, round.question_hints);
        update.bind(2, round.round_hints);
        update.bind(3, round.list_key);
        update.bind(4, round.started_ms);
        return update.exec();
    });
}

void ReviewStore::record_marking(const MarkingRecord& marking)
{
    in_transaction([&] {
        check_writable(marking.round);
        if (marking.status_entry)
            check_place(marking.status_entry->first);
        if (marking.missed)
            check_place(marking.missed->first);
        if (marking.review)
            write_review(marking.review->line, marking.review->rating, marking.review->time_ms, marking.review->day);
        const OpenRound& round = marking.round;
        // Another copy of the program may have begun a round of its own since: its round stays.
        SQLite::Statement update(*db_,
                                 "UPDATE open_round SET updated_ms = ?, finished = ?, questions = ?, current = ?, "
                                 "last = ?, correct = ?, wrong = ?, clocked = ?, trials = ?, question_hints = ?, "
                                 "round_hints = ? WHERE list_key = ? AND started_ms = ?");
        update.bind(1, round.updated_ms);
        update.bind(2, marking.ended ? 1 : 0);
        bind_standing(update, 3, round);
        update.bind(3 + kStandingColumns, round.list_key);
        update.bind(4 + kStandingColumns, round.started_ms);
        const bool kept = update.exec() == 1;
        if (kept) {
            if (marking.review) {
                SQLite::Statement reviewed(*db_, "INSERT OR IGNORE INTO open_reviewed (question) VALUES (?)");
                reviewed.bind(1, question_key(marking.review->line));
                reviewed.exec();
            }
            if (marking.status_entry) {
                SQLite::Statement status(*db_, "INSERT OR REPLACE INTO open_status (place, entry) VALUES (?, ?)");
                status.bind(1, marking.status_entry->first);
                status.bind(2, to_utf8(marking.status_entry->second));
                status.exec();
            }
            if (marking.missed) {
                SQLite::Statement missed(*db_, "INSERT OR REPLACE INTO open_missed (place, line) VALUES (?, ?)");
                missed.bind(1, marking.missed->first);
                missed.bind(2, to_utf8(marking.missed->second));
                missed.exec();
            }
        }
        // A round no longer kept was replaced by another copy of the program, which
        // recorded it as it stood then: that record is brought up to date.
        if (marking.ended)
            record_round_row(*marking.ended, !kept);
        return 0;
    });
}

void ReviewStore::clear_open_round()
{
    in_transaction([&] {
        return db_->exec(
            "DELETE FROM open_round; DELETE FROM open_status; DELETE FROM open_reviewed; "
            "DELETE FROM open_missed");
    });
}

std::optional<OpenRound> ReviewStore::open_round()
{
    try {
        return read_open_round();
    } catch (const DamagedValue&) {
        // Only the kept round is unusable: it goes, the learner's history stays.
        clear_open_round();
        dropped_kept_round_ = true;
        return std::nullopt;
    } catch (const std::exception& e) {
        fail(e);
    }
}

std::optional<OpenRound> ReviewStore::read_open_round() const
{
    {
        SQLite::Statement find(*db_,
                               "SELECT list_key, list_name, started_ms, updated_ms, finished, questions, current, "
                               "last, correct, wrong, clocked, trials, status_count, chosen, gap_mode, "
                               "question_hints, round_hints FROM open_round");
        if (!find.executeStep())
            return std::nullopt;
        OpenRound round;
        round.list_key = find.getColumn(0).getInt64();
        round.list_name = from_utf8(find.getColumn(1).getString());
        round.started_ms = find.getColumn(2).getInt64();
        round.updated_ms = find.getColumn(3).getInt64();
        round.finished = find.getColumn(4).getInt() != 0;
        round.tallies.questions = checked_count(find.getColumn(5).getInt64());
        round.current = checked_count(find.getColumn(6).getInt64());
        round.last = checked_count(find.getColumn(7).getInt64());
        round.tallies.correct = checked_count(find.getColumn(8).getInt64());
        round.tallies.wrong = checked_count(find.getColumn(9).getInt64());
        round.tallies.clocked = checked_count(find.getColumn(10).getInt64());
        round.tallies.trials = checked_count(find.getColumn(11).getInt64());
        round.status_count = checked_count(find.getColumn(12).getInt64());
        round.chosen = split_lines(find.getColumn(13).getString());
        const auto mode = quiz::gap_mode_of(find.getColumn(14).getInt());
        if (!mode)
            damaged("gap mode");
        round.gap_mode = *mode;
        round.question_hints = checked_count(find.getColumn(15).getInt64());
        round.round_hints = checked_count(find.getColumn(16).getInt64());
        SQLite::Statement status(*db_, "SELECT place, entry FROM open_status");
        while (status.executeStep()) {
            const std::int64_t place = status.getColumn(0).getInt64();
            if (place < 0 || place >= round.status_count)
                damaged("status entry");
            round.status[static_cast<std::int32_t>(place)] = from_utf8(status.getColumn(1).getString());
        }
        SQLite::Statement reviewed(*db_, "SELECT question FROM open_reviewed");
        while (reviewed.executeStep())
            round.reviewed.insert(reviewed.getColumn(0).getInt64());
        SQLite::Statement missed(*db_, "SELECT place, line FROM open_missed");
        while (missed.executeStep())
            round.missed[checked_count(missed.getColumn(0).getInt64())] = from_utf8(missed.getColumn(1).getString());
        return round;
    }
}

}  // namespace memory
