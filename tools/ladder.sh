#!/usr/bin/env bash
# Measures the Computer menu's ladder of opponents, the rungs of ui/computer_ladder.h, with
# velmora-match. Each rung plays GAMES games at its own thinking time a move (go movetime, the
# top rung STRONG_MS) against the classic computer in Velmora's game, and against Fairy-Stockfish
# (Debian fairy-stockfish) at Skill Level 0 and at Skill Level 20 in standard minishogi, each
# opening twice with the colours swapped. Then velmora-review judges every move each rung made
# against the classic computer, and the share of its moves that lose each amount of winning
# chance is set beside full strength's. Prints both tables in markdown for docs/levels.md; the
# games, their KIF and the matches' logs stay in LADDER_DIR (a new temporary folder if unset).
#
#   bash tools/ladder.sh [GAMES (40)] [STRONG_MS (1000)]
#
# LADDER_MOVETIME=MS plays every rung at MS instead, for a quick check of the script itself:
#   LADDER_MOVETIME=20 bash tools/ladder.sh 2
#
# Run it on otherwise idle cores: every engine is on a clock. It takes about five hours at the
# defaults (docs/levels.md).
set -euo pipefail
cd "$(dirname "$0")/.."
games=${1:-40}
strong_ms=${2:-1000}
out=${LADDER_DIR:-$(mktemp -d)}
mkdir -p "$out"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
nice cmake --build build --target velmora-match velmora-usi velmora-review >/dev/null
usi=build/usi/velmora-usi
fairy=/usr/games/fairy-stockfish

# The rungs as the table lists them, weakest first: name, SkillLevel, milliseconds a move (0 for
# the Thinking time menu's, which the top rung is measured at STRONG_MS).
mapfile -t rungs < <(sed -n \
    's/^ *{ "\([^"]*\)", *"[^"]*", *\([0-9]*\), *\([0-9]*\), .*/\1 \2 \3/p' ui/computer_ladder.h)
[ ${#rungs[@]} -gt 0 ] || { echo "ladder.sh: no rungs read from ui/computer_ladder.h" >&2; exit 1; }

# One match of a rung (engine 1) against an opponent; prints its table row and keeps its log.
match() {
    local name=$1 skill=$2 ms=$3 opponent=$4 folder=$5
    shift 5
    build/tools/match/velmora-match --engine1 "$usi" --option1 Computer=strong \
        --option1 SkillLevel="$skill" --option1 MoveOverhead=0 "$@" \
        --movetime "$ms" --games "$games" --kif-dir "$out/$folder" >"$out/$folder.log"
    local score elo
    score=$(grep '^Score of ' "$out/$folder.log")
    elo=$(grep '^Elo difference: ' "$out/$folder.log" | sed 's/^Elo difference: \([^ ]*\) +\/- \([^ ]*\).*/\1 ± \2/')
    # "W 10 D 0 L 30, 10.0/40 (25.0%), <engine 1> avg 3.1 ms/move (max 9), <engine 2> avg ..."
    local wdl points times
    wdl=$(sed 's/.*: W \([0-9]*\) D \([0-9]*\) L \([0-9]*\),.*/\1-\2-\3/' <<<"$score")
    points=$(sed 's/.*, \([0-9.]*\/[0-9]* ([0-9.]*%)\),.*/\1/' <<<"$score")
    mapfile -t times < <(grep -o 'avg [0-9.]* ms/move' <<<"$score" | cut -d' ' -f2)
    echo "| $name ($ms ms) | $opponent | $points | $wdl | $elo | ${times[0]} | ${times[1]} |"
}

echo "| Level | Opponent | Score | W-D-L | Elo | ms/move, level | ms/move, opponent |"
echo "|---|---|---:|---:|---:|---:|---:|"
for rung in "${rungs[@]}"; do
    read -r name skill ms <<<"$rung"
    [ "$ms" -ne 0 ] || ms=$strong_ms
    ms=${LADDER_MOVETIME:-$ms}
    match "$name" "$skill" "$ms" "classic computer" "$name-classic" \
        --engine2 "$usi" --option2 Computer=classic --rules velmora
    for level in 0 20; do
        match "$name" "$skill" "$ms" "Fairy-Stockfish Skill Level $level" "$name-fairy-$level" \
            --engine2 "$fairy" --option2 Threads=1 --option2 "Skill Level=$level" --swap-clocks2
    done
done

echo
echo "Winning chance lost per move, in the games against the classic computer:"
echo
python3 tools/ladder/losses.py --header
for rung in "${rungs[@]}"; do
    read -r name _ <<<"$rung"
    python3 tools/ladder/losses.py build/tools/review/velmora-review velmora "$out/$name-classic" "$name"
done
echo
echo "Games and logs: $out"
