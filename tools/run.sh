#!/usr/bin/env bash
# Builds Velmora and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
exec build/ui/velmora
