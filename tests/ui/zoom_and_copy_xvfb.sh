#!/usr/bin/env bash
# The real game on a virtual X display, played against the computer with the mouse and the
# keyboard: the computer answers while the button that made the person's move is still held,
# and its red frames must survive the release; Ctrl+C must put the game on the clipboard as KIF;
# Ctrl+plus must show at zoom 2 and 3 exactly the zoom-1 picture with every pixel a 2 x 2 and
# 3 x 3 block; a click at zoom 3 must pick the cell it picks at zoom 1, and a grid line none.
# Usage: zoom_and_copy_xvfb.sh <velmora>
set -euo pipefail
velmora=$1

source "$(dirname "$0")/xvfb_game.sh"

# A zoom redraws the whole window: more time after each key.
key_pause=0.5
start_game

# The picture, 176 x 96 designed pixels at (8, 8), at zoom $1.
picture() {
    xwd -silent -id "$window" | xwdtopnm 2>/dev/null \
        | pnmcut -left $((8 * $1)) -top $((8 * $1)) -width $((176 * $1)) -height $((96 * $1))
}
# The picture with the four labels that lie on it blacked out: their captions are drawn anew in
# the larger font, not scaled.
without_labels() {
    local z=$1 image
    image=$(mktemp -p "$work")
    cat >"$image"
    for label in "136 10" "136 25" "8 59" "8 74"; do
        read -r x y <<<"$label"
        ppmmake black $((32 * z)) $((12 * z)) | pnmpaste - $((x * z)) $((y * z)) "$image" >"$image.next"
        mv "$image.next" "$image"
    done
    cat "$image"
}
reply_framed() { picture 1 >"$work/held.pnm" && has_red <"$work/held.pnm"; }
window_is() { [ "$(client_size)" = "$1" ]; }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }

click 160 24 # "Play": a person plays Sente, the computer Gote
# Pick the king on 1e, then hold the button down on 2d: the move is made at the press, and the
# computer answers within a timer tick, long before the release over the king, which a release
# would pick again.
click 128 88
xdotool mousemove --window "$window" 112 72 mousedown 1
await reply_framed || fail "the computer's reply is not framed while the button is held"
xdotool mouseup 1
sleep 0.3
picture 1 | cmp -s - "$work/held.pnm" || fail "the release after the move changed the picture"
echo "the computer answered between press and release; its red frames stayed after the release"

key ctrl+c
await xclip -o -selection clipboard >/dev/null 2>&1 || fail "the clipboard holds no text after Ctrl+C"
kif=$(xclip -o -selection clipboard)
grep -qx '手合割：5五将棋' <<<"$kif" || fail "no minishogi header in the copied KIF: $kif"
grep -qx '   1 ２四玉(15)' <<<"$kif" || fail "the person's move is not in the copied KIF: $kif"
grep -q '^   2 ' <<<"$kif" || fail "the computer's reply is not in the copied KIF: $kif"
echo "Ctrl+C copied the game as KIF: $(grep -c '^ *[0-9]' <<<"$kif") moves"

picture 1 >"$work/zoom1.pnm"
for zoom in 2 3; do
    key ctrl+plus
    await window_is "$((193 * zoom))x$((112 * zoom))" || fail "zoom $zoom: the window is $(client_size)"
    pamenlarge "$zoom" "$work/zoom1.pnm" >"$work/expected$zoom.pnm"
    picture "$zoom" | without_labels "$zoom" | cmp -s - <(without_labels "$zoom" <"$work/expected$zoom.pnm") \
        || fail "zoom $zoom: the picture is not the zoom-1 picture scaled pixel for pixel"
done
echo "zoom 2 and 3 show the zoom-1 picture scaled by 2 and 3 pixel for pixel"

# At zoom 3 a designed pixel is 3 x 3 device pixels. The grid line x = 96 of the picture is
# device columns 312 to 314 of the window; the king's cell on 2d starts at designed 97, 57.
picture 3 >"$work/zoom3.pnm"
click 313 201
picture 3 | cmp -s - "$work/zoom3.pnm" || fail "a click on a grid line at zoom 3 changed the picture"
click 315 195
picture 3 >"$work/picked3.pnm"
key ctrl+0
await window_is 193x112 || fail "Ctrl+0: the window is $(client_size)"
picture 1 >"$work/picked1.pnm"
cmp -s "$work/picked1.pnm" "$work/zoom1.pnm" && fail "the click at zoom 3 picked nothing"
pnmcut -left 96 -top 56 -width 1 -height 1 "$work/picked1.pnm" | has_red \
    || fail "the click at zoom 3 did not pick the king on 2d"
pamenlarge 3 "$work/picked1.pnm" | without_labels 3 | cmp -s - <(without_labels 3 <"$work/picked3.pnm") \
    || fail "the pick at zoom 3 is not the pick at zoom 1"
echo "a click at zoom 3 picked the king on 2d as at zoom 1; a click on a grid line picked nothing"
