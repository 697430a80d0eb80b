# Sourced by the tests that drive the real game on a virtual X display: xvfb_display.sh's setup,
# then start_game to launch $velmora and find its window, and the helpers that look at the window
# and press its keys.
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_display.sh"

# Starts $velmora, with any VAR=value given as its environment and any options after "--", and
# waits for its window; sets $game and $window. The test environment may ask Qt for its offscreen
# platform, which would hide the window. The settings live in the scratch folder, so a
# developer's own never change a test: each test starts with none stored.
start_game() {
    local environment=() options=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do environment+=("$1"); shift; done
    [ $# -gt 0 ] && shift && options=("$@")
    env QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" "${environment[@]}" \
        "$velmora" "${options[@]}" 2>"$work/velmora.log" &
    game=$!
    pids+=("$game")
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Velmora$' | head -n1) \
        || fail "no window titled Velmora: $(cat "$work/velmora.log")"
}
alive() { kill -0 "$game" 2>/dev/null || fail "the game is gone: $(cat "$work/velmora.log")"; }
# The window's client area as WIDTHxHEIGHT.
client_size() { xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
# The game's other visible windows, its message boxes among them.
message_boxes() { xdotool search --onlyvisible --name '^Velmora$' | grep -vx "$window" || true; }

# A screenshot of the window's client area as $work/$1.pnm.
shot() { xwd -silent -id "$window" | xwdtopnm 2>/dev/null >"$work/$1.pnm"; }
# Whether the picture on stdin has a pure red pixel.
has_red() { ppmhist -noheader | grep -Eq '^ *255 +0 +0[[:space:]]'; }

# Clicks the window's pixel (x, y) with mouse button $3 (1 left, 2 middle, 3 right).
click_at() { xdotool mousemove --window "$window" "$1" "$2" click "$3"; }
# Client pixels of the middle of a cell: board squares in USI (5a..1e), hand slots by letter
# (Sente's hand, the person's). The picture sits at (8, 8), the board 48 pixels into it.
square_x() { echo $((8 + 48 + 16 * (5 - ${1:0:1}) + 8)); }
square_y() { echo $((8 + 8 + 16 * ($(printf '%d' "'${1:1:1}") - 97) + 8)); }
declare -A hand_x=([P]=136 [S]=152 [B]=152 [R]=136 [G]=136) hand_y=([P]=72 [S]=56 [B]=40 [R]=40 [G]=56)

# Plays a person's USI move with the mouse: a release picks a board piece (after its press), a
# press picks a hand piece, and a press on the destination moves, the right button promoting.
play() {
    local move=$1 to=${1:2:2} button=1
    [ "${move:4:1}" = "+" ] && button=3
    if [ "${move:1:1}" = "*" ]; then
        click_at $((8 + hand_x[${move:0:1}] + 8)) $((8 + hand_y[${move:0:1}] + 8)) 1
    else
        click_at "$(square_x "${move:0:2}")" "$(square_y "${move:0:2}")" 1
    fi
    click_at "$(square_x "$to")" "$(square_y "$to")" "$button"
}

# Opens the menu of a right press on the window's surface, goes up $1 entries from its end
# (disabled ones are skipped) into that submenu and down $2 entries in it, and chooses.
choose() {
    click_at 2 2 3
    sleep 0.5
    for _ in $(seq "$1"); do xdotool key Up; done
    xdotool key Right
    for _ in $(seq "$2"); do xdotool key Down; done
    xdotool key Return
    sleep 0.3
}
# Presses a key in the window and gives the game ${key_pause:-0.3} seconds to draw its answer.
key() { xdotool windowfocus --sync "$window" key "$1"; sleep "${key_pause:-0.3}"; }
title() { xdotool getwindowname "$window"; }
title_is() { [ "$(title)" = "$1" ]; }
# Retries a check every 0.2 s, for up to 20 s.
await() { for _ in $(seq 100); do "$@" && return 0; sleep 0.2; done; return 1; }
# Whether a message box of the game is open.
boxes_open() { [ -n "$(message_boxes)" ]; }
# Closes the end of a game's message boxes with Enter, one by one as they open (at most three).
close_end_boxes() {
    local box
    for _ in 1 2 3; do
        for _ in $(seq 30); do boxes_open && break; sleep 0.1; done
        boxes_open || break
        box=$(message_boxes | head -n1)
        xdotool windowfocus --sync "$box" key Return
        await eval '! message_boxes | grep -qx "$box"' || fail "a message box did not close"
    done
}
