#!/usr/bin/env bash
# The Windows zip as a user unpacks it: one folder holding the program, its README and the
# licences, and a program that needs no DLL but Windows' own (a mingw runtime left dynamic would
# stop it on a machine without mingw, with an error about libstdc++-6.dll or libwinpthread-1.dll).
# Usage: zip_test.sh <folder of tools/package-windows.sh> <version>
set -euo pipefail
dir=$1 version=$2
name=velmora-usi-$version-windows-x64

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$dir/$name.zip" -d "$work"

expected=$(printf '%s\n' "$name/LICENSE-mingw-w64.txt" "$name/LICENSE.txt" "$name/README.txt" \
    "$name/velmora-usi.exe")
found=$(cd "$work" && find . -type f | sed 's|^\./||' | sort)
if [ "$found" != "$expected" ]; then
    printf 'the zip should hold:\n%s\nbut holds:\n%s\n' "$expected" "$found" >&2
    exit 1
fi
# Windows' own libraries, which every Windows has in System32.
system_dlls='^(kernel32|msvcrt|advapi32|user32|ws2_32|bcrypt|shell32|ole32)\.dll$'
status=0
while read -r dll; do
    if ! [[ ${dll,,} =~ $system_dlls ]]; then
        echo "velmora-usi.exe needs $dll, which Windows does not have" >&2
        status=1
    fi
done < <(x86_64-w64-mingw32-objdump -p "$work/$name/velmora-usi.exe" | sed -n 's/^\s*DLL Name: //p')
exit $status
