#!/usr/bin/python3
"""Drives the running program with key presses alone, finding its way as a screen reader user
would: by what the accessibility bus says has the focus. On every screen it reaches, every control
on view must have a role and a name. Then it works one board and one quiz by keys and reads back
what the screens now show.

keys_and_reader.py ENTRIES, where ENTRIES has "menu entry caption" a line; prints what it did,
and on a fault says what and exits 1."""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

# What the program has told the bus of its own accord, as (event type, the object's name).
TOLD = []


def heard(event):
    try:
        TOLD.append((event.type, event.source.name if event.source is not None else ""))
    except Exception:  # an object gone before it is asked
        pass


def listen():
    for kind in ("object:property-change:accessible-name",
                 "object:property-change:accessible-description"):
        pyatspi.Registry.registerEventListener(heard, kind)


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass

CHECK = "e2e_keys_and_reader"
ROLES = {"push button", "label", "image", "panel", "frame", "combo box", "list", "filler"}
CONTAINERS = {"panel", "filler", "frame"}


def fail(message):
    print(f"{CHECK}: {message}")
    sys.exit(1)


def until(probe, what, seconds=30.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        pump()
        try:
            found = probe()
        except Exception:  # the tree changes under a reader; ask again
            found = None
        if found:
            return found
        time.sleep(0.05)
    fail(what)


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "20", *keys], check=True)


def program():
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == "kindrel":
            return application
    return None


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def frame(name):
    application = program()
    for window in application or []:
        if window is not None and window.name == name and showing(window):
            return window
    return None


def gone(name):
    return frame(name) is None


def descendants(accessible):
    for child in accessible:
        if child is not None and showing(child):
            yield child
            yield from descendants(child)


def focused(window):
    for accessible in descendants(window):
        if accessible.getState().contains(pyatspi.STATE_FOCUSED):
            return accessible
    return None


def to_front(title, reader_name=None):
    """Gives the window of that X title the keyboard (the test server runs no window manager)
    and returns it as the reader sees it."""
    ids = until(lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                                       capture_output=True, text=True).stdout.split(),
                f"no window \"{title}\"")
    subprocess.run(["xdotool", "windowfocus", "--sync", ids[-1]], check=True)
    return until(lambda: frame(reader_name or title), f"the reader has no window \"{reader_name or title}\"")


def check_screen(window, where):
    named = 0
    for accessible in descendants(window):
        role = accessible.getRoleName()
        if role not in ROLES:
            fail(f"{where}: a control read as '{role}' ({accessible.name!r})")
        if role in CONTAINERS:
            continue
        if not accessible.name.strip():
            fail(f"{where}: a {role} on view has no name")
        named += 1
    if named == 0:
        fail(f"{where}: the reader finds nothing on it")
    return named


def settled_focus(window, before):
    """The focus once it has moved on from where it was, or where it is after a while (a screen
    with one control keeps it there)."""
    deadline = time.monotonic() + 3
    while time.monotonic() < deadline:
        try:
            now = focused(window)
            if now is not None and (now.name, now.getRoleName()) != before:
                return
        except Exception:
            pass
        time.sleep(0.03)


def tab_to(window, name, where, role="push button"):
    """Tab round until the reader says the named control has the focus."""
    visited = []
    for _ in range(120):
        now = focused(window)
        here = (now.name, now.getRoleName()) if now is not None else None
        if here == (name, role):
            return now
        visited.append(here)
        key("Tab")
        settled_focus(window, here)
    reached = sorted({v[0] for v in visited if v})
    fail(f"{where}: Tab never reached \"{name}\" (it went through {reached})")


def press(window, name, where):
    tab_to(window, name, where)
    key("Return")


def work_a_board(window, where):
    """Every label picked up, carried by the arrows and put down; then Check Score."""
    labels = [a for a in descendants(window)
              if a.getRoleName() == "push button" and a.description == "waiting to be placed"]
    if len(labels) < 2:
        fail(f"{where}: the reader finds no labels waiting to be placed")
    for step, label in enumerate(labels):
        name = label.name
        tab_to(window, name, where)
        key("Return")
        # From its home, which reads last, the first Right is the first box: each to its own box.
        key(*(["Right"] * (step + 1)))
        key("Return")
        until(lambda: any(a.name == name and a.description.startswith("in ")
                          for a in descendants(window)),
              f"{where}: \"{name}\" put down by keys is not in a box")
        until(lambda: any(kind.endswith("accessible-name") and ", holds " in told and name in told
                          for kind, told in TOLD),
              f"{where}: the box \"{name}\" went into never told the reader it holds it", seconds=5)
    TOLD.clear()
    press(window, "Check Score", where)
    until(lambda: any(kind.endswith("accessible-name") and " out of " in told for kind, told in TOLD),
          f"{where}: the score was shown but never told", seconds=5)
    score = until(lambda: next((a.name for a in descendants(window) if re.fullmatch(
        rf"-?\d+ out of {len(labels)} correct", a.name.strip())), None),
        f"{where}: no score read out after Check Score")
    held = [a.name for a in descendants(window) if a.getRoleName() == "label" and ", holds " in a.name]
    if len(held) < 1:
        fail(f"{where}: no box says what it holds")
    print(f"{CHECK}: {where}: {len(labels)} labels placed by keys; the reader says \"{score.strip()}\"; "
          f"e.g. \"{held[0]}\"")


def work_a_quiz(window, where):
    before = {a.name for a in descendants(window) if a.getRoleName() == "label"}
    press(window, "Answer", where)
    shown = until(lambda: [a.name for a in descendants(window)
                           if a.getRoleName() == "label" and a.name not in before],
                  f"{where}: Answer showed the reader nothing new")
    print(f"{CHECK}: {where}: Answer by keys; the reader finds \"{shown[0]}\"")


def main():
    entries = [line.rstrip("\n").split(" ", 2) for line in open(sys.argv[1]) if line.strip()]
    listen()
    until(program, "the program never reached the accessibility bus")
    title = to_front(" ", "Chemistry Key Stage 3 Kindrel")
    screens = 1
    check_screen(title, "the title screen")
    press(title, "OK", "the title screen")
    until(lambda: gone("Chemistry Key Stage 3 Kindrel"), "OK did not leave the title screen")
    front = to_front("Corvane")
    check_screen(front, "the front screen")
    screens += 1
    current = None
    for menu, entry, caption in entries:
        if menu != current:
            front = to_front("Corvane")
            press(front, f"Menu {menu}", f"menu {menu}")
            until(lambda: any(a.name == caption for a in descendants(frame("Corvane"))),
                  f"Menu {menu} did not show \"{caption}\"")
            check_screen(frame("Corvane"), f"menu {menu}")
            screens += 1
            current = menu
        menu_window = to_front("Corvane")
        press(menu_window, caption, f"menu {menu}")
        activity = to_front(caption)
        check_screen(activity, caption)
        screens += 1
        if caption == "Acids and Alkalis" and menu == "2":
            work_a_board(activity, caption)
        if caption == "Speed of Reactions":
            work_a_quiz(activity, caption)
        key("Escape")
        until(lambda: gone(caption), f"Escape did not leave \"{caption}\"")
    front = to_front("Corvane")
    press(front, "Exit", "the last menu")
    front = to_front("Corvane")
    press(front, "Exit", "the front screen")
    title = to_front(" ", "Chemistry Key Stage 3 Kindrel")
    press(title, "Exit", "the title screen")
    until(lambda: program() is None, "Exit on the title screen did not end the program")
    print(f"{CHECK}: {screens} screens worked by keys alone, every control on view named for the reader")


main()
