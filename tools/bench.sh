#!/usr/bin/env bash
# Times the computer's decision on the position suite (bench/positions.sfen) in the Release
# build: the plain and the fast engine side by side, each position's median over three runs,
# then a table with the speed-ups and the slowest position. Last, the engine program answering
# "go" for the whole suite in one process, timed by /usr/bin/time -v.
# Further arguments go to the benchmark program, e.g. --benchmark_filter=fast/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh run test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCH=ON >/dev/null
cmake --build build --target decision_bench velmora-usi

build/bench/decision_bench --benchmark_repetitions="${REPETITIONS:-3}" \
    --benchmark_report_aggregates_only=true "$@"

session=$(mktemp)
report=$(mktemp)
trap 'rm -f "$session" "$report"' EXIT
# The window's game and computer, whose decisions the suite times.
printf 'setoption name USI_Variant value velmora\nsetoption name Computer value classic\n' >"$session"
grep -v '^#' bench/positions.sfen | grep . | cut -d' ' -f2- | while read -r sfen; do
    printf 'position sfen %s\ngo\n' "$sfen"
done >>"$session"
echo quit >>"$session"
answers=$(/usr/bin/time -v build/usi/velmora-usi <"$session" 2>"$report" | grep -c '^bestmove')
echo
echo "velmora-usi answering go for all $(grep -c '^go' "$session") suite positions ($answers answers):"
grep -E 'Elapsed \(wall clock\)|User time|System time|Maximum resident' "$report"
