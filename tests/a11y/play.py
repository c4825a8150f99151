#!/usr/bin/python3
"""Plays a seeded two-player game through the accessibility bus alone, as a screen reader would:
windows found by their titles, buttons pressed by their names, every message box read. Meets a
reward, a danger and a fight, checks the inventory's gold against what the messages said, quits.

Usage: play.py GAME SEED (inside a D-Bus session with an accessibility bus and an X display)."""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

GAME, SEED = sys.argv[1], sys.argv[2]
heard = []  # everything read aloud, for the report on failure
renamed = []  # (window title, new name) of every label that changed its text


def fail(why):
    print("FAIL:", why)
    print("\n".join(heard[-40:]))
    sys.exit(1)


def wait(what, condition, seconds=10):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            found = condition()
        except GLib.Error:  # an object went away while being read: look again
            found = None
        if found:
            return found
        time.sleep(0.03)
    fail("waited in vain for " + what)


def windows():
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    found = [a.getChildAtIndex(i) for a in apps if a and a.name == "kavgalija"
             for i in range(a.childCount)]
    return [w for w in found if w and w.getState().contains(pyatspi.STATE_SHOWING)]


def window(title, role="frame"):
    return next((w for w in windows() if w.name == title and w.getRoleName() == role), None)


def descendants(node):
    for child in (node.getChildAtIndex(i) for i in range(node.childCount)):
        if child:
            yield child
            yield from descendants(child)


def find(node, role, name=None, enabled=False):
    for child in descendants(node):
        if child.getRoleName() == role and name in (None, child.name) and (
                not enabled or child.getState().contains(pyatspi.STATE_ENABLED)):
            return child
    fail(f"no {role} {name!r} in {node.name!r}")


def press(node, name):
    button = find(node, "push button", name, enabled=True)
    heard.append(f"  {time.monotonic() - started:6.2f} [{node.name}] press {name}")
    button.queryAction().doAction(0)


def dismiss(node, name, what):
    press(node, name)
    wait(what + " to close", lambda: node not in windows(), 5)


def labels(node):
    return [c.name for c in descendants(node) if c.getRoleName() == "label"]


def square_of(board, player):
    """The square the board says the player stands on, counted from 0."""
    for child in descendants(board):
        m = re.fullmatch(r"Polje (\d+): [^,]+((?:, [^,]+)*)", child.name)
        if m and player in m.group(2).split(", "):
            return int(m.group(1)) - 1
    return None


def hurt():
    """Whether a fight's health label has announced a blow that hurt."""
    return any(title == "Borba" and n.isdigit() and int(n) < 10 for title, n in renamed)


def on_rename(event):
    try:
        if event.source.getRoleName() == "label":
            top = event.source
            while top.parent and top.parent.getRoleName() != "application":
                top = top.parent
            renamed.append((top.name, event.source.name))
    except Exception:  # the label may be gone with its window
        pass


pyatspi.Registry.registerEventListener(on_rename, "object:property-change:accessible-name")
env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", SDL_AUDIODRIVER="dummy")
started = time.monotonic()
process = subprocess.Popen([GAME, "--seed", SEED, "--lang", "sr"], env=env)

try:
    press(wait("the title window", lambda: window("KAVGALIJA!"), 30), "START")
    make = wait("the creation window", lambda: window("Kreiranje igraca"))
    names = ["Ana", "Bora"]
    for slot, (name, button) in enumerate(zip(names, ["SLEDECI", "START"]), 1):
        wait(f"slot {slot}", lambda: str(slot) in labels(make))
        find(make, "text", "Ime").queryEditableText().setTextContents(name)
        press(make, button)

    gold = {name: 0 for name in names}  # what the messages said each one holds
    met = set()
    checked = 0
    for turn in range(80):
        board = wait("the board", lambda: window("Form1"))
        turn_labels = labels(board)
        if "Na potezu:" not in turn_labels:
            fail(f"the board reads {turn_labels}")
        mover = turn_labels[turn_labels.index("Na potezu:") + 1]
        heard.append(f"turn {turn}: {mover}")

        press(board, "Inventar")
        pack = wait("the inventory", lambda: window("Inventar"))
        figure = next(c for c in descendants(pack) if c.description == "Zlatnici")
        if int(figure.name) != gold[mover]:
            fail(f"{mover} holds {figure.name} in the inventory, the messages said {gold[mover]}")
        checked += 1
        dismiss(pack, "OK", "the inventory")

        if met >= {"reward", "danger", "fight"} and checked > turn // 2 + 1:
            break
        start = square_of(board, mover)
        if start is None:
            fail(f"no square names {mover}")
        press(board, "Baci kocku")
        # The die's box comes first; then whatever the square holds, until the board is idle.
        box = wait("the die's box", lambda: window("KAVGALIJA!", "alert"))
        die = box.description
        if not re.fullmatch(r"[1-6]", die):
            fail(f"the die said {die!r}")
        dismiss(box, "OK", "the die's box")
        # The token walks to its square; then the board says so, unless a window took its place.
        rolled = (start + int(die)) % 30
        wait("the walk", lambda: [w for w in windows() if w.name != "Form1"]
             or square_of(board, mover) == rolled)
        idle = 0
        while idle < 8:
            time.sleep(0.04)
            wait("the bus", lambda: True)  # reads what the bus has for us
            idle += 1
            if box := window("KAVGALIJA!", "alert"):
                said = box.description
                heard.append("  box: " + said)
                if said == "Nasli ste jedan zlatnik!":
                    gold[mover] += 1
                elif m := re.fullmatch(r"(.+) dobija (\d+) zlatnika\.", said):
                    gold[next(n for n in names if n != m.group(1))] = 0
                    gold[m.group(1)] += int(m.group(2))
                dismiss(box, "OK", "the box")
            elif ask := window("KAVGALIJA!", "dialog"):
                heard.append("  asked: " + find(ask, "label").name)
                find(ask, "text").queryEditableText().setTextContents("ne")
                dismiss(ask, "OK", "the question")
            elif reward := window("Nagrada!"):
                met.add("reward")
                text = max(labels(reward), key=len)
                heard.append("  reward: " + text)
                # Treasure gold is not told, so the treasure is left where it lies.
                dismiss(reward, "Ostavi" if "blago" in text else "Uzmi", "the reward")
            elif danger := window("OPASNOST!"):
                met.add("danger")
                text = max(labels(danger), key=len)
                heard.append("  danger: " + text)
                if m := re.search(r"ukrao (-?\d+) zlatnika", text):
                    gold[mover] -= int(m.group(1))
                dismiss(danger, "OK", "the danger")
            elif fight := window("Borba"):
                met.add("fight")
                # Blows until a health figure has been announced, then the mover's retreat.
                press(fight, "Povlacenje" if hurt() else "Udri")
                time.sleep(0.3)  # a pressed button clicks a moment later, as a mouse would
            elif window("Jeeeee!"):
                fail("nobody should win this soon")
            else:
                continue
            idle = 0
    else:
        fail(f"eighty turns met only {sorted(met)}")

    if not hurt():
        fail("the fight's health labels never announced a change")
    press(board, "Opcije")
    press(wait("the options", lambda: window("Opcije")), "Kraj igre")
    if process.wait(timeout=10) != 0:
        fail("the game did not end cleanly")
    print(f"played {turn} turns in {time.monotonic() - started:.0f} s, checked the gold {checked} times")
except Exception as error:  # a vanished object or a missing label: report what was heard
    fail(repr(error))
finally:
    if process.poll() is None:
        process.kill()
