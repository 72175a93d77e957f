#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, checks the formatting, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test: offscreen ones directly, those labelled x11
# under a private Xvfb server.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/check-format.sh"

build="${TL_TEST_BUILD_DIR:-$root/build-test}"
jobs="${TL_JOBS:-$(nproc)}"
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/ccache}"
export CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-2G}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTL_SANITIZE=ON -DTL_WERROR=$werror \
      -DTL_BUILD_TESTS=ON -DTL_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j"$jobs"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

status=0
( cd "$build" && ctest --output-on-failure -j"$jobs" -LE x11 ) || status=1

if ( cd "$build" && ctest -N -L x11 | grep -q 'Total Tests: [1-9]' ); then
  for n in $(seq 90 140); do [ -e "/tmp/.X$n-lock" ] || { disp=":$n"; break; }; done
  Xvfb "$disp" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
  for _ in $(seq 50); do xdpyinfo -display "$disp" >/dev/null 2>&1 && break; sleep 0.1; done
  ( cd "$build" && DISPLAY="$disp" QT_QPA_PLATFORM=xcb ctest --output-on-failure -j1 -L x11 ) || status=1
fi
exit $status
