#!/usr/bin/env bash
# Fuzzes velmora-usi's command handling (target usi, the default) or the window's record reader
# (target record) with libFuzzer for the given number of minutes (default 10).
# Usage: [JOBS=N] [RUNS=N] tools/fuzz.sh [minutes] [usi|record]
# Builds into build-fuzz with clang, AddressSanitizer and UndefinedBehaviorSanitizer; new inputs
# collect in build-fuzz/corpus, and a crash, sanitizer report or hang is written to
# build-fuzz/findings/ and ends the run with a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh fuzz

minutes=${1:-10}
target=${2:-usi}
case $target in
usi) seeds=tests/fuzz/corpus dict=tests/fuzz/usi.dict corpus=corpus ;;
record) seeds=tests/fuzz/record_corpus dict=tests/fuzz/record.dict corpus=corpus-record ;;
*) echo "unknown target $target: usi or record" >&2; exit 2 ;;
esac
dir=build-fuzz
cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELMORA_FUZZ=ON -DVELMORA_WERROR=ON
cmake --build "$dir" --target "${target}_fuzz"
mkdir -p "$dir/$corpus" "$dir/findings"

# An input takes milliseconds; one running past a minute counts as a hang. JOBS=N runs N fuzzing
# processes side by side on the shared corpus, each logging to build-fuzz/logs/fuzz-<i>.log.
jobs=${JOBS:-1}
parallel=()
[ "$jobs" -gt 1 ] && parallel=(-jobs="$jobs" -workers="$jobs")
# RUNS=N ends the run after N inputs, whatever the time.
[ -n "${RUNS:-}" ] && parallel+=(-runs="$RUNS")
mkdir -p "$dir/logs"
cd "$dir/logs"
"../tests/fuzz/${target}_fuzz" "../$corpus" "../../$seeds" \
    -dict="../../$dict" -max_len=4096 -timeout=60 \
    -max_total_time=$((minutes * 60)) -print_final_stats=1 \
    -artifact_prefix=../findings/ "${parallel[@]}"
