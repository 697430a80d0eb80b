#!/usr/bin/env bash
# Plays whole games of minishogi between velmora-usi and gnuminishogi or Fairy-Stockfish in XBoard,
# unattended under Xvfb, velmora-usi behind the uci2wb USI adapter with pondering on (XBoard's
# default), and fails on anything XBoard holds against velmora-usi: an illegal move, a pawn-drop
# mate, a lost connection, a flag fall, a protocol fault, an error line from velmora-usi.
# Usage: xboard_match.sh VELMORA_USI [GAMES] [gnuminishogi|fairy-stockfish]
# (games alternate colours; default 2 against gnuminishogi)
set -euo pipefail
export PATH="$PATH:/usr/games" # where Debian puts xboard, uci2wb and gnuminishogi
engine=$(realpath "$1")
games=${2:-2}
opponent=${3:-gnuminishogi}
here=$(dirname "$(realpath "$0")")
source "$here/../ui/xvfb_display.sh"

# XBoard's own 5 x 5 start is not minishogi's; its "w" is the side that moves first, and its
# files a to e are USI files 5 to 1.
echo 'rbsgk/4p/5/P4/KGSBR[-] w 0 1' >"$work/start.fen"
case $opponent in
# gnuminishogi speaks protocol 1 only, plays the wrong side without colors=0 and needs a time
# control with a number of moves; searching 4 plies deep it moves at once and keeps its clock.
gnuminishogi)
    second=(-scp gnuminishogi -secondProtocolVersion 1 -secondAlphaRank true
        -secondFeatures "sigint=0 colors=0")
    clock=(-mps 40 -tc 1 -depth 4)
    ;;
# Fairy-Stockfish's own XBoard mode does not know XBoard's 5 x 5 shogi: it plays as a USI engine
# behind a second uci2wb, through a wrapper that chooses minishogi (fairy_usi.py).
fairy-stockfish)
    second=(-scp "uci2wb debug -var 5x5+5_shogi -s $here/fairy_usi.py")
    clock=(-tc 0:10 -inc 1)
    ;;
*) fail "unknown opponent $opponent" ;;
esac
xboard -variant shogi -boardWidth 5 -boardHeight 5 -holdingsSize 5 \
    -pieceToCharTable 'P.BR.S...G.+.++.+Kp.br.s...g.+.++.+k' -lpf "$work/start.fen" \
    -fcp "uci2wb debug -var 5x5+5_shogi -s $engine" -fd "$work" "${second[@]}" -sd "$work" \
    "${clock[@]}" -ponder \
    -mg "$games" -matchPause 500 -autoCallFlag true -popupExitMessage false \
    -saveSettingsOnExit false -settingsFile "$work/xboard.settings" \
    -debug -nameOfDebugFile "$work/xboard.debug" -sgf "$work/games.pgn" \
    >"$work/xboard.out" 2>&1 || fail "xboard ended with status $?: $(tail -n 5 "$work/xboard.out")"

grep -h 'final score' "$work/xboard.out" || fail "no match result: $(tail -n 5 "$work/xboard.out")"
cat "$work/games.pgn"
# uci2wb reports a bestmove during ponder and a dead engine in the thinking output.
if grep -E 'UCI violation|died on me' "$work/xboard.debug"; then fail "protocol fault"; fi
if grep -E '<first : # engine said: info string error' "$work/xboard.debug"; then
    fail "velmora-usi refused a line"
fi
# Pondering must really have happened, or the match proves nothing about it.
grep -q '<first : # go ponder' "$work/xboard.debug" || fail "velmora-usi never pondered"
echo "velmora-usi pondered $(grep -c '<first : # go ponder' "$work/xboard.debug") times," \
    "$(grep -c '<first : # ponderhit' "$work/xboard.debug") of them on the move played"

# One line per game: velmora-usi's colour, the result and XBoard's reason for it.
awk '
    /^\[White "/ { velmora = ($0 ~ /Velmora/) ? "1-0" : "0-1" }
    /^\[Result "/ { result = $2; gsub(/[]"]/, "", result) }
    /^\{/ && !/^\{-/ { reason = $0 }
    /^(1-0|0-1|1\/2-1\/2|\*)$/ || / (1-0|0-1|1\/2-1\/2)$/ { print velmora, result, reason }
' "$work/games.pgn" >"$work/outcomes"
[ "$(wc -l <"$work/outcomes")" -eq "$games" ] || fail "expected $games games, got: $(cat "$work/outcomes")"
while read -r wins result reason; do
    case "$result" in 1-0 | 0-1) ;; *) continue ;; esac
    [ "$result" = "$wins" ] && continue
    if grep -qiE 'illegal|pawn-drop|forfeit|violation|time|disconnect|died|crash|false' <<<"$reason"; then
        fail "velmora-usi lost a game by $reason"
    fi
done <"$work/outcomes"
echo "PASS: $(wc -l <"$work/outcomes") games, none lost by a fault of velmora-usi"
