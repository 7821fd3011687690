#!/usr/bin/python3
"""The learner's memory over two runs of the real program: a round left by
closing the program goes on in the next run with File > Continue Last Round;
the markings of both runs are remembered in progress.sqlite beside the program
and show on the progress page; the missed question can be repeated.

Run by run_journey.sh (SCRIPT memory_journey.py, JOURNEY memory): one journey,
as the second run starts from what the first left.
"""

import os
import sqlite3
import stat
import sys

import pyatspi

from e2e import (ENGLISH, ENGLISH_LAST_LIST, check, menu_entry, press, run, sensitive, set_text, status_panels,
                 text_of, wait_control, wait_equal, wait_tallies, wait_true)

LIST_LINES = ["Hund - _dog_", "Katze - _cat_"]
STORE = "progress.sqlite"


def store_value(session, sql):
    with sqlite3.connect(f"file:{os.path.join(session.program_folder, STORE)}?mode=ro", uri=True) as db:
        return db.execute(sql).fetchone()[0]


def memory(session):
    """the first run is closed in the middle of a round; the second continues it and shows the progress"""
    window = session.main_window()
    set_text(wait_control(window, pyatspi.ROLE_TEXT, ENGLISH.question_list), "\n".join(LIST_LINES))
    press(wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "New Session.."))
    wrong = wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "Wrong")
    correct = wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "Correct")
    wait_true("Wrong enabled during the round", lambda: sensitive(wrong))
    press(wrong)
    press(correct)
    tallies = ["Question Session...", "1/2 Correct - 2 Trials - 1 Wrong - 0 Clocked"]
    wait_tallies(window, tallies)
    kept_status = text_of(wait_control(window, pyatspi.ROLE_TEXT, ENGLISH.status_column))

    # Closed in the middle of the round, keeping the list as the last one.
    session.close_saving(window)
    path = os.path.join(session.program_folder, STORE)
    check("progress.sqlite beside the program", True, os.path.isfile(path))
    check("progress.sqlite readable by its owner only", 0o600, stat.S_IMODE(os.stat(path).st_mode))
    # One review for each question marked, the first marking's, whichever came up twice.
    check("reviews of the first run", store_value(session, "SELECT count(DISTINCT question) FROM reviews"),
          store_value(session, "SELECT count(*) FROM reviews"))
    check("the round kept", 1, store_value(session, "SELECT count(*) FROM open_round"))

    # The second run.
    window = session.main_window()
    memo1 = wait_control(window, pyatspi.ROLE_TEXT, ENGLISH.question_list)
    wait_equal("the last list after the start", lambda: text_of(memo1), "\n".join(LIST_LINES))
    # The start shows what it always shows: no round until the learner asks.
    correct = wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "Correct")
    check("Correct enabled after the start", False, sensitive(correct))

    entry = menu_entry(window, "File", "Continue Last Round")
    wait_true("Continue Last Round enabled", lambda: sensitive(entry))
    press(entry)
    wait_equal("status bar phase and result after continuing", lambda: status_panels(window)[:2], tallies)
    check("the status column after continuing", kept_status,
          text_of(wait_control(window, pyatspi.ROLE_TEXT, ENGLISH.status_column)))

    wait_true("Correct enabled in the continued round", lambda: sensitive(correct))
    press(correct)  # the one question still open
    wait_equal("the result at the end", lambda: status_panels(window)[1],
               "2/2 Correct - 3 Trials - 1 Wrong - 0 Clocked")
    check("reviews of both runs", 2, store_value(session, "SELECT count(*) FROM reviews"))
    check("the finished round remembered", 1, store_value(session, "SELECT count(*) FROM rounds"))
    wait_true("Repeat Missed enabled", lambda: sensitive(menu_entry(window, "File", "Repeat Missed")))

    # The progress page says what the plots show.
    press(menu_entry(window, "Windows", "Progress"))
    for text in ("This list, last 30\u00a0days: 2\u00a0reviews, 50\u00a0% right the first time.",
                 "This list, next 14\u00a0days: 2\u00a0questions due (today: 0).",
                 "This list, 2\u00a0questions: 0\u00a0new, 2\u00a0learning, 0\u00a0known."):
        wait_control(window, pyatspi.ROLE_LABEL, text)

    # Both questions reviewed today, none new: nothing is due.
    due = menu_entry(window, "File", "Review Due Questions (0)")
    check("Review Due Questions enabled with none due", False, sensitive(due))
    check(f"{ENGLISH_LAST_LIST} untouched by the memory", True,
          os.path.isfile(os.path.join(session.program_folder, ENGLISH_LAST_LIST)))


if __name__ == "__main__":
    sys.exit(run({"memory": memory}))
