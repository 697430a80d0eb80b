#!/usr/bin/env bash
# Writes random games of standard minishogi as KIF with shogiops (installed next to
# write_games.mjs by "npm ci") and reads them back with Velmora's record reader.
# Usage: read_shogiops_games.sh <read_kif_games> <folder of write_games.mjs and its node_modules>
set -euo pipefail
games=$(mktemp -d)
trap 'rm -rf "$games"' EXIT
node "$2/write_games.mjs" "$games" 50
"$1" "$games" 50
