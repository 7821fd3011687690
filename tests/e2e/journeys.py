#!/usr/bin/python3
"""Journeys through the main window of the real Lernwerk program: the first
start, a round, the language switch, the closing dialog and the last list it
keeps, error boxes, and the keyboard alone. Each starts from a fresh program
and sets up what it starts from through the program's controls.

Run by run_journey.sh (SCRIPT journeys.py, JOURNEY one of the names below).
"""

import os
import re
import sys

import pyatspi
from gi.repository import Atspi

from e2e import (DIALOG_ROLES, ENGLISH, ENGLISH_LAST_LIST, ENGLISH_TITLE, ENGLISH_TRAINER_BUTTONS, GERMAN,
                 GERMAN_LAST_LIST, GERMAN_TITLE, GERMAN_TRAINER_BUTTONS, KEY_DOWN, KEY_ESCAPE, KEY_F1, KEY_F10,
                 KEY_RETURN, KEY_RIGHT, UTF8_SIGNATURE, NameChanges, active, check, checked,
                 fail, focused, menu_entry, press, press_into_modal, run, send_control_key, send_key, sensitive,
                 set_text, showing, shown_menu_titles, status_panels, text_of, type_keys, type_list, wait_control,
                 wait_equal, wait_tallies, wait_true, wait_until)

# The editor's fields carry their groups' captions, the same in both languages.
EDITOR_FIELDS = ["Input", "Output"]

# Names a control had only inside the program; a person never hears them.
INTERNAL_NAMES = {"Memo1", "Memo2", "Memo3", "Memo5", "frage", "antwort", "loesung", "m1", "m2",
                  "anzeige", "Image1", "Image2", "bt_solve", "bt_correct", "bt_wrong", "bt_clock",
                  "blatt", "tb1"}

# Two questions; each maps to the line the question field holds as a screen
# reader reads it: the screen shows each gap as five underscores, the
# accessibility tree as the word "gap".
ROUND_LIST = ["Blau, _Gelb_ und _Rot_.", "Eins _zwei_"]
ROUND_BLANKED = {
    "Blau, _Gelb_ und _Rot_.": "Blau, gap und gap.",
    "Eins _zwei_": "Eins gap",
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
KEPT_LIST_BYTES = UTF8_SIGNATURE + "\r\n".join(KEPT_LIST).encode("utf-8")

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
# The English last list beside the unreadable German one.
READABLE_LAST_LIST = UTF8_SIGNATURE + "Meine _erste_ Frage\r\nMeine _zweite_ Frage".encode("utf-8")


def field(window, name):
    return wait_control(window, pyatspi.ROLE_TEXT, name)


def trainer_buttons(window, captions):
    return [wait_control(window, pyatspi.ROLE_PUSH_BUTTON, caption) for caption in captions]


def check_names(window, names, buttons, other_names, other_buttons):
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
        return {(acc.getRole(), acc.name) for acc in pyatspi.findAllDescendants(window, lambda acc: True)}

    def listed(pairs):
        return sorted(f"{Atspi.role_get_name(role)} {name!r}" for role, name in pairs)

    wait_equal("controls missing under their names", lambda: listed(expected - tree()), [])
    found = tree()
    check("controls under the other language's names", [], listed(foreign & found))
    check("controls under internal names", [], listed(pair for pair in found if pair[1] in INTERNAL_NAMES))
    # The editor's tab is hidden: its page is not in the tree either.
    check("controls of the hidden editor page", [],
          listed({(pyatspi.ROLE_TEXT, name) for name in EDITOR_FIELDS} & found))


def to_german(session, window):
    press(menu_entry(window, "Settings", "Language", "German"))
    return session.program.window(GERMAN_TITLE)


def english_with_kept_list(session):
    """The English main window with KEPT_LIST as its question list."""
    window = session.main_window()
    type_list(field(window, ENGLISH.question_list), KEPT_LIST)
    return window


def check_idle_window(window, names, panels, menus, language_menu, language_entries):
    """The main window with no round: the question field's idle text, the
    status bar's panels (the last one by its end), the menu captions and which
    entry of the Language submenu (`language_menu`, its path) is checked."""
    idle = text_of(field(window, names.question))
    if not idle.startswith(f"{names.question}\n> "):
        fail("the question field's idle text", f"{names.question}\\n> ...", idle)
    shown = status_panels(window, names.status_bar)
    if len(shown) < 3 or shown[:2] != panels[:2] or not shown[2].endswith(panels[2]):
        fail("status bar panels", panels[:2] + ["..." + panels[2]], shown)
    check("menu captions", menus, shown_menu_titles(window))
    check("language entries checked", language_entries,
          {entry: checked(menu_entry(window, *language_menu, entry)) for entry in language_entries})


def start(session):
    """English start without language markers"""
    for marker in ("de", "en"):
        check(f"no language marker file {marker!r} in the working folder", False,
              os.path.exists(os.path.join(session.workdir, marker)))
    window = session.main_window()
    check_names(window, ENGLISH, ENGLISH_TRAINER_BUTTONS, GERMAN, GERMAN_TRAINER_BUTTONS)

    buttons = trainer_buttons(window, ENGLISH_TRAINER_BUTTONS)
    check("trainer buttons enabled before any round", {caption: False for caption in ENGLISH_TRAINER_BUTTONS},
          {b.name: sensitive(b) for b in buttons})

    check_idle_window(window, ENGLISH, ["Welcome", "Status", "/donate - Thank you!"],
                      ["File", "Windows", "Settings", "Software", "Help and Information"],
                      ("Settings", "Language"), {"German": False, "English": True})
    check("question field enabled before any round", False, sensitive(field(window, ENGLISH.question)))


def round_by_buttons(session):
    """question round over a list of two"""
    window = session.main_window()
    solve, correct, wrong, clock = trainer_buttons(window, ENGLISH_TRAINER_BUTTONS)
    play_round(window, {
        "new": lambda: press(wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "New Session..")),
        "solve": lambda: press(solve),
        "correct": lambda: press(correct),
        "wrong": lambda: press(wrong),
        "clock": lambda: press(clock),
    })


def play_round(window, do):
    """A round over ROUND_LIST in the English window; `do` holds how the
    user starts it, solves and marks a question."""
    memo1 = field(window, ENGLISH.question_list)
    memo2 = field(window, ENGLISH.status_column)
    memo3 = field(window, ENGLISH.statistics)
    frage = field(window, ENGLISH.question)
    antwort = field(window, ENGLISH.answer)
    loesung = field(window, ENGLISH.solution)
    buttons = trainer_buttons(window, ENGLISH_TRAINER_BUTTONS)
    log_before = text_of(memo3)

    # Listening starts long before the change it waits for: a listener
    # reaches the program through the registry, late on a loaded machine.
    with NameChanges() as changes:
        type_list(memo1, ROUND_LIST)

        def result_is(correct_count, trials, wrong_count, clocked, phase):
            wait_tallies(window, [phase, f"{correct_count}/2 Correct - {trials} Trials - {wrong_count} Wrong - "
                                         f"{clocked} Clocked"])

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
        wait_equal("trainer buttons enabled during the round", lambda: [sensitive(b) for b in buttons], [True] * 4)
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
        wait_equal("trainer buttons enabled after the round", lambda: [sensitive(b) for b in buttons], [False] * 4)
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


def language(session):
    """switching the language to German"""
    window = to_german(session, session.main_window())
    check_names(window, GERMAN, GERMAN_TRAINER_BUTTONS, ENGLISH, ENGLISH_TRAINER_BUTTONS)
    buttons = trainer_buttons(window, GERMAN_TRAINER_BUTTONS)
    check("German trainer buttons enabled", [False] * 4, [sensitive(b) for b in buttons])

    memo1 = field(window, GERMAN.question_list)
    check("question list after the switch", "\n".join(GERMAN_SAMPLE_LIST), text_of(memo1))
    check_idle_window(window, GERMAN, ["Herzlich Willkommen", "Status", "/spenden - Vielen Dank!"],
                      ["Programm", "Fenster", "Einstellungen", "Software", "Hilfe und Info"],
                      ("Einstellungen", "Sprache"), {"Deutsch": True, "Englisch": False})


def last_list(session):
    """closing in German saves the list, starting again brings it back, closing without saving leaves it alone"""
    window = to_german(session, session.main_window())
    type_list(field(window, GERMAN.question_list), KEPT_LIST)

    # Closing in German saves the list.
    check("files beside the program before closing", ["lernwerk"], session.folder_listing())
    dialog = session.closing_dialog(window, ("Programm", "Beenden"), "Lernwerk")
    wait_control(dialog, pyatspi.ROLE_LABEL, "Zuletzt geöffnete Liste speichern?")
    save = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "Ja, Liste speichern")
    keep = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "Nein, Liste nicht abspeichern")
    check("choices checked (save, do not save)", (True, False), (checked(save), checked(keep)))
    explanation = [acc.name for acc in pyatspi.findAllDescendants(
        dialog, lambda acc: acc.getRole() == pyatspi.ROLE_LABEL and showing(acc))]
    if not any(GERMAN_LAST_LIST in text for text in explanation):
        fail("the dialog to name the file it writes", GERMAN_LAST_LIST, explanation)
    press(wait_control(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    check("the program's exit code", 0, session.program.wait_exit())
    check("files beside the program after closing", sorted(["lernwerk", GERMAN_LAST_LIST]), session.folder_listing())
    saved_bytes = session.saved_file(GERMAN_LAST_LIST)
    check(f"content of {GERMAN_LAST_LIST}", KEPT_LIST_BYTES, saved_bytes)

    # Starting again brings the saved list back.
    session.launch()
    window = session.program.window(ENGLISH_TITLE)
    memo1 = field(window, ENGLISH.question_list)
    check("question list after the restart", "\n".join(KEPT_LIST), text_of(memo1))
    trainer_buttons(window, ENGLISH_TRAINER_BUTTONS)

    # Closing without saving leaves the saved list alone.
    type_list(memo1, ["Nicht _gespeichert_"])
    dialog = session.closing_dialog(window)
    wait_control(dialog, pyatspi.ROLE_LABEL, "Remember Last List?")
    save = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "Yes, Save List")
    keep = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "No, Do Not Save List")
    press(keep)
    wait_equal("choices checked (save, do not save)", lambda: (checked(save), checked(keep)), (False, True))
    press(wait_control(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    check("the program's exit code", 0, session.program.wait_exit())
    check("files beside the program after closing", sorted(["lernwerk", GERMAN_LAST_LIST]), session.folder_listing())
    check(f"{GERMAN_LAST_LIST} after closing without saving", saved_bytes, session.saved_file(GERMAN_LAST_LIST))


def error_box(session):
    """an error box keeps the program and the round"""
    window = english_with_kept_list(session)
    press(wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "New Session.."))
    wrong = wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "Wrong")
    wait_true("Wrong enabled during the round", lambda: sensitive(wrong))
    press(wrong)
    tallies = ["Question Session...", "0/3 Correct - 1 Trials - 1 Wrong - 0 Clocked"]
    wait_tallies(window, tallies)

    press(wait_control(window, pyatspi.ROLE_PAGE_TAB, "Questionnaire"))
    press_into_modal(wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "Load List.."))
    dialog = session.program.window("Open", roles=(pyatspi.ROLE_DIALOG,))
    name = wait_control(dialog, pyatspi.ROLE_TEXT, "File name:")
    set_text(name, "missing.txt")
    wait_equal("the typed file name", lambda: text_of(name), "missing.txt")
    # What a screen reader asks while a name is typed: the word at its end, the caret's place.
    check("the word at the end of the file name", ("txt", 8, 11),
          tuple(name.queryText().getTextAtOffset(11, pyatspi.TEXT_BOUNDARY_WORD_START)))
    press_into_modal(wait_control(dialog, pyatspi.ROLE_PUSH_BUTTON, "Open"))
    session.program.confirm_error_box(f'Cannot open file "{session.workdir}/missing.txt". No such file or directory')

    # The focus comes back from the destroyed box; then the user goes on in the main window.
    def main_window_active():
        session.program.check_running("after the error box")
        return active(window)

    wait_true("the main window to be active again", main_window_active)
    press(wait_control(window, pyatspi.ROLE_PAGE_TAB, "Drillbook"))
    press(wait_control(window, pyatspi.ROLE_PUSH_BUTTON, "Solve"))
    wait_until("the solution after Solve", lambda: text_of(field(window, ENGLISH.solution)),
               lambda text: text != "", "a solution")
    session.program.check_running("after the error box")
    # Returning from a modal box is no activation: the tallies stay.
    check("status bar phase and result", tallies, status_panels(window)[:2])
    check("question list after the failed load", "\n".join(KEPT_LIST), text_of(field(window, ENGLISH.question_list)))


def closing_escape(session):
    """Escape in the closing dialog ends nothing"""
    window = english_with_kept_list(session)
    listing = session.folder_listing()
    dialog = session.closing_dialog(window)
    save = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "Yes, Save List")
    keep = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "No, Do Not Save List")
    press(save)
    wait_true("the closing dialog to be active", lambda: active(dialog))
    save.queryComponent().grabFocus()
    wait_true("the focus on the save choice", lambda: focused(save))

    # Escape, then Down: the choice moving down shows that both keys
    # reached the dialog, the Escape first.
    send_key(KEY_ESCAPE)
    send_key(KEY_DOWN)

    def choices_after_keys():
        session.program.check_running("after Escape")
        return (showing(dialog), checked(save), checked(keep))

    wait_equal("closing dialog shown, choices checked after Escape and Down (save, do not save)",
               choices_after_keys, (True, False, True))
    check("files beside the program after Escape", listing, session.folder_listing())

    press(save)
    wait_equal("choices checked (save, do not save)", lambda: (checked(save), checked(keep)), (True, False))
    press(wait_control(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    check("the program's exit code", 0, session.program.wait_exit())
    check("files beside the program after OK", sorted(listing + [ENGLISH_LAST_LIST]), session.folder_listing())
    check(f"content of {ENGLISH_LAST_LIST}", KEPT_LIST_BYTES, session.saved_file(ENGLISH_LAST_LIST))


def exact_characters(session):
    """typed characters reach the last-list file unchanged"""
    session.launch()
    window = session.program.window(ENGLISH_TITLE)
    memo1 = field(window, ENGLISH.question_list)
    set_text(memo1, EXACT_LIST)
    # The line separator shows as a stand-in, so that its line keeps one row;
    # the line itself still holds it (the file below).
    wait_equal("question list after typing it", lambda: memo1.queryText().getText(0, -1),
               EXACT_LIST.replace("\u2028", "\ufffd"))
    session.close_saving(window)
    check(f"content of {ENGLISH_LAST_LIST}", EXACT_LIST_BYTES, session.saved_file(ENGLISH_LAST_LIST))


def unreadable_beside_readable(session):
    """The German last list unreadable, the English one readable."""
    session.write_file(GERMAN_LAST_LIST, BROKEN_UTF7)
    session.write_file(ENGLISH_LAST_LIST, READABLE_LAST_LIST)


def unreadable_last_list(session):
    """an unreadable last-list file keeps the other"""
    unreadable_beside_readable(session)
    session.launch()
    session.program.confirm_error_box("Invalid UTF7")
    window = session.program.window(ENGLISH_TITLE)
    check("question list after the start", "Meine _erste_ Frage\nMeine _zweite_ Frage",
          text_of(field(window, ENGLISH.question_list)))

    dialog = session.closing_dialog(window)
    save = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "Yes, Save List")
    check("the save choice preselected", True, checked(save))
    press(wait_control(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    check("the program's exit code", 0, session.program.wait_exit())
    check(f"content of {ENGLISH_LAST_LIST}", READABLE_LAST_LIST, session.saved_file(ENGLISH_LAST_LIST))
    check(f"content of {GERMAN_LAST_LIST}", BROKEN_UTF7, session.saved_file(GERMAN_LAST_LIST))


def keyboard(session):
    """a round, the menus and closing by keyboard alone"""
    unreadable_beside_readable(session)
    session.launch()
    # The unreadable list is read at the start and again when the main
    # window first comes up: Enter confirms either box.
    session.program.confirm_error_box("Invalid UTF7", by_key=True)
    window = session.program.window(ENGLISH_TITLE)
    session.program.confirm_error_box("Invalid UTF7", by_key=True)
    wait_true("the main window to be active", lambda: active(window))
    answer = field(window, ENGLISH.answer)

    send_key(KEY_F1)
    welcome = wait_control(window, pyatspi.ROLE_LABEL, "Welcome to Drillbook by Jorin Malke Studio!")
    wait_true("the introduction page shown after F1", lambda: showing(welcome))
    send_control_key(ord("o"))
    dialog = session.program.window("Open", roles=(pyatspi.ROLE_DIALOG,))
    # Shown is not yet active: a key sent before then goes to the main window.
    wait_true("the file dialog to be active", lambda: active(dialog))
    send_key(KEY_ESCAPE)
    wait_until("the file dialog to close", lambda: showing(dialog), lambda shown: not shown, False)
    wait_true("the main window to be active again", lambda: active(window))

    def new_round():
        send_control_key(ord("n"))
        # The cursor goes into the answer field, as a click would put it there.
        wait_true("the answer field enabled", lambda: sensitive(answer))
        answer.queryComponent().grabFocus()
        wait_true("the cursor in the answer field", lambda: focused(answer))

    def solve():
        type_keys("Gelb")
        wait_equal("the typed answer", lambda: text_of(answer), "Gelb")
        send_control_key(KEY_RETURN)

    play_round(window, {
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
            window, lambda acc: acc.getRole() in menus and showing(acc))]

    send_key(KEY_F10)
    wait_equal("menus shown after F10", shown_menus, ["File"])
    send_key(KEY_DOWN)
    send_key(KEY_RIGHT)
    wait_equal("menus shown after Down and Right", shown_menus, ["Windows"])
    send_key(KEY_ESCAPE)
    send_key(KEY_ESCAPE)
    wait_equal("menus shown after Escape", shown_menus, [])

    kept = session.saved_file(ENGLISH_LAST_LIST)
    send_control_key(ord("q"))
    dialog = session.program.window("Drillbook", roles=DIALOG_ROLES)
    save = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "Yes, Save List")
    keep = wait_control(dialog, pyatspi.ROLE_RADIO_BUTTON, "No, Do Not Save List")
    wait_true("the closing dialog to be active", lambda: active(dialog))
    wait_true("the focus on the save choice", lambda: focused(save))
    send_key(KEY_DOWN)
    wait_equal("choices checked after Down (save, do not save)", lambda: (checked(save), checked(keep)),
               (False, True))
    send_key(KEY_RETURN)
    check("the program's exit code", 0, session.program.wait_exit())
    check(f"content of {ENGLISH_LAST_LIST}", kept, session.saved_file(ENGLISH_LAST_LIST))


if __name__ == "__main__":
    sys.exit(run({"start": start, "round": round_by_buttons, "language": language, "last_list": last_list,
                  "error_box": error_box, "closing_escape": closing_escape, "exact_characters": exact_characters,
                  "unreadable_last_list": unreadable_last_list, "keyboard": keyboard}))
