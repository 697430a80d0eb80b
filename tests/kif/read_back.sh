#!/usr/bin/env bash
# Plays whole games through the window's game flow, writes them as KIF and reads them back with
# shogiops (installed next to read_kif.mjs by "npm ci").
# Usage: read_back.sh <kif_games> <folder of read_kif.mjs and its node_modules>
set -euo pipefail
games=$(mktemp -d)
trap 'rm -rf "$games"' EXIT
"$1" "$games"
node "$2/read_kif.mjs" "$games"
