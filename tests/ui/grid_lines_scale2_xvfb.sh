#!/usr/bin/env bash
# The real game on a virtual X display at a desktop scale factor of 2: every picture pixel is
# 2 x 2 device pixels, and a press on either device pixel of a grid line must hit no cell.
# A pawn is picked, then pressed at both halves of each grid line around its destination:
# nothing may move. A press one device pixel further in makes the move.
# Usage: grid_lines_scale2_xvfb.sh <velmora>
set -euo pipefail
velmora=$1

source "$(dirname "$0")/xvfb_game.sh"

start_game QT_SCALE_FACTOR=2
size=$(client_size)
[ "$size" = 386x224 ] || fail "client size is $size, not 386x224 at scale 2"

# The picture, 176 x 96 pixels at (8, 8), is 352 x 192 device pixels at (16, 16).
picture() { xwd -silent -id "$window" | xwdtopnm 2>/dev/null | pnmcut -left 16 -top 16 -width 352 -height 192; }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }

click 320 48 # "Play" at (144 + 16, 18 + 6) in the designed window
picture >"$work/start.pnm"

# Sente's pawn on 1d: picture cell (112, 56)-(128, 72), its middle (120, 64).
click 256 144
picture >"$work/picked.pnm"
cmp -s "$work/start.pnm" "$work/picked.pnm" && fail "clicking the pawn did not pick it"

# Its destination 1c is picture cell (112, 40)-(128, 56): lines x 112 and 128, y 40 and 56.
for point in "240 112" "241 112" "272 112" "273 112" "256 96" "256 97" "256 128" "256 129"; do
    # shellcheck disable=SC2086
    click $point
    picture | cmp -s - "$work/picked.pnm" || fail "a press on the grid line at device pixel $point hit a cell"
done

click 242 112
picture | cmp -s - "$work/picked.pnm" && fail "a press inside the cell at device pixel 242 112 made no move"
echo "at scale 2 the 8 device pixels of the grid lines around a destination hit no cell; the cell's first pixel does"
