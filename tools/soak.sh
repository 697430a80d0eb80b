#!/usr/bin/env bash
# The full self-play soak: the computer plays itself for the given number of games (default 1000)
# in the AddressSanitizer and UndefinedBehaviorSanitizer build, checking every position.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh run test

games=${1:-1000}
dir=build-sanitize
cmake -S . -B "$dir" -G Ninja -DVELMORA_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELMORA_SANITIZE=ON -DVELMORA_TESTS=ON -DVELMORA_BENCH=OFF
cmake --build "$dir" --target self_play_soak
"$dir/tests/soak/self_play_soak" "$games"
