#!/usr/bin/env bash
# velmora-review as a player runs it, on games with one planted fault each: the review's first
# worst moment for the side at fault is that move, explained; --json carries the same as data
# that node reads back; a file that cannot be read as a game gets the reader's message, exit
# status 2 and no review.
# Usage: review_cli_test.sh <velmora-review> <folder of games>
set -euo pipefail
review=$1
games=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
# The depth of the unit tests of the review, which see the same faults.
depth=(--depth 10)

# file | the side at fault | its first worst moment
while IFS='|' read -r file side moment; do
    out=$("$review" "${depth[@]}" "$games/$file") || fail "$file: exit status $?"
    first=$(grep -A1 -x "$side's worst moments:" <<<"$out" | sed -n 2p)
    [ "$first" = "  $moment" ] || fail "$file: $side's first worst moment is '$first'; the review:
$out"
    echo "$file: $moment"
done <<'GAMES'
hanging_rook.kif|Sente|Move 3, blunder: 5e5c left the rook on 5c to be taken: 5b5c wins it. Better was 4e3d.
missed_mate_in_3.sfen|Sente|Move 1, blunder: 5e4e missed a mate in 3: R*2a 1a1b G*2c. Better was R*2a.
allowed_mate_in_3.usi|Sente|Move 1, blunder: 5d5e allowed a mate in 3: R*4e 5e5d G*4c. Better was R*3a.
lost_exchange.usi|Sente|Move 1, blunder: 5e5b took the pawn on 5b but loses the exchange there: 4a5b takes the rook. Better was 2e2d.
silver_fork.usi|Sente|Move 1, mistake: 3d3e loses a rook within three moves: S*3c 4d4c 3c2d. Better was 2d2a+.
rook_not_taken.usi|Gote|Move 4, blunder: 4a3b let the rook on 5c go: 5b5c wins it. Better was 5b5c.
GAMES

# The JSON names each judged move by its number in the KIF record and its judgement.
"$review" "${depth[@]}" --json "$games/hanging_rook.kif" | node -e '
    const review = JSON.parse(require("fs").readFileSync(0, "utf8"));
    const blunder = review.moves.find(m => m.judgement === "blunder");
    const sente = review.sides.find(s => s.side === "sente");
    const worst = sente.worst[0];
    if (!blunder || blunder.number !== 3 || blunder.move !== "5e5c" || sente.blunders !== 1
        || worst.number !== 3 || worst.reason !== "left-hanging")
        throw new Error("unexpected review: " + JSON.stringify(review));
' || fail "the JSON review of hanging_rook.kif"
echo "hanging_rook.kif as JSON: move 3 a blunder, left hanging"

# Refused: the reader's message on standard error, status 2, nothing on standard output.
refused() {
    local status=0
    out=$("$review" "$@" 2>"$scratch/err") || status=$?
    [ "$status" -eq 2 ] || fail "$*: exit status $status, not 2"
    [ -z "$out" ] || fail "$*: printed a review of a file it refused: $out"
    grep -qF "$expected" "$scratch/err" || fail "$*: '$(cat "$scratch/err")' does not say '$expected'"
    echo "refused $*: $(cat "$scratch/err")"
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
expected="illegal_move.usi: line 1: move 3 '5e5a' is illegal"; refused "$games/illegal_move.usi"
expected="cannot be opened"; refused "$games/no_such_game.kif"
expected="cannot be read"; refused "$games"
head -c 2000000 /dev/zero | tr '\0' ' ' >"$scratch/huge.kif"
expected="longer than any game record"; refused "$scratch/huge.kif"
expected="usage: velmora-review"; refused --depth 0 "$games/lost_exchange.usi"
