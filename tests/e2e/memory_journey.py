#!/usr/bin/python3
"""The learner's memory over two runs of the real program: a round left by
closing the program goes on in the next run with File > Continue Last Round;
the markings of both runs are remembered in progress.sqlite beside the program
and show on the progress page; the missed question can be repeated.

Run by run_journey.sh (E2E_JOURNEY=memory_journey.py) inside an X server and a
D-Bus session with the accessibility bus; the helpers are those of journey.py.
"""

import os
import sqlite3
import stat
import sys

import pyatspi

from journey import (run_in_order, ENGLISH, ENGLISH_LAST_LIST, ENGLISH_TITLE, START_PICTURE_ENGLISH, Program,
                     check, checked, menu_entry, press, press_into_modal, sensitive, set_text, status_panels,
                     text_of, wait_control, wait_equal, wait_until)

LIST_LINES = ["Hund - _dog_", "Katze - _cat_"]
STORE = "progress.sqlite"


class MemoryJourney:
    def __init__(self, binary, workdir, log_path):
        self.binary = binary
        self.program_folder = os.path.dirname(binary)
        self.workdir = workdir
        self.log_path = log_path
        self.program = None
        self.kept_status = None

    def start(self):
        self.stop()
        self.program = Program(self.binary, self.workdir, self.log_path)
        self.program.start()
        start = self.program.window(ENGLISH_TITLE, roles=(pyatspi.ROLE_FILLER, pyatspi.ROLE_WINDOW))
        press(wait_control(start, pyatspi.ROLE_PUSH_BUTTON, START_PICTURE_ENGLISH))
        return self.program.window(ENGLISH_TITLE)

    def store_value(self, sql):
        with sqlite3.connect(f"file:{os.path.join(self.program_folder, STORE)}?mode=ro", uri=True) as db:
            return db.execute(sql).fetchone()[0]

    # 1
    def first_run_left_in_a_round(self):
        window = self.start()
        set_text(wait_control(window, pyatspi.ROLE_TEXT, ENGLISH.question_list), "\n".join(LIST_LINES))
        press(wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "New Session.."))
        wrong = wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "Wrong")
        correct = wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "Correct")
        wait_until("Wrong enabled during the round", lambda: sensitive(wrong), bool, True)
        press(wrong)
        press(correct)
        tallies = ["Question Session...", "1/2 Correct - 2 Trials - 1 Wrong - 0 Clocked"]
        wait_equal("status bar phase and result", lambda: status_panels(window)[:2], tallies)
        self.kept_status = text_of(wait_control(window, pyatspi.ROLE_TEXT, ENGLISH.status_column))

        # Closed in the middle of the round, keeping the list as the last one.
        press_into_modal(menu_entry(window, "File", "Close"))
        dialog = self.program.window("Drillbook", roles=(pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME,
                                                         pyatspi.ROLE_WINDOW))
        save = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "Yes, Save List")
        press(save)
        wait_until("the save choice checked", lambda: checked(save), bool, True)
        press(wait_control(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"))
        check("the program's exit code", 0, self.program.wait_exit())

        path = os.path.join(self.program_folder, STORE)
        check("progress.sqlite beside the program", True, os.path.isfile(path))
        check("progress.sqlite readable by its owner only", 0o600, stat.S_IMODE(os.stat(path).st_mode))
        # One review for each question marked, the first marking's, whichever came up twice.
        check("reviews of the first run", self.store_value("SELECT count(DISTINCT question) FROM reviews"),
              self.store_value("SELECT count(*) FROM reviews"))
        check("the round kept", 1, self.store_value("SELECT count(*) FROM open_round"))

    # 2
    def second_run_continues(self):
        window = self.start()
        memo1 = wait_control(window, pyatspi.ROLE_TEXT, ENGLISH.question_list)
        wait_equal("the last list after the start", lambda: text_of(memo1), "\n".join(LIST_LINES))
        # The start shows what it always shows: no round until the learner asks.
        correct = wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "Correct")
        check("Correct enabled after the start", False, sensitive(correct))

        entry = menu_entry(window, "File", "Continue Last Round")
        wait_until("Continue Last Round enabled", lambda: sensitive(entry), bool, True)
        press(entry)
        wait_equal("status bar phase and result after continuing", lambda: status_panels(window)[:2],
                   ["Question Session...", "1/2 Correct - 2 Trials - 1 Wrong - 0 Clocked"])
        check("the status column after continuing", self.kept_status,
              text_of(wait_control(window, pyatspi.ROLE_TEXT, ENGLISH.status_column)))

        wait_until("Correct enabled in the continued round", lambda: sensitive(correct), bool, True)
        press(correct)  # the one question still open
        wait_equal("the result at the end", lambda: status_panels(window)[1],
                   "2/2 Correct - 3 Trials - 1 Wrong - 0 Clocked")
        check("reviews of both runs", 2, self.store_value("SELECT count(*) FROM reviews"))
        check("the finished round remembered", 1, self.store_value("SELECT count(*) FROM rounds"))
        wait_until("Repeat Missed enabled", lambda: sensitive(menu_entry(window, "File", "Repeat Missed")),
                   bool, True)

        # The progress page says what the plots show.
        press(menu_entry(window, "Windows", "Progress"))
        for text in ("Last 30 days: 2 reviews, 50 % right first time",
                     "Next 14 days: 2 questions due, 0 of them today",
                     "This list: 0 new, 2 learning, 0 known"):
            wait_control(window, pyatspi.ROLE_LABEL, text)

        # Both questions reviewed today, none new: nothing is due.
        due = menu_entry(window, "File", "Review Due Questions (0)")
        check("Review Due Questions enabled with none due", False, sensitive(due))
        check(f"{ENGLISH_LAST_LIST} untouched by the memory", True,
              os.path.isfile(os.path.join(self.program_folder, ENGLISH_LAST_LIST)))

    def steps(self):
        return [
            ("the first run is closed in the middle of a round", self.first_run_left_in_a_round),
            ("the second run continues the round, remembers it and shows the progress", self.second_run_continues),
        ]

    def stop(self):
        if self.program is not None:
            self.program.kill()
            self.program = None


if __name__ == "__main__":
    sys.exit(run_in_order(MemoryJourney, __doc__.splitlines()[0]))
