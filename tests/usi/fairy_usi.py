#!/usr/bin/env python3
"""Fairy-Stockfish 11.1 as a minishogi USI engine that uci2wb can put into XBoard.

uci2wb announces the variants of an engine's UCI_Variant option to XBoard, and Fairy-Stockfish's
list has no "5x5+5_shogi", the name XBoard's 5 x 5 shogi needs; so the option is hidden and
minishogi chosen here. Its Protocol option is hidden too: XBoard would store it and send it back
as "uci" at the next game. And 11.1 reads btime and wtime the other way round in USI, so they are
swapped (with binc and winc) on the way in, and it plans on its own clock."""
import subprocess
import sys
import threading

HIDDEN_OPTIONS = ("option name UCI_Variant ", "option name Protocol ")
SWAPPED = {"btime": "wtime", "wtime": "btime", "binc": "winc", "winc": "binc"}

fairy = subprocess.Popen(["/usr/games/fairy-stockfish"], stdin=subprocess.PIPE,
                         stdout=subprocess.PIPE, text=True, bufsize=1)


def answers():
    for line in fairy.stdout:
        if not line.startswith(HIDDEN_OPTIONS):
            sys.stdout.write(line)
            sys.stdout.flush()


def send(line):
    fairy.stdin.write(line + "\n")
    fairy.stdin.flush()


threading.Thread(target=answers, daemon=True).start()
for line in sys.stdin:
    words = line.split()
    if words[:1] == ["go"]:
        words = [SWAPPED.get(word, word) for word in words]
    send(" ".join(words))
    if words[:1] == ["usi"]:
        send("setoption name UCI_Variant value minishogi")
    if words[:1] == ["quit"]:
        break
fairy.wait()
