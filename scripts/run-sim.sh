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
mkdir -p "$root/sim"
root=$(cd "$root" && pwd)
pidfile=$root/sim/kx500.pid

# SIGTERM lets the program close its lines; what is still there after 5 s is killed.
end_process() {
  kill -TERM "$1" 2>/dev/null || return 0
  for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  kill -KILL "$1" 2>/dev/null || true
}

# A program left from an earlier run on this root would hold its serial lines.
if [ -f "$pidfile" ]; then
  old=$(cat "$pidfile")
  if [ -n "$old" ] && grep -qs kx500 "/proc/$old/cmdline" && ! grep -qs kx500-sim "/proc/$old/cmdline"; then
    echo "Ending the program of an earlier run (pid $old)"
    end_process "$old"
  fi
  rm -f "$pidfile"
fi

if [ -z "${DISPLAY:-}" ]; then
  port=5900
  while (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; do port=$((port + 1)); done
  export QT_QPA_PLATFORM="vnc:size=480x272:port=$port"
  echo "No DISPLAY: the KX500 screen is served by VNC. Connect a viewer to 127.0.0.1:$port"
  echo "(for example: vncviewer 127.0.0.1::$port)."
fi

program=""
end_program() {
  [ -n "$program" ] && end_process "$program"
  rm -f "$pidfile"
}
# Ctrl-C reaches the simulator and this script; the program, started in the
# background, is ended here.
trap end_program EXIT
trap 'exit 130' INT TERM HUP

clear_leftovers() {
  # Links and FIFO of a simulator that did not end cleanly.
  rm -f "$root"/dev/ttyO1 "$root"/dev/ttyO2 "$root"/dev/ttyO3 "$root"/sim/control
}
clear_leftovers

(
  # The program starts once the simulator has opened its serial lines.
  for _ in $(seq 100); do [ -p "$root/sim/control" ] && break; sleep 0.1; done
  echo "Starting build/bin/kx500 with KX500_ROOT=$root"
  KX500_ROOT="$root" XDG_CONFIG_HOME="$root/etc/xdg" exec build/bin/kx500
) &
program=$!
echo "$program" > "$pidfile"

echo "Simulator on $root. Commands here or into $root/sim/control; 'help' lists them."
while :; do
  status=0
  build/bin/kx500-sim --root "$root" --end-program-on-poweroff --paired || status=$?
  # 'quit', or the program switched itself off: both end.
  if [ "$status" -eq 0 ] || ! kill -0 "$program" 2>/dev/null; then
    exit "$status"
  fi
  echo "kx500-sim ended (status $status); the program runs on without its devices."
  echo "Enter starts the simulator again, Ctrl-C ends both."
  # A killed simulator leaves the terminal's input non-blocking: read from a
  # fresh open of the terminal.
  read -r _ </dev/tty || exit "$status"
  clear_leftovers
done
