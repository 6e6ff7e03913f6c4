#!/usr/bin/python3
"""Drives the installed Sintarel through the desktop's accessibility interface
(AT-SPI), as a screen reader or an automation tool would: finds the login field
and buttons by their accessible names, logs in, opens the start screen's three
screens and takes a screenshot of each window.

With --keyboard it takes the keyboard-only road instead: every action is a key
press sent with xdotool (no mouse event, no AT-SPI action); AT-SPI only reads
what a screen reader would hear (the focused control, the record number, the
status line). A new user logs in, creates a session, opens it, stores three
candidates, pages with Ctrl+PgUp / Ctrl+PgDn, finds one with Ctrl+F, recalls
it with Enter and prints the merit ranking to a PDF through the print dialog.

Usage: a11y_check.py <screenshot folder> [--keyboard <program folder>]
       (run by a11y_check.sh)
"""
import glob
import os
import re
import subprocess
import sys
import time

import pyatspi

SHOTS = sys.argv[1] if len(sys.argv) > 1 else "screenshots"
failures = []


def log(msg):
    print("a11y: " + msg, flush=True)


def app_node(timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            a = desktop.getChildAtIndex(i)
            if a is not None and a.name and "sintarel" in a.name.lower():
                return a
        time.sleep(0.3)
    raise SystemExit("a11y: the program did not appear on the accessibility bus")


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def find(app, name, roles=None, timeout=10):
    end = time.time() + timeout
    while time.time() < end:
        for n in walk(app):
            try:
                if n.name == name and showing(n) and (roles is None or n.getRoleName() in roles):
                    return n
            except Exception:
                continue
        time.sleep(0.3)
    return None


def press(app, name):
    node = find(app, name, roles=("push button", "button", "toggle button"))
    if node is None:
        failures.append("no button named %r" % name)
        log("MISSING button %r" % name)
        return False
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in ("press", "click", "activate", "default"):
            action.doAction(i)
            log("pressed %r" % name)
            return True
    action.doAction(0)
    log("pressed %r" % name)
    return True


def visible_window(app, title, timeout=10):
    end = time.time() + timeout
    while time.time() < end:
        for i in range(app.childCount):
            w = app.getChildAtIndex(i)
            if w is not None and w.name == title and showing(w):
                return w
        time.sleep(0.3)
    failures.append("window %r not shown" % title)
    names = []
    for i in range(app.childCount):
        w = app.getChildAtIndex(i)
        if w is not None:
            names.append((w.name, showing(w)))
    log("MISSING window %r; windows: %r" % (title, names))
    return None


def select_first(app, name):
    node = find(app, name, roles=("list", "list box", "table"))
    if node is None:
        failures.append("no list named %r" % name)
        log("MISSING list %r" % name)
        return False
    # The entry itself, through its own action (Qt's list items toggle their selection).
    for item in walk(node):
        if item is node:
            continue
        try:
            if item.getRoleName() not in ("list item", "table cell"):
                continue
            action = item.queryAction()
        except Exception:
            continue
        names = [action.getName(i) for i in range(action.nActions)]
        for i, n in enumerate(names):
            if n.lower() in ("toggle", "select", "press", "click"):
                action.doAction(i)
                log("selected %r in %r" % (item.name, name))
                return True
        log("entry %r offers %r" % (item.name, names))
    try:
        node.querySelection().selectChild(0)
        log("selected the first entry of %r" % name)
        return True
    except Exception:
        failures.append("cannot select an entry of %r" % name)
        log("CANNOT select in %r" % name)
        return False


def shot(name):
    time.sleep(0.8)
    subprocess.run(["import", "-window", "root", "%s/%s.png" % (SHOTS, name)], check=False)
    log("screenshot %s.png" % name)


def check_names(window):
    """Every button, field and list of a window has an accessible name."""
    for n in walk(window):
        try:
            role = n.getRoleName()
        except Exception:
            continue
        if role in ("push button", "text", "password text", "list", "list box", "table", "check box") \
                and showing(n) and not n.name:
            failures.append("%s without a name in %r" % (role, window.name))


def main():
    app = app_node()
    log("found application %r" % app.name)
    login = visible_window(app, " Sintarel - Accesso")
    if login is None:
        raise SystemExit(1)
    check_names(login)
    shot("01-accesso")
    field = find(app, "Password", roles=("password text", "text"))
    if field is None:
        raise SystemExit("a11y: no password field named 'Password'")
    field.queryComponent().grabFocus()
    field.queryEditableText().setTextContents("pomodorigialli")
    log("typed the password")
    press(app, "OK")
    start = visible_window(app, " Sintarel")
    if start is None:
        raise SystemExit(1)
    check_names(start)
    shot("02-avvio")
    for button, title, name in (
        ("Crea nuova sessione", " Sintarel - Creazione nuova sessione", "03-creazione"),
        ("Apri sessione esistente", " Sintarel - Apertura sessione", "04-apertura"),
        ("Visualizza graduatorie", " Sintarel - Visualizzazione graduatorie", "05-graduatorie"),
    ):
        if not press(app, button):
            continue
        window = visible_window(app, title)
        if window is None:
            continue
        check_names(window)
        shot(name)
        press(app, "Annulla")
        visible_window(app, " Sintarel")
    # A session with candidates: open it in the editor, then see its merit ranking.
    if press(app, "Apri sessione esistente") and visible_window(app, " Sintarel - Apertura sessione"):
        if select_first(app, "Elenco delle sessioni"):
            press(app, "Apri archivio")
            editor = visible_window(app, " Sintarel - Gestione sessione")
            if editor is not None:
                press(app, "Ultima")
                check_names(editor)
                shot("06-editor")
                press(app, "Esci")
                visible_window(app, " Sintarel")
    if press(app, "Visualizza graduatorie") and visible_window(app, " Sintarel - Visualizzazione graduatorie"):
        if select_first(app, "Elenco delle sessioni"):
            press(app, "Graduatoria di merito")
            ranking = visible_window(app, " Sintarel - Graduatoria di merito")
            if ranking is not None:
                check_names(ranking)
                # The selected candidate is told in full under the list, and heard.
                if select_first(app, "Graduatoria"):
                    time.sleep(0.5)
                    told = [n.name for n in walk(ranking)
                            if n.getRoleName() == "label" and n.name.startswith("1° ")]
                    if told:
                        log("selected line %r" % told[0])
                    else:
                        failures.append("no label tells the selected candidate")
                shot("07-merito")
                press(app, "Esci")
            press(app, "Annulla")
            visible_window(app, " Sintarel")
    press(app, "Esci")
    if failures:
        for f in failures:
            log("FAIL " + f)
        raise SystemExit(1)
    log("all checks passed")


# --- the keyboard-only road ---------------------------------------------------------

def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "60"] + list(keys), check=True)
    time.sleep(0.4)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)
    time.sleep(0.3)


EDITOR = " Sintarel - Gestione sessione"


def wm_focus(title):
    """Gives the keyboard focus back to a window after a box over it closed, as
    a window manager would (none runs under Xvfb). Not a mouse event."""
    time.sleep(0.4)
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % re.escape(title)],
                           capture_output=True, text=True).stdout.split()
    if found:
        subprocess.run(["xdotool", "windowfocus", "--sync", found[-1]], check=False)
        time.sleep(0.3)
    else:
        log("no window %r to give the focus to" % title)


def focused(app):
    """The control with the keyboard focus. A list entry keeps its focused
    state after the list lost the focus, so entries count only when nothing
    else is focused."""
    entries = []
    for n in walk(app):
        try:
            if n.getState().contains(pyatspi.STATE_FOCUSED) and showing(n):
                if n.getRoleName() in ("list item", "table cell"):
                    entries.append(n)
                else:
                    return n
        except Exception:
            continue
    return entries[0].parent if entries else None


def tab_to(app, name, roles=None, limit=40, back=False):
    """Presses Tab (Shift+Tab when back) until the control named `name` has the focus."""
    seen = []
    for _ in range(limit):
        n = focused(app)
        try:
            seen.append(n.name if n is not None else None)
        except Exception:
            pass
        try:
            if n is not None and (name is None or n.name == name) and \
                    (roles is None or n.getRoleName() in roles):
                return True
        except Exception:
            pass
        key("shift+Tab" if back else "Tab")
    failures.append("Tab never reached %r" % name)
    log("MISSING focus on %r; focus went %r" % (name, seen[:12]))
    return False


def label_text(node):
    try:
        t = node.queryText()
        return t.getText(0, t.characterCount)
    except Exception:
        return ""


def record_number(app):
    for n in walk(app):
        try:
            if n.description == "Numero della scheda" and showing(n):
                return n.name, label_text(n)
        except Exception:
            continue
    return None, None


def expect_record(app, number, timeout=5):
    end = time.time() + timeout
    name = text = None
    while time.time() < end:
        name, text = record_number(app)
        if text == number and name == "Scheda " + number:
            log("record number heard: %r (text %r)" % (name, text))
            return True
        time.sleep(0.3)
    failures.append("record number reads %r / %r, not %r" % (name, text, number))
    log("WRONG record number %r / %r, expected %r" % (name, text, number))
    return False


def status_text(app):
    for n in walk(app):
        try:
            if n.getRoleName() == "status bar" and n.description == "Riga di stato" and showing(n):
                return n.name, label_text(n)
        except Exception:
            continue
    return None, None


def keyboard_road(folder):
    app = app_node()
    if visible_window(app, " Sintarel - Accesso") is None:
        raise SystemExit(1)
    type_text("pomodorigialli")
    key("Return")
    if visible_window(app, " Sintarel") is None:
        raise SystemExit(1)
    log("logged in with the keyboard")

    tab_to(app, "Crea nuova sessione")
    key("Return")
    if visible_window(app, " Sintarel - Creazione nuova sessione") is None:
        raise SystemExit(1)
    type_text("Tastiera")
    tab_to(app, "Applica e chiudi")
    key("Return")
    time.sleep(0.8)
    key("Return")  # the information box
    if not os.path.exists(os.path.join(folder, "Tastiera.vai")):
        failures.append("the session was not created")
    if visible_window(app, " Sintarel") is None:
        raise SystemExit(1)
    log("created the session")

    tab_to(app, "Apri sessione esistente")
    key("Return")
    if visible_window(app, " Sintarel - Apertura sessione") is None:
        raise SystemExit(1)
    tab_to(app, "Elenco delle sessioni")
    key("Home", "space")
    tab_to(app, "Apri archivio")
    key("Return")
    if visible_window(app, " Sintarel - Gestione sessione") is None:
        raise SystemExit(1)
    log("opened the session")

    name, text = status_text(app)
    log("status line heard: %r (text %r)" % (name, text))
    if text != "Pronto per archiviare una nuova scheda..." or name != text:
        failures.append("status line reads %r / %r" % (name, text))

    for candidate in ("ROSSI MARIO", "VERDI ANNA", "BIANCHI LUCA"):
        type_text(candidate)
        key("ctrl+s")
        time.sleep(0.8)
        key("Return")  # "La scheda corrente è stata inserita in archivio."
        wm_focus(EDITOR)
        key("ctrl+n")
    log("stored three candidates")
    if os.path.getsize(os.path.join(folder, "Tastiera.vai")) != 3 * 5865:
        failures.append("the session does not hold three records")
    key("ctrl+End")
    expect_record(app, "3")
    key("ctrl+Prior")
    expect_record(app, "2")
    key("ctrl+Prior")
    expect_record(app, "1")
    key("ctrl+Next", "ctrl+Next")
    expect_record(app, "3")
    shot("08-tastiera-editor")

    key("ctrl+f")
    if visible_window(app, " Trova candidati in archivio") is None:
        raise SystemExit(1)
    tab_to(app, "Cerca")
    key("Return")
    time.sleep(0.8)
    type_text("VERDI")
    key("Return", "Return")  # to Trova, then find
    tab_to(app, "Elenco dei candidati")
    shot("09-tastiera-trova")
    key("Return")  # recall
    wm_focus(EDITOR)
    expect_record(app, "2")
    log("found and recalled a candidate")

    # Backwards: Tab does not leave the score field, whose keyboard moves on with Enter only.
    tab_to(app, "Esci", back=True)
    key("Return")
    if visible_window(app, " Sintarel") is None:
        raise SystemExit(1)
    tab_to(app, "Visualizza graduatorie")
    key("Return")
    if visible_window(app, " Sintarel - Visualizzazione graduatorie") is None:
        raise SystemExit(1)
    tab_to(app, "Elenco delle sessioni")
    key("Home", "space")
    tab_to(app, "Graduatoria di merito")
    key("Return")
    if visible_window(app, " Sintarel - Graduatoria di merito") is None:
        raise SystemExit(1)
    tab_to(app, "Stampa graduatoria")
    key("Return")
    time.sleep(0.8)
    key("Return")  # "Si vuole stampare la presente graduatoria?": Sì
    time.sleep(1.5)
    # The print dialog: the printer list, its last entry printing to a PDF file.
    tab_to(app, None, roles=("combo box",))
    shot("10-tastiera-stampa")
    key("End")
    time.sleep(0.5)
    key("Return")
    end = time.time() + 15
    pdfs = []
    while time.time() < end and not pdfs:
        time.sleep(0.5)
        pdfs = glob.glob(os.path.join(folder, "*.pdf")) + glob.glob(os.path.join(folder, "PDF", "*.pdf"))
    if not pdfs:
        failures.append("no PDF printed")
        log("MISSING printed PDF in %s" % folder)
    else:
        time.sleep(1)
        text = subprocess.run(["pdftotext", "-layout", pdfs[0], "-"], capture_output=True,
                              text=True).stdout
        log("printed %s" % os.path.basename(pdfs[0]))
        for candidate in ("ROSSI MARIO", "VERDI ANNA", "BIANCHI LUCA"):
            if candidate not in text:
                failures.append("%s missing from the printed ranking" % candidate)
    wm_focus(" Sintarel - Graduatoria di merito")
    tab_to(app, "Esci")
    key("Return")
    wm_focus(" Sintarel - Visualizzazione graduatorie")
    if visible_window(app, " Sintarel - Visualizzazione graduatorie") is not None:
        tab_to(app, "Annulla")
        key("Return")
    if visible_window(app, " Sintarel") is not None:
        tab_to(app, "Esci")
        key("Return")
    if failures:
        for f in failures:
            log("FAIL " + f)
        raise SystemExit(1)
    log("keyboard road passed")


if __name__ == "__main__":
    if "--keyboard" in sys.argv:
        keyboard_road(sys.argv[sys.argv.index("--keyboard") + 1])
    else:
        main()
