#!/usr/bin/env bash
# Times "go perft" of velmora-usi and of Fairy-Stockfish side by side with hyperfine: the same
# position (standard minishogi's start unless SFEN is set) and the same depth (6 unless given),
# both engines started and spoken to through USI exactly as a front end would, and each one quit
# only after it has printed its count. The node counts are printed first, so that the figures
# compare equal work: they agree except for the pawn drops that mate at the last ply, which
# Velmora leaves out under standard rules and Fairy-Stockfish 11.1 counts.
#
#   bash tools/perft_vs_fairy.sh [depth]
# Also RUNS=10, SFEN='<sfen>', and VELMORA_USI=<absolute path> to time an engine program built
# elsewhere instead of building build/usi/velmora-usi.
set -euo pipefail
cd "$(dirname "$0")/.."

# One engine's count: "run <engine> <variant option> <sfen> <depth>", used by hyperfine below.
if [ "${1:-}" = run ]; then
    engine=$2 option=$3 sfen=$4 depth=$5
    coproc ENGINE { "$engine"; }
    printf 'usi\nsetoption name %s value minishogi\nposition sfen %s\nisready\n' \
        "$option" "$sfen" >&"${ENGINE[1]}"
    while read -r line <&"${ENGINE[0]}" && [ "$line" != readyok ]; do :; done
    echo "go perft $depth" >&"${ENGINE[1]}"
    status=1
    while read -r line <&"${ENGINE[0]}"; do
        case $line in
        "Nodes searched:"*) echo "$line"; status=0; break ;;
        *error*) echo "$line" >&2; break ;;
        esac
    done
    echo quit >&"${ENGINE[1]}"
    wait "$ENGINE_PID" || true
    exit $status
fi

depth=${1:-6}
sfen=${SFEN:-rbsgk/4p/5/P4/KGSBR b - 1}
velmora=${VELMORA_USI:-build/usi/velmora-usi}
fairy=$(command -v fairy-stockfish || echo /usr/games/fairy-stockfish)

bash tools/install-deps.sh run test match
if [ -z "${VELMORA_USI:-}" ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build --target velmora-usi
fi

self=$(realpath "$0")
velmoraRun="bash '$self' run '$velmora' USI_Variant '$sfen' $depth"
fairyRun="bash '$self' run '$fairy' UCI_Variant '$sfen' $depth"
echo "perft $depth from $sfen"
echo "  velmora-usi:     $(eval "$velmoraRun")"
echo "  fairy-stockfish: $(eval "$fairyRun")"
hyperfine --warmup 1 --runs "${RUNS:-5}" -n velmora-usi "$velmoraRun" -n fairy-stockfish "$fairyRun"
