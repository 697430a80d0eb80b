#!/usr/bin/env bash
# Builds the game (only what the window needs, not the tests and benchmarks) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh run
# A new build folder is set up for the game alone, without the test and benchmark libraries it
# would otherwise look for; a folder set up before keeps its choices.
options=()
[ -f build/CMakeCache.txt ] || options=(-DVELMORA_TESTS=OFF -DVELMORA_BENCH=OFF)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "${options[@]}"
cmake --build build --target velmora
exec build/ui/velmora
