#!/usr/bin/env bash
# velmora-usi.exe from the Windows zip, run under wine in a prefix of its own with no display.
#   session: talks USI to it as a Windows front end does (CRLF line ends): the handshake, whose
#            options must all be in the zip's README; go perft 5 in both rule sets, which must
#            count what the Linux program counts; a legal bestmove from each computer; and quit,
#            which must end it while its input is still open, as a front end leaves it.
#   bench, bench-strong: the output must be the Linux program's, byte for byte but the CRs.
# Usage: wine_test.sh <wine64> <zip> session <Linux velmora-usi>
#        wine_test.sh <wine64> <zip> bench|bench-strong <expected output>
set -euo pipefail
wine=$1 zip=$2 check=$3 reference=$4

work=$(mktemp -d)
# The first start fills the prefix, which is the slow part; no Mono or Gecko is asked for, since
# a console program needs neither.
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver=$(dirname "$(realpath "$wine")")/wineserver
cleanup() {
    "$wineserver" -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

unzip -q "$zip" -d "$work"
folder=$(echo "$work"/velmora-usi-*-windows-x64)
exe=$folder/velmora-usi.exe

fail() {
    printf '%s\n' "FAIL: $1" "${@:2}" >&2
    echo "wine's messages:" >&2
    cat "$work/stderr" >&2 || true
    exit 1
}

send() { printf '%s\r\n' "$*" >&"${engine[1]}"; }
# Reads the answers up to the first line that matches the pattern into the array answers.
await() {
    answers=()
    local line
    while IFS= read -r -t 300 line <&"${engine[0]}"; do
        line=${line%$'\r'}
        answers+=("$line")
        [[ $line =~ $1 ]] && return 0
    done
    fail "no line matching '$1' came; before it:" "${answers[@]}"
}
# The moves go perft 1 lists for the position set up last, one a line, into legal.
read_legal_moves() {
    send go perft 1
    await '^Nodes searched'
    legal=$(printf '%s\n' "${answers[@]}" | sed -n 's/: 1$//p')
}

# The output of a bench, as the Linux program's expected output has it.
bench_matches() {
    local expected=$1
    shift
    "$wine" "$exe" "$@" 2>"$work/stderr" | tr -d '\r' | diff -u "$expected" - ||
        fail "velmora-usi.exe $* printed otherwise than on Linux"
}

session() {
    coproc engine { exec "$wine" "$exe" 2>"$work/stderr"; }
    # shellcheck disable=SC2154 # coproc names the process engine_PID
    engine_pid=$engine_PID

    send usi
    await '^usiok$'
    [[ ${answers[0]} == "id name Velmora "* ]] ||
        fail "the usi answer names no Velmora:" "${answers[@]}"
    for option in $(printf '%s\n' "${answers[@]}" | sed -n 's/^option name \([^ ]*\) .*/\1/p'); do
        grep -q "^  $option " "$folder/README.txt" ||
            fail "README.txt does not explain the option $option"
    done
    send isready
    await '^readyok$'

    # Perft 5 in standard minishogi and in Velmora's game: every move's count as on Linux.
    for rules in "minishogi rbsgk/4p/5/P4/KGSBR b - 1" "velmora kgsbr/p4/5/4P/RBSGK b - 1"; do
        variant=${rules%% *} sfen=${rules#* }
        commands=("setoption name USI_Variant value $variant" "position sfen $sfen" "go perft 5")
        for command in "${commands[@]}"; do send "$command"; done
        await '^Nodes searched'
        linux=$(printf '%s\n' "${commands[@]}" quit | "$reference")
        [ "$(printf '%s\n' "${answers[@]}")" = "$linux" ] ||
            fail "go perft 5 in $variant counts on Windows:" "${answers[@]}" \
                "and on Linux:" "$linux"
    done

    # Each computer answers a short go with a legal move.
    for setup in "minishogi strong startpos moves 5e4d 1a2b" \
        "velmora classic startpos moves 1e2d"; do
        read -r variant computer position <<<"$setup"
        send setoption name USI_Variant value "$variant"
        send setoption name Computer value "$computer"
        send position "$position"
        read_legal_moves
        send go btime 0 wtime 0 byoyomi 300
        await '^bestmove '
        read -r _ move _ <<<"${answers[-1]}"
        grep -qx -- "$move" <<<"$legal" ||
            fail "the $computer computer in $variant played $move after position $position;" \
                "the legal moves:" "$legal"
    done

    # quit ends the program though its input stays open.
    send quit
    for _ in $(seq 60); do
        kill -0 "$engine_pid" 2>/dev/null || break
        sleep 0.5
    done
    kill -0 "$engine_pid" 2>/dev/null && fail "still running 30 seconds after quit"
    status=0
    wait "$engine_pid" || status=$?
    [ $status -eq 0 ] || fail "ended with status $status after quit"
}

case $check in
session) session ;;
bench) bench_matches "$reference" bench ;;
bench-strong) bench_matches "$reference" bench strong ;;
*) echo "unknown check $check" >&2; exit 2 ;;
esac
