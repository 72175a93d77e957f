#!/usr/bin/env bash
# Builds the Debian package from a build folder into a temporary folder and checks its file list,
# its dependencies and its maintainer scripts.
# Usage: scripts/check-deb.sh <build folder>
set -euo pipefail
build=$(readlink -f "${1:?usage: check-deb.sh <build folder>}")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "check-deb: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$out" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >"$out/cpack.log" 2>&1) ||
  { cat "$out/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$out"/tidelumen_*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || fail "cpack made no tidelumen_*.deb"

files=$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's#^\./#/#')
for f in /usr/bin/tidelumen \
         /usr/lib/udev/rules.d/60-tidelumen.rules \
         /usr/share/applications/tidelumen.desktop \
         /usr/share/metainfo/io.github.tidelumen.Tidelumen.metainfo.xml \
         /usr/share/icons/hicolor/48x48/apps/tidelumen.png \
         /usr/share/icons/hicolor/scalable/apps/tidelumen.svg \
         /usr/share/tidelumen/translation/German.qm \
         /usr/share/tidelumen/images/hidImages/Keyboard_TL87.png \
         /usr/share/doc/tidelumen/copyright \
         /usr/share/doc/tidelumen/changelog.gz \
         /usr/share/man/man1/tidelumen.1.gz; do
  grep -qxF "$f" <<<"$files" || fail "the package lacks $f"
done
# Everything lives under /usr; nothing lands in /etc or /usr/local.
if grep -vE '^/$|^/usr(/|$)' <<<"$files"; then fail "files outside /usr"; fi

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt5core5a libqt5gui5 libqt5widgets5 libqt5network5 libhidapi-hidraw0 libudev1 \
           libpugixml1v5 libcjson1 libfftw3-single3 libpulse0 udev; do
  grep -qE "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

dpkg-deb -e "$deb" "$out/control"
version=$(dpkg-deb -f "$deb" Version)
newest=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/tidelumen/changelog.gz | zcat | sed -n 1p)
[[ "$newest" == "tidelumen ($version) "* ]] ||
  fail "the change log's newest entry is not version $version"
grep -q 'udevadm control --reload-rules' "$out/control/postinst" || fail "postinst does not reload udev rules"
[ -x "$out/control/postinst" ] || fail "postinst is not executable"
echo "check-deb: $(basename "$deb") holds the program, its data and the udev rule; Depends: $depends"
