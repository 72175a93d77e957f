#!/usr/bin/env bash
# Starts the built program the way a user does, offscreen with a simulated TL87 keyboard and a
# scratch home, and checks from its log that the keyboard view and the device card found their
# pictures. Usage: scripts/smoke.sh <path to tidelumen>
set -euo pipefail
exe=${1:?usage: smoke.sh <tidelumen executable>}
scratch=$(mktemp -d)
log="$scratch/log.txt"
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  [ -n "$pid" ] && wait "$pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
mkdir -p "$scratch/runtime" && chmod 700 "$scratch/runtime"

HOME="$scratch" XDG_CONFIG_HOME="$scratch/.config" XDG_DATA_HOME="$scratch/.local/share" \
XDG_CACHE_HOME="$scratch/.cache" XDG_RUNTIME_DIR="$scratch/runtime" \
QT_QPA_PLATFORM=offscreen TIDELUMEN_SIMULATE=TL87 \
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}" \
  "$exe" >"$log" 2>&1 &
pid=$!

wanted=("Loaded the keyboard view picture .*/Keyboard_TL87[_0-9]*\.png"
        "Loaded the device card picture .*/Keyboard_TL87\.png")
for _ in $(seq 150); do
  found=0
  for w in "${wanted[@]}"; do grep -qE "$w" "$log" && found=$((found + 1)); done
  [ "$found" -eq ${#wanted[@]} ] && { echo "smoke: the program started and loaded its pictures"; exit 0; }
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
echo "smoke: FAILED; the program's log:" >&2
cat "$log" >&2
exit 1
