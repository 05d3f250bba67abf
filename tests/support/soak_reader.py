#!/usr/bin/python3
"""A screen reader's client beside the soak: over the accessibility bus it reads the whole tree of
the program under test again and again (every object's name, description, role, states, place,
actions and children) and asks after the object of everything it is told, until that program
ends. An object gone before it is asked is what a reader meets every day and is only counted.

soak_reader.py PID NAME, the program's process and its application name; prints what it read,
and exits 1 if it never found the program or read nothing of it."""
import collections
import os
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

CHECK = os.environ.get("KINDREL_CHECK", "soak_with_reader")
pid = int(sys.argv[1])
name = sys.argv[2]
count = {"objects": 0, "walks": 0, "events": 0, "gone": 0}


def ask(obj):
    """Everything a reader says of one object; False when it went before it could be asked."""
    try:
        obj.name, obj.description, obj.getRoleName(), obj.getState().getStates()
        try:
            obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        except NotImplementedError:
            pass
        try:
            action = obj.queryAction()
            [action.getName(i) for i in range(action.nActions)]
        except NotImplementedError:
            pass
        return True
    except Exception:  # gone under the reader
        count["gone"] += 1
        return False


# No window of the program holds more; a tree that seems to is one read from a stale cache.
MOST_PER_WALK = 5000


def walk(obj, depth=0, budget=None):
    """Reads the tree under obj; the objects read."""
    budget = budget if budget is not None else [MOST_PER_WALK]
    if obj is None or depth > 40 or budget[0] <= 0 or not ask(obj):
        return
    budget[0] -= 1
    count["objects"] += 1
    try:
        children = [obj.getChildAtIndex(i) for i in range(min(obj.childCount, budget[0]))]
    except Exception:
        count["gone"] += 1
        return
    for child in children:
        walk(child, depth + 1, budget)


# What the program told of last, asked after between walks: asking from inside the listener
# would answer each message while the next ones wait, and the soak tells faster than that.
told = collections.deque(maxlen=20)


def heard(event):
    count["events"] += 1
    if event.source is not None:
        told.append(event.source)


def ask_after_told():
    # Asking lets more be told meanwhile: those wait for the next time.
    sources = list(told)
    told.clear()
    for source in sources:
        if ask(source):
            try:
                ask(source.parent)
            except Exception:
                count["gone"] += 1


def pump(most=200):
    """What the bus has told, up to `most` messages: the soak tells faster than a reader asks."""
    context = GLib.MainContext.default()
    while most > 0 and context.iteration(False):
        most -= 1


def running():
    """Whether the program is still there: a process that has ended but is not yet waited for
    counts as gone."""
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except (FileNotFoundError, IndexError):
        return False


def program():
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        # The list of applications is kept from the first asking; one that came later is not in it.
        desktop.clear_cache()
        for app in desktop:
            # By name: the process id the bus gives is not always the one the system knows.
            if app is not None and app.name == name:
                # Nothing kept between questions: over a soak's thousands of windows the cache
                # of what was there drifts from what is.
                app.set_cache_mask(Atspi.Cache.NONE)
                return app
    except Exception:  # the bus not answering yet
        pass
    return None


app = None
deadline = time.monotonic() + 60
while app is None and running() and time.monotonic() < deadline:
    pump()
    app = program()
    time.sleep(0.1)
if app is None:
    print(f"{CHECK}: the program under test never came on the accessibility bus")
    sys.exit(1)

# Listening only once the program is there: the bus tells every application of a new listener
# and waits for each to answer.
for kind in ("object:property-change", "object:state-changed", "object:children-changed",
             "object:text-changed", "focus:", "object:selection-changed"):
    pyatspi.Registry.registerEventListener(heard, kind)

while running():
    pump()
    # Found afresh each time: the program may come on the bus again by a new connection.
    walk(program() or app)
    count["walks"] += 1
    pump()
    ask_after_told()

print(f"{CHECK}: read {count['objects']} objects in {count['walks']} walks of the tree, asked "
      f"after {count['events']} events; {count['gone']} gone before they were asked")
if count["objects"] == 0 or count["events"] == 0:
    print(f"{CHECK}: the reader read nothing of the program, or was told nothing")
    sys.exit(1)
