#!/usr/bin/env bash
# Installs a build into a temporary DESTDIR with prefix /usr, checks the desktop entry, the
# AppStream metadata, the icons and the screenshots there with their validators, and starts the
# installed program (scripts/smoke.sh), which must find everything under the prefix.
# Usage: scripts/check-install.sh <build folder> <program version>
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: check-install.sh <build folder> <version>}
version=${2:?usage: check-install.sh <build folder> <version>}
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }

DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
usr="$dest/usr"
app_id=io.github.tidelumen.Tidelumen
metainfo="$usr/share/metainfo/$app_id.metainfo.xml"

# Nothing but the program in bin: whatever it loads must come from share/.
[ "$(ls "$usr/bin")" = tidelumen ] || fail "bin/ holds more than the program: $(ls "$usr/bin")"
[ -f "$usr/lib/udev/rules.d/60-tidelumen.rules" ] || fail "the udev rule is not installed"

desktop-file-validate "$usr/share/applications/tidelumen.desktop"
# The whole tree: the metadata, and the desktop entry and icons it refers to.
appstreamcli validate-tree --no-net "$dest"

grep -q "<release version=\"$version\"" "$metainfo" ||
  fail "the metadata's releases do not list version $version"

# Every theme icon is a PNG of its folder's size.
for size in 16 22 24 32 48 64 128 256; do
  icon="$usr/share/icons/hicolor/${size}x${size}/apps/tidelumen.png"
  [ -f "$icon" ] || fail "missing $icon"
  got=$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]) if d[:8]==b"\x89PNG\r\n\x1a\n" else "not a PNG")' "$icon")
  [ "$got" = "${size}x${size}" ] || fail "$icon is $got"
done
[ -s "$usr/share/icons/hicolor/scalable/apps/tidelumen.svg" ] || fail "the scalable icon is missing"

# The metadata's screenshots are shipped with the program under the same names.
shots=$(grep -o '<image>[^<]*</image>' "$metainfo" | sed 's#</image>##; s#.*/##')
[ -n "$shots" ] || fail "the metadata has no screenshots"
for shot in $shots; do
  [ -s "$usr/share/tidelumen/screenshots/$shot" ] || fail "screenshot $shot is not installed"
done

"$root/scripts/smoke.sh" "$usr/bin/tidelumen" "$usr/share/tidelumen"
echo "check-install: the installed files validate and the installed program finds its data"
