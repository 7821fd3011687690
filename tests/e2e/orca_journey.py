#!/usr/bin/python3
"""A keyboard-only round heard with the Orca screen reader, in both languages.

Run by run_journey.sh --orca, which starts the X server, the buses and Orca.
Keys go in through xdotool, as a learner types them; what Orca says is read
from its debug log. Each step waits until Orca has said what the step must
say, and fails with the transcript when it does not.
"""

import os
import re
import subprocess
import sys

import pyatspi

from e2e import JourneyFailure as Failure
from e2e import run, wait_equal, wait_until

# Orca's debug log is read whole each time: a little less often than the tree.
POLL_SECONDS = 0.1
# "SPEECH OUTPUT: 'text' {'established': False}"; the voice's settings may follow the text.
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'\s*(?:\[?\{'established'.*|ACSS\(.*)?$")

LIST_NAME = "liste.txt"
# Two questions, so that a round has a wrong answer, a next question and an end.
QUESTIONS = {
    "Rom ist die Hauptstadt von _Italien_.": "Rom ist die Hauptstadt von _____.",
    "Eins, _zwei_, drei": "Eins, _____, drei",
}


class Orca:
    """What Orca has said, one utterance a line, from its debug log."""

    def __init__(self, log_path):
        self.log_path = log_path

    def said(self):
        try:
            with open(self.log_path, encoding="utf-8", errors="replace") as log:
                return [match.group(1) for match in map(SPEECH.search, log) if match]
        except FileNotFoundError:
            return []

    def mark(self):
        return len(self.said())

    def wait_for(self, since, wanted, what):
        """Waits until an utterance after `since` matches `wanted` (a regular
        expression); returns the utterances from `since` to that one."""

        def matching(heard):
            return next((index for index, utterance in enumerate(heard) if re.fullmatch(wanted, utterance.strip())),
                        None)

        heard = wait_until(f"{what}: what Orca said", lambda: self.said()[since:],
                           lambda heard: matching(heard) is not None, f"an utterance matching {wanted!r}",
                           poll=POLL_SECONDS)
        return heard[: matching(heard) + 1]


def keys(*combos):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *combos], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)


def focused_text(app):
    """The text of the program's focused text field, or None."""
    focused = pyatspi.findDescendant(
        app, lambda acc: acc.getState().contains(pyatspi.STATE_FOCUSED) and acc.queryText() is not None)
    return focused.queryText().getText(0, -1) if focused is not None else None


def type_checked(app, text, what):
    """Types `text` into the focused field, replacing what it held, until the
    field reads it back exactly."""
    for attempt in range(3):
        keys("ctrl+a")
        type_text(text)
        try:
            wait_equal(f"{what}: the field to read the typed text back", lambda: focused_text(app), text)
            return
        except Failure:
            if attempt == 2:
                raise


class Journey:
    def __init__(self, session, orca):
        self.session = session
        self.orca = orca
        self.workdir = session.workdir
        self.transcript = []

    def step(self, name, action, wanted, before=None):
        """Runs `action` and waits for Orca to say `wanted`, after `before`
        when given; the utterances of the step go into the transcript.
        Returns the one that matched."""
        since = self.orca.mark()
        action()
        heard = self.orca.wait_for(since, wanted, name)
        self.transcript.append((name, heard))
        if before is not None and not any(re.fullmatch(before, utterance.strip()) for utterance in heard[:-1]):
            raise Failure(f"{name}: Orca did not say {before!r} before {wanted!r}; it said {heard!r}")
        return heard[-1].strip()

    def once(self, wanted, name):
        """What a step had to say was said once, not twice."""
        for step, heard in self.transcript:
            if step == name:
                count = sum(1 for utterance in heard if re.fullmatch(wanted, utterance.strip()))
                if count != 1:
                    raise Failure(f"{name}: Orca said {wanted!r} {count} times: {heard!r}")

    def round(self, language):
        german = language == "de"
        os.makedirs(self.workdir, exist_ok=True)
        for marker in ("de", "en"):
            path = os.path.join(self.workdir, marker)
            if os.path.exists(path):
                os.remove(path)
        open(os.path.join(self.workdir, language), "w").close()
        # Each language starts with a learner who has no history: the last round's misses stay
        # to repeat after a restart, and this run's heard sentences count from nothing.
        for name in os.listdir(self.session.program_folder):
            if name.startswith("progress.sqlite"):
                os.remove(os.path.join(self.session.program_folder, name))
        with open(os.path.join(self.workdir, LIST_NAME), "w", encoding="utf-8") as listing:
            listing.write("\n".join(QUESTIONS) + "\n")

        title = "Lernwerk - Jorin Malke Studio" if german else "Drillbook - Jorin Malke Studio"
        texts = {
            "loaded": ("Liste liste.txt geladen, 2 Fragen" if german else "List liste.txt loaded, 2 questions"),
            "answer": "Antwort text." if german else "Answer text.",
            "solution": "Lösung text." if german else "Solution text.",
            "correct": "Richtig" if german else "Correct",
            "wrong": "Falsch" if german else "Wrong",
            "clocked": "Zurückgestellt" if german else "Clocked",
            "ready": "Fertig!" if german else "Ready!",
            "new_session": "Neue Runde.. push button." if german else "New Session.. push button.",
            "first_steps": (r"Erste Schritte: Programm > Neue Fragerunde, um zu starten\..*" if german
                            else r"First Setps: File > New Question Session, to Start\..*"),
            "no_round": ("Strg+Return: Keine Fragerunde läuft. Programm > Neue Fragerunde (Strg+N) startet eine."
                         if german else
                         "Ctrl+Return: No question session is running. File > New Question Session (Ctrl+N) "
                         "starts one."),
            "tabs": "Lernwerk page tab list." if german else "Drillbook page tab list.",
            "menus": (("Programm", "Neue Fragerunde"), ("Fenster", "Lernwerk")) if german else
                     (("File", "New Question Session"), ("Windows", "Drillbook")),
            "settings": ("alt+e", "Einstellungen", "Schrift ändern..") if german else
                        ("alt+s", "Settings", "Set Font.."),
            "compare": "Antwort mit Lösung vergleichen" if german else "Compare Answer with Solution",
            "not_checked": "nicht ausgewählt" if german else "not checked",
            "on_off": ("an", "aus") if german else ("on", "off"),
            "question": "Frage text." if german else "Question text.",
            "nothing_missed": "Keine verpassten Fragen." if german else "No missed questions.",
            # The missed question comes back tomorrow.
            "next_review": ("Nächste Wiederholung: morgen, 1 Frage." if german
                            else "Next review: tomorrow, 1 question."),
            "nothing_due": "Heute ist nichts fällig." if german else "Nothing is due today.",
            "file_menu": ("alt+p", "Programm", "Fällige Fragen üben (0)") if german else
                         ("alt+f", "File", "Review Due Questions (0)"),
        }
        # Each gap is said as a word: the questions as they are heard.
        gap = "Lücke" if german else "gap"
        blanked = "|".join(re.escape(question.replace("_____", gap)) for question in QUESTIONS.values())

        try:
            self.step(f"{language}: the program starts and says how to start", self.session.launch,
                      texts["first_steps"], before=re.escape(title) + " frame.")
            app = self.session.program.app
            self.step(f"{language}: Tab where it finds nothing says how to start", lambda: keys("Tab"),
                      texts["first_steps"])
            self.step(f"{language}: a round key where no round runs says so", lambda: keys("ctrl+Return"),
                      re.escape(texts["no_round"]))

            self.step(f"{language}: Ctrl+O opens the open dialog", lambda: keys("ctrl+o"), r".*text\.")
            type_checked(app, LIST_NAME, f"{language}: the list's name typed")
            self.step(f"{language}: a list is loaded", lambda: keys("Return"), re.escape(texts["loaded"]))
            self.step(f"{language}: Repeat Missed with nothing missed says so", lambda: keys("ctrl+shift+n"),
                      re.escape(texts["nothing_missed"]))

            question = self.step(f"{language}: Ctrl+N asks the first question", lambda: keys("ctrl+n"), blanked)
            self.step(f"{language}: Tab leaves the answer field", lambda: keys("Tab"), re.escape(texts["solution"]))
            self.step(f"{language}: Shift+Tab comes back", lambda: keys("shift+Tab"), re.escape(texts["answer"]))
            # The question field reads its gaps as words, not as underscores.
            self.step(f"{language}: Shift+Tab reaches the question with its gaps as words",
                      lambda: keys("shift+Tab"), rf"({blanked})\.?", before=re.escape(texts["question"]))
            self.step(f"{language}: Tab goes back to the answer field", lambda: keys("Tab"),
                      re.escape(texts["answer"]))
            self.menus(language, texts)
            # A hint shows the gap's first letter and says it.
            hint = "Tipp" if german else "Hint"
            self.step(f"{language}: Ctrl+H gives a hint", lambda: keys("ctrl+h"), rf"{hint}: \w\.?")

            line = next(line for line, shown in QUESTIONS.items() if shown.replace("_____", gap) == question)
            # An answer that holds the gap's word: the solution comes with how
            # the answer stood to its gap.
            type_checked(app, "zwei Italien", f"{language}: the answer typed")
            held = "1 von 1 Lücke wie eingegeben" if german else "1 of 1 gap as typed"
            # The solution says each gap by its text.
            solution = line.replace("_", "") + (" " if line.endswith(".") else ". ") + held
            self.step(f"{language}: Ctrl+Return shows the solution", lambda: keys("ctrl+Return"),
                      re.escape(solution))

            result = (rf"0/2 {texts['correct']} - 1 Trials - 1 {texts['wrong']} - 0 {texts['clocked']}\. "
                      rf"({blanked})")
            self.step(f"{language}: Ctrl+2 marks it wrong", lambda: keys("ctrl+2"), result)
            result = (rf"1/2 {texts['correct']} - 2 Trials - 1 {texts['wrong']} - 0 {texts['clocked']}\. "
                      rf"({blanked})")
            self.step(f"{language}: Ctrl+1 marks it correct", lambda: keys("ctrl+1"), result)
            self.step(f"{language}: the last Ctrl+1 moves the focus on", lambda: keys("ctrl+1"),
                      re.escape(texts["new_session"]))
            end = rf"{re.escape(texts['ready'])} 2/2 {texts['correct']} - 3 Trials - 1 {texts['wrong']} - 0 " \
                  rf"{texts['clocked']}\. {re.escape(texts['next_review'])}"
            self.transcript.append((f"{language}: the end of the round",
                                    self.orca.wait_for(self.orca.mark() - 1, end, "the end of the round")))
            for name, wanted in ((f"{language}: a list is loaded", re.escape(texts["loaded"])),
                                 (f"{language}: Ctrl+Return shows the solution", re.escape(solution))):
                self.once(wanted, name)
            self.come_back(language, texts)
            if german:
                self.switch_to_english()
            else:
                self.import_preview(app)
                self.window_manager_hints(title)
        finally:
            self.session.stop()

    def menus(self, language, texts):
        """From the answer field: the menus are named with their first entry,
        a switch is heard with its state either way, and the keys come back
        to the answer field whichever way a menu closes."""
        (first, first_entry), (second, second_entry) = texts["menus"]
        self.step(f"{language}: F10 names the first menu and its first entry", lambda: keys("F10"),
                  re.escape(first_entry), before=re.escape(first) + r"\.")
        self.step(f"{language}: Right names the next menu and its first entry", lambda: keys("Right"),
                  re.escape(second_entry), before=re.escape(second) + r"\.")
        self.step(f"{language}: Escape gives the keys back to the answer field", lambda: keys("Escape"),
                  re.escape(texts["answer"]))
        key, settings, settings_entry = texts["settings"]
        on, off = texts["on_off"]
        compare = re.escape(texts["compare"])
        for switched, state in ((off, compare + r" checked\."), (on, re.escape(texts["not_checked"]))):
            self.step(f"{language}: Alt and a letter name the menu and its first entry", lambda: keys(key),
                      re.escape(settings_entry), before=re.escape(settings) + r"\.")
            self.step(f"{language}: a switch is heard with its state", lambda: keys("Up"), state)
            self.step(f"{language}: switching it is confirmed in the answer field", lambda: keys("Return"),
                      compare + " " + switched, before=re.escape(texts["answer"]))

    def come_back(self, language, texts):
        """With the list's every question reviewed today, Review Due says when
        to come back: its key, and its entry, which the arrow keys reach and
        Orca names as unavailable."""
        nothing_due = re.escape(f"{texts['nothing_due']} {texts['next_review']}")
        self.step(f"{language}: Ctrl+R with nothing due says when to come back", lambda: keys("ctrl+r"),
                  nothing_due)
        key, menu, entry = texts["file_menu"]
        first_entry = texts["menus"][0][1]
        self.step(f"{language}: the File menu opens", lambda: keys(key), re.escape(first_entry),
                  before=re.escape(menu) + r"\.")
        self.step(f"{language}: the disabled Review Due entry is reached and says why", lambda: keys("Down"),
                  nothing_due, before=re.escape(entry) + r" grayed\.")
        self.step(f"{language}: Escape gives the keys back to New Session", lambda: keys("Escape"),
                  re.escape(texts["new_session"]))

    def switch_to_english(self):
        """From the German interface: the language switch is heard in the
        language chosen."""
        self.step("de: the Settings menu opens", lambda: keys("alt+e"), re.escape("Schrift ändern.."),
                  before=r"Einstellungen\.")
        self.step("de: Down", lambda: keys("Down"), re.escape("Hintergrundfarbe ändern.."))
        self.step("de: Down reaches the language menu", lambda: keys("Down"), r"Sprache\.")
        self.step("de: Right opens it", lambda: keys("Right"), r"Deutsch ausgewählt")
        self.step("de: Down reaches English", lambda: keys("Down"), r"Englisch\.")
        self.step("de: Return chooses English", lambda: keys("Return"),
                  re.escape("English chosen. The question list is now the sample list."))

    def import_preview(self, app):
        """Ctrl+I, a file of another trainer chosen: the preview is heard with
        its counts, and Escape closes it without writing anything."""
        with open(os.path.join(self.workdir, "woerter.csv"), "w", encoding="utf-8") as words:
            words.write("Hund,dog\nKatze,cat\n,mouse\n")
        self.step("en: Ctrl+I opens the import's open dialog", lambda: keys("ctrl+i"), r".*text\.")
        type_checked(app, "woerter.csv", "en: the other trainer's file typed")
        # The dialog is heard with its counts.
        self.step("en: the preview says what the import makes", lambda: keys("Return"),
                  r"Import List dialog.* Lines of the new list: 2\. Skipped because a side is empty: 1\.?")
        self.step("en: Escape closes the preview", lambda: keys("Escape"), r".*")
        if os.path.exists(os.path.join(self.workdir, "woerter.txt")):
            raise Failure("en: the preview closed with Escape wrote a list")

    def window_manager_hints(self, title):
        """Under a real window manager: the main window is no smaller than its
        minimum with the frame counted, and the closing dialog asks for a
        title bar and nothing else (Motif hints: functions move, decorations
        border and title)."""
        main = window_id(f"^{re.escape(title)}$")
        extents = [int(n) for n in re.findall(r"\d+", xprop(main, "_NET_FRAME_EXTENTS").split("=")[-1])]
        minimum = re.search(r"minimum size: (\d+) by (\d+)", xprop(main, "WM_NORMAL_HINTS"))
        if len(extents) != 4 or not minimum:
            raise Failure(f"the main window's frame {extents} or minimum size is not told")
        outer = (int(minimum.group(1)) + extents[0] + extents[1], int(minimum.group(2)) + extents[2] + extents[3])
        if outer != (600, 440):
            raise Failure(f"the main window's smallest outer size is {outer}, not (600, 440)")
        self.step("en: Ctrl+Q asks whether to remember the list", lambda: keys("ctrl+q"),
                  r".*Remember Last List\?.*|.*Yes, Save List.*")
        hints = xprop(window_id("^Drillbook$"), "_MOTIF_WM_HINTS")
        if not re.search(r"= 0x3, 0x4, 0xa\b", hints):
            raise Failure(f"the closing dialog asks the window manager for more than a title bar: {hints}")


def window_id(name):
    """The X window shown under `name`, waited for: a search that meets a
    window being destroyed (a dialog just closed) ends on an X error and
    finds nothing, so it is asked again."""

    def search():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                               capture_output=True, text=True)
        return found.stdout.split() or found.stderr.strip()

    ids = wait_until(f"a window named {name!r} to be shown", search, lambda found: isinstance(found, list), "shown")
    return ids[-1]


def xprop(window, prop):
    return subprocess.run(["xprop", "-id", window, prop], capture_output=True, text=True, check=True).stdout


def orca(session):
    """a keyboard-only round heard with Orca, in English and in German"""
    journey = Journey(session, Orca(session.options.orca_log))
    try:
        journey.orca.wait_for(0, r"Screen reader on\.", "Orca starts")
        for language in ("en", "de"):
            journey.round(language)
    finally:
        for name, heard in journey.transcript:
            print(f"{name}:")
            for utterance in heard:
                print(f"    {utterance}")


if __name__ == "__main__":
    sys.exit(run({"orca": orca}, "--orca-log"))
