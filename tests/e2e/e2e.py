"""What every journey through the real Lernwerk program shares.

The program runs as its own process and is driven only through the
accessibility tree (AT-SPI), the way a screen reader or a desktop test tool
sees it: windows and controls are found by role and accessible name, buttons
and menu entries are pressed through their action, texts are read and typed
through the text interfaces, keys go in as real key events.

A journey script ends with `run(JOURNEYS)`; run_journey.sh starts it in an X
server and a D-Bus session with the accessibility bus, with a fresh copy of
the program, and names the one journey to run. Standard library and pyatspi
only.
"""

import argparse
import os
import signal
import subprocess
import sys
import time
import traceback

import pyatspi
from gi.repository import GLib

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
START_PICTURE_ENGLISH = "Continue to the program"
ENGLISH_TRAINER_BUTTONS = ["Solve", "Correct", "Wrong", "Clock"]
GERMAN_TRAINER_BUTTONS = ["Auflösen", "Richtig", "Falsch", "Zurückstellen"]
# The closing dialog is a window of its own, titled with the program's name.
DIALOG_ROLES = (pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW)


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

# Keys sent as real key events (X keysyms), and the Control modifier's mask.
KEY_ESCAPE = 0xFF1B
KEY_RETURN = 0xFF0D
KEY_RIGHT = 0xFF53
KEY_DOWN = 0xFF54
KEY_F1 = 0xFFBE
KEY_F10 = 0xFFC7
CONTROL_MASK = 1 << 2


class JourneyFailure(Exception):
    pass


def fail(what, expected, found):
    raise JourneyFailure(f"{what}\n      expected: {expected!r}\n      found:    {found!r}")


def check(what, expected, found):
    if expected != found:
        fail(what, expected, found)


def wait_until(what, read, accept, expected, seconds=WAIT_SECONDS, poll=POLL_SECONDS):
    """Reads a value every `poll` seconds until `accept` takes it; fails with
    the last value read."""
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
        time.sleep(poll)


def wait_equal(what, read, expected, seconds=WAIT_SECONDS):
    return wait_until(what, read, lambda value: value == expected, expected, seconds)


def wait_true(what, read):
    return wait_until(what, read, bool, True)


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


def active(acc):
    return pyatspi.STATE_ACTIVE in states_of(acc)


def focused(acc):
    return pyatspi.STATE_FOCUSED in states_of(acc)


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
    return wait_until(f"a {getattr(role, 'value_nick', role)} named {name!r}", lambda: find(root, role, name),
                      lambda acc: acc is not None, "present", seconds)


def text_of(acc):
    text = acc.queryText().getText(0, -1)
    # Block separators may come as paragraph separators; a line break is a line break.
    return text.replace("\u2029", "\n").replace("\u2028", "\n")


def set_text(acc, value):
    acc.queryEditableText().setTextContents(value)


def type_list(field, lines):
    """Puts lines into a text field and waits until it reads them back."""
    set_text(field, "\n".join(lines))
    wait_equal("question list after typing it", lambda: text_of(field), "\n".join(lines))


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


def wait_tallies(window, tallies):
    """Waits for the status bar's phase and result panels."""
    wait_equal("status bar phase and result", lambda: status_panels(window)[:2], tallies)


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


def noon_time_zone():
    """A POSIX time zone in which it is about noon now. The learner's days
    are local calendar days; a journey run near midnight would see the
    reviews of its first run fall due "today" in its second."""
    west = (int(time.time()) % 86400 - 12 * 3600) % 86400 // 60  # minutes behind UTC
    return f"NOON+{west // 60}:{west % 60:02d}"


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
        # The journey ended the program while it still ran.
        self.killed_running = False

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
        self.check_running("")
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
            self.check_running(f"to show window {title!r}")
            for acc in children(self.app):
                if role_of(acc) in roles and acc.name == title and showing(acc):
                    return acc
            return None

        return wait_until(f"window {title!r}", shown_window, lambda acc: acc is not None, "shown")

    def shown_alerts(self):
        self.check_running("after the error box")
        return [acc for acc in children(self.app) if role_of(acc) == pyatspi.ROLE_ALERT and showing(acc)]

    def confirm_error_box(self, text, by_key=False):
        """Reads the error box, the application title its caption, and confirms
        it with OK: pressed, or by the Enter key once the box has the focus."""
        box = self.window(ENGLISH_TITLE, roles=(pyatspi.ROLE_ALERT,))
        wait_control(box, pyatspi.ROLE_LABEL, text)
        if by_key:
            wait_true("the error box to be active", lambda: active(box))
            send_key(KEY_RETURN)
        else:
            press(wait_control(box, pyatspi.ROLE_PUSH_BUTTON, "OK"))
        wait_equal("the error box to close", lambda: len(self.shown_alerts()), 0)

    def check_running(self, when):
        if self.process.poll() is not None:
            fail(f"the program to keep running {when}".rstrip(), "running",
                 f"ended with code {self.process.returncode}")

    def window_titles(self):
        return [(acc.getRoleName(), acc.name) for acc in children(self.app) if showing(acc)]

    def wait_exit(self):
        return wait_until("the program to end", self.process.poll, lambda code: code is not None, "ended")

    def kill(self):
        if self.process is not None and self.process.poll() is None:
            self.killed_running = True
            self.process.kill()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pass


class Session:
    """One journey's runs of the program: its copy of the binary (whose folder
    takes the last-list files and the progress), the working folder and the
    output log; `options` holds the command line."""

    def __init__(self, binary, workdir, log_path, options=None):
        self.options = options
        self.binary = binary
        self.program_folder = os.path.dirname(binary)
        self.workdir = workdir
        self.log_path = log_path
        self.program = None

    def launch(self, *arguments):
        """Starts the program, ending a run still going."""
        self.stop()
        self.program = Program(self.binary, self.workdir, self.log_path, arguments)
        self.program.start()

    def start_screen(self, *arguments):
        """Starts the program and waits for the start screen: it carries the
        program's title, and either picture on it is a button that goes on to
        the main window."""
        self.launch(*arguments)
        return self.program.window(ENGLISH_TITLE, roles=(pyatspi.ROLE_FILLER, pyatspi.ROLE_WINDOW))

    def main_window(self, *arguments):
        """Starts the program and goes on from the start screen to the main window."""
        press(wait_control(self.start_screen(*arguments), pyatspi.ROLE_PUSH_BUTTON, START_PICTURE_ENGLISH))
        return self.program.window(ENGLISH_TITLE)

    def closing_dialog(self, window, menu=("File", "Close"), title="Drillbook"):
        press_into_modal(menu_entry(window, *menu))
        return self.program.window(title, roles=DIALOG_ROLES)

    def close_saving(self, window, save_caption="Yes, Save List"):
        """Closes by the menu and keeps the list as the last one."""
        dialog = self.closing_dialog(window)
        save = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, save_caption)
        press(save)
        wait_true("the save choice checked", lambda: checked(save))
        press(wait_control(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"))
        check("the program's exit code", 0, self.program.wait_exit())

    def saved_file(self, name):
        with open(os.path.join(self.program_folder, name), "rb") as saved:
            return saved.read()

    def write_file(self, name, content):
        with open(os.path.join(self.program_folder, name), "wb") as file:
            file.write(content)

    def folder_listing(self):
        # The learner's progress file lives here too; memory_journey.py checks it.
        return sorted(name for name in os.listdir(self.program_folder) if not name.startswith("progress.sqlite"))

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


def run(journeys, *options):
    """The entry of a journey script: runs the one journey that run_journey.sh
    names, `journeys[name](session)`, from a fresh program, and ends the
    program; `options` names further options the script needs. On failure
    it says what and where, lists the shown windows, takes a screenshot and
    prints the program's output. Gives the exit status."""
    parser = argparse.ArgumentParser(description="One journey through the real program.")
    parser.add_argument("--program", required=True, help="program binary, in a folder of its own")
    parser.add_argument("--workdir", required=True, help="working folder for the program")
    parser.add_argument("--log", required=True, help="file that takes the program's output")
    parser.add_argument("--artifacts", help="folder for a screenshot when the journey fails")
    parser.add_argument("--journey", required=True, choices=sorted(journeys))
    for option in options:
        parser.add_argument(option, required=True)
    args = parser.parse_args()
    # A termination from outside (the run's time limit) still ends the program.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    pyatspi.setTimeout(CALL_TIMEOUT_MS, STARTUP_TIMEOUT_MS)

    os.environ["TZ"] = noon_time_zone()  # for every run of the program
    session = Session(os.path.abspath(args.program), os.path.abspath(args.workdir), args.log, args)
    journey = journeys[args.journey]
    print(f"{args.journey}: {journey.__doc__.strip().splitlines()[0]} ...", flush=True)
    started = time.monotonic()
    try:
        journey(session)
        print(f"   ok ({time.monotonic() - started:.1f} s)", flush=True)
        return 0
    except Exception as error:
        if isinstance(error, JourneyFailure):
            print(f"   FAILED: {error}", flush=True)
        else:
            # A call into the program failed (no answer, control gone): where and how.
            print(f"   FAILED: {type(error).__name__}: {error}", flush=True)
            print("".join(traceback.format_exception(error)[-6:]).rstrip(), flush=True)
        if session.program is not None and session.program.process is not None:
            code = session.program.process.poll()
            print("   the program: " + ("ran until the journey ended it" if session.program.killed_running else
                                        "running" if code is None else
                                        f"ended by signal {-code}" if code < 0 else f"ended with code {code}"))
        if session.program is not None and session.program.app is not None:
            try:
                print(f"   shown windows: {session.program.window_titles()}")
            except Exception:
                pass
        if args.artifacts:
            os.makedirs(args.artifacts, exist_ok=True)
            screenshot(os.path.join(args.artifacts, f"{args.journey}.png"))
        try:
            with open(args.log, encoding="utf-8", errors="replace") as log:
                output = log.read().strip()
        except OSError:
            output = ""
        if output:
            print(f"--- program output ---\n{output}\n--- end of program output ---")
        return 1
    finally:
        session.stop()
