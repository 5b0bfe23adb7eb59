"""Opens the sample shop in the running program through AT-SPI, as a blind
user's screen reader would drive it, and reads the twelve descriptions.

Usage: on-accessibility-bus.sh PROGRAM read-sample-shop.py EXAMPLES_DIR
"""
import os
import sys

import pyatspi

from screen_reader import copy_examples, fail, named, press, press_without_waiting, start, stop, text_of, wait_for, walk

PROGRAM, EXAMPLES = sys.argv[1], os.path.abspath(sys.argv[2])


def main():
    examples = copy_examples(EXAMPLES)
    program, app = start(PROGRAM, [], examples)
    try:
        opener = wait_for('"Otwórz projekt"', lambda: named(app, "push button", {"Otwórz projekt"})
                          or named(app, "menu item", {"Otwórz projekt"}))
        press_without_waiting(opener)
        # Qt's own file dialog: the file name goes into its name box, then "Otwórz".
        dialog = wait_for("the file dialog", lambda: named(app, "dialog", {"Otwórz projekt"}))
        name_box = wait_for("the file name box", lambda: next(
            (n for n in walk(dialog) if n.getRoleName() == "text" and n.getState().contains(pyatspi.STATE_EDITABLE)
             and "nazwa" in (n.name or "").lower() + " " + " ".join(
                 r.getTarget(0).name.lower() for r in n.getRelationSet()
                 if r.getRelationType() == pyatspi.RELATION_LABELLED_BY)), None)
            or next((n for n in walk(dialog) if n.getRoleName() == "text"
                     and n.getState().contains(pyatspi.STATE_EDITABLE)), None))
        name_box.queryEditableText().setTextContents(os.path.join(examples, "sklep.esk"))
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
            fail("; ".join(failures))
        print("all twelve descriptions read")
    finally:
        stop(program)


if __name__ == "__main__":
    main()
