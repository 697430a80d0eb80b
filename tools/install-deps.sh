#!/usr/bin/env bash
# Installs every Debian package Velmora needs to build, test and run.
# Quick when everything is already there: apt is only asked when a package is missing.
set -euo pipefail

packages=(
    # build
    build-essential cmake ninja-build pkg-config
    # tests and benchmarks
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    # the formatting check
    clang-format-14
    # fuzzing (libFuzzer and the sanitizer runtimes)
    clang libclang-rt-14-dev
    # the window
    qt6-base-dev libgl-dev fonts-ipafont-gothic
    # the window's smoke test closes it through Xlib
    libx11-dev
    # the window under a virtual display, driven and photographed
    xvfb xdotool x11-utils x11-apps netpbm
    # reading the clipboard the window copies to
    xclip
    # timing the engine program
    time
    # perft timed against another engine's (tools/perft_vs_fairy.sh)
    hyperfine fairy-stockfish
    # the engine program in a real front end, against other engines
    xboard uci2wb gnuminishogi
    # the Debian package (tools/package.sh: CPack's dependency scan needs file and dpkg-dev) and
    # its checks: the menu entry, the AppStream metadata, lintian, the manual pages
    dpkg-dev file desktop-file-utils appstream lintian man-db
)

# The KIF test reads games back with an npm package; any node will do, Debian's if none is there.
command -v node >/dev/null && command -v npm >/dev/null || packages+=(nodejs npm)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
