#!/usr/bin/env bash
# Installs the Debian package as a user would (apt-get install ./….deb), runs the installed
# programs from PATH, then removes the package and checks that nothing of it is left.
# It needs root, so a developer's `tools/test.sh` skips it and says so; CI runs as root and
# sets VELMORA_CI, where a skip is a failure. It never touches a velmora installed before.
# Usage: package_install_test.sh <folder tools/package.sh built in> <version> <close_window>
#     <window_smoke_test.sh>
set -euo pipefail
debs=("$(realpath "$1")/velmora_$2_"*.deb)
deb=${debs[0]}
close_window=$3
window_smoke_test=$4
fail() { echo "FAIL: $*" >&2; exit 1; }
skip() {
    [ -z "${VELMORA_CI:-}" ] || fail "CI must run this test, but: $*"
    echo "SKIPPED: $*"
    exit 77
}
installed() { dpkg-query -W -f='${db:Status-Status}' velmora 2>/dev/null | grep -qv '^not-installed$'; }

[ "$(id -u)" -eq 0 ] \
    || skip "installing a package needs root; after this run, run it alone with:" \
        "sudo ctest --test-dir build -R DebianPackageInstalls -FA debian_package"
installed && skip "a velmora package is installed already, and this test would remove it"
[ -f "$deb" ] || fail "no package $deb"

# Note what exists before, to tell the package's leftovers from what was already there.
paths=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | grep -v '^/$')
present_before=$(for path in $paths; do [ -e "$path" ] && echo "$path"; done || true)

export DEBIAN_FRONTEND=noninteractive
trap 'installed && apt-get remove -y velmora >/dev/null 2>&1' EXIT
apt-get install -y --no-install-recommends "$deb" >/dev/null || fail "apt-get could not install $deb"

# The PATH of a login shell on Debian (/etc/profile); root's own PATH leaves out the games.
export PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games
for game in velmora velmora-usi velmora-review; do
    [ "$(command -v "$game")" = "/usr/games/$game" ] || fail "$game is not found on PATH in /usr/games"
    man -w "$game" >/dev/null || fail "man finds no page for $game"
done
# The menu entry and its icons where desktops look for them.
desktop-file-validate /usr/share/applications/org.velmora.Velmora.desktop || fail "desktop entry"
for size in 16 32 48 64 128 256; do
    [ -f "/usr/share/icons/hicolor/${size}x$size/apps/org.velmora.Velmora.png" ] \
        || fail "no ${size}x$size icon in the hicolor theme"
done

perft=$(printf 'position startpos\ngo perft 3\nquit\n' | velmora-usi)
grep -qx 'Nodes searched: 2512' <<<"$perft" || fail "perft 3 from the start did not count 2512: $perft"
echo "installed velmora-usi counts 2512 positions three plies deep from the start"
review=$(velmora-review --depth 6 /dev/stdin <<<'position startpos moves 5e5b 4a5b')
grep -q '^  Move 1, blunder: 5e5b' <<<"$review" || fail "velmora-review did not find the blunder: $review"
echo "installed velmora-review finds the blunder of a two-move game"

bash "$window_smoke_test" "$(command -v velmora)" "$close_window"

apt-get remove -y velmora >/dev/null || fail "apt-get could not remove velmora"
installed && fail "dpkg still lists velmora after its removal"
left=$(for path in $paths; do
    [ -e "$path" ] && ! grep -qxF "$path" <<<"$present_before" && echo "$path"
done || true)
[ -z "$left" ] || fail "left behind after removal: $left"
echo "removed: none of the package's $(wc -w <<<"$paths") paths is left"
