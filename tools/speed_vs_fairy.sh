#!/usr/bin/env bash
# Searches every suite position (bench/positions.sfen) to a fixed depth with velmora-usi's strong
# computer and with Fairy-Stockfish (Debian fairy-stockfish), one thread each, one after the
# other, and prints per engine the time to that depth and the nodes per second, summed over the
# suite. Both play standard minishogi here, so the positions are searched under its rules.
#   bash tools/speed_vs_fairy.sh [DEPTH (10)]
# Also VELMORA_USI=<path> to time an engine program built elsewhere.
set -euo pipefail
cd "$(dirname "$0")/.."
depth=${1:-10}
velmora=${VELMORA_USI:-build/usi/velmora-usi}
[ -n "${VELMORA_USI:-}" ] || {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build --target velmora-usi >/dev/null
}

# Runs one engine over the suite: "<command> <setup line>..." on fds of a coprocess.
measure() {
    local name=$1 command=$2
    shift 2
    coproc ENGINE { $command; }
    printf 'usi\n' >&"${ENGINE[1]}"
    for line in "$@"; do printf '%s\n' "$line" >&"${ENGINE[1]}"; done
    local total_ms=0 total_nodes=0 line last
    grep -v '^#' bench/positions.sfen | grep . | cut -d' ' -f2- >"$work/suite"
    while read -r sfen; do
        printf 'isready\n' >&"${ENGINE[1]}"
        while read -r -u "${ENGINE[0]}" line; do [ "$line" = readyok ] && break; done
        local start=$(date +%s%N)
        printf 'position sfen %s\ngo depth %s\n' "$sfen" "$depth" >&"${ENGINE[1]}"
        while read -r -u "${ENGINE[0]}" line; do
            case $line in info*" nodes "*) last=$line ;; bestmove*) break ;; esac
        done
        local ms=$((($(date +%s%N) - start) / 1000000))
        local nodes=$(sed -E 's/.* nodes ([0-9]+).*/\1/' <<<"$last")
        total_ms=$((total_ms + ms))
        total_nodes=$((total_nodes + nodes))
    done <"$work/suite"
    printf 'quit\n' >&"${ENGINE[1]}"
    wait "$ENGINE_PID" 2>/dev/null || true
    printf '%-16s depth %s on %s positions: %7d ms, %11d nodes, %9d nodes per second\n' "$name" \
        "$depth" "$(wc -l <"$work/suite")" "$total_ms" "$total_nodes" \
        $((total_nodes * 1000 / (total_ms > 0 ? total_ms : 1)))
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
measure velmora-usi "$velmora" "setoption name Computer value strong" "setoption name Threads value 1"
measure fairy-stockfish /usr/games/fairy-stockfish "setoption name UCI_Variant value minishogi" \
    "setoption name Threads value 1"
