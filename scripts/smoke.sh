#!/usr/bin/env bash
# Starts the built program the way a user does, offscreen with a simulated TL87 keyboard, a German
# locale and a scratch home, and checks from its log that the keyboard view and the device card
# found their pictures and a translation was loaded, all from DATA_DIR (default: the executable's
# folder, as in a build tree; <prefix>/share/tidelumen for an installed copy), and that the
# start-at-login entry it writes starts this executable.
# Usage: scripts/smoke.sh <path to tidelumen> [DATA_DIR]
set -euo pipefail
exe=$(readlink -f "${1:?usage: smoke.sh <tidelumen executable> [data folder]}")
data=$(readlink -f "${2:-$(dirname "$exe")}")
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
LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 LANGUAGE= \
QT_QPA_PLATFORM=offscreen TIDELUMEN_SIMULATE=TL87 \
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}" \
  "$exe" >"$log" 2>&1 &
pid=$!

# The data folder is matched literally, whatever characters its name holds.
dir=$(printf '%s' "$data" | sed 's/[][\.*^$()+?{}|]/\\&/g')
wanted=("Loaded the keyboard view picture $dir/images/hidImages/Keyboard_TL87[_0-9]*\.png"
        "Loaded the device card picture $dir/images/hidImages/Keyboard_TL87\.png"
        "Loaded the translation $dir/translation/German\.qm")
entry="$scratch/.config/autostart/tidelumen.desktop"
for _ in $(seq 150); do
  found=0
  for w in "${wanted[@]}"; do grep -qE "$w" "$log" && found=$((found + 1)); done
  if [ "$found" -eq ${#wanted[@]} ] && [ -f "$entry" ]; then
    if ! grep -qxF "Exec=\"$exe\" --AutoUp" "$entry"; then
      echo "smoke: FAILED; the start-at-login entry does not start $exe:" >&2
      cat "$entry" >&2
      exit 1
    fi
    echo "smoke: the program started and loaded its pictures and translation from $data"
    exit 0
  fi
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
echo "smoke: FAILED; wanted from $data:" >&2
printf '  %s\n' "${wanted[@]}" >&2
echo "the program's log:" >&2
cat "$log" >&2
exit 1
