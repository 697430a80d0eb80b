#!/usr/bin/env bash
# Takes the README's screenshot from the current build: the game on a virtual X display, a game
# against the computer one move each, photographed as docs/velmora.png and enlarged three times
# by pixel repetition (nearest neighbour) as docs/velmora-3x.png, the picture the README and the
# AppStream metadata show.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh run test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target velmora >/dev/null

velmora=build/ui/velmora
source tests/ui/xvfb_game.sh
start_game
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.5; }

click 160 24 # "Play": the person has Sente (bottom), the computer Gote
# The person's move, USI ${MOVE:-3e2d}, as two clicks on the middles of the squares: the picture
# sits at (8, 8), its board 48 pixels in, with 16-pixel squares, files 5 to 1 left to right.
move=${MOVE:-3e2d}
square_x() { echo $((8 + 48 + 16 * (5 - ${1:0:1}) + 8)); }
square_y() { echo $((8 + 8 + 16 * ($(printf '%d' "'${1:1:1}") - 97) + 8)); }
click "$(square_x "${move:0:2}")" "$(square_y "${move:0:2}")"
click "$(square_x "${move:2:2}")" "$(square_y "${move:2:2}")"
sleep 1 # the computer answers within a frame; the wait is for the picture to settle

xwd -silent -id "$window" | xwdtopnm 2>/dev/null | pnmtopng >docs/velmora.png
pngtopnm docs/velmora.png | pamenlarge 3 | pnmtopng >docs/velmora-3x.png
echo "wrote docs/velmora.png and docs/velmora-3x.png after $move"
