#!/bin/sh
# Renders every screen and dialog in one language to PNG files, offscreen,
# so that a changed text can be looked at: scripts/render-screens.sh fr out/
# (language codes: gb de fr it es cn cz hu ru si jp pl pt ro sk se fi dk no
# bg hr kr rs tr). Texts that do not fit are listed as the test's failure.
set -eu
if [ $# -ne 2 ]; then
  echo "usage: $0 LANGUAGE OUTDIR" >&2
  exit 2
fi
cd "$(dirname "$0")/.."
out=$(mkdir -p "$2" && cd "$2" && pwd)
[ -d build ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tst_languages >/dev/null
alsa=$(grep -o 'KX500_ALSA_CONFIG_HOME:[A-Z]*=.*' build/CMakeCache.txt | cut -d= -f2)
KX500_RENDER_LANGUAGE="$1" KX500_SCREENSHOT_DIR="$out" QT_QPA_PLATFORM=offscreen \
  KX500_ROOT=/nonexistent-kx500-root XDG_CONFIG_HOME="$alsa" build/bin/tst_languages -silent
echo "$(ls "$out" | grep -c "^$1-") pictures in $out"
