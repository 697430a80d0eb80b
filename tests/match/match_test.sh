#!/usr/bin/env bash
# A two-game match between velmora-usi and Fairy-Stockfish (Debian fairy-stockfish) at a movetime
# of 20 ms: both engines must be sent go movetime, each game line and the summary must give each
# engine's average time a move, the summary must count both games for engine 1, and both games
# must be written as KIF that shogiops reads back move for move. Then two games at time odds, a
# clock of a second and 50 ms a move against two seconds and 100 ms, with Fairy-Stockfish told
# the clocks swapped: each engine must be told both clocks and both increments at the start, in
# the order it reads them. Then byoyomi for one engine. Then three games from one opening at a
# node limit: the match must note that the replays repeat games. Last, --make-openings must write
# an openings file the match reads.
# Usage: match_test.sh VELMORA_MATCH VELMORA_USI KIF_READER_DIR
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A wide margin: on a busy machine a late answer must not decide this test.
"$1" --engine1 "$2" --engine2 /usr/games/fairy-stockfish --option2 "Skill Level=0" \
    --movetime 20 --margin 2000 --games 2 --kif-dir "$work/games" --verbose \
    2>"$work/traffic" | tee "$work/out"
for engine in Velmora Fairy-Stockfish; do
    grep -qE "^$engine [^<]*< go movetime 20\$" "$work/traffic" || fail "no movetime go for $engine"
done

average='avg [0-9]+\.[0-9] ms/move \(max [0-9]+\)'
[ "$(grep -cE "^Game [12], opening 1, Sente .* plies, Sente $average, Gote $average\$" \
    "$work/out")" -eq 2 ] || fail "not two game lines with the average times"
score='W [0-2] D [0-2] L [0-2], [0-9.]+/2 \([0-9.]+%\)'
times="Velmora [^,]* $average, Fairy-Stockfish [^,]* $average"
summary=$(grep -E "^Score of Velmora [0-9.]+ vs Fairy-Stockfish [^:]*: $score, $times\$" "$work/out") ||
    fail "no summary line with the average times"
read -r wins draws losses <<<"$(sed -E 's/.*: W ([0-9]) D ([0-9]) L ([0-9]),.*/\1 \2 \3/' <<<"$summary")"
[ $((wins + draws + losses)) -eq 2 ] || fail "the summary does not count two games: $summary"
grep -qE '^Elo difference: (-?[0-9.]+|-?inf) \+/- ([0-9.]+|inf) \(95%, pentanomial over 1 game pairs\)$' \
    "$work/out" || fail "no Elo line"

for game in 001 002; do
    grep -q '^先手：' "$work/games/game-$game.kif" || fail "game-$game.kif is missing or empty"
done
node "$3/read_kif.mjs" "$work/games" 2

echo 'rbsgk/4p/5/P4/KGSBR b - 1' >"$work/start.sfen"
"$1" --engine1 "$2" --engine2 /usr/games/fairy-stockfish --option2 "Skill Level=0" \
    --tc1 1+0.05 --tc2 2+0.1 --swap-clocks2 --margin 2000 --games 2 --openings "$work/start.sfen" \
    --verbose 2>"$work/clock" | tee "$work/out"
[ "$(grep -c '^Game [12], ' "$work/out")" -eq 2 ] || fail "not two games on the clock"
# From the start, Sente moves first: Velmora in game 1; in game 2 Fairy-Stockfish, told its
# clock as wtime.
grep -qE '^Velmora [^<]*< go btime 1000 wtime 2000 binc 50 winc 100$' "$work/clock" ||
    fail "Velmora was not told both clocks at the start"
grep -qE '^Fairy-Stockfish [^<]*< go btime 1000 wtime 2000 binc 50 winc 100$' "$work/clock" ||
    fail "Fairy-Stockfish was not told both clocks, swapped, at the start"

"$1" --engine1 "$2" --engine2 /usr/games/fairy-stockfish --option2 "Skill Level=0" \
    --movetime 20 --byoyomi2 30 --margin 2000 --games 1 --verbose 2>"$work/byoyomi" >/dev/null
grep -qE '^Fairy-Stockfish [^<]*< go btime 0 wtime 0 byoyomi 30$' "$work/byoyomi" ||
    fail "no byoyomi go for Fairy-Stockfish"

# Under a node limit a replayed opening replays its game, so the match says so.
"$1" --engine1 "$2" --engine2 "$2" --nodes 300 --opening-count 1 --games 3 | tee "$work/out"
grep -q '^Note: more games than the openings give' "$work/out" || fail "the replays are not noted"

"$1" --make-openings 3 7 >"$work/openings.sfen"
[ "$(grep -vc '^#' "$work/openings.sfen")" -eq 3 ] || fail "--make-openings 3 did not make three"
"$1" --engine1 "$2" --engine2 "$2" --nodes 300 --openings "$work/openings.sfen" --games 6 |
    tee "$work/out"
[ "$(grep -c '^Game [1-6], opening [1-3], ' "$work/out")" -eq 6 ] ||
    fail "the new openings were not played"
