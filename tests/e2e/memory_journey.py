#!/usr/bin/python3
"""The learner's memory over four runs of the real program on a list file
that ends with a line break: a round left by a killed program, and by one
ended with SIGTERM just after an unsaved edit of the list, goes on in the
next run with File > Continue Last Round at the question that was on display; the markings of all runs are remembered
in progress.sqlite beside the program and show on the progress page; the
missed question can be repeated after a restart.

Run by run_journey.sh (SCRIPT memory_journey.py, JOURNEY memory): one journey,
as the second run starts from what the first left.
"""

import os
import signal
import sqlite3
import stat
import sys

import pyatspi

from e2e import (ENGLISH, ENGLISH_LAST_LIST, check, menu_entry, press, run, sensitive, status_panels, text_of,
                 wait_control, wait_equal, wait_tallies, wait_true)

LIST_LINES = ["Hund - _dog_", "Katze - _cat_", "Maus - _mouse_"]
STORE = "progress.sqlite"


def store_value(session, sql):
    with sqlite3.connect(f"file:{os.path.join(session.program_folder, STORE)}?mode=ro", uri=True) as db:
        return db.execute(sql).fetchone()[0]


def memory(session):
    """a round goes on after the program was killed or ended by the desktop, and only then"""
    # A list file as an editor leaves it: its last line ends with a line break.
    list_file = os.path.join(session.workdir, "vokabeln.txt")
    with open(list_file, "wb") as file:
        file.write("\r\n".join(LIST_LINES + [""]).encode("utf-8"))
    window = session.main_window(list_file)
    question = wait_control(window, pyatspi.ROLE_TEXT, ENGLISH.question)
    press(wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "New Session.."))
    wrong = wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "Wrong")
    correct = wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "Correct")
    wait_true("Wrong enabled during the round", lambda: sensitive(wrong))
    press(wrong)
    press(correct)
    tallies = ["Question Session...", "1/3 Correct - 2 Trials - 1 Wrong - 0 Clocked"]
    wait_tallies(window, tallies)
    kept_status = text_of(wait_control(window, pyatspi.ROLE_TEXT, ENGLISH.status_column))
    on_display = text_of(question)

    # Killed in the middle of the round: nothing asked, nothing saved at the end.
    session.program.kill()
    path = os.path.join(session.program_folder, STORE)
    check("progress.sqlite readable by its owner only", 0o600, stat.S_IMODE(os.stat(path).st_mode))
    # One review for each question marked, the first marking's, whichever came up twice.
    check("reviews of the first run", store_value(session, "SELECT count(DISTINCT question) FROM reviews"),
          store_value(session, "SELECT count(*) FROM reviews"))

    # The second run, on the same file: the round goes on where it was left.
    window = session.main_window(list_file)
    correct = wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "Correct")
    check("Correct enabled after the start", False, sensitive(correct))
    entry = menu_entry(window, "File", "Continue Last Round")
    wait_true("Continue Last Round enabled after a kill", lambda: sensitive(entry))
    press(entry)
    wait_equal("status bar phase and result after continuing", lambda: status_panels(window)[:2], tallies)
    check("the status column after continuing", kept_status,
          text_of(wait_control(window, pyatspi.ROLE_TEXT, ENGLISH.status_column)))
    check("the question on display when it was left", on_display,
          text_of(wait_control(window, pyatspi.ROLE_TEXT, ENGLISH.question)))
    wait_true("Correct enabled in the continued round", lambda: sensitive(correct))
    press(correct)
    tallies = ["Question Session...", "2/3 Correct - 3 Trials - 1 Wrong - 0 Clocked"]
    wait_tallies(window, tallies)

    # Ended as the desktop ends it at logout: in good order, without asking, the last list left alone.
    # A letter typed into the list just before is not saved: the round stays the list's as it is on disk.
    list_field = wait_control(window, pyatspi.ROLE_TEXT, ENGLISH.question_list)
    list_field.queryEditableText().insertText(0, "x", 1)
    wait_true("the letter typed into the question list", lambda: text_of(list_field).startswith("xHund"))
    session.program.process.send_signal(signal.SIGTERM)
    check("the exit code after SIGTERM", 0, session.program.wait_exit())
    check(f"{ENGLISH_LAST_LIST} not written at SIGTERM", False,
          os.path.exists(os.path.join(session.program_folder, ENGLISH_LAST_LIST)))

    # The third run finishes the round; a finished round is never offered again.
    window = session.main_window(list_file)
    press(menu_entry(window, "File", "Continue Last Round"))
    wait_equal("the result after the second continue", lambda: status_panels(window)[:2], tallies)
    correct = wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "Correct")
    wait_true("Correct enabled in the round continued twice", lambda: sensitive(correct))
    press(correct)
    wait_equal("the result at the end", lambda: status_panels(window)[1],
               "3/3 Correct - 4 Trials - 1 Wrong - 0 Clocked")
    check("reviews of the three runs", 3, store_value(session, "SELECT count(*) FROM reviews"))
    check("the finished round remembered", 1, store_value(session, "SELECT count(*) FROM rounds"))
    session.program.kill()

    # After a restart the last round's misses can still be repeated; the round is not offered.
    window = session.main_window(list_file)
    wait_true("Repeat Missed enabled after a restart", lambda: sensitive(menu_entry(window, "File", "Repeat Missed")))
    check("Continue Last Round after the round ended", False,
          sensitive(menu_entry(window, "File", "Continue Last Round")))

    # The progress page says what the plots show.
    press(menu_entry(window, "Windows", "Progress"))
    for text in ("This list, last 30\u00a0days: 3\u00a0reviews, 67\u00a0% right the first time.",
                 "This list, next 14\u00a0days: 3\u00a0questions due (today: 0).",
                 "This list, 3\u00a0questions: 0\u00a0new, 3\u00a0learning, 0\u00a0known."):
        wait_control(window, pyatspi.ROLE_LABEL, text)

    # Every question reviewed today, none new: nothing is due.
    due = menu_entry(window, "File", "Review Due Questions (0)")
    check("Review Due Questions enabled with none due", False, sensitive(due))


if __name__ == "__main__":
    sys.exit(run({"memory": memory}))
