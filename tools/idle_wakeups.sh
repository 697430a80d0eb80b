#!/usr/bin/env bash
# Counts how often the idle window wakes up: the program runs on a virtual X display with no game
# started, and the voluntary context switches of all its threads over the given seconds (default
# 10) are divided by the seconds. Each switch is one return from waiting for an event.
# Usage: tools/idle_wakeups.sh <velmora> [seconds]
set -euo pipefail
velmora=$1
seconds=${2:-10}
source "$(dirname "$0")/../tests/ui/xvfb_game.sh"

start_game
sleep 2 # let start-up settle
switches() { cat /proc/"$game"/task/*/status | awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n }'; }
before=$(switches)
sleep "$seconds"
after=$(switches)
awk -v n=$((after - before)) -v s="$seconds" \
    'BEGIN { printf "%d wake-ups in %d s: %.1f per second\n", n, s, n / s }'
