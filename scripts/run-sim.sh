#!/usr/bin/env bash
# Installs what is missing, builds, starts the device simulator on a
# simulated root and the program against it. The simulator takes control
# commands on this terminal (type "help"); Ctrl-C ends both.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target kx500 kx500-sim

root=${KX500_SIM_ROOT:-$PWD/build/simroot}
mkdir -p "$root"
root=$(cd "$root" && pwd)
# Leftovers of a simulator that did not end cleanly.
rm -f "$root"/dev/ttyO1 "$root"/dev/ttyO2 "$root"/dev/ttyO3 "$root"/sim/control

if [ -z "${DISPLAY:-}" ]; then
  port=5900
  while (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; do port=$((port + 1)); done
  export QT_QPA_PLATFORM="vnc:size=480x272:port=$port"
  echo "No DISPLAY: the KX500 screen is served by VNC. Connect a viewer to 127.0.0.1:$port"
  echo "(for example: vncviewer 127.0.0.1::$port)."
fi

(
  # The program starts once the simulator has opened its serial lines.
  for _ in $(seq 100); do [ -p "$root/sim/control" ] && break; sleep 0.1; done
  echo "Starting build/bin/kx500 with KX500_ROOT=$root"
  KX500_ROOT="$root" XDG_CONFIG_HOME="$root/etc/xdg" exec build/bin/kx500
) &

echo "Simulator on $root. Commands here or into $root/sim/control; 'help' lists them."
exec build/bin/kx500-sim --root "$root" --end-program-on-poweroff --paired
