#!/usr/bin/env bash
# The real game on a virtual X display: a short KIF with a hung rook at move 3, pasted with
# Ctrl+V, analysed with Ctrl+Shift+A: the graph window opens with a red dot for the blunder; a
# click on move 3 in the graph shows that position in the window; Ctrl+Right plays the engine's
# best line from there on the board and Right returns to the record; Ctrl+C copies the KIF with
# the evaluation as comments.
# Usage: analysis_xvfb.sh <velmora> [where to save the graph as PNG] [KIF to analyse instead]
set -euo pipefail
velmora=$1
screenshot=${2:-}
kif=${3:-}

source "$(dirname "$0")/xvfb_game.sh"

start_game

if [ -n "$kif" ]; then
    cp "$kif" "$work/game.kif"
else
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
   1 ２四銀(35)
   2 ４二銀(31)
   3 ５三飛(55)
   4 同　歩(52)
   5 ２三角(45)
KIF
fi
xclip -selection clipboard -i "$work/game.kif"
key ctrl+v
await eval '[[ "$(title)" == "Velmora - move "* ]]' || fail "Ctrl+V: the title is '$(title)'"
moves=$(title | awk '{ print $NF }')
echo "Ctrl+V opened a game of $moves moves"

key ctrl+shift+a
graph=$(timeout 120 xdotool search --sync --onlyvisible --name '^Velmora - analysis$' | head -n1) \
    || fail "no analysis window: $(cat "$work/velmora.log")"
shoot_graph() { xwd -silent -id "$graph" | xwdtopnm 2>/dev/null >"$work/graph.pnm"; }
# A busy machine may show the window some time before it paints the graph.
graph_shows_a_blunder() { shoot_graph && has_red <"$work/graph.pnm"; }
if [ -n "$kif" ]; then
    sleep 1
    shoot_graph
else
    await graph_shows_a_blunder || fail "the graph marks no blunder"
    echo "the analysis window opened, the blunder marked in red"
fi
[ -n "$screenshot" ] && pnmtopng <"$work/graph.pnm" >"$screenshot"
[ -n "$kif" ] && exit 0

# The graph's points are spread evenly over its plot, 44 pixels from the left to 12 from the
# right; the click picks the one nearest to it.
read -r width _ < <(xdotool getwindowgeometry --shell "$graph" | sed -n 's/^WIDTH=//p')
xdotool mousemove --window "$graph" $((44 + (width - 56) * 3 / moves)) 100 click 1
await title_is "Velmora - move 3 of 5" || fail "the click on move 3 shows '$(title)'"
echo "a click on the graph at move 3: $(title)"

key ctrl+Right
await eval '[[ "$(title)" == "Velmora - move 3 of 5, best line 1 of "* ]]' \
    || fail "Ctrl+Right: the title is '$(title)'"
echo "Ctrl+Right: $(title)"
key Right
await title_is "Velmora - move 4 of 5" || fail "Right from the best line: the title is '$(title)'"
echo "Right returns to the record: $(title)"

key ctrl+c
xclip -o -selection clipboard >"$work/copied.kif"
[ "$(grep -c '^\*評価値 ' "$work/copied.kif")" -eq 6 ] \
    || fail "the copied KIF has no comment for each position: $(cat "$work/copied.kif")"
echo "Ctrl+C copies the KIF with $(grep -c '^\*評価値 ' "$work/copied.kif") evaluations"
