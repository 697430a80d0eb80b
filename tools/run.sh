#!/usr/bin/env bash
# Builds the game (only what the window needs, not the tests and benchmarks) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target velmora
exec build/ui/velmora
