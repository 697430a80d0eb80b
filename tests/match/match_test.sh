#!/usr/bin/env bash
# A two-game match between velmora-usi and Fairy-Stockfish (Debian fairy-stockfish) at 20 ms a
# move: the summary must count both games for engine 1, and both games must be written as KIF
# that shogiops reads back move for move. Then two games on a clock of a second and 50 ms a
# move: both engines must be told both clocks and the increments. Last, three games from one
# opening at a node limit: the match must note that the replays repeat games.
# Usage: match_test.sh VELMORA_MATCH VELMORA_USI KIF_READER_DIR
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A wide margin: on a busy machine a late answer must not decide this test.
"$1" --engine1 "$2" --engine2 /usr/games/fairy-stockfish --option2 "Skill Level=0" \
    --movetime 20 --margin 2000 --games 2 --kif-dir "$work/games" --verbose \
    2>"$work/traffic" | tee "$work/out"
grep -qE '^Fairy-Stockfish [^<]*< go btime 0 wtime 0 byoyomi 20$' "$work/traffic" ||
    fail "no byoyomi go for Fairy-Stockfish"

[ "$(grep -c '^Game [12], opening 1, Sente ' "$work/out")" -eq 2 ] || fail "not two game lines"
summary=$(grep -E '^Score of Velmora [0-9.]+ vs Fairy-Stockfish [^:]*: W [0-2] D [0-2] L [0-2], [0-9.]+/2 \([0-9.]+%\)$' "$work/out") ||
    fail "no summary line"
read -r wins draws losses <<<"$(sed -E 's/.*: W ([0-9]) D ([0-9]) L ([0-9]),.*/\1 \2 \3/' <<<"$summary")"
[ $((wins + draws + losses)) -eq 2 ] || fail "the summary does not count two games: $summary"
grep -qE '^Elo difference: (-?[0-9.]+|-?inf) \+/- ([0-9.]+|inf) \(95%, pentanomial over 1 game pairs\)$' \
    "$work/out" || fail "no Elo line"

for game in 001 002; do
    grep -q '^先手：' "$work/games/game-$game.kif" || fail "game-$game.kif is missing or empty"
done
node "$3/read_kif.mjs" "$work/games" 2

"$1" --engine1 "$2" --engine2 /usr/games/fairy-stockfish --option2 "Skill Level=0" \
    --tc 1+0.05 --margin 2000 --games 2 --verbose 2>"$work/clock" | tee "$work/out"
[ "$(grep -c '^Game [12], ' "$work/out")" -eq 2 ] || fail "not two games on the clock"
for engine in Velmora Fairy-Stockfish; do
    grep -qE "^$engine [^<]*< go btime 1000 wtime 1000 binc 50 winc 50\$" "$work/clock" ||
        fail "$engine was not told the full clocks at the start"
done

# Under a node limit a replayed opening replays its game, so the match says so.
"$1" --engine1 "$2" --engine2 "$2" --nodes 300 --opening-count 1 --games 3 | tee "$work/out"
grep -q '^Note: more games than the openings give' "$work/out" || fail "the replays are not noted"
