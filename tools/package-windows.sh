#!/usr/bin/env bash
# Cross-builds the engine program for 64-bit Windows with mingw-w64 and packs it with a README for
# its users, the licence and the licences of the mingw-w64 runtime linked into it:
# <folder>/velmora-usi-<version>-windows-x64.zip, holding one folder of that name. Only the
# engine program: the window needs Qt, which Debian does not build for Windows.
# Prints the zip's path last.
# Usage: tools/package-windows.sh [build folder, build-windows unless given]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh windows

dir=${1:-build-windows}
cmake -S . -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DVELMORA_GUI=OFF -DVELMORA_TESTS=OFF -DVELMORA_BENCH=OFF \
    -DVELMORA_WERROR=ON >/dev/null
cmake --build "$dir" --target velmora-usi

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")
name=velmora-usi-$version-windows-x64
rm -rf "${dir:?}/$name" "$dir/$name.zip"
mkdir "$dir/$name"
x86_64-w64-mingw32-strip -o "$dir/$name/velmora-usi.exe" "$dir/usi/velmora-usi.exe"
cp packaging/windows/README.txt "$dir/$name/README.txt"
cp LICENSE "$dir/$name/LICENSE.txt"
# The program holds the mingw-w64 runtime's start-up code and its threads library, whose licences
# ask for their notices to travel with it; Debian's copyright file of that runtime has them all.
cp /usr/share/doc/mingw-w64-common/copyright "$dir/$name/LICENSE-mingw-w64.txt"
# -X leaves out the Unix owners and extra timestamps; -l gives the texts Windows' line ends.
(cd "$dir" && zip -q -X "$name.zip" "$name/velmora-usi.exe" &&
    zip -q -X -l "$name.zip" "$name/README.txt" "$name/LICENSE.txt" "$name/LICENSE-mingw-w64.txt")
realpath "$dir/$name.zip"
