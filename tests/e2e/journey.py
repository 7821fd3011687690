#!/usr/bin/python3
"""User journeys through the real Lernwerk program.

The program runs as its own process and is driven only through the
accessibility tree (AT-SPI), the way a screen reader or a desktop test tool
sees it: windows and controls are found by role and accessible name, buttons
and menu entries are pressed through their action, texts are read and typed
through the text interfaces.

Run by run_journey.sh inside an X server and a D-Bus session with the
accessibility bus started. Standard library and pyatspi only.
"""

import argparse
import os
import re
import signal
import subprocess
import sys
import time
import traceback

import pyatspi
from gi.repository import Atspi, GLib

# Every expected change gets this long to show; the program answers within
# a fraction of a second, the rest is headroom for a loaded machine.
WAIT_SECONDS = 20.0
POLL_SECONDS = 0.05
# D-Bus calls into the program. The accessibility library lets calls to a
# program that joined the bus lately run up to the start-up time. A call
# that opens a modal dialog gets its answer only once the dialog closes, so
# it is sent with a short timeout and no start-up allowance, and a missing
# answer is what we expect.
CALL_TIMEOUT_MS = 10000
STARTUP_TIMEOUT_MS = 15000
MODAL_CALL_TIMEOUT_MS = 1000

ENGLISH_TITLE = "Drillbook - Jorin Malke Studio"
GERMAN_TITLE = "Lernwerk - Jorin Malke Studio"
GERMAN_LAST_LIST = "LetzteFrageliste.txt"
ENGLISH_LAST_LIST = "LastQuestionnaire.txt"
UTF8_SIGNATURE = b"\xef\xbb\xbf"

ENGLISH_TRAINER_BUTTONS = ["Solve", "Correct", "Wrong", "Clock"]
GERMAN_TRAINER_BUTTONS = ["Auflösen", "Richtig", "Falsch", "Zurückstellen"]


class Names:
    """What a screen reader calls the main window's fields in one language."""

    def __init__(self, question, answer, solution, question_list, status_column, path, statistics,
                 status_bar):
        self.question = question
        self.answer = answer
        self.solution = solution
        self.question_list = question_list
        self.status_column = status_column
        self.path = path  # hidden
        self.statistics = statistics
        self.status_bar = status_bar

    def fields(self):
        return [self.question, self.answer, self.solution, self.question_list, self.status_column,
                self.path, self.statistics]


ENGLISH = Names("Question", "Answer", "Solution", "Question list", "Status of the questions",
                "Path of the loaded list", "Statistics", "Progress of the round")
GERMAN = Names("Frage", "Antwort", "Lösung", "Fragenliste", "Status der Fragen",
               "Pfad der geladenen Liste", "Statistik", "Stand der Runde")
START_PICTURE_ENGLISH = "Continue to the program"
# The editor's fields carry their groups' captions, the same in both languages.
EDITOR_FIELDS = ["Input", "Output"]

# Names a control had only inside the program; a person never hears them.
INTERNAL_NAMES = {"Memo1", "Memo2", "Memo3", "Memo5", "frage", "antwort", "loesung", "m1", "m2",
                  "anzeige", "Image1", "Image2", "bt_solve", "bt_correct", "bt_wrong", "bt_clock",
                  "blatt", "tb1"}

# Two questions; each maps to the line the question field shows, with every
# gap blanked as five underscores.
ROUND_LIST = ["Blau, _Gelb_ und _Rot_.", "Eins _zwei_"]
ROUND_BLANKED = {
    "Blau, _Gelb_ und _Rot_.": "Blau, _____ und _____.",
    "Eins _zwei_": "Eins _____",
}

GERMAN_SAMPLE_LIST = [
    "Blau, _Gelb_ und _Rot_ sind die drei Grundfarben.",
    "Lernwerk kommt von Jorin Malke Studio, zu finden unter _malke-studio.de_",
    "Der Satz des Pythagoras lautet: _a² + b² = c²_",
    "Der Dreißigjährige Krieg dauerte von _1618_ bis _1648_.",
]

# The list kept over a restart: umlauts, a character outside Latin-1 and one
# outside the Basic Multilingual Plane (a surrogate pair in the program).
KEPT_LIST = [
    "Grüße aus _Köln_ kosten 20 €",
    "Das Zeichen _π_ heißt Pi 😀",
    "_Straße_",
]

# Keys sent as real key events (X keysyms), and the Control modifier's mask.
KEY_ESCAPE = 0xFF1B
KEY_RETURN = 0xFF0D
KEY_RIGHT = 0xFF53
KEY_DOWN = 0xFF54
KEY_F1 = 0xFFBE
KEY_F10 = 0xFFC7
CONTROL_MASK = 1 << 2

# A list of lines with characters that a text field or a file round trip
# could drop or change: a no-break space, a zero-width joiner, a soft hyphen,
# a byte-order mark inside a line, a character above U+FFFF, tabs and a line
# separator typed into a line (it stays a character of that line).
EXACT_LIST = "Hund\u00a0- _dog_\nA\u200dB _Donau\u00addampf_\na\ufeffb \U0001d11e\t_x_\tend\nZeilen\u2028trenner"
EXACT_LIST_BYTES = (
    b"\xef\xbb\xbf"
    b"Hund\xc2\xa0- _dog_\r\n"
    b"A\xe2\x80\x8dB _Donau\xc2\xaddampf_\r\n"
    b"a\xef\xbb\xbfb \xf0\x9d\x84\x9e\t_x_\tend\r\n"
    b"Zeilen\xe2\x80\xa8trenner"
)

# A UTF-7 signature followed by a character that UTF-7 does not allow there.
BROKEN_UTF7 = b"+/v8-+!"


class JourneyFailure(Exception):
    pass


def fail(what, expected, found):
    raise JourneyFailure(f"{what}\n      expected: {expected!r}\n      found:    {found!r}")


def check(what, expected, found):
    if expected != found:
        fail(what, expected, found)


def wait_until(what, read, accept, expected, seconds=WAIT_SECONDS):
    """Reads a value until `accept` takes it; fails with the last value read."""
    deadline = time.monotonic() + seconds
    found = None
    while True:
        try:
            found = read()
            if accept(found):
                return found
        except JourneyFailure:
            raise
        except Exception as error:  # a control can vanish or be rebuilt meanwhile
            found = f"<{type(error).__name__}: {error}>"
        if time.monotonic() >= deadline:
            fail(f"{what} (waited {seconds:.0f} s)", expected, found)
        time.sleep(POLL_SECONDS)


def wait_equal(what, read, expected, seconds=WAIT_SECONDS):
    return wait_until(what, read, lambda value: value == expected, expected, seconds)


# ---------------------------------------------------------------- the tree


def role_of(acc):
    return acc.getRole()


def states_of(acc):
    return set(acc.getState().getStates())


def sensitive(acc):
    return pyatspi.STATE_SENSITIVE in states_of(acc)


def showing(acc):
    return pyatspi.STATE_SHOWING in states_of(acc)


def checked(acc):
    return pyatspi.STATE_CHECKED in states_of(acc)


def children(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield child


def find(root, role, name):
    """The first control below `root` with this role and accessible name, or None."""

    def matches(acc):
        try:
            return role_of(acc) == role and acc.name == name
        except Exception:
            return False

    return pyatspi.findDescendant(root, matches)


def wait_control(root, role, name, seconds=WAIT_SECONDS):
    return wait_until(
        f"a {getattr(role, 'value_nick', role)} named {name!r}",
        lambda: find(root, role, name),
        lambda acc: acc is not None,
        "present",
        seconds,
    )


def text_of(acc):
    text = acc.queryText().getText(0, -1)
    # Block separators may come as paragraph separators; a line break is a line break.
    return text.replace("\u2029", "\n").replace("\u2028", "\n")


def set_text(acc, value):
    acc.queryEditableText().setTextContents(value)


def press_action(acc):
    """The action interface of a control and the index of its press action."""
    action = acc.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    for wanted in ("press", "click", "activate", "toggle"):
        if wanted in names:
            return action, names.index(wanted)
    fail(f"a press action on {acc.name!r}", "press/click/activate", names)


def press(acc):
    action, index = press_action(acc)
    action.doAction(index)


def active(acc):
    return pyatspi.STATE_ACTIVE in states_of(acc)


def send_key(keysym):
    """A real key press and release, delivered by the X server to the focused window."""
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)


def send_control_key(keysym):
    """The key with Control held, as a real key event."""
    pyatspi.Registry.generateKeyboardEvent(CONTROL_MASK, None, pyatspi.KEY_LOCKMODIFIERS)
    try:
        send_key(keysym)
    finally:
        pyatspi.Registry.generateKeyboardEvent(CONTROL_MASK, None, pyatspi.KEY_UNLOCKMODIFIERS)


def type_keys(text):
    """Types a text as real key events."""
    pyatspi.Registry.generateKeyboardEvent(0, text, pyatspi.KEY_STRING)


def press_into_modal(acc):
    """Presses a control whose handler runs a modal dialog: the program answers
    the call only after the dialog is closed, so no answer is expected."""
    action, index = press_action(acc)
    pyatspi.setTimeout(MODAL_CALL_TIMEOUT_MS, 0)
    try:
        action.doAction(index)
    except GLib.Error:
        pass  # no answer while the dialog is open
    finally:
        pyatspi.setTimeout(CALL_TIMEOUT_MS, STARTUP_TIMEOUT_MS)


def menu_entries(item):
    """The entries of a menu bar, or of the menu that a menu entry opens."""
    if role_of(item) == pyatspi.ROLE_MENU_BAR:
        return list(children(item))
    for child in children(item):
        if role_of(child) in (pyatspi.ROLE_MENU, pyatspi.ROLE_POPUP_MENU):
            return list(children(child))
    return []


def menu_entry(window, *path):
    """Follows a path of captions from the window's menu bar to one entry."""
    bar = wait_until("the menu bar", lambda: next(
        (c for c in children(window) if role_of(c) == pyatspi.ROLE_MENU_BAR), None),
        lambda acc: acc is not None, "present")
    item = bar
    for caption in path:
        entries = menu_entries(item)
        matching = [e for e in entries if role_of(e) == pyatspi.ROLE_MENU_ITEM and e.name == caption]
        # Menus that the language hides are still in the tree; take the shown one.
        shown = [e for e in matching if role_of(item) != pyatspi.ROLE_MENU_BAR or showing(e)]
        if not shown:
            fail(f"menu entry {caption!r} on the way to {' > '.join(path)}",
                 caption, [e.name for e in entries])
        item = shown[0]
    return item


def shown_menu_titles(window):
    bar = next(c for c in children(window) if role_of(c) == pyatspi.ROLE_MENU_BAR)
    return [e.name for e in children(bar) if showing(e)]


def status_panel(window, index, bar_name=ENGLISH.status_bar):
    """One panel of the status bar: a text object of its own."""
    bar = find(window, pyatspi.ROLE_STATUS_BAR, bar_name)
    if bar is None:
        return None
    panel = bar.getChildAtIndex(index)
    if role_of(panel) not in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC):
        fail(f"the role of status panel {index}", "label or static text", panel.getRoleName())
    return panel


def status_panels(window, bar_name=ENGLISH.status_bar):
    """The three panel texts of the status bar."""
    panels = [status_panel(window, index, bar_name) for index in range(3)]
    return None if None in panels else [panel.name for panel in panels]


class NameChanges:
    """Collects the accessible-name changes the program announces while the
    block runs; the events arrive while the main loop turns in `wait_for`."""

    EVENT = "object:property-change:accessible-name"

    def __enter__(self):
        self.seen = []
        pyatspi.Registry.registerEventListener(self._note, self.EVENT)
        return self

    def __exit__(self, *_):
        pyatspi.Registry.deregisterEventListener(self._note, self.EVENT)

    def _note(self, event):
        try:
            # The accessibility library takes the source's new name from the event.
            self.seen.append((event.source.parent.getRole(), event.source.getIndexInParent(),
                              event.source.name))
        except Exception as error:  # the source vanished meanwhile
            self.seen.append(repr(error))

    def wait_for(self, what, parent_role, index, name):
        context = GLib.MainContext.default()

        def seen_so_far():
            while context.iteration(False):
                pass
            return self.seen

        expected = (parent_role, index, name)
        wait_until(what, seen_so_far, lambda seen: expected in seen, f"among them {expected!r}")


# ---------------------------------------------------------------- the program


class Program:
    """One run of the program binary, with `arguments` after its name, found in
    the tree by its process id."""

    def __init__(self, binary, workdir, log_path, arguments=()):
        self.binary = binary
        self.workdir = workdir
        self.log_path = log_path
        self.arguments = list(arguments)
        self.process = None
        self.app = None

    def start(self):
        env = dict(os.environ)
        env.pop("QT_QPA_PLATFORM", None)
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        with open(self.log_path, "ab") as log:
            self.process = subprocess.Popen(
                [self.binary] + self.arguments, cwd=self.workdir, env=env, stdin=subprocess.DEVNULL,
                stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
        self.app = wait_until(
            f"the program (process {self.process.pid}) on the accessibility bus",
            self._find_app, lambda app: app is not None, "registered")

    def _find_app(self):
        if self.process.poll() is not None:
            fail("the program to keep running", "running", f"ended with code {self.process.returncode}")
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            try:
                if app.get_process_id() == self.process.pid:
                    return app
            except Exception:
                continue
        return None

    def window(self, title, roles=(pyatspi.ROLE_FRAME,)):
        """Waits for a shown top-level window of the program with this title."""

        def shown_window():
            if self.process.poll() is not None:
                fail(f"the program to show window {title!r}", "running",
                     f"ended with code {self.process.returncode}")
            for acc in children(self.app):
                if role_of(acc) in roles and acc.name == title and showing(acc):
                    return acc
            return None

        return wait_until(f"window {title!r}", shown_window, lambda acc: acc is not None,
                          "shown")

    def shown_alerts(self):
        self.check_running("after the error box")
        return [acc for acc in children(self.app) if role_of(acc) == pyatspi.ROLE_ALERT and showing(acc)]

    def confirm_error_box(self, text, by_key=False):
        """Reads the error box, the application title its caption, and confirms
        it with OK: pressed, or by the Enter key once the box has the focus."""
        box = self.window(ENGLISH_TITLE, roles=(pyatspi.ROLE_ALERT,))
        wait_control(box, pyatspi.ROLE_LABEL, text)
        if by_key:
            wait_until("the error box to be active", lambda: active(box), bool, True)
            send_key(KEY_RETURN)
        else:
            press(wait_control(box, pyatspi.ROLE_PUSH_BUTTON, "OK"))
        wait_equal("the error box to close", lambda: len(self.shown_alerts()), 0)

    def check_running(self, when):
        if self.process.poll() is not None:
            fail(f"the program to keep running {when}", "running",
                 f"ended with code {self.process.returncode}")

    def window_titles(self):
        return [(acc.getRoleName(), acc.name) for acc in children(self.app) if showing(acc)]

    def wait_exit(self):
        return wait_until("the program to end", self.process.poll,
                          lambda code: code is not None, "ended")

    def kill(self):
        if self.process is not None and self.process.poll() is None:
            self.process.kill()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pass


# ---------------------------------------------------------------- the journey


class Journey:
    def __init__(self, binary, workdir, log_path):
        self.binary = binary
        self.program_folder = os.path.dirname(binary)
        self.workdir = workdir
        self.log_path = log_path
        self.program = None
        self.saved_bytes = None

    def launch(self):
        self.program = Program(self.binary, self.workdir, self.log_path)
        self.program.start()

    def trainer_buttons(self, window, captions):
        return [wait_control(window, pyatspi.ROLE_PUSH_BUTTON, caption) for caption in captions]

    def field(self, window, name):
        return wait_control(window, pyatspi.ROLE_TEXT, name)

    def check_names(self, window, names, buttons, other_names, other_buttons):
        """The fields and trainer buttons under their names in this language,
        none under the other language's names, none under an internal name."""

        def named(names, buttons):
            return {(pyatspi.ROLE_TEXT, name) for name in names.fields()} | \
                {(pyatspi.ROLE_PUSH_BUTTON, name) for name in buttons} | \
                {(pyatspi.ROLE_STATUS_BAR, names.status_bar)}

        expected = named(names, buttons)
        # Names the two languages share are no sign of the other one.
        foreign = named(other_names, other_buttons) - expected

        def tree():
            return {(role_of(acc), acc.name) for acc in pyatspi.findAllDescendants(window, lambda acc: True)}

        def listed(pairs):
            return sorted(f"{Atspi.role_get_name(role)} {name!r}" for role, name in pairs)

        wait_equal("controls missing under their names", lambda: listed(expected - tree()), [])
        found = tree()
        check("controls under the other language's names", [], listed(foreign & found))
        check("controls under internal names", [],
              listed(pair for pair in found if pair[1] in INTERNAL_NAMES))
        # The editor's tab is hidden: its page is not in the tree either.
        check("controls of the hidden editor page", [],
              listed({(pyatspi.ROLE_TEXT, name) for name in EDITOR_FIELDS} & found))

    def folder_listing(self):
        # The learner's progress file lives here too; memory_journey.py checks it.
        return sorted(name for name in os.listdir(self.program_folder) if not name.startswith("progress.sqlite"))

    # 1
    def english_start(self):
        for marker in ("de", "en"):
            check(f"no language marker file {marker!r} in the working folder", False,
                  os.path.exists(os.path.join(self.workdir, marker)))
        self.launch()
        # The start screen carries the program's title; either picture on it
        # is a button that goes on to the main window.
        start = self.program.window(ENGLISH_TITLE, roles=(pyatspi.ROLE_FILLER, pyatspi.ROLE_WINDOW))
        press(wait_control(start, pyatspi.ROLE_PUSH_BUTTON, START_PICTURE_ENGLISH))
        window = self.program.window(ENGLISH_TITLE)
        self.check_names(window, ENGLISH, ENGLISH_TRAINER_BUTTONS, GERMAN, GERMAN_TRAINER_BUTTONS)

        buttons = self.trainer_buttons(window, ENGLISH_TRAINER_BUTTONS)
        check("trainer buttons enabled before any round",
              {caption: False for caption in ENGLISH_TRAINER_BUTTONS},
              {b.name: sensitive(b) for b in buttons})

        frage = self.field(window, ENGLISH.question)
        idle = text_of(frage)
        if not idle.startswith("Question\n> "):
            fail("the question field's idle text", "Question\\n> ...", idle)
        check("question field enabled before any round", False, sensitive(frage))

        panels = status_panels(window)
        if not panels or panels[:2] != ["Welcome", "Status"] or not panels[2].endswith("/donate - Thank you!"):
            fail("status bar panels", ["Welcome", "Status", ".../donate - Thank you!"], panels)

        check("menu captions", ["File", "Windows", "Settings", "Software", "Help and Information"],
              shown_menu_titles(window))
        check("language entries checked (German, English)", (False, True),
              (checked(menu_entry(window, "Settings", "Language", "German")),
               checked(menu_entry(window, "Settings", "Language", "English"))))

    # 2
    def question_round(self):
        window = self.program.window(ENGLISH_TITLE)
        solve, correct, wrong, clock = self.trainer_buttons(window, ENGLISH_TRAINER_BUTTONS)
        self.play_round(window, {
            "new": lambda: press(wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "New Session..")),
            "solve": lambda: press(solve),
            "correct": lambda: press(correct),
            "wrong": lambda: press(wrong),
            "clock": lambda: press(clock),
        })

    def play_round(self, window, do):
        """A round over ROUND_LIST in the English window; `do` holds how the
        user starts it, solves and marks a question."""
        memo1 = self.field(window, ENGLISH.question_list)
        memo2 = self.field(window, ENGLISH.status_column)
        memo3 = self.field(window, ENGLISH.statistics)
        frage = self.field(window, ENGLISH.question)
        antwort = self.field(window, ENGLISH.answer)
        loesung = self.field(window, ENGLISH.solution)
        buttons = self.trainer_buttons(window, ENGLISH_TRAINER_BUTTONS)
        log_before = text_of(memo3)

        # Listening starts long before the change it waits for: a listener
        # reaches the program through the registry, late on a loaded machine.
        with NameChanges() as changes:
            set_text(memo1, "\n".join(ROUND_LIST))
            wait_equal("question list after typing it", lambda: text_of(memo1), "\n".join(ROUND_LIST))

            def result_is(correct_count, trials, wrong_count, clocked, phase):
                line = f"{correct_count}/2 Correct - {trials} Trials - {wrong_count} Wrong - {clocked} Clocked"
                wait_equal("status bar phase and result", lambda: status_panels(window)[:2], [phase, line])

            def asked():
                shown = text_of(frage)
                for line, blanked in ROUND_BLANKED.items():
                    if shown == blanked:
                        return line
                fail("the question field to show one question with its gaps blanked",
                     sorted(ROUND_BLANKED.values()), shown)

            do["new"]()
            result_is(0, 0, 0, 0, "Question Session...")
            check("status column at the start of the round", "0\n0", text_of(memo2))
            wait_equal("trainer buttons enabled during the round", lambda: [sensitive(b) for b in buttons],
                       [True] * 4)
            first = asked()
            check("solution field before solving", "", text_of(loesung))

            do["solve"]()
            wait_equal("solution field after Solve", lambda: text_of(loesung), first)
            check("question field after Solve", ROUND_BLANKED[first], text_of(frage))

            # The result panel announces its new line to a screen reader.
            do["wrong"]()
            result_is(0, 1, 1, 0, "Question Session...")
            changes.wait_for("a name change of the status bar's result panel", pyatspi.ROLE_STATUS_BAR, 1,
                             "0/2 Correct - 1 Trials - 1 Wrong - 0 Clocked")
            asked()
            check("solution field after the next question came", "", text_of(loesung))

            do["clock"]()
            result_is(0, 2, 1, 1, "Question Session...")
            marked = asked()

            do["correct"]()
            result_is(1, 3, 1, 1, "Question Session...")
            remaining = asked()
            if remaining == marked:
                fail("the next question after marking one correct", "the other, still open question", remaining)
            check("status column after one correct answer",
                  "\n".join("X" if line == marked else "0" for line in ROUND_LIST), text_of(memo2))

            do["correct"]()
            result_is(2, 4, 1, 1, "Ready!")
            wait_equal("trainer buttons enabled after the round",
                       lambda: [sensitive(b) for b in buttons], [False] * 4)
            check("trainer fields after the round (text, enabled)", [("", False)] * 3,
                  [(text_of(f), sensitive(f)) for f in (frage, antwort, loesung)])
            check("status column after the round", "X\nX", text_of(memo2))

            log = text_of(memo3)
            if not log.startswith(log_before):
                fail("the round log to extend what was there", log_before + "...", log)
            added = log[len(log_before):].lstrip("\n").split("\n")
            patterns = [
                r"Restart\.\.\.",
                r"Start: \S.*",
                re.escape('Choosen List: Examples ("Load List" for other Questionnaires)'),
                r"Finished: \S.*",
                re.escape("Question Session ended with this result:"),
                re.escape("2/2 Correct - 4 Trials - 1 Wrong - 1 Clocked"),
                " ",
            ]
            if len(added) != len(patterns) or not all(re.fullmatch(p, line) for p, line in zip(patterns, added)):
                fail("the round's log lines", patterns, added)

    # 3
    def switch_to_german(self):
        window = self.program.window(ENGLISH_TITLE)
        press(menu_entry(window, "Settings", "Language", "German"))
        window = self.program.window(GERMAN_TITLE)

        self.check_names(window, GERMAN, GERMAN_TRAINER_BUTTONS, ENGLISH, ENGLISH_TRAINER_BUTTONS)
        buttons = self.trainer_buttons(window, GERMAN_TRAINER_BUTTONS)
        check("German trainer buttons enabled", [False] * 4, [sensitive(b) for b in buttons])

        memo1 = self.field(window, GERMAN.question_list)
        check("question list after the switch", "\n".join(GERMAN_SAMPLE_LIST), text_of(memo1))
        frage = self.field(window, GERMAN.question)
        if not text_of(frage).startswith("Frage\n> "):
            fail("the question field's idle text", "Frage\\n> ...", text_of(frage))
        panels = status_panels(window, GERMAN.status_bar)
        if not panels or panels[:2] != ["Herzlich Willkommen", "Status"] \
                or not panels[2].endswith("/spenden - Vielen Dank!"):
            fail("status bar panels", ["Herzlich Willkommen", "Status", ".../spenden - Vielen Dank!"], panels)
        check("menu captions", ["Programm", "Fenster", "Einstellungen", "Software", "Hilfe und Info"],
              shown_menu_titles(window))
        check("language entries checked (Deutsch, Englisch)", (True, False),
              (checked(menu_entry(window, "Einstellungen", "Sprache", "Deutsch")),
               checked(menu_entry(window, "Einstellungen", "Sprache", "Englisch"))))

        # The list that the closing dialog is to keep.
        set_text(memo1, "\n".join(KEPT_LIST))
        wait_equal("question list after typing it", lambda: text_of(memo1), "\n".join(KEPT_LIST))

    # 4
    def close_and_save(self):
        check("files beside the program before closing", ["lernwerk"], self.folder_listing())
        window = self.program.window(GERMAN_TITLE)
        press_into_modal(menu_entry(window, "Programm", "Beenden"))

        dialog = self.program.window("Lernwerk", roles=(pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME,
                                                        pyatspi.ROLE_WINDOW))
        wait_control(dialog, pyatspi.ROLE_LABEL, "Zuletzt geöffnete Liste speichern?")
        save = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "Ja, Liste speichern")
        keep = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "Nein, Liste nicht abspeichern")
        check("choices checked (save, do not save)", (True, False), (checked(save), checked(keep)))
        explanation = [acc.name for acc in pyatspi.findAllDescendants(
            dialog, lambda acc: role_of(acc) == pyatspi.ROLE_LABEL and showing(acc))]
        if not any(GERMAN_LAST_LIST in text for text in explanation):
            fail("the dialog to name the file it writes", GERMAN_LAST_LIST, explanation)

        press(wait_control(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"))
        check("the program's exit code", 0, self.program.wait_exit())

        check("files beside the program after closing", sorted(["lernwerk", GERMAN_LAST_LIST]),
              self.folder_listing())
        with open(os.path.join(self.program_folder, GERMAN_LAST_LIST), "rb") as saved:
            self.saved_bytes = saved.read()
        check(f"content of {GERMAN_LAST_LIST}",
              UTF8_SIGNATURE + "\r\n".join(KEPT_LIST).encode("utf-8"), self.saved_bytes)

    # 5
    def restart_restores_list(self):
        self.launch()
        window = self.program.window(ENGLISH_TITLE)
        memo1 = self.field(window, ENGLISH.question_list)
        check("question list after the restart", "\n".join(KEPT_LIST), text_of(memo1))
        self.trainer_buttons(window, ENGLISH_TRAINER_BUTTONS)

    # 6
    def close_without_saving(self):
        window = self.program.window(ENGLISH_TITLE)
        memo1 = self.field(window, ENGLISH.question_list)
        set_text(memo1, "Nicht _gespeichert_")
        wait_equal("question list after typing it", lambda: text_of(memo1), "Nicht _gespeichert_")

        press_into_modal(menu_entry(window, "File", "Close"))
        dialog = self.program.window("Drillbook", roles=(pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME,
                                                         pyatspi.ROLE_WINDOW))
        wait_control(dialog, pyatspi.ROLE_LABEL, "Remember Last List?")
        save = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "Yes, Save List")
        keep = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "No, Do Not Save List")
        press(keep)
        wait_equal("choices checked (save, do not save)", lambda: (checked(save), checked(keep)),
                   (False, True))

        press(wait_control(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"))
        check("the program's exit code", 0, self.program.wait_exit())
        check("files beside the program after closing", sorted(["lernwerk", GERMAN_LAST_LIST]),
              self.folder_listing())
        with open(os.path.join(self.program_folder, GERMAN_LAST_LIST), "rb") as saved:
            check(f"{GERMAN_LAST_LIST} after closing without saving", self.saved_bytes, saved.read())

    def saved_file(self, name):
        with open(os.path.join(self.program_folder, name), "rb") as saved:
            return saved.read()

    def english_closing_dialog(self, window):
        press_into_modal(menu_entry(window, "File", "Close"))
        return self.program.window("Drillbook", roles=(pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME,
                                                       pyatspi.ROLE_WINDOW))

    # 7
    def error_box_keeps_program_and_round(self):
        self.launch()
        window = self.program.window(ENGLISH_TITLE)
        press(wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "New Session.."))
        wrong = wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "Wrong")
        wait_until("Wrong enabled during the round", lambda: sensitive(wrong), bool, True)
        press(wrong)
        tallies = ["Question Session...", "0/3 Correct - 1 Trials - 1 Wrong - 0 Clocked"]
        wait_equal("status bar phase and result", lambda: status_panels(window)[:2], tallies)

        press(wait_control(window, pyatspi.ROLE_PAGE_TAB, "Questionnaire"))
        press_into_modal(wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "Load List.."))
        dialog = self.program.window("Open", roles=(pyatspi.ROLE_DIALOG,))
        set_text(wait_control(dialog, pyatspi.ROLE_TEXT, "File name:"), "missing.txt")
        press_into_modal(wait_control(dialog, pyatspi.ROLE_PUSH_BUTTON, "Open"))
        self.program.confirm_error_box(
            f'Cannot open file "{self.workdir}/missing.txt". No such file or directory')

        # The focus comes back from the destroyed box; then the user goes on
        # in the main window.
        def main_window_active():
            self.program.check_running("after the error box")
            return active(window)

        wait_until("the main window to be active again", main_window_active, bool, True)
        press(wait_control(window, pyatspi.ROLE_PAGE_TAB, "Drillbook"))
        solve = wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "Solve")
        press(solve)
        wait_until("the solution after Solve", lambda: text_of(self.field(window, ENGLISH.solution)),
                   lambda text: text != "", "a solution")
        self.program.check_running("after the error box")
        # Returning from a modal box is no activation: the tallies stay.
        check("status bar phase and result", tallies, status_panels(window)[:2])
        check("question list after the failed load", "\n".join(KEPT_LIST),
              text_of(self.field(window, ENGLISH.question_list)))

    # 8
    def escape_keeps_closing_dialog(self):
        window = self.program.window(ENGLISH_TITLE)
        listing = self.folder_listing()
        dialog = self.english_closing_dialog(window)
        save = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "Yes, Save List")
        keep = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "No, Do Not Save List")
        press(save)
        wait_until("the closing dialog to be active", lambda: active(dialog), bool, True)
        save.queryComponent().grabFocus()
        wait_until("the focus on the save choice", lambda: pyatspi.STATE_FOCUSED in states_of(save),
                   bool, True)

        # Escape, then Down: the choice moving down shows that both keys
        # reached the dialog, the Escape first.
        send_key(KEY_ESCAPE)
        send_key(KEY_DOWN)

        def choices_after_keys():
            self.program.check_running("after Escape")
            return (showing(dialog), checked(save), checked(keep))

        wait_equal("closing dialog shown, choices checked after Escape and Down (save, do not save)",
                   choices_after_keys, (True, False, True))
        check("files beside the program after Escape", listing, self.folder_listing())

        press(save)
        wait_equal("choices checked (save, do not save)", lambda: (checked(save), checked(keep)),
                   (True, False))
        press(wait_control(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"))
        check("the program's exit code", 0, self.program.wait_exit())
        check("files beside the program after OK", sorted(listing + [ENGLISH_LAST_LIST]),
              self.folder_listing())
        check(f"content of {ENGLISH_LAST_LIST}",
              UTF8_SIGNATURE + "\r\n".join(KEPT_LIST).encode("utf-8"), self.saved_file(ENGLISH_LAST_LIST))

    # 9
    def characters_reach_the_file_unchanged(self):
        self.launch()
        window = self.program.window(ENGLISH_TITLE)
        memo1 = self.field(window, ENGLISH.question_list)
        set_text(memo1, EXACT_LIST)
        # The line separator shows as a stand-in, so that its line keeps one row;
        # the line itself still holds it (the file below).
        wait_equal("question list after typing it", lambda: memo1.queryText().getText(0, -1),
                   EXACT_LIST.replace("\u2028", "\ufffd"))

        dialog = self.english_closing_dialog(window)
        save = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "Yes, Save List")
        press(save)
        wait_until("the save choice checked", lambda: checked(save), bool, True)
        press(wait_control(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"))
        check("the program's exit code", 0, self.program.wait_exit())
        check(f"content of {ENGLISH_LAST_LIST}", EXACT_LIST_BYTES, self.saved_file(ENGLISH_LAST_LIST))

    # 10
    def unreadable_last_list_keeps_the_other(self):
        english = UTF8_SIGNATURE + "Meine _erste_ Frage\r\nMeine _zweite_ Frage".encode("utf-8")
        for name, content in ((GERMAN_LAST_LIST, BROKEN_UTF7), (ENGLISH_LAST_LIST, english)):
            with open(os.path.join(self.program_folder, name), "wb") as file:
                file.write(content)

        self.launch()
        self.program.confirm_error_box("Invalid UTF7")
        window = self.program.window(ENGLISH_TITLE)
        check("question list after the start", "Meine _erste_ Frage\nMeine _zweite_ Frage",
              text_of(self.field(window, ENGLISH.question_list)))

        dialog = self.english_closing_dialog(window)
        save = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "Yes, Save List")
        check("the save choice preselected", True, checked(save))
        press(wait_control(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"))
        check("the program's exit code", 0, self.program.wait_exit())
        check(f"content of {ENGLISH_LAST_LIST}", english, self.saved_file(ENGLISH_LAST_LIST))
        check(f"content of {GERMAN_LAST_LIST}", BROKEN_UTF7, self.saved_file(GERMAN_LAST_LIST))

    # 11
    def keyboard_only(self):
        self.launch()
        # The unreadable list of the step before, read at the start and again
        # when the main window first comes up: Enter confirms either box.
        self.program.confirm_error_box("Invalid UTF7", by_key=True)
        window = self.program.window(ENGLISH_TITLE)
        self.program.confirm_error_box("Invalid UTF7", by_key=True)
        wait_until("the main window to be active", lambda: active(window), bool, True)
        answer = self.field(window, ENGLISH.answer)

        send_key(KEY_F1)
        welcome = wait_control(window, pyatspi.ROLE_LABEL, "Welcome to Drillbook by Jorin Malke Studio!")
        wait_until("the introduction page shown after F1", lambda: showing(welcome), bool, True)
        send_control_key(ord("o"))
        dialog = self.program.window("Open", roles=(pyatspi.ROLE_DIALOG,))
        send_key(KEY_ESCAPE)
        wait_until("the file dialog to close", lambda: showing(dialog), lambda shown: not shown, False)
        wait_until("the main window to be active again", lambda: active(window), bool, True)

        def new_round():
            send_control_key(ord("n"))
            # The cursor goes into the answer field, as a click would put it there.
            wait_until("the answer field enabled", lambda: sensitive(answer), bool, True)
            answer.queryComponent().grabFocus()
            wait_until("the cursor in the answer field", lambda: pyatspi.STATE_FOCUSED in states_of(answer),
                       bool, True)

        def solve():
            type_keys("Gelb")
            wait_equal("the typed answer", lambda: text_of(answer), "Gelb")
            send_control_key(KEY_RETURN)

        self.play_round(window, {
            "new": new_round,
            "solve": solve,
            "correct": lambda: send_control_key(ord("1")),
            "wrong": lambda: send_control_key(ord("2")),
            "clock": lambda: send_control_key(ord("3")),
        })

        def shown_menus():
            """The menu entries whose menus show."""
            menus = (pyatspi.ROLE_MENU, pyatspi.ROLE_POPUP_MENU)
            return [acc.parent.name for acc in pyatspi.findAllDescendants(
                window, lambda acc: role_of(acc) in menus and showing(acc))]

        send_key(KEY_F10)
        wait_equal("menus shown after F10", shown_menus, ["File"])
        send_key(KEY_DOWN)
        send_key(KEY_RIGHT)
        wait_equal("menus shown after Down and Right", shown_menus, ["Windows"])
        send_key(KEY_ESCAPE)
        send_key(KEY_ESCAPE)
        wait_equal("menus shown after Escape", shown_menus, [])

        kept = self.saved_file(ENGLISH_LAST_LIST)
        send_control_key(ord("q"))
        dialog = self.program.window("Drillbook", roles=(pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME,
                                                         pyatspi.ROLE_WINDOW))
        save = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "Yes, Save List")
        keep = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "No, Do Not Save List")
        wait_until("the closing dialog to be active", lambda: active(dialog), bool, True)
        wait_until("the focus on the save choice", lambda: pyatspi.STATE_FOCUSED in states_of(save),
                   bool, True)
        send_key(KEY_DOWN)
        wait_equal("choices checked after Down (save, do not save)", lambda: (checked(save), checked(keep)),
                   (False, True))
        send_key(KEY_RETURN)
        check("the program's exit code", 0, self.program.wait_exit())
        check(f"content of {ENGLISH_LAST_LIST}", kept, self.saved_file(ENGLISH_LAST_LIST))

    def steps(self):
        """Each step with the steps whose outcome it starts from. Run right after
        the step before it passed, a step goes on from where that one left the
        program; otherwise the journey starts afresh and replays those steps first."""
        return [
            ("English start without language markers", self.english_start, []),
            ("question round over a list of two", self.question_round, [1]),
            ("switching the language to German", self.switch_to_german, [1]),
            ("closing in German saves the list", self.close_and_save, [1, 3]),
            ("starting again brings the saved list back", self.restart_restores_list, [1, 3, 4]),
            ("closing without saving leaves the saved list alone", self.close_without_saving, [1, 3, 4, 5]),
            ("an error box keeps the program and the round", self.error_box_keeps_program_and_round, [1, 3, 4]),
            ("Escape in the closing dialog ends nothing", self.escape_keeps_closing_dialog, [1, 3, 4, 7]),
            ("typed characters reach the last-list file unchanged", self.characters_reach_the_file_unchanged, []),
            ("an unreadable last-list file keeps the other", self.unreadable_last_list_keeps_the_other, []),
            ("a round, the menus and closing by keyboard alone", self.keyboard_only, [10]),
        ]

    def start_afresh(self):
        """No program running, no list remembered, an empty working folder."""
        self.stop()
        self.program = None
        self.saved_bytes = None
        for name in (GERMAN_LAST_LIST, ENGLISH_LAST_LIST):
            path = os.path.join(self.program_folder, name)
            if os.path.exists(path):
                os.remove(path)
        for name in os.listdir(self.workdir):
            path = os.path.join(self.workdir, name)
            if os.path.isfile(path) or os.path.islink(path):
                os.remove(path)

    def stop(self):
        if self.program is not None:
            self.program.kill()


def screenshot(path):
    try:
        subprocess.run(["import", "-window", "root", path], timeout=15,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        print(f"   screenshot: {path}")
    except (OSError, subprocess.TimeoutExpired):
        pass


def run_in_order(journey_class, description):
    """The entry of a journey whose steps build on each other: reads the
    command line that run_journey.sh gives, runs `journey_class(binary,
    workdir, log).steps()` in order until one fails, and ends the program.
    Gives the exit status."""
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument("--program", required=True)
    parser.add_argument("--workdir", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--artifacts")
    parser.add_argument("--step", action="append", default=[])
    args = parser.parse_args()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    pyatspi.setTimeout(CALL_TIMEOUT_MS, STARTUP_TIMEOUT_MS)

    journey = journey_class(os.path.abspath(args.program), os.path.abspath(args.workdir), args.log)
    steps = journey.steps()
    try:
        for number, (title, step) in enumerate(steps, 1):
            print(f"[{number}/{len(steps)}] {title} ...", flush=True)
            started = time.monotonic()
            try:
                step()
            except Exception as error:  # a failed step ends the run: the next one builds on it
                kind = "" if isinstance(error, JourneyFailure) else f"{type(error).__name__}: "
                print(f"   FAILED: {kind}{error}", flush=True)
                return 1
            print(f"   ok ({time.monotonic() - started:.1f} s)", flush=True)
    finally:
        journey.stop()
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True, help="program binary, in a folder of its own")
    parser.add_argument("--workdir", required=True, help="working folder for the program")
    parser.add_argument("--log", required=True, help="file that takes the program's output")
    parser.add_argument("--artifacts", help="folder for a screenshot when a step fails")
    parser.add_argument("--step", type=int, action="append",
                        help="run only this step (a number; may be given more than once)")
    args = parser.parse_args()

    # A termination from outside (the run's time limit) still ends the program.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    pyatspi.setTimeout(CALL_TIMEOUT_MS, STARTUP_TIMEOUT_MS)

    journey = Journey(os.path.abspath(args.program), os.path.abspath(args.workdir), args.log)
    steps = journey.steps()
    chosen = set(args.step or range(1, len(steps) + 1))
    passed = failed = 0
    last_passed = None
    try:
        for number, (title, step, starts_from) in enumerate(steps, 1):
            if number not in chosen:
                continue
            print(f"[{number}/{len(steps)}] {title} ...", flush=True)
            started = time.monotonic()
            try:
                if last_passed != number - 1:
                    journey.start_afresh()
                    for before in starts_from:
                        steps[before - 1][1]()
                step()
            except Exception as error:
                failed += 1
                last_passed = None
                if isinstance(error, JourneyFailure):
                    print(f"   FAILED: {error}", flush=True)
                else:
                    # A call into the program failed (no answer, control gone): where and how.
                    print(f"   FAILED: {type(error).__name__}: {error}", flush=True)
                    print("".join(traceback.format_exception(error)[-6:]).rstrip(), flush=True)
                if journey.program is not None and journey.program.app is not None:
                    try:
                        print(f"   shown windows: {journey.program.window_titles()}")
                    except Exception:
                        pass
                if args.artifacts:
                    os.makedirs(args.artifacts, exist_ok=True)
                    screenshot(os.path.join(args.artifacts, f"step{number}.png"))
                continue
            passed += 1
            last_passed = number
            print(f"   ok ({time.monotonic() - started:.1f} s)", flush=True)
    finally:
        journey.stop()

    if failed:
        try:
            with open(args.log, encoding="utf-8", errors="replace") as log:
                output = log.read().strip()
        except OSError:
            output = ""
        if output:
            print("--- program output ---")
            print(output)
            print("--- end of program output ---")
    summary = f"{passed} passed, {failed} failed"
    print(summary, flush=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
