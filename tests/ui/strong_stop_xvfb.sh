#!/usr/bin/env bash
# The strong computer in the real window on a virtual X display, chosen from the context menu:
# while it thinks the window answers (Ctrl+Shift+C copies the position) and shows no move; "Stop"
# ends the game at once and no move comes later; with 1 s to think it answers with a framed move;
# and a window closed while it thinks quits cleanly.
# Usage: strong_stop_xvfb.sh <velmora> <close_window>
set -euo pipefail
velmora=$1
close_window=$2

source "$(dirname "$0")/xvfb_game.sh"

start_game

picture() { pnmcut -left 8 -top 8 -width 176 -height 96 "$work/$1.pnm"; }
# The board alone: the labels lie on the picture and change with the game.
board() { pnmcut -left 56 -top 16 -width 81 -height 81 "$work/$1.pnm"; }
play_label() { pnmcut -left 144 -top 18 -width 32 -height 12 "$work/$1.pnm"; }
same() { cmp -s <("$1" "$2") <("$1" "$3"); }
shown_sfen() { key ctrl+shift+c; xclip -o -selection clipboard | head -n1; }
# From the end of the idle window's menu: About Velmora, Keys and menus…, Zoom in, Thinking
# time, Computer.
choose_computer_strong() { choose 5 5; } # the top of the ladder
choose_thinking_time() { choose 4 "$1"; } # 0 for 1 s, 1 for 3 s, 2 for 10 s
stop_or_play() { click_at 160 24 1; }

choose_computer_strong
click_at 160 39 1 # the bottom label: the computer plays Sente
sleep 0.3
shot idle
stop_or_play # "Play" with the default 3 s to think
sleep 1
alive
shot thinking
same board idle thinking || fail "a move within 1 s: the classic computer answers, not the strong one"
same play_label idle thinking && fail "no game started"
[ "$(shown_sfen)" = "kgsbr/p4/5/4P/RBSGK b - 1" ] || fail "the window did not answer Ctrl+Shift+C while thinking"
echo "thinking: no move after 1 s, and the window answered Ctrl+Shift+C"

stop_or_play # "Stop"
await eval 'shot stopped; same play_label idle stopped' || fail "the caption is not Play after Stop"
sleep 3.5 # longer than the thinking time left
alive
shot later
same board idle later || fail "a move was made after Stop"
[ -z "$(message_boxes)" ] || fail "a message box after Stop"
echo "Stop: the game ended with no move, and none came after the thinking time"

choose_thinking_time 0
stop_or_play # "Play" with 1 s to think
# A shot may catch the window half redrawn, so the frame is awaited with the move.
await eval 'shot answered; ! same board idle answered && picture answered | has_red' \
    || fail "no framed move from the strong computer"
echo "1 s: the strong computer answered with a framed move"

stop_or_play # "Stop"
choose_thinking_time 2
stop_or_play # "Play" with 10 s to think
sleep 0.5
"$close_window" "$window"
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the game did not quit when its window was closed while thinking"
wait "$game" || fail "the game exited with an error: $(cat "$work/velmora.log")"
echo "closed while thinking: the game quit cleanly"
