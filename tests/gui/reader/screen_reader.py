"""What the AT-SPI test scripts share: finding the program and its objects on
the accessibility bus, waiting for them, and pressing and reading them as a
screen reader does. The scripts run under on-accessibility-bus.sh."""
import os
import shutil
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

# How long one call to the program may take before it counts as hung.
CALL_TIMEOUT_MS = 25000


def fail(message):
    sys.exit(f"FAIL: {message}")


def wait_for(what, find, seconds=30):
    """Polls `find` until it returns something; fails the test after `seconds`."""
    end = time.time() + seconds
    while time.time() < end:
        try:
            found = find()
        except Exception:  # objects come and go while windows are built
            found = None
        if found:
            return found
        time.sleep(0.2)
    fail(f"no {what} after {seconds} s")


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
    """The first object below `root` with `role` and one of `names`."""
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


def copy_examples(examples):
    """A copy of the examples in the test's home: the program writes beside
    its start directory, and the sample's picture paths are relative."""
    copy = os.path.join(os.environ["HOME"], "examples")
    shutil.rmtree(copy, ignore_errors=True)
    shutil.copytree(examples, copy)
    return copy


def start(program, arguments, cwd):
    """Starts the program and waits until it is on the accessibility bus.
    Returns the process and its application object."""
    process = subprocess.Popen([program, *arguments], cwd=cwd)

    def started():
        if process.poll() is not None:
            # The display went away under the program: the script tries anew.
            sys.exit(3)
        return application()

    return process, wait_for("Targello on the accessibility bus", started)


def stop(process):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click", "Toggle", "SetFocus"):
            action.doAction(i)
            return
    action.doAction(0)


def press_without_waiting(node):
    """Presses without waiting for the program's answer: a command that shows
    a modal dialog answers only when the dialog has closed."""
    Atspi.set_timeout(1000, -1)
    try:
        press(node)
    except GLib.Error:
        pass
    finally:
        Atspi.set_timeout(CALL_TIMEOUT_MS, -1)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)
