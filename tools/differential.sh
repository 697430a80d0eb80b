#!/usr/bin/env bash
# The full differential test: the fast decision against the plain one on every suite position
# and on 2,000 positions from seeded random play, comparing moves, resignations, forced-mate
# classes, scores and every draw from the generator. CI runs a small sample of the same test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh run test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=ON >/dev/null
cmake --build build --target decision_differential_tests
VELMORA_DIFFERENTIAL=full build/tests/engine/decision_differential_tests
