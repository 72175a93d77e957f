#!/usr/bin/env bash
# Retakes the screenshots the AppStream metadata names (packaging/screenshots/), each of the program
# window with a simulated keyboard on a private Xvfb server. Run at release time with a built program.
# Usage: scripts/screenshots.sh <path to tidelumen>       Needs: xvfb, x11-utils, xdotool, imagemagick
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=$(readlink -f "${1:?usage: screenshots.sh <tidelumen executable>}")
for tool in Xvfb xdpyinfo xdotool import; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
done

# shoot NAME MODEL [X Y]: starts the program with MODEL simulated, clicks at X,Y in its window
# when given, and saves the window as packaging/screenshots/NAME.png.
shoot() {
  local name=$1 model=$2 x=${3:-} y=${4:-}
  local scratch disp= xpid pid wid
  scratch=$(mktemp -d)
  mkdir -p "$scratch/runtime" && chmod 700 "$scratch/runtime"
  for n in $(seq 90 140); do [ -e "/tmp/.X$n-lock" ] || { disp=":$n"; break; }; done
  Xvfb "$disp" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
  xpid=$!
  for _ in $(seq 50); do xdpyinfo -display "$disp" >/dev/null 2>&1 && break; sleep 0.1; done
  DISPLAY="$disp" HOME="$scratch" XDG_CONFIG_HOME="$scratch/.config" XDG_DATA_HOME="$scratch/.local/share" \
  XDG_RUNTIME_DIR="$scratch/runtime" LC_ALL=en_US.UTF-8 TIDELUMEN_SIMULATE="$model" \
  ASAN_OPTIONS=detect_leaks=0 "$exe" >"$scratch/log.txt" 2>&1 &
  pid=$!
  wid=
  for _ in $(seq 100); do
    wid=$(DISPLAY="$disp" xdotool search --onlyvisible --name '^Tidelumen' 2>/dev/null | head -n1) || true
    [ -n "$wid" ] && break
    sleep 0.1
  done
  sleep 3 # the keyboard opens and its picture is painted
  if [ -n "$x" ]; then
    DISPLAY="$disp" xdotool mousemove --window "$wid" "$x" "$y" click 1
    sleep 1
  fi
  DISPLAY="$disp" xdotool mousemove 1590 990 # no hover highlight in the picture
  sleep 0.3
  DISPLAY="$disp" import -window "$wid" "$root/packaging/screenshots/$name.png"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  kill "$xpid" 2>/dev/null || true
  wait "$xpid" 2>/dev/null || true
  rm -rf "$scratch"
  echo "screenshots: packaging/screenshots/$name.png"
}

shoot keys-tl87 TL87
shoot lighting-tl104 TL104 279 434 # the lighting tab's button
