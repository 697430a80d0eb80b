#!/usr/bin/env bash
# The real game on a virtual X display: a game lost to the classic computer with the mouse, its
# end messages closed with Enter, then Ctrl+R: the review window opens. Learning from
# Sente's mistakes borrows the board: the move played again is refuted with the computer's reply,
# after "Try again" a better one is accepted, and "Stop learning" gives back the board's picture
# and the title. Started in Japanese, the same game's review window is titled in Japanese.
# Usage: review_xvfb.sh <velmora> [where to save the review window as PNG]
set -euo pipefail
velmora=$1
screenshot=${2:-}

source "$(dirname "$0")/xvfb_game.sh"

# The person's moves (Sente) and the classic computer's answers from a fresh start: it takes the
# rook at once and mates on its sixth move. Only Sente's first move is judged in the review.
person=(5e5b 4e1b 2e3d 3e4d 1e2d 2d1e)
lost="5e5b 4a5b 4e1b 2a1b 2e3d R*5c 3e4d 1b3d 1e2d G*2c 2d1e B*2d"

english=(LANG=C LC_ALL= LC_MESSAGES= LANGUAGE=)
start_game "${english[@]}"

# The game as a USI position line, from the clipboard that Ctrl+Shift+C fills.
game_line() { key ctrl+shift+c && xclip -o -selection clipboard | sed -n 2p | tr -d '\r'; }
# The moves of the game line, one space apart.
moves_of() { local moves=${1#* moves }; echo $moves; }
moves_made() { local line; line=$(game_line); [[ $line == *" moves "* ]] && wc -w <<<"${line#* moves }" || echo 0; }

click_at 160 24 1 # "Play": the person has Sente, the computer Gote
for i in "${!person[@]}"; do
    play "${person[$i]}"
    if [ $((i + 1)) -lt ${#person[@]} ]; then
        await eval '[ "$(moves_made)" -ge $((2 * i + 2)) ]' || fail "no answer to ${person[$i]}: $(game_line)"
    fi
done
await boxes_open || fail "the game did not end: no message box"
close_end_boxes
line=$(game_line)
[ "$(moves_of "$line")" = "$lost" ] || fail "the game went otherwise: $line"
echo "a game lost to the computer: $lost"

key ctrl+r
review=$(timeout 120 xdotool search --sync --onlyvisible --name '^Velmora - review$' | head -n1) \
    || fail "no review window: $(cat "$work/velmora.log")"
echo "Ctrl+R opened the review window"
# The board is the window's: raised above the review and the graph to be seen and clicked.
xdotool windowraise "$window"
sleep 1
shot before
in_review() { xdotool windowfocus --sync "$review" key "$1"; sleep 0.3; }

in_review alt+s # "Learn from Sente's mistakes"
await title_is "Velmora - learning, move 1" || fail "learning did not start: '$(title)'"
xdotool windowraise "$window"
play 5e5b
await title_is "Velmora - learning, move 1: 5e5b refuted by 4a5b" \
    || fail "the mistake played again: '$(title)'"
echo "the mistake played again: $(title)"
in_review alt+t # "Try again"
await title_is "Velmora - learning, move 1" || fail "Try again: '$(title)'"
xdotool windowraise "$window"
play 3e2d
await title_is "Velmora - learning, move 1: 3e2d accepted" || fail "a better move: '$(title)'"
echo "a better move: $(title)"
if [ -n "$screenshot" ]; then
    xdotool windowraise "$review"
    sleep 0.5
    xwd -silent -id "$review" | xwdtopnm 2>/dev/null | pnmtopng >"$screenshot"
fi

in_review alt+l # "Stop learning"
await title_is "Velmora" || fail "Stop learning left the title '$(title)'"
xdotool windowraise "$window"
sleep 0.3
shot after
cmp -s "$work/before.pnm" "$work/after.pnm" || fail "the board did not come back as it was"
[ "$(moves_of "$(game_line)")" = "$lost" ] || fail "learning changed the record: $(game_line)"
echo "Stop learning gives back the board and the record as they were"

kill "$game"
wait "$game" 2>/dev/null || true
start_game LANG=ja_JP.UTF-8 LC_ALL= LC_MESSAGES= LANGUAGE=
echo "position sfen kgsbr/p4/5/4P/RBSGK b - 1 moves $lost" | xclip -selection clipboard -i
key ctrl+v
key ctrl+r
# The analysis takes some seconds; the review window opens when it is done.
# xdotool's pattern does not match Japanese, so each title is compared whole.
review_titled() {
    local w
    for w in $(xdotool search --onlyvisible --name '^Velmora - ' 2>/dev/null); do
        [ "$(xdotool getwindowname "$w")" = "Velmora - $1" ] && return 0
    done
    return 1
}
for _ in $(seq 600); do review_titled 講評 && break; sleep 0.2; done
review_titled 講評 || fail "no review window titled in Japanese: $(xdotool search --onlyvisible \
    --name '^Velmora' getwindowname %@ 2>/dev/null | tr '\n' '|')"
echo "under a Japanese locale the review window is titled 'Velmora - 講評'"
