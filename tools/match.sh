#!/usr/bin/env bash
# Measures velmora-usi's strong computer against Fairy-Stockfish (Debian fairy-stockfish) with
# velmora-match: standard minishogi, each opening of tools/match/openings.sfen played twice with
# the colours swapped, a fixed time a move. Prints each game, velmora-usi's wins, draws and
# losses, its score and its Elo difference with a 95% error bar.
#
#   bash tools/match.sh [MOVETIME_MS (100)] [GAMES (100)] [more velmora-match options]
#   e.g. bash tools/match.sh 200 100 --option2 "Skill Level=10" --kif-dir games
# Also VELMORA_USI=<path> to measure an engine program built elsewhere.
set -euo pipefail
cd "$(dirname "$0")/.."
movetime=${1:-100}
games=${2:-100}
shift $(($# < 2 ? $# : 2))

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
nice cmake --build build --target velmora-match velmora-usi >/dev/null
exec build/tools/match/velmora-match \
    --engine1 "${VELMORA_USI:-build/usi/velmora-usi}" --option1 Computer=strong \
    --engine2 /usr/games/fairy-stockfish --option2 Threads=1 \
    --movetime "$movetime" --games "$games" "$@"
