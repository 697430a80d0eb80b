#!/usr/bin/env bash
# The whole chain on a virtual X display: a person plays the real game against the computer with
# the mouse, through to the end, closing each message box with Enter; then presses "Play" for a
# second game, which must show the fresh position and answer a move.
# The person's moves come from one velmora-usi; a second velmora-usi, asked only about the
# computer's moves, runs the same decisions from the same seed and so foretells each of them.
# Usage: computer_game_xvfb.sh <velmora> <velmora-usi> <close_window>
set -euo pipefail
velmora=$1
usi=$2
close_window=$3
max_plies=200

source "$(dirname "$0")/xvfb_game.sh"

# Engine $1 on descriptors: commands to fd $2, answers from fd $3.
start_engine() {
    mkfifo "$work/$1.in" "$work/$1.out"
    "$usi" <"$work/$1.in" >"$work/$1.out" &
    pids+=($!)
    eval "exec $2>\"$work/$1.in\" $3<\"$work/$1.out\""
    # The window's own game, not standard minishogi: its start for startpos, its rules, and its
    # computer.
    printf 'setoption name USI_Variant value velmora\nsetoption name Computer value classic\n' >&"$2"
}
start_engine person 5 6
start_engine foreteller 7 8
# The answer of the engine on fds $1/$2 to "go" after the moves so far.
best_move() {
    local line
    printf 'position startpos moves%s\ngo\n' "$moves" >&"$1"
    while read -r -u "$2" line; do
        case $line in bestmove*) echo "${line#bestmove }"; return ;; esac
    done
    fail "an engine stopped answering"
}

# The legal moves of the side to move after the moves so far, one per line.
legal_move_list() {
    local line
    printf 'position startpos moves%s\ngo perft 1\n' "$moves" >&5
    while read -r -u 6 line; do
        case $line in "Nodes searched: "*) return ;; *:*) echo "${line%%:*}" ;; esac
    done
}
legal_moves() { legal_move_list | wc -l; }
first_legal_move() { legal_move_list | sed -n 1p; }

start_game

picture() { pnmcut -left 8 -top 8 -width 176 -height 96 "$work/$1.pnm"; }
pixel() { pnmcut -left "$2" -top "$3" -width 1 -height 1 "$work/$1.pnm" | pnmtoplainpnm | tail -n1 | xargs; }

# Whether the interior of board square $2 in screenshot $1 shows no glyph, only one colour.
square_empty() {
    local n
    n=$(pnmcut -left $(($(square_x "$2") - 7)) -top $(($(square_y "$2") - 7)) -width 15 -height 15 \
        "$work/$1.pnm" | ppmhist -noheader | wc -l)
    [ "$n" -eq 1 ]
}
# Waits for the computer's move $1 to show (its source square emptied, or for a drop its
# destination filled), or for a message box.
await_reply() {
    for _ in $(seq 600); do
        alive
        [ -n "$(message_boxes)" ] && return 1
        shot now
        if [ "${1:1:1}" = "*" ]; then
            square_empty now "${1:2:2}" || return 0
        else
            square_empty now "${1:0:2}" && return 0
        fi
        sleep 0.1
    done
    fail "no reply and no message box after$moves"
}
# Closes the end-of-game message boxes one by one with Enter, as they open.
close_boxes() {
    local box count=0
    for _ in $(seq 100); do
        box=$(message_boxes | head -n1)
        if [ -z "$box" ]; then
            [ "$count" -ge 2 ] && { echo "$count"; return; }
            sleep 0.1
            continue
        fi
        xdotool windowfocus --sync "$box" key Return
        count=$((count + 1))
        for _ in $(seq 50); do message_boxes | grep -qx "$box" || break; sleep 0.1; done
    done
    fail "message boxes did not close"
}

click_at 160 24 1 # "Play": a person plays Sente, the computer Gote, level 1
sleep 0.5
shot start
picture start >"$work/start.picture"
moves=""
plies=0
ending=""
while [ -z "$ending" ]; do
    [ "$plies" -lt "$max_plies" ] || fail "no end after $plies plies:$moves"
    move=$(best_move 5 6)
    [ "$move" = resign ] && move=$(first_legal_move) # a person plays on
    play "$move"
    moves+=" $move"
    plies=$((plies + 1))
    # A mate ends the game before the computer decides, which the foreteller must not see.
    sleep 0.5
    [ -n "$(message_boxes)" ] && [ "$(legal_moves)" -eq 0 ] && ending="the person mated" && break
    reply=$(best_move 7 8)
    if [ "$reply" = resign ]; then
        ending="the computer resigned"
    else
        await_reply "$reply" || fail "a message box instead of the computer's move $reply"
        moves+=" $reply"
        plies=$((plies + 1))
        sleep 0.5 # a mate's message boxes open right after the move is drawn
        [ -n "$(message_boxes)" ] && ending="the computer mated"
    fi
done
boxes=$(close_boxes)
echo "game 1: $ending after $plies plies, $boxes message boxes closed:$moves"

click_at 160 24 1 # "Play" again
sleep 0.5
alive
shot second
picture second | cmp -s - "$work/start.picture" || fail "the second game does not show the start position"
moves=""
move=$(best_move 5 6)
play "$move"
moves=" $move"
reply=$(best_move 7 8)
await_reply "$reply" || fail "a message box instead of the computer's move $reply"
echo "game 2: the fresh position shown, $move answered by $reply as foretold"

"$close_window" "$window"
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the game did not quit when its window was closed"
wait "$game" || fail "the game exited with an error: $(cat "$work/velmora.log")"
