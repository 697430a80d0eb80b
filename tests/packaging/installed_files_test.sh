#!/usr/bin/env bash
# Installs the build into a scratch root as `cmake --install` would for a packager, then checks
# the menu entry and the AppStream metadata with the freedesktop tools (no errors, no warnings),
# and that every icon is the size its folder names and, above 32 pixels, a whole-number
# enlargement of a smaller one.
# Usage: installed_files_test.sh <build dir>
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$root/usr" >/dev/null
share=$root/usr/share
app=org.velmora.Velmora

desktop-file-validate "$share/applications/$app.desktop" || fail "the desktop entry is not valid"
[ -z "$(desktop-file-validate "$share/applications/$app.desktop")" ] \
    || fail "desktop-file-validate has remarks on the desktop entry"
# --no-net: the home page and the screenshot URL are checked by hand when a release is published;
# the check must not depend on the network or on the web site being up.
appstreamcli validate --strict --no-net "$share/metainfo/$app.metainfo.xml" \
    || fail "appstreamcli finds fault with the metadata"
appstreamcli validate-tree --strict --no-net "$root" \
    || fail "appstreamcli finds fault with the installed tree"

icon() { echo "$share/icons/hicolor/${1}x${1}/apps/$app.png"; }
for size in 16 32 48 64 128 256; do
    [ -f "$(icon "$size")" ] || fail "no ${size}x$size icon"
    pngtopnm "$(icon "$size")" >"$scratch/icon.pnm"
    dimensions=$(pnmfile "$scratch/icon.pnm" | grep -o '[0-9]* by [0-9]*')
    [ "$dimensions" = "$size by $size" ] || fail "the ${size}x$size icon is $dimensions"
done
# Each larger icon repeats every pixel of a smaller one, so none is blurred.
for pair in 16:48 32:64 32:128 32:256; do
    small=${pair%:*} large=${pair#*:}
    cmp -s <(pngtopnm "$(icon "$small")" | pamenlarge $((large / small))) \
        <(pngtopnm "$(icon "$large")") \
        || fail "the ${large}x$large icon is not the ${small}x$small one enlarged $((large / small)) times"
done

for game in velmora velmora-usi velmora-review; do
    [ -x "$root/usr/games/$game" ] || fail "$game is not installed in games/"
    [ -f "$share/man/man6/$game.6.gz" ] || fail "no manual page for $game"
done
echo "installed: programs, desktop entry and metadata valid, six icons, three manual pages"
