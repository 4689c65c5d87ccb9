#!/usr/bin/env bash
# Installs what is missing, builds, starts the simulated instrument on a
# pseudo-terminal, points serial port 1 of the bundled data folder at it, and
# starts the program on that data folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOR_BUILD_TESTS=OFF -DZOR_BUILD_BENCH=OFF
cmake --build build/run -j "$(nproc)"

bin=build/run/bin
tty="$PWD/build/run/zor-sim.tty"
"$bin/zor-sim" --link "$tty" --record "$PWD/build/run/zor-sim-received.txt" &
sim=$!
trap 'kill $sim 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "$tty" ] && break; sleep 0.1; done

"$bin/zor-rds-cli" --data-dir "$bin/Daten" ini set Rs232.ini 38xx Port1 "$tty"
echo "Simulated instrument on $tty (Com1); received lines go to build/run/zor-sim-received.txt"

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
  echo "No display found: running the window under a virtual X server (xvfb-run)."
  xvfb-run -a "$bin/zor-rds" --data-dir "$bin/Daten"
else
  "$bin/zor-rds" --data-dir "$bin/Daten"
fi
