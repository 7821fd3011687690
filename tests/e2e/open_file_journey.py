#!/usr/bin/python3
"""Journeys of lists that come from outside: the real program started with a
file on its command line, as the desktop's "Open With" starts it; files
dragged onto it from another program, as from a file manager; and asked for
--help and --version on a terminal.

Run by run_journey.sh (SCRIPT open_file_journey.py, JOURNEY one of the names below).
"""

import os
import pathlib
import queue
import subprocess
import sys
import threading
import time

import pyatspi

from e2e import (ENGLISH, ENGLISH_TITLE, POLL_SECONDS, START_PICTURE_ENGLISH, WAIT_SECONDS, check, fail, press,
                 press_into_modal, run, showing, text_of, wait_control, wait_equal)

LIST_LINES = ["Hund - _dog_", "Katze - _cat_", "Grüße aus _Köln_"]
SAMPLE_NAME = 'Examples ("Load List" for other Questionnaires)'


def drag_files(files, target):
    """Drags files from another program (drag_source.py) onto a control, with
    the real mouse of the X server: press on the source, move, release on the
    control's centre. A drag that no window took (the machine was too slow to
    follow the pointer) is made again."""
    # The drag source stays off the accessibility bus: it is no part of what is tested.
    env = dict(os.environ, NO_AT_BRIDGE="1")
    # As addresses, which carry a name in any bytes on a command line.
    files = [name if name.startswith("file:") else pathlib.Path(name).resolve().as_uri() for name in files]
    x, y, width, height = target.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    to_x, to_y = x + width // 2, y + height // 2

    def mouse(*arguments):
        subprocess.run(["xdotool"] + [str(a) for a in arguments], check=True, timeout=10)

    for _ in range(3):
        source = subprocess.Popen([sys.executable, os.path.join(os.path.dirname(__file__), "drag_source.py")] + files,
                                  stdout=subprocess.PIPE, text=True, env=env)
        said = queue.Queue()
        threading.Thread(target=lambda: [said.put(line.strip()) for line in source.stdout], daemon=True).start()

        def heard(word, moving):
            """Waits until the source says `word`, moving the pointer a little
            meanwhile (each move tells the other side where it is)."""
            deadline = time.monotonic() + WAIT_SECONDS
            step = 0
            while time.monotonic() < deadline:
                try:
                    if said.get(timeout=POLL_SECONDS) == word:
                        return True
                except queue.Empty:
                    step += 1
                    moving(step)
            return False

        try:
            if not heard("ready", lambda _step: None):
                fail("the drag source to show", "ready", "nothing")
            mouse("mousemove", 40, 40)
            mouse("mousedown", 1)
            # Past the drag threshold until the drag begins, then on to the
            # target until it says it takes the drop, as a hand moves.
            if heard("began", lambda step: mouse("mousemove", 40 + step * 5, 40 + step * 5)) and heard(
                    "accepted", lambda step: mouse("mousemove", to_x + step % 2, to_y)):
                mouse("mouseup", 1)
                source.wait(timeout=WAIT_SECONDS)
                return
            mouse("mouseup", 1)
        finally:
            if source.poll() is None:
                source.kill()
                source.wait()
    fail("a drop on the control", "the drop taken", "no window took it three times")


def list_file(session):
    # A name from an old archive: Latin-1, not UTF-8.
    path = os.path.join(session.workdir, os.fsdecode(b"vokabeln-\xe4.txt"))
    with open(path, "wb") as file:
        file.write(b"\xef\xbb\xbf" + "\r\n".join(LIST_LINES).encode("utf-8"))
    return path


def file_argument(session):
    """a list named on the command line is loaded"""
    path = list_file(session)
    # Named relative to the working folder, as a terminal user types it.
    window = session.main_window(os.path.basename(path))
    memo1 = wait_control(window, pyatspi.ROLE_TEXT, ENGLISH.question_list)
    wait_equal("the question list after the start", lambda: text_of(memo1), "\n".join(LIST_LINES))
    # The full path names the list, as after "Load List..", readably.
    wait_control(window, pyatspi.ROLE_LABEL, os.path.join(session.workdir, "vokabeln-ä.txt"))
    wait_equal("the lists page in front", lambda: showing(memo1), True)

    # A round on it works as on any loaded list.
    press(wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "New Session.."))
    frage = wait_control(window, pyatspi.ROLE_TEXT, ENGLISH.question)
    wait_equal("a question of the list asked",
               lambda: text_of(frage) in ("Hund - gap", "Katze - gap", "Grüße aus gap"), True)


def missing_file(session):
    """a missing list shows the error box and the program goes on"""
    missing = os.path.join(session.workdir, "fehlt.txt")
    # The error box of the hand-over is modal: the press is answered only once it closes.
    press_into_modal(wait_control(session.start_screen(missing), pyatspi.ROLE_PUSH_BUTTON, START_PICTURE_ENGLISH))
    session.program.confirm_error_box(f'Cannot open file "{missing}". No such file or directory')
    window = session.program.window(ENGLISH_TITLE)
    memo1 = wait_control(window, pyatspi.ROLE_TEXT, ENGLISH.question_list)
    if not text_of(memo1).startswith("_Blue_, _Yellow_ and _Red_"):
        fail("the sample list after a missing file", "_Blue_, _Yellow_ and _Red_ ...", text_of(memo1))
    wait_control(window, pyatspi.ROLE_LABEL, SAMPLE_NAME)
    session.program.check_running("after the error box")


def dropped_files(session):
    """files dragged from another program onto the window and the question list"""
    first = os.path.join(session.workdir, "erste.txt")
    second = os.path.join(session.workdir, "zweite.txt")
    with open(first, "w", encoding="utf-8", newline="\r\n") as file:
        file.write("erste _Liste_\n")
    with open(second, "w", encoding="utf-8") as file:
        file.write("zweite _Liste_")
    window = session.main_window()
    memo1 = wait_control(window, pyatspi.ROLE_TEXT, ENGLISH.question_list)

    # Two files on the trainer page's question heading: the first is loaded.
    drag_files([first, second], wait_control(window, pyatspi.ROLE_LABEL, "Question"))
    wait_equal("the question list after two files were dropped on the window", lambda: text_of(memo1),
               "erste _Liste_\n")
    wait_control(window, pyatspi.ROLE_LABEL, first)
    wait_equal("the lists page in front", lambda: showing(memo1), True)

    # A folder, then a file, on the question list itself: the file is loaded.
    drag_files([session.workdir, second], memo1)
    wait_equal("the question list after a folder and a file were dropped on it", lambda: text_of(memo1),
               "zweite _Liste_")
    wait_control(window, pyatspi.ROLE_LABEL, second)

    # A file whose name is not UTF-8.
    drag_files([list_file(session)], memo1)
    wait_equal("the question list after a Latin-1 name was dropped", lambda: text_of(memo1), "\n".join(LIST_LINES))

    # A file on another computer is refused, and says so.
    drag_files(["file://otherhost/srv/listen/dritte.txt"], memo1)
    session.program.confirm_error_box('The file "file://otherhost/srv/listen/dritte.txt" is on another computer '
                                      'and cannot be loaded from here. Copy it to this computer first.')
    check("the list after the refused drop", "\n".join(LIST_LINES), text_of(memo1))
    session.program.check_running("after the drops")


KVTML = """<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE kvtml PUBLIC "kvtml2.dtd" "http://edu.kde.org/kvtml/kvtml2.dtd">
<kvtml version="2.0">
  <identifiers>
    <identifier id="0"><name>English</name><locale>en</locale></identifier>
    <identifier id="1"><name>German</name><locale>de</locale></identifier>
  </identifiers>
  <entries>
    <entry id="0">
      <translation id="0"><text>dog</text></translation>
      <translation id="1"><text>Hund</text></translation>
    </entry>
    <entry id="1">
      <translation id="0"><text>they have bought a Porsche</text></translation>
      <translation id="1"><text>sie haben [einen Porsche] gekauft</text></translation>
    </entry>
  </entries>
</kvtml>
"""
IMPORTED = ["dog - _Hund_", "they have bought a Porsche - sie haben _einen Porsche_ gekauft"]


def dropped_kvtml(session):
    """a vocabulary file of another trainer dropped on the window opens the import's preview"""
    source = os.path.join(session.workdir, "woerter.kvtml")
    with open(source, "w", encoding="utf-8") as file:
        file.write(KVTML)
    window = session.main_window()
    memo1 = wait_control(window, pyatspi.ROLE_TEXT, ENGLISH.question_list)
    drag_files([source], wait_control(window, pyatspi.ROLE_LABEL, "Question"))

    dialog = session.program.window("Import List", roles=(pyatspi.ROLE_DIALOG,))
    preview = wait_control(dialog, pyatspi.ROLE_TEXT, "Preview (the first 50 lines, as they will be written)")
    wait_equal("the preview of the dropped file", lambda: text_of(preview), "\n".join(IMPORTED))
    wait_control(dialog, pyatspi.ROLE_LABEL, "Lines of the new list: 2")
    press_into_modal(wait_control(dialog, pyatspi.ROLE_PUSH_BUTTON, "Import"))

    save = session.program.window("Save New List", roles=(pyatspi.ROLE_DIALOG,))
    name = wait_control(save, pyatspi.ROLE_TEXT, "File name:")
    wait_equal("the name offered for the new list", lambda: text_of(name), "woerter.txt")
    press_into_modal(wait_control(save, pyatspi.ROLE_PUSH_BUTTON, "Save"))

    target = os.path.join(session.workdir, "woerter.txt")
    wait_equal("the question list after the import", lambda: text_of(memo1), "\n".join(IMPORTED))
    wait_control(window, pyatspi.ROLE_LABEL, target)
    with open(target, "rb") as file:
        check("the list written", "\r\n".join(IMPORTED).encode("cp1252"), file.read())
    with open(source, encoding="utf-8") as file:
        check("the dropped file, only read", KVTML, file.read())
    session.program.check_running("after the import")


def terminal_answers(session):
    """every option is answered on the terminal, without a display"""
    # No display at all: the answers need none, and no window comes up.
    env = {key: value for key, value in os.environ.items() if key not in ("DISPLAY", "WAYLAND_DISPLAY")}
    german = os.path.join(session.workdir, "deutsch")
    os.makedirs(german, exist_ok=True)
    open(os.path.join(german, "de"), "w").close()
    answers = (
        ("en", ["--help"], 0, "Question list to load after the start"),
        ("en", ["--help-all"], 0, "Question list to load after the start"),
        ("en", ["--version"], 0, "lernwerk "),
        ("en", ["--bogus"], 1, "Unknown option 'bogus'."),
        ("en", ["--version", "--bogus"], 1, "Unknown option 'bogus'."),
        ("en", ["--bogus", "--help"], 1, "Unknown option 'bogus'."),
        ("de", ["--help"], 0, "Frageliste, die nach dem Start geladen wird"),
        ("de", ["--bogus"], 1, "Unbekannte Option 'bogus'."),
    )
    for language, options, status, expected in answers:
        what = f"{' '.join(options)} ({language})"
        started = time.monotonic()
        done = subprocess.run([session.binary, *options], cwd=german if language == "de" else session.workdir,
                              env=env, capture_output=True, text=True, timeout=20)
        check(f"exit status of {what}", status, done.returncode)
        if expected not in done.stdout + done.stderr:
            fail(f"what {what} prints", expected, done.stdout + done.stderr)
        check(f"{what} answers at once", True, time.monotonic() - started < 10)


if __name__ == "__main__":
    sys.exit(run({"open_file": file_argument, "missing_file": missing_file, "drop": dropped_files,
                  "drop_kvtml": dropped_kvtml, "terminal": terminal_answers}))
