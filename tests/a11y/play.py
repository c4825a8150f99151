#!/usr/bin/python3
"""Plays a seeded two-player game by keyboard alone while Orca, the screen reader, listens, and
checks what Orca said: creation of two players, the die, the square reached, a coin, a reward
taken, a danger, a fight of two blows and then a retreat, the inventory, each told once as it
happens; then the keys that speak the race, the turn, the last sentences again, and the log. Every key waits for Orca to have spoken what the last one brought.

Usage: play.py GAME SEED TRANSCRIPT (run.sh starts Orca, writing TRANSCRIPT, and the rest)."""
import os
import re
import subprocess
import sys
import time

GAME, SEED, TRANSCRIPT = sys.argv[1:4]
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'\s*\{")
# What Orca says first when the focus lands on a tab stop of the creation screen or the board.
STOPS = re.compile(r"^(Ime igraca \d|Racunar|Zvucna tema|Prethodni lik|Sledeci lik|Musko|Zensko|"
                   r"SLEDECI|START|Baci kocku|Inventar|Opcije|Dnevnik)\b")
# A fighter's health after a blow.
HEALTH = re.compile(r"^\w+: zdravlje -?\d+\.$")
# Anything else said in a fight between blows: a taunt from the bubble.
TAUNT = re.compile(r"^(?!.*(push button|frame)\.$|\w+ udara\.$|\w+ se povlaci\.$|alert |"
                   r"Da li zelite)..")
# What moves the focus in a fight, or ends it.
STEP = re.compile(r"^(Udri push button|alert KAVGALIJA!|Da li zelite|Tabla frame)")
# Orca's echo of the keys pressed, which says nothing about the game.
ECHO = re.compile(r"(return|space|tab|left shift|shift|down|up|control|[a-z]|[A-Z]) ?")
heard = []  # every utterance so far
seen = 0  # how many of them the play has already checked


def listen():
    if not os.path.exists(TRANSCRIPT):  # Orca has not started yet
        return
    with open(TRANSCRIPT, encoding="utf-8", errors="replace") as f:
        lines = [m.group(1) for m in map(SPOKEN.search, f) if m]
    heard[:] = [u.strip() for u in lines if not ECHO.fullmatch(u)]


def fail(why):
    listen()
    if os.environ.get("KEEP_TRANSCRIPT"):  # Orca's whole debug file, for a closer look
        subprocess.run(["cp", TRANSCRIPT, os.environ["KEEP_TRANSCRIPT"]])
    print("FAIL:", why)
    print("Orca said:")
    print("\n".join(f"  {i:3} {u}" for i, u in enumerate(heard)))
    sys.exit(1)


def hear(pattern, seconds=30, since=None):
    """Waits until Orca says something matching pattern, after what was checked already (or, for
    things whose order against the focus is up to the screen reader, after since)."""
    global seen
    wanted = re.compile(pattern)
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        listen()
        for i in range(seen if since is None else since, len(heard)):
            if m := wanted.search(heard[i]):
                seen = max(seen, i + 1)
                return m
        time.sleep(0.1)
    fail(f"Orca never said {pattern!r}")


def next_of(*patterns, seconds=30):
    """Waits for the first of several things Orca may say next; returns (index, match)."""
    global seen
    wanted = [re.compile(p) for p in patterns]
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        listen()
        for i in range(seen, len(heard)):
            for n, w in enumerate(wanted):
                if m := w.search(heard[i]):
                    seen = i + 1
                    return n, m
        time.sleep(0.1)
    fail(f"Orca said none of {patterns!r}")


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "60", *keys], check=True)


def write(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)


def quiet(seconds=1.5):
    """Waits until Orca has said nothing new for a while, so that what the next key brings is not
    mistaken for what came before it (a box closing gives the focus back, and Orca says so)."""
    said, still = -1, time.monotonic()
    end = still + 60
    while time.monotonic() < end:
        listen()
        if len(heard) != said:
            said, still = len(heard), time.monotonic()
        elif time.monotonic() - still >= seconds:
            return
        time.sleep(0.1)
    fail("Orca never fell silent")


def tab_to(name):
    """Tabs on until Orca names the control. Each Tab waits for the focus to have moved: Qt holds
    a key until Orca has seen it, and a key sent meanwhile goes to the control still focused."""
    global seen
    for _ in range(12):
        quiet()
        seen = len(heard)
        key("Tab")
        if next_of(STOPS.pattern)[1].string.startswith(name):
            return
    fail(f"no tab stop {name!r}")


hear(r"^Screen reader on", 180)  # Orca is slow to start on a busy machine
started = time.monotonic()
game = subprocess.Popen([GAME, "--seed", SEED, "--lang", "sr"],
                        env=dict(os.environ, SDL_AUDIODRIVER="dummy"))
try:
    hear(r"^KAVGALIJA! frame", 60)
    hear(r"^START push button")
    key("Return")
    hear(r"^Kreiranje igraca frame")
    hear(r"^Ime igraca 1 text")
    write("Ana")
    tab_to("Zvucna tema")
    key("Down")
    hear(r"^american")
    key("Return")
    hear(r"^american")  # the theme opened, by its name
    tab_to("SLEDECI")
    key("space")
    hear(r"^Igrac br 2\.?$")
    tab_to("Ime igraca 2")
    key("ctrl+a")
    write("Bora")
    tab_to("START")
    key("space")
    hear(r"^Tabla frame")

    met = []
    for turn in range(40):
        mover = hear(r"^Na potezu: (\w+)\.")[1]
        if turn == 1:
            tab_to("Inventar")
            key("space")
            hear(r"^Inventar frame")
            hear(r"^OK push button")
            hear(r"^Bora ima 0 zlatnika; oruzje: axe; oklop: Mantija; stit: crveni stit\.$")
            key("space")
            hear(r"^Tabla frame")
            tab_to("Baci kocku")
        key("space")
        hear(r"^alert KAVGALIJA!")
        hear(r"^[1-6]\.$")  # the die
        rolled = len(heard)
        key("Return")
        what, m = next_of(r"^Polje (\d+): (\w+)\.", r"^Borba frame")
        kind = m[2] if what == 0 else "fight"
        if kind == "zlatnik":
            met.append("coin")
            hear(r"^Nasli ste jedan zlatnik", since=rolled)
            key("Return")
            hear(rf"^{mover} ima \d+ od 100 zlatnika\.")
        elif kind == "kovceg":
            met.append("reward")
            hear(r"^Nagrada! frame", since=rolled)
            hear(r"^Uzmi push button", since=rolled)
            hear(r"^[A-Z].{30,}[.!]$", since=rolled)  # what the chest offers
            key("space")
            hear(rf"^{mover} uzima: .+\.")
        elif kind == "opasnost":
            met.append("danger")
            hear(r"^OPASNOST! frame", since=rolled)
            hear(r"^OK push button", since=rolled)
            hear(r"^(Zbog|Oklop|Pojurio|Neko|Uhvatila) ", since=rolled)  # what struck
            key("space")
        if kind == "fight" or next_of(r"^Borba frame", r"^Na potezu: ")[0] == 0:
            met.append("fight")
            hear(r"^\w+, zdravlje 10, protiv \w+, zdravlje 10\.")
            quiet()
            seen = len(heard)
            key("space")  # the mover's blow: the focus is on it
            blows, start = 1, seen
            while True:
                n, m = next_of(r"^Udri push button", r"^alert KAVGALIJA!", r"^Da li zelite",
                               r"^Tabla frame")
                if n in (0, 1, 2):
                    quiet()
                if n == 0 and any(STEP.search(u) for u in heard[seen:]):
                    continue  # the focus has moved on since: act where it is now
                if n == 0 and blows == 2:
                    # With this seed two blows bring a wound and two taunts: the fighter to
                    # strike next retreats, which ends the fight (a fall takes minutes).
                    key("Tab")
                    hear(r"^Povlacenje push button")
                    hear(r"^\w+ se povlaci\.")
                    key("space")
                elif n == 0:
                    key("space")
                    blows += 1
                elif n in (1, 2):
                    key("Return")
                else:
                    break
            # Taunts and healths come on the bubble's timer, so they are counted once it is over;
            # a box's own words (the line after "alert") are no taunt.
            fight = heard[start:seen]
            said = [u for i, u in enumerate(fight) if not fight[i - 1].startswith("alert ")]
            hurt = sum(bool(HEALTH.search(u)) for u in said)
            taunts = sum(bool(TAUNT.search(u)) and not HEALTH.search(u) for u in said)
            if not hurt or taunts < 2:
                fail(f"a fight with {hurt} health figures and {taunts} taunts heard")
        else:
            seen -= 1  # the mover just heard opens the next turn
        if {"coin", "reward", "danger", "fight"} <= set(met):
            break
    else:
        fail(f"forty turns met only {met}")

    # On the board, the keys that speak the game: the race, the turn, the last two sentences
    # again, and the log, whose newest line Orca reads as it opens.
    hear(r"^Tabla frame|^Na potezu: \w+\.", since=seen - 1)
    quiet()
    seen = len(heard)
    key("z")
    hear(r"^Ana: \d+ od 100 zlatnika, polje \d+\. Bora: \d+ od 100 zlatnika, polje \d+\.$")
    key("n")
    hear(r"^Na potezu: \w+\. Zlatnika: \d+ od 100; oruzje: .+; zdravlje: \d+\.$")
    key("p")
    hear(r"^Na potezu: \w+\. Zlatnika: ")
    key("p")
    hear(r"^Ana: \d+ od 100 zlatnika")
    key("d")
    hear(r"^Dnevnik frame")
    hear(r"^Runda \d+: .+[.!]$")
    key("Escape")
    hear(r"^Tabla frame")
    listen()
    if not any(re.fullmatch(r"\w+ udara\.", u) for u in heard):
        fail("Orca never said whose blow a button strikes")
    if any("/" in u for u in heard):
        fail("Orca read a path")
    if any("Form1" in u for u in heard):
        fail("Orca read the board's designer name")
    print("\n".join(heard))
    print(f"played {turn + 1} turns in {time.monotonic() - started:.0f} s")
finally:
    game.kill()
