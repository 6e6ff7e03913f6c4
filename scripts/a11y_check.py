#!/usr/bin/python3
"""Drives the installed Sintarel through the desktop's accessibility interface
(AT-SPI), as a screen reader or an automation tool would: finds the login field
and buttons by their accessible names, logs in, opens the start screen's three
screens and takes a screenshot of each window.

Usage: a11y_check.py <screenshot folder>   (run by a11y_check.sh)
"""
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


if __name__ == "__main__":
    main()
