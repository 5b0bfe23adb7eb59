"""A change survives a crash of the real program: the sample shop is opened
from the command line, a product's name is changed through AT-SPI, and once
the recovery copy is on the disk the program is killed. The next start offers
the copy; "Odzyskaj" brings the page back with the changed name, still
unsaved; a clean "Zakończ" without saving leaves no copy behind.

Usage: on-accessibility-bus.sh PROGRAM recover-after-crash.py EXAMPLES_DIR
"""
import os
import signal
import subprocess
import sys

from screen_reader import (copy_examples, fail, named, press_without_waiting, start, stop, text_of, wait_for,
                           walk)

PROGRAM, EXAMPLES = sys.argv[1], os.path.abspath(sys.argv[2])
NAME_BOX = "Nazwa produktu 1"
CHANGED_NAME = "Miód z odzysku"
RECOVERY = os.path.join(os.environ["XDG_DATA_HOME"], "Targello", "odzysk")


def copies():
    """The finished recovery copies; a copy being written has another name."""
    try:
        return [name for name in os.listdir(RECOVERY) if name.endswith(".esk")]
    except FileNotFoundError:
        return []


def button(app, name):
    return named(app, "push button", {name, "&" + name})


def editable_name_box(app):
    """The first product's name box once it is the live control: while the
    page is being laid out its object may still be the painted one, which
    reads but takes no typing."""
    box = named(app, "text", {NAME_BOX})
    if box is None:
        return None
    box.queryEditableText()  # raises until the box takes text
    return box


def name_changed(app):
    """Types the changed name into the box, as often as it is asked, until
    the box (looked up anew) reads it: a page still being laid out may give
    its live controls to other products."""
    box = editable_name_box(app)
    if box is None:
        return False
    if text_of(box) == CHANGED_NAME:
        return True
    box.queryEditableText().setTextContents(CHANGED_NAME)
    return False


def titled(app, title):
    """Any object named `title`, whatever its role (a page's frame is one)."""
    for node in walk(app):
        try:
            if node.name == title:
                return node
        except Exception:
            continue
    return None


def labels(app):
    return " ".join(node.name or "" for node in walk(app) if node.getRoleName() == "label")


def crash_after_a_change(shop, cwd):
    program, app = start(PROGRAM, [shop], cwd)
    try:
        box = wait_for(f'editable box "{NAME_BOX}"', lambda: editable_name_box(app))
        before = text_of(box)
        if before == CHANGED_NAME:
            fail(f"the sample's first product is already called {CHANGED_NAME!r}")
        wait_for(f"name {CHANGED_NAME!r} in the box", lambda: name_changed(app), seconds=15)
        # The copy follows 2 seconds after the last edit.
        wait_for(f"recovery copy in {RECOVERY}", copies, seconds=30)
        program.send_signal(signal.SIGKILL)  # nothing of the program's own ending runs
        program.wait(30)
        print(f"changed {before!r} to {CHANGED_NAME!r}; killed the program after its copy {copies()}")
    finally:
        stop(program)


def recover(shop, cwd):
    program, app = start(PROGRAM, [], cwd)
    try:
        answer = wait_for('recovery offer with "Odzyskaj"', lambda: button(app, "Odzyskaj"))
        wait_for(f"recovery offer naming the project {shop}",
                 lambda: "nie został poprawnie zamknięty" in labels(app) and shop in labels(app), seconds=10)
        press_without_waiting(answer)
        box = wait_for(f'box "{NAME_BOX}" on a recovered page', lambda: named(app, "text", {NAME_BOX}))
        name = text_of(box)
        if name != CHANGED_NAME:
            fail(f"the change was not recovered: the product is called {name!r}, not {CHANGED_NAME!r}")
        print(f"recovered {name!r}")
        # The unsaved-changes mark is heard, not only seen, in the page's title.
        # The caption names the page's file beside it.
        wait_for('page window "Sklep 1 — sklep.esk*" (the unsaved-changes mark)',
                 lambda: titled(app, "Sklep 1 — sklep.esk*"), seconds=10)

        # A page that is marked changed asks before it closes; an unchanged one
        # would let the program end without a question.
        press_without_waiting(wait_for('command "Zakończ"', lambda: named(app, "menu item", {"Zakończ"})))
        discard = wait_for('answer "Nie zapisuj" to a question about unsaved changes', lambda: button(app, "Nie zapisuj"))
        wait_for("question about the page's unsaved changes",
                 lambda: "„Sklep 1” ma niezapisane zmiany" in labels(app), seconds=10)
        press_without_waiting(discard)
        try:
            status = program.wait(30)
        except subprocess.TimeoutExpired:
            fail('the program did not end after "Nie zapisuj"')
        if status != 0:
            fail(f"the program ended with status {status}")
        left = os.listdir(RECOVERY)
        if left:
            fail(f"a clean end left files in the recovery folder: {left}")
        print("ended cleanly; the recovery folder is empty")
    finally:
        stop(program)


def main():
    examples = copy_examples(EXAMPLES)
    shop = os.path.join(examples, "sklep.esk")
    crash_after_a_change(shop, examples)
    recover(shop, examples)


if __name__ == "__main__":
    main()
