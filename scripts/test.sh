#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, checks the formatting, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test: offscreen ones directly, those labelled x11
# under a private Xvfb server, those labelled wm under Xvfb with the openbox window manager.
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

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

# The program alone first, the way scripts/run.sh builds it, and started before anything else is
# built: whatever it loads at run time must come with its own target, not with the tests'.
cmake --build "$build" --target tidelumen -j"$jobs"
"$root/scripts/smoke.sh" "$build/tidelumen"

cmake --build "$build" -j"$jobs"

status=0
( cd "$build" && ctest --output-on-failure -j"$jobs" -LE x11 ) || status=1

# Starts a private Xvfb server (and, when asked, openbox on it); sets disp to its name.
start_display() {
  disp=
  for n in $(seq 90 140); do [ -e "/tmp/.X$n-lock" ] || { disp=":$n"; break; }; done
  Xvfb "$disp" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do xdpyinfo -display "$disp" >/dev/null 2>&1 && break; sleep 0.1; done
  if [ "${1:-}" = wm ]; then
    DISPLAY="$disp" openbox --sm-disable >/dev/null 2>&1 &
    pids+=($!)
    # openbox owns the screen's window-manager selection once it is ready.
    for _ in $(seq 50); do
      DISPLAY="$disp" xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
      sleep 0.1
    done
  fi
}
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done' EXIT

# Tests labelled x11 run on a bare Xvfb server; those also labelled wm need a window manager.
if ( cd "$build" && ctest -N -L x11 -LE wm | grep -q 'Total Tests: [1-9]' ); then
  start_display
  ( cd "$build" && DISPLAY="$disp" QT_QPA_PLATFORM=xcb ctest --output-on-failure -j1 -L x11 -LE wm ) || status=1
fi
if ( cd "$build" && ctest -N -L wm | grep -q 'Total Tests: [1-9]' ); then
  start_display wm
  ( cd "$build" && DISPLAY="$disp" QT_QPA_PLATFORM=xcb ctest --output-on-failure -j1 -L wm ) || status=1
fi
exit $status
