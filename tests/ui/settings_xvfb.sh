#!/usr/bin/env bash
# The settings of the real program on a virtual X display, kept in its own scratch
# XDG_CONFIG_HOME: --help and --version answer; --defaults stores nothing; a zoom, the rules, the
# computer and its thinking time chosen are stored as they change and come back after a restart;
# a corrupt settings file and a place that cannot be written start with the defaults, and the
# game quits cleanly.
# Usage: settings_xvfb.sh <velmora> <close_window>
set -euo pipefail
velmora=$1
close_window=$2

source "$(dirname "$0")/xvfb_game.sh"
conf=$work/config/Velmora/Velmora.conf

window_is() { [ "$(client_size)" = "$1" ]; }
board() { pnmcut -left 8 -top 8 -width 176 -height 96 "$work/$1.pnm"; }
# Closes the window as a person would and expects the game to end cleanly.
quit() {
    "$close_window" "$window"
    for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$game" 2>/dev/null && fail "the game did not quit when its window was closed"
    wait "$game" || fail "the game exited with an error: $(cat "$work/velmora.log")"
}

QT_QPA_PLATFORM=xcb "$velmora" --version | grep -qx 'Velmora [0-9.]*' || fail "--version"
QT_QPA_PLATFORM=xcb "$velmora" --help | grep -q -- '--defaults' || fail "--help names no --defaults"
echo "--version and --help answer"

start_game -- --defaults
key ctrl+plus
await window_is 386x224 || fail "--defaults: no zoom 2, the window is $(client_size)"
quit
[ -e "$work/config" ] && fail "--defaults stored: $(find "$work/config")"
echo "--defaults: zoomed, and nothing was stored"

start_game
window_is 193x112 || fail "with no settings stored the window is $(client_size)"
# From the end of the idle window's menu at zoom 1: About Velmora, Keys and menus…, Zoom in,
# Thinking time, Computer, Rules.
choose 6 1 # Rules ▸ Standard minishogi
choose 5 5 # Computer ▸ Strong, the top of the ladder
choose 4 0 # Thinking time ▸ 1 s
key ctrl+plus
await window_is 386x224 || fail "no zoom 2, the window is $(client_size)"
shot chosen
quit
for line in zoom=2 rules=standard computer=strong thinking_ms=1000 notation=english; do
    grep -qx "$line" "$conf" || fail "$conf has no '$line': $(cat "$conf")"
done
stored=$(cat "$conf")
echo "stored as chosen: $(grep -c = "$conf") settings in $conf"

start_game
await window_is 386x224 || fail "after a restart the window is $(client_size), not at zoom 2"
shot restarted
cmp -s <(board chosen) <(board restarted) || fail "after a restart the board is not standard minishogi's start"
click_at 320 78 1 # the bottom label at zoom 2: the computer plays Sente
click_at 320 48 1 # "Play"
await title_is "Velmora - thinking" || fail "the strong computer was not kept: the title is '$(title)'"
await title_is "Velmora" || fail "after its move the title is '$(title)'"
quit
[ "$(cat "$conf")" = "$stored" ] || fail "a restart changed the settings: $(cat "$conf")"
echo "restarted: zoom 2, standard minishogi and the strong computer, whose title said it thought"

printf '\x7fELF\x02\x01\x01\x00\xff\xfe[=\n' >"$conf"
start_game
window_is 193x112 || fail "with a corrupt settings file the window is $(client_size)"
alive
quit
echo "a corrupt settings file: the designed window"

echo "a file where the settings' folder belongs" >"$work/not-a-folder"
start_game XDG_CONFIG_HOME="$work/not-a-folder"
window_is 193x112 || fail "in an unwritable place the window is $(client_size)"
key ctrl+plus
await window_is 386x224 || fail "in an unwritable place: no zoom 2, the window is $(client_size)"
alive
quit
echo "settings that cannot be written: the defaults, the zoom works and the game quits cleanly"
