#!/usr/bin/env bash
# Installs the Debian packages of the named groups, so that each script waits only for what it
# uses; with no group named, every group. Quick when everything is already there: apt is only
# asked when a package is missing. A group holds only its own packages: the tests, for one, also
# need those of run.
# Usage: tools/install-deps.sh [run] [test] [fuzz] [match] [package] [windows] [format]
set -euo pipefail

packages_of() {
    case $1 in
    # Building the game and playing it: the compiler, the window and the font of its labels, and
    # Qt's translation tools (lrelease, and the CMake package Qt6LinguistTools that drives it).
    run)
        echo build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev fonts-ipafont-gothic \
            qt6-tools-dev qt6-l10n-tools
        ;;
    # The full test build and its benchmarks; the window's tests on a virtual X display, driven,
    # photographed and read from the clipboard (the smoke test closes it through Xlib), and heard
    # on the accessibility bus as a screen reader hears it; the engine program timed; the KIF
    # test's reader from npm and the review test's JSON check (any node will do, Debian's if none
    # is there).
    test)
        echo googletest libgtest-dev libgmock-dev libbenchmark-dev libx11-dev \
            xvfb xdotool x11-utils x11-apps netpbm xclip time \
            dbus at-spi2-core python3-gi gir1.2-atspi-2.0
        command -v node >/dev/null && command -v npm >/dev/null || echo nodejs npm
        ;;
    # libFuzzer and the sanitizer runtimes.
    fuzz) echo build-essential cmake ninja-build clang libclang-rt-14-dev ;;
    # The engine program in a real front end and against other engines, and perft timed against
    # another engine's (tools/perft_vs_fairy.sh).
    match) echo xboard uci2wb gnuminishogi fairy-stockfish hyperfine python3 ;;
    # The Debian package (CPack's dependency scan needs file and dpkg-dev) and its checks: the menu
    # entry, the AppStream metadata, lintian, the manual pages.
    package) echo dpkg-dev file desktop-file-utils appstream lintian man-db ;;
    # The engine program cross-built for Windows (the 64-bit mingw-w64 compiler with POSIX
    # threads, for std::thread), zipped, and tested under wine.
    windows) echo cmake ninja-build g++-mingw-w64-x86-64-posix zip unzip wine64 ;;
    # The formatting check.
    format) echo clang-format-14 ;;
    *)
        echo "unknown group $1; the groups: run test fuzz match package windows format" >&2
        return 2
        ;;
    esac
}

groups=("$@")
[ ${#groups[@]} -gt 0 ] || groups=(run test fuzz match package windows format)
packages=()
for group in "${groups[@]}"; do
    list=$(packages_of "$group") || exit 2
    # shellcheck disable=SC2206 # the list is one package a word
    packages+=($list)
done

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
