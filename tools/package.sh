#!/usr/bin/env bash
# Builds the Debian package of Velmora, <folder>/velmora_<version>_<arch>.deb: the two programs
# compiled with Debian's hardening flags (dpkg-buildflags), stripped, with the menu entry,
# metadata, icons and manual pages. Prints the package's path last.
# Usage: tools/package.sh [build folder, build-package unless given]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh run package

dir=${1:-build-package}
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF \
    -DVELMORA_BENCH=OFF -DVELMORA_WERROR=ON >/dev/null
cmake --build "$dir"
(cd "$dir" && cpack >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")
echo "$(realpath "$dir")/velmora_${version}_$(dpkg --print-architecture).deb"
