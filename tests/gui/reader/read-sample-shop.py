"""Opens the sample shop in the running program through AT-SPI, as a blind
user's screen reader would drive it, and reads the twelve descriptions.

Usage: read-sample-shop.py PROGRAM EXAMPLES_DIR
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

PROGRAM, EXAMPLES = sys.argv[1], os.path.abspath(sys.argv[2])
SHOP = os.path.join(EXAMPLES, "sklep.esk")


def wait_for(what, find, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        try:
            found = find()
        except Exception:  # objects come and go while windows are built
            found = None
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"FAIL: no {what} after {seconds} s")


def walk(node, depth=0, limit=40):
    if node is None or depth > limit:
        return
    yield node
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1, limit)


def named(root, role, names):
    for node in walk(root):
        try:
            if node.getRoleName() == role and node.name in names:
                return node
        except Exception:
            continue
    return None


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "targello":
            return app
    return None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click", "Toggle", "SetFocus"):
            action.doAction(i)
            return
    action.doAction(0)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def main():
    program = subprocess.Popen([PROGRAM], cwd=EXAMPLES)
    try:
        def started():
            if program.poll() is not None:
                # The display went away under the program: the script tries anew.
                sys.exit(3)
            return application()
        app = wait_for("Targello on the accessibility bus", started)
        opener = wait_for('"Otwórz projekt"', lambda: named(app, "push button", {"Otwórz projekt"})
                          or named(app, "menu item", {"Otwórz projekt"}))
        # The command shows a modal dialog, so its answer comes only when the
        # dialog has closed: do not wait for it.
        Atspi.set_timeout(1000, -1)
        try:
            press(opener)
        except GLib.Error:
            pass
        Atspi.set_timeout(25000, -1)
        # Qt's own file dialog: the file name goes into its name box, then "Otwórz".
        dialog = wait_for("the file dialog", lambda: named(app, "dialog", {"Otwórz projekt"}))
        name_box = wait_for("the file name box", lambda: next(
            (n for n in walk(dialog) if n.getRoleName() == "text" and n.getState().contains(pyatspi.STATE_EDITABLE)
             and "nazwa" in (n.name or "").lower() + " " + " ".join(
                 r.getTarget(0).name.lower() for r in n.getRelationSet()
                 if r.getRelationType() == pyatspi.RELATION_LABELLED_BY)), None)
            or next((n for n in walk(dialog) if n.getRoleName() == "text"
                     and n.getState().contains(pyatspi.STATE_EDITABLE)), None))
        name_box.queryEditableText().setTextContents(SHOP)
        confirm = wait_for('"Otwórz"', lambda: next(
            (n for n in walk(dialog) if n.getRoleName() == "push button" and n.name in ("Otwórz", "&Otwórz", "Open")
             and n.getState().contains(pyatspi.STATE_ENABLED)), None))
        press(confirm)

        page = wait_for('the page "Sklep 1"', lambda: next(
            (n for n in walk(app) if n.getRoleName() in ("panel", "filler", "scroll pane")
             and n.childCount >= 48 and named(n, "text", {"Opis produktu 12"})), None))
        failures = []
        for k in range(1, 13):
            box = named(page, "text", {f"Opis produktu {k}"})
            if box is None:
                failures.append(f"no object named Opis produktu {k}")
                continue
            text = text_of(box)
            print(f"Opis produktu {k}: {text!r}")
            if not text.strip():
                failures.append(f"Opis produktu {k} reads as empty")
            picture = named(page, "image", {f"Obrazek produktu {k}"}) or named(page, "push button", {f"Obrazek produktu {k}"})
            if picture is None:
                failures.append(f"no picture object Obrazek produktu {k}")
            elif not (picture.description or "").strip():
                failures.append(f"Obrazek produktu {k} has no description")
        if failures:
            sys.exit("FAIL: " + "; ".join(failures))
        print("all twelve descriptions read")
    finally:
        program.terminate()
        try:
            program.wait(10)
        except subprocess.TimeoutExpired:
            program.kill()


if __name__ == "__main__":
    main()
