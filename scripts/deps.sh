#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need; only what is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ccache clang clang-format
  libclang-rt-dev
  qtbase5-dev qtmultimedia5-dev libqt5svg5-dev qttools5-dev qttools5-dev-tools
  libhidapi-dev libudev-dev zlib1g-dev libcjson-dev libpugixml-dev libfftw3-dev libpulse-dev pulseaudio pulseaudio-utils
  libx11-dev libxtst-dev libxi-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils xdotool openbox trayer
  fonts-dejavu-core
  fonts-wqy-microhei
  python3
  desktop-file-utils appstream lintian dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=900 update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}"
fi
