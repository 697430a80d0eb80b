#!/usr/bin/env bash
# Plays velmora-usi against gnuminishogi in XBoard, the way a player would set them up: XBoard
# as the referee on a virtual X display, velmora-usi behind the uci2wb USI adapter, the colours
# alternating. Prints XBoard's result with velmora-usi's wins, losses and draws, and its Elo
# difference (velmora-match --elo) with a 95% error bar.
#
#   bash tools/gnuminishogi_match.sh [GAMES (10)] [VELMORA_OPTIONS ("Computer=strong")]
#
# VELMORA_OPTIONS is XBoard's -firstOptions: comma-separated NAME=VALUE pairs, which XBoard
# sends to uci2wb and uci2wb to velmora-usi as setoption, but only for options velmora-usi
# declares in its usi answer. Also DEPTH (4: both engines search 4 plies; empty for none),
# TC (1: minutes for each 40 moves; gnuminishogi needs a time control with a number of moves)
# and KEEP=<folder> to keep XBoard's games (PGN) and logs.
set -euo pipefail
cd "$(dirname "$0")/.."
export PATH="$PATH:/usr/games" # where Debian puts xboard, uci2wb and gnuminishogi
games=${1:-10}
options=${2:-Computer=strong}
depth=${DEPTH-4}
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
nice cmake --build build --target velmora-match velmora-usi >/dev/null
engine=$(realpath build/usi/velmora-usi)
source tests/ui/xvfb_display.sh
[ -n "${KEEP:-}" ] && trap 'mkdir -p "$KEEP" && cp "$work"/*.pgn "$work"/xboard.* "$KEEP"/; cleanup' EXIT

# The settings of tests/usi/xboard_match.sh: XBoard's own 5 x 5 start is not minishogi's (its
# "w" moves first, its files a to e are USI files 5 to 1); gnuminishogi speaks protocol 1 only
# and plays the wrong side without colors=0. Pondering is on, as XBoard has it by default.
echo 'rbsgk/4p/5/P4/KGSBR[-] w 0 1' >"$work/start.fen"
xboard -variant shogi -boardWidth 5 -boardHeight 5 -holdingsSize 5 \
    -pieceToCharTable 'P.BR.S...G.+.++.+Kp.br.s...g.+.++.+k' -lpf "$work/start.fen" \
    -fcp "uci2wb debug -var 5x5+5_shogi -s $engine" -fd "$work" -firstOptions "$options" \
    -scp gnuminishogi -sd "$work" -secondProtocolVersion 1 -secondAlphaRank true \
    -secondFeatures "sigint=0 colors=0" -mps 40 -tc "${TC:-1}" ${depth:+-depth "$depth"} \
    -ponder \
    -mg "$games" -matchPause 500 -autoCallFlag true -popupExitMessage false \
    -saveSettingsOnExit false -settingsFile "$work/xboard.settings" \
    -debug -nameOfDebugFile "$work/xboard.debug" -sgf "$work/games.pgn" \
    >"$work/xboard.out" 2>&1 || fail "xboard ended with status $?: $(tail -n 5 "$work/xboard.out")"

# "... final score W-L-D", counted for the first engine, velmora-usi.
result=$(grep -h 'final score' "$work/xboard.out") || fail "no match result: $(tail -n 5 "$work/xboard.out")"
echo "$result"
read -r wins losses draws <<<"$(sed -E 's/.*final score ([0-9]+)-([0-9]+)-([0-9]+).*/\1 \2 \3/' <<<"$result")"
echo "velmora-usi: W $wins D $draws L $losses"
build/tools/match/velmora-match --elo "$wins" "$draws" "$losses"
