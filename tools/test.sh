#!/usr/bin/env bash
# Builds everything and runs every test. With "sanitize", builds into build-sanitize with
# AddressSanitizer and UndefinedBehaviorSanitizer instead.
set -euo pipefail
cd "$(dirname "$0")/.."
# Every test runs, so every group but fuzzing is installed: the XBoard match, the package's tests
# and the Windows build under wine need theirs.
bash tools/install-deps.sh run test match package windows

mode=${1:-release}
case "$mode" in
release) dir=build; flags=(-DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCH=ON) ;;
sanitize) dir=build-sanitize; flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_SANITIZE=ON -DVELMORA_BENCH=OFF) ;;
*) echo "usage: $0 [release|sanitize]" >&2; exit 2 ;;
esac

cmake -S . -B "$dir" -G Ninja -DVELMORA_WERROR=ON -DVELMORA_TESTS=ON "${flags[@]}"
cmake --build "$dir"
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
