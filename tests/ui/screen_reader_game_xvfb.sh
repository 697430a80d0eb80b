#!/usr/bin/env bash
# A whole game against the classic computer as a screen-reader user plays it, on a virtual X
# display with the accessibility bus: keys only, from Tab to "Play" to the closing of the end
# messages; the person's moves alternate between the board's cursor and moves typed into the
# Move field. A listener on the bus writes down every focus and every announcement, and these
# must name each move of the record, both sides', and the result.
# The person's moves come from velmora-usi, which reads the game from the window's own
# Ctrl+Shift+C. Run inside a D-Bus session (dbus-run-session), as CTest does.
# Usage: screen_reader_game_xvfb.sh <velmora> <velmora-usi> <close_window>
set -euo pipefail
velmora=$1
usi=$2
close_window=$3
max_person_moves=60
here=$(dirname "$0")

source "$here/xvfb_game.sh"
key_pause=0.05
# Presses several keys in a row in the window.
keys() { xdotool windowfocus --sync "$window" key --delay 30 "$@"; sleep "$key_pause"; }

# The accessibility bus, its registry and the listener that stands in for the screen reader.
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$work/bus.log" &
pids+=($!)
bus_up() { dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; }
await bus_up || fail "no accessibility bus: $(cat "$work/bus.log")"
/usr/libexec/at-spi2-registryd 2>"$work/registry.log" &
pids+=($!)
/usr/bin/python3 "$here/a11y_listener.py" "$work/heard.tsv" 2>"$work/listener.log" &
pids+=($!)
await grep -q '^ready' "$work/heard.tsv" 2>/dev/null || fail "the listener did not start: $(cat "$work/listener.log")"

start_game QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# What was announced, one line each, and what took the focus.
said() { awk -F'\t' '$1 == "notification" { print $2 }' "$work/heard.tsv"; }
focused() { awk -F'\t' '$1 == "focus" { print $2 ": " $3 }' "$work/heard.tsv" | tail -n1; }
# The announcements of moves: "Sente pawn 1d to 1c", "Gote silver dropped on 3c, check", ...
move_pattern='^(Sente|Gote) [a-z ]+ ([1-5][a-e] (to|takes) |dropped on )'
moves_said() { said | grep -cE "$move_pattern" || true; }
last_said() { said | tail -n1; }
ended() { said | grep -qE ' wins\b|resign'; }

# Engine for the person's moves, on fds 5 and 6.
mkfifo "$work/engine.in" "$work/engine.out"
"$usi" <"$work/engine.in" >"$work/engine.out" &
pids+=($!)
exec 5>"$work/engine.in" 6<"$work/engine.out"
printf 'setoption name USI_Variant value velmora\nsetoption name Computer value classic\n' >&5
# The game so far as the window copies it: the USI line after the SFEN, once it holds as many
# moves as were announced.
move_count() { case $1 in *" moves "*) set -- ${1#* moves }; echo $# ;; *) echo 0 ;; esac; }
game_line() {
    local line
    key ctrl+shift+c
    for _ in $(seq 50); do
        line=$(xclip -o -selection clipboard 2>/dev/null | sed -n 2p)
        [ "$(move_count "$line")" -eq "$(moves_said)" ] && { echo "$line"; return; }
        sleep 0.1
    done
    fail "the copied game has not the $(moves_said) moves announced: $line"
}
engine_answer() {
    local line
    printf '%s\n%s\n' "$1" "$2" >&5
    while read -r -u 6 line; do
        case $line in
        bestmove*) echo "${line#bestmove }"; return ;;
        "Nodes searched: "*) return ;;
        *:*) echo "${line%%:*}" ;;
        esac
    done
    fail "the engine stopped answering"
}

# Tab from the board to "Play" (board, Sente's hand, Gote's hand, Play), press it, go back.
xdotool windowfocus --sync "$window"
await eval 'focused | grep -q "^table"' || fail "the board does not have the focus at start: $(focused)"
key Tab; key Tab; key Tab
await eval 'focused | grep -qx "push button: Play"' || fail "Tab did not reach Play: $(focused)"
key space
await eval 'said | grep -q "to move"' || fail "Play was not announced: $(last_said)"
key shift+Tab; key shift+Tab; key shift+Tab
await eval 'focused | grep -q "^table cell"' || fail "Shift+Tab did not return to the board: $(focused)"

# The cursor starts on 3c; x is the column 1..5 from the left (file 5..1), y the row (rank a..e).
cx=3
cy=3
file_x() { echo $((6 - ${1:0:1})); }
rank_y() { echo $(($(printf '%d' "'${1:1:1}") - 96)); }
on_square() { focused | grep -q "^table cell: $square"; }
cursor_to() {
    local x y arrows=()
    square=$1
    x=$(file_x "$1")
    y=$(rank_y "$1")
    while [ "$cx" -lt "$x" ]; do arrows+=(Right); cx=$((cx + 1)); done
    while [ "$cx" -gt "$x" ]; do arrows+=(Left); cx=$((cx - 1)); done
    while [ "$cy" -lt "$y" ]; do arrows+=(Down); cy=$((cy + 1)); done
    while [ "$cy" -gt "$y" ]; do arrows+=(Up); cy=$((cy - 1)); done
    [ ${#arrows[@]} -eq 0 ] || keys "${arrows[@]}"
    await on_square || fail "the cursor is not on $1: $(focused)"
}
picked() { last_said | grep -q "^Picked $square"; }
played_or_asked() { [ "$(moves_said)" -gt "$before" ] || last_said | grep -q "^Promote?"; }
# A board move by the cursor: Space on the piece, Space on the destination, then Y or N if
# asked.
play_by_cursor() {
    local move=$1
    cursor_to "${move:0:2}"
    key space
    await picked || fail "no pick of ${move:0:2}: $(last_said)"
    cursor_to "${move:2:2}"
    key space
    await played_or_asked || fail "$move was not played: $(last_said)"
    if last_said | grep -q "^Promote?"; then
        if [ "${move:4:1}" = + ]; then key y; else key n; fi
    fi
}
field_open() { focused | grep -qx "text: Move"; }
# A move typed on the board: its first character opens the Move field.
play_typed() {
    xdotool type --delay 40 "$1"
    await field_open || fail "the Move field did not open: $(focused)"
    key Return
    cx=$(file_x "${1:2:2}")
    cy=$(rank_y "${1:2:2}")
}

# Whether $1 more moves have been announced since $before.
announced() { [ "$(moves_said)" -ge $((before + $1)) ]; }
person_moves=0
while ! ended; do
    [ "$person_moves" -lt "$max_person_moves" ] || fail "no end after $person_moves moves of the person"
    line=$(game_line)
    move=$(engine_answer "$line" go)
    [ "$move" = resign ] && move=$(engine_answer "$line" "go perft 1" | sed -n 1p) # a person plays on
    before=$(moves_said)
    # Half the moves by the cursor, half typed; drops are typed.
    if [ $((person_moves % 2)) -eq 0 ] && [ "${move:1:1}" != "*" ]; then
        play_by_cursor "$move"
    else
        play_typed "$move"
    fi
    person_moves=$((person_moves + 1))
    await announced 1 || fail "$move was not announced: $(last_said)"
    # The computer's reply, or the end.
    await eval 'ended || announced 2' || fail "no reply to $move announced: $(last_said)"
done

# The end messages are closed with Enter, one by one, as they open.
close_end_boxes

# Every move of the record was announced in its order, by side, squares and promotion.
record=$(game_line)
record_moves=(${record#* moves })
mapfile -t heard < <(said | grep -E "$move_pattern")
[ ${#heard[@]} -eq ${#record_moves[@]} ] \
    || fail "${#record_moves[@]} moves in the record, ${#heard[@]} announced: ${heard[*]}"
for i in "${!record_moves[@]}"; do
    m=${record_moves[$i]}
    words=${heard[$i]}
    side=Sente
    [ $((i % 2)) -eq 1 ] && side=Gote
    [[ $words == "$side "* ]] || fail "move $((i + 1)) $m announced for the wrong side: $words"
    if [ "${m:1:1}" = "*" ]; then
        [[ $words == *"dropped on ${m:2:2}"* ]] || fail "move $((i + 1)) $m announced as: $words"
    else
        [[ $words == *"${m:0:2}"*"${m:2:2}"* ]] || fail "move $((i + 1)) $m announced as: $words"
    fi
    if [ "${m:4:1}" = + ]; then
        [[ $words == *promotes* ]] || fail "move $((i + 1)) $m: no promotion in: $words"
    fi
done
result=$(said | grep -E ' wins\b|resign' | head -n1)
echo "a game of ${#record_moves[@]} moves played by keys, every move announced; the result: $result"

"$close_window" "$window"
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the game did not quit when its window was closed"
wait "$game" || fail "the game exited with an error: $(cat "$work/velmora.log")"
