#!/usr/bin/env bash
# Measures velmora-usi's strong computer against Fairy-Stockfish (Debian fairy-stockfish) with
# velmora-match at equal time: standard minishogi, the openings of tools/match/openings-400.sfen
# each played twice with the colours swapped. Prints each game, velmora-usi's wins, draws and
# losses, its score, its Elo difference with a 95% error bar, and each engine's average time a
# move.
#
#   bash tools/match.sh [TIME (200)] [GAMES (100)] [more velmora-match options]
#
# TIME is a movetime in milliseconds (go movetime, which both engines think on in full) or a clock
# for the game, SECONDS+INC (10+0.1). Options after it override it, e.g. time odds on a clock:
#   bash tools/match.sh 10+0.1 40 --tc2 40+0.4 --kif-dir games
# Also VELMORA_USI=<path> to measure an engine program built elsewhere.
set -euo pipefail
cd "$(dirname "$0")/.."
time=${1:-200}
games=${2:-100}
shift $(($# < 2 ? $# : 2))

if [[ $time == *+* ]]; then
    timing=(--tc "$time")
else
    # velmora-usi keeps MoveOverhead (30 ms) of a movetime back for a front end's pipes, where
    # Fairy-Stockfish thinks all of it; the match's margin covers the pipes, so both think it all.
    timing=(--movetime "$time" --option1 MoveOverhead=0)
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
nice cmake --build build --target velmora-match velmora-usi >/dev/null
# Debian's Fairy-Stockfish 11.1 reads btime and wtime (and binc and winc) the other way round in
# USI, so it is told them swapped; a movetime has no clocks to swap.
exec build/tools/match/velmora-match \
    --engine1 "${VELMORA_USI:-build/usi/velmora-usi}" --option1 Computer=strong \
    --engine2 /usr/games/fairy-stockfish --option2 Threads=1 --swap-clocks2 \
    "${timing[@]}" --games "$games" "$@"
