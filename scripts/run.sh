#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Tidelumen and starts it.
# Usage: scripts/run.sh [-- program arguments]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"

build="$root/build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTL_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target tidelumen -j"$(nproc)"

[ "${1:-}" = "--" ] && shift
exec "$build/tidelumen" "$@"
