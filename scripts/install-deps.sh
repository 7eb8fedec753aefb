#!/usr/bin/env bash
# Installs every Debian 12 package that the build, the program, the simulator
# and the tests need. Idempotent: quiet when everything is already present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config git python3
  qtbase5-dev qtbase5-dev-tools qttools5-dev qttools5-dev-tools
  qtmultimedia5-dev libqt5multimedia5-plugins
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-alsa
  libqt5serialport5-dev qtpositioning5-dev libqt5svg5-dev
  libasound2-dev libasound2-plugins
  libbenchmark-dev libfftw3-dev clang libclang-rt-dev
  fonts-dejavu-core xvfb xauth
  # Glyphs for Chinese and Japanese, and for Korean, where the board font is missing.
  fonts-droid-fallback fonts-nanum
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
