#!/usr/bin/env python3
"""What one engine's moves lose in the games of a velmora-match --kif-dir folder.

Reviews every game-NNN.usi with velmora-review --json and bins the winning chance each move of
engine 1 (Sente in the odd-numbered games, Gote in the even ones) loses, on the review's scale of
-1 (lost) to +1 (won). Moves the review leaves unjudged lost less than 0.1. Prints one markdown
row: the name given, the moves, and the share of them in each bin.

Usage: losses.py VELMORA_REVIEW RULES FOLDER NAME
"""
import glob
import json
import os
import subprocess
import sys

# The upper ends of the bins; the review judges from 0.1 (inaccuracy), 0.2 (mistake), 0.3 (blunder).
BINS = [0.1, 0.2, 0.3, 0.5, 1.0, float("inf")]
HEADER = ["< 0.1", "0.1-0.2", "0.2-0.3", "0.3-0.5", "0.5-1", ">= 1"]


def engine1_moves(usi_line, engine1_side):
    """How many moves engine 1 made in the game of a USI position line."""
    words = usi_line.split()
    start_side = "sente" if words[3] == "b" else "gote"
    moves = len(words) - words.index("moves") - 1 if "moves" in words else 0
    first = (moves + 1) // 2
    return first if start_side == engine1_side else moves // 2


def main():
    review, rules, folder, name = sys.argv[1:5]
    counts = [0] * len(BINS)
    total = 0
    for path in sorted(glob.glob(os.path.join(folder, "game-*.usi"))):
        number = int(os.path.basename(path)[5:8])
        side = "sente" if number % 2 == 1 else "gote"
        with open(path, encoding="utf-8") as f:
            moves = engine1_moves(f.read().strip(), side)
        report = json.loads(subprocess.run([review, "--json", "--rules", rules, path],
                                           check=True, capture_output=True, text=True).stdout)
        losses = [m["loss"] for m in report["moves"] if m["side"] == side]
        counts[0] += moves - len(losses)
        for loss in losses:
            counts[next(i for i, top in enumerate(BINS) if loss < top)] += 1
        total += moves
    shares = [f"{100.0 * c / total:.1f}%" if total else "-" for c in counts]
    print("| " + " | ".join([name, str(total)] + shares) + " |")


if __name__ == "__main__":
    if len(sys.argv) == 2 and sys.argv[1] == "--header":
        print("| Level | moves | " + " | ".join(HEADER) + " |")
        print("|---|---:|" + "---:|" * len(HEADER))
    else:
        main()
