#!/usr/bin/env bash
# Builds the Debian package of Tidelumen (Release, installed under /usr) into build-deb/.
# Usage: scripts/package.sh     then: sudo apt install ./build-deb/tidelumen_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"

build="$root/build-deb"
# Debian's hardening flags (fortified functions, read-only relocations, immediate binding).
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CFLAGS="$CPPFLAGS $CFLAGS" CXXFLAGS="$CPPFLAGS $CXXFLAGS" # CMake reads no CPPFLAGS
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTL_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$build" -j"${TL_JOBS:-$(nproc)}"
(cd "$build" && cpack -G DEB)
ls "$build"/tidelumen_*.deb
