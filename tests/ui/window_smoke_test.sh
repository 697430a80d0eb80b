#!/usr/bin/env bash
# Starts the real game on a virtual X display, finds its window, checks its size and a few
# pixels, presses "Play" and closes the window as a person would.
# Usage: window_smoke_test.sh <velmora> <close_window>
set -euo pipefail
velmora=$1
close_window=$2

source "$(dirname "$0")/xvfb_game.sh"

start_game

size=$(client_size)
[ "$size" = 193x112 ] || fail "client size is $size, not 193x112"

# The RGB value of client pixel (x, y) in a screenshot.
pixel() { pnmcut -left "$2" -top "$3" -width 1 -height 1 "$1" | pnmtoplainpnm | tail -n1 | xargs; }
expect_pixel() {
    local got
    got=$(pixel "$work/before.pnm" "$1" "$2")
    [ "$got" = "$3" ] || fail "pixel $1,$2 is ($got), expected ($3): $4"
}
shot before
expect_pixel 8 8 "0 102 0" "the picture's dark green corner"
expect_pixel 18 18 "0 187 0" "Gote's hand"
expect_pixel 73 49 "0 221 0" "an empty board square"
expect_pixel 72 48 "0 0 0" "a grid line"
expect_pixel 4 4 "$(pixel "$work/before.pnm" 190 108)" "the window's background"

# Label1 sits at (144, 18), 32 x 12: a press turns "Play" into "Stop".
label() { pnmcut -left 144 -top 18 -width 32 -height 12 "$1"; }
xdotool mousemove --window "$window" 160 24 click 1
sleep 0.5
shot after
if cmp -s <(label "$work/before.pnm") <(label "$work/after.pnm"); then
    fail "the Play label did not change when pressed"
fi

"$close_window" "$window"
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the game did not quit when its window was closed"
status=0
wait "$game" || status=$?
[ "$status" -eq 0 ] || fail "the game exited with status $status: $(cat "$work/velmora.log")"
echo "velmora started, showed a 193x112 window, took a press on Play and quit cleanly"
