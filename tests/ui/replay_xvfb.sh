#!/usr/bin/env bash
# The real game on a virtual X display: a KIF put on the clipboard and pasted with Ctrl+V opens at
# its last position; Home, Right, Left and End step through it, each picture showing the position
# (the start exactly as the window showed it at launch) with the move that led there framed in
# red and its number in the title; "Play" from move 1, with the computer on the side to move,
# gets its answer.
# Usage: replay_xvfb.sh <velmora>
set -euo pipefail
velmora=$1

source "$(dirname "$0")/xvfb_game.sh"

start_game

picture() {
    xwd -silent -id "$window" | xwdtopnm 2>/dev/null | pnmcut -left 8 -top 8 -width 176 -height 96
}
# Whether the left grid line of cell (x, y) of the board is red in the picture on stdin.
framed() { pnmcut -left $((48 + 16 * ($1 - 1))) -top $((16 + 16 * ($2 - 1))) -width 1 -height 1 | has_red; }
# The position shown, as Ctrl+Shift+C copies it: its SFEN, then the USI line of the moves to it.
shown() { key ctrl+shift+c; xclip -o -selection clipboard; }

picture >"$work/launch.pnm"
cat >"$work/game.kif" <<'KIF'
手合割：5五将棋
先手：Alice
後手：Bob
後手の持駒：なし
  ５ ４ ３ ２ １
+---------------+
|v玉v金v銀v角v飛|一
|v歩 ・ ・ ・ ・|二
| ・ ・ ・ ・ ・|三
| ・ ・ ・ ・ 歩|四
| 飛 角 銀 金 玉|五
+---------------+
先手の持駒：なし
手数----指手---------消費時間--
   1 ３四角(45)
   2 ５三歩(52)
   3 ５二角(34)
KIF
xclip -selection clipboard -i "$work/game.kif"
key ctrl+v
await title_is "Velmora - move 3 of 3" || fail "Ctrl+V: the title is '$(title)'"
picture >"$work/move3.pnm"
framed 3 4 <"$work/move3.pnm" && framed 1 2 <"$work/move3.pnm" || fail "move 3 is not framed"
echo "Ctrl+V opened the KIF at move 3 with its move framed"

# key, title, SFEN shown, the cells framed
steps=(
    "Home|Velmora - start of 3 moves|kgsbr/p4/5/4P/RBSGK b - 1|"
    "Right|Velmora - move 1 of 3|kgsbr/p4/5/2B1P/R1SGK w - 2|2 5 3 4"
    "Right|Velmora - move 2 of 3|kgsbr/5/p4/2B1P/R1SGK b - 3|1 2 1 3"
    "Left|Velmora - move 1 of 3|kgsbr/p4/5/2B1P/R1SGK w - 2|2 5 3 4"
    "End|Velmora - move 3 of 3|kgsbr/B4/p4/4P/R1SGK w - 4|3 4 1 2"
    "Home|Velmora - start of 3 moves|kgsbr/p4/5/4P/RBSGK b - 1|"
    "Right|Velmora - move 1 of 3|kgsbr/p4/5/2B1P/R1SGK w - 2|2 5 3 4"
)
for step in "${steps[@]}"; do
    IFS='|' read -r name title sfen cells <<<"$step"
    key "$name"
    await title_is "$title" || fail "$name: the title is '$(title)', not '$title'"
    picture >"$work/step.pnm"
    [ "$(shown | head -n1)" = "$sfen" ] || fail "$name: the position shown is $(shown | head -n1), not $sfen"
    if [ -z "$cells" ]; then
        cmp -s "$work/step.pnm" "$work/launch.pnm" || fail "$name: the start is not the picture at launch"
    else
        read -r x1 y1 x2 y2 <<<"$cells"
        framed "$x1" "$y1" <"$work/step.pnm" && framed "$x2" "$y2" <"$work/step.pnm" \
            || fail "$name: the move to $sfen is not framed"
    fi
    echo "$name: $title, $sfen"
done

# Gote, the computer by the labels, is to move at move 1: "Play" goes on from there.
xdotool mousemove --window "$window" 160 24 click 1
await title_is "Velmora" || fail "Play: the title still names a move"
# "position sfen" with four SFEN fields, "moves" and two moves.
answered() { [ "$(shown | sed -n 2p | wc -w)" -eq 9 ]; }
await answered || fail "the computer did not answer: $(shown)"
answer_framed() { picture | has_red; }
await answer_framed || fail "the computer's answer is not framed"
shown | sed -n 2p | grep -q '^position sfen kgsbr/p4/5/4P/RBSGK b - 1 moves 4e3d ' \
    || fail "the record does not go on from move 1: $(shown)"
echo "Play from move 1: the computer answered $(shown | sed -n 2p | awk '{ print $NF }')"
