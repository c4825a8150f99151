#!/usr/bin/env python3
"""Kills the real game at random moments while computer seats play a kept game, and checks after
each kill that the kept file is whole and that the next start takes it up again.

Usage: kill.py GAME KILLS SEED (on an X display, as tests/crash/run.sh starts it)."""
import json
import os
import random
import signal
import subprocess
import sys
import tempfile
import time

GAME, KILLS, SEED = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
rng = random.Random(SEED)
SAVE = [""]


def fail(why):
    print("FAIL:", why)
    if os.environ.get("KAVGALIJA_CRASH_KEEP") and os.path.exists(SAVE[0]):
        subprocess.run(["cp", SAVE[0], os.environ["KAVGALIJA_CRASH_KEEP"]])
        subprocess.run(["cp", os.path.dirname(os.path.dirname(os.path.dirname(SAVE[0]))) + "/game.log", os.environ["KAVGALIJA_CRASH_KEEP"] + ".log"])
    sys.exit(1)


def start_game(home):
    env = dict(os.environ, XDG_DATA_HOME=home + "/data", XDG_CONFIG_HOME=home + "/config",
               SDL_AUDIODRIVER="dummy")
    return subprocess.Popen([GAME, "--seed", str(SEED), "--lang", "sr"], env=env,
                            stdout=subprocess.DEVNULL, stderr=open(home + "/game.log", "ab"))


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=20)


def kept_game(path):
    """The kept game as JSON, or why it is not a whole one."""
    try:
        with open(path, encoding="utf-8") as f:
            game = json.load(f)
    except (OSError, ValueError) as e:
        return None, str(e)
    if game.get("format") != 1 or len(game.get("players", [])) != 4:
        return None, "not a game of this format"
    return game, ""


# Four computer seats on a drawn board, the first to roll: they play on by themselves.
kinds = ["polje", "nagrada", "opasnost", "coin", "polje", "polje"]
board = [""] + [rng.choice(kinds) for _ in range(29)]
weapons, shields = ["sword", "axe", "dagger", "spear"], ["", "crveni stit", "", "plavi stit"]
players = [dict(name="Racunar %d" % (k + 1), square=[0, 1, 21, 11][k], gold=0, armor=k,
                weapon=weapons[k], shield=shields[k], health=10, weaponPower=0, skipTurns=0,
                portraitNo=k, portrait="\\lik%02d.gif" % k, soundTheme="", computer=True)
           for k in range(4)]
start = dict(format=1, players=players, squareKind=board, playersInGame=4, currentPlayer=0,
             opponentIndex=4, creatingPlayer=3, newGame=0, goldToWin=100, fightOpen=0,
             blowDamage=0, guardRoll=0, strikeRoll=0, shieldRoll=0, attackSoundPick=0,
             tauntRoll=0, backgroundNumber=0, stage=2, rewardOffered=0, mishapStruck=0,
             goldStolen=0, blowNext=0, metMayFlee=False, spoilAsked=0, dice="")

with tempfile.TemporaryDirectory() as home:
    folder = home + "/data/kavgalija"
    os.makedirs(folder)
    save = folder + "/game.json"
    SAVE[0] = save
    with open(save, "w", encoding="utf-8") as f:
        json.dump(start, f)
    changed = 0
    for kill in range(1, KILLS + 1):
        before = open(save, "rb").read()
        for attempt in range(3):
            game = start_game(home)
            deadline = time.monotonic() + 20
            while True:
                found = xdotool("search", "--onlyvisible", "--name", "^KAVGALIJA!$")
                if found.returncode == 0 and found.stdout.split():
                    break
                if time.monotonic() > deadline or game.poll() is not None:
                    break
                time.sleep(0.1)
            if found.returncode == 0 and found.stdout.split():
                break
            game.kill()
            game.wait()
            # The X server, still letting the killed game go, now and then turns a new one away.
            with open(home + "/game.log", encoding="utf-8", errors="replace") as log:
                said = log.read()
            if "could not connect to display" not in said[-2000:]:
                fail("kill %d: the title never showed (the game ended with %s): %s" % (
                    kill, game.returncode, said[-600:]))
            time.sleep(0.5)
        else:
            fail("kill %d: the X server turned the game away three times" % kill)
        # NASTAVI is the title's first button and the one Enter presses.
        time.sleep(0.2)
        xdotool("key", "--window", found.stdout.split()[0], "Return")
        time.sleep(rng.uniform(0.3, 2.5))
        game.send_signal(signal.SIGKILL)
        game.wait()
        aside = [n for n in os.listdir(folder) if ".bad-" in n]
        if aside:
            fail("kill %d: the game set its kept file aside: %s" % (kill, aside))
        kept, why = kept_game(save)
        if kept is None:
            fail("kill %d: the kept file is not whole: %s" % (kill, why))
        if kept.get("stage") in (0, 9):
            fail("kill %d: no game in progress was kept" % kill)
        changed += open(save, "rb").read() != before
    # The computers played on between the kills, each start where the last left off.
    if changed < KILLS // 3:
        fail("the kept game moved on in only %d of %d runs" % (changed, KILLS))
    print("crash: %d kills, the kept game whole after each, moved on in %d runs" % (KILLS, changed))
