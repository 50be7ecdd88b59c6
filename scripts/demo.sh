#!/usr/bin/env bash
# Installs what the project needs, builds it and runs the demo: TARN Tool with
# a simulated fleet of devices on loopback (this machine only). Closing the
# program stops the simulated fleet.
#
#   scripts/demo.sh               40 devices, 8 of them not activated
#   TARN_DEMO_DEVICES=500 TARN_DEMO_INACTIVE=50 scripts/demo.sh
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh"
bin="${TARN_BUILD_DIR:-$here/build}/bin"

# The demo never leaves this machine: the simulator and the program both talk
# on loopback only.
export TARN_INTERFACE=127.0.0.1
export TARN_PORT="${TARN_PORT:-37123}"

"$bin/tarn-devsim" --count "${TARN_DEMO_DEVICES:-40}" --inactive "${TARN_DEMO_INACTIVE:-8}" \
    --loopback-addresses --http --quiet &
sim=$!
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null || true' EXIT

echo "Simulated fleet on 127.0.0.1 (port $TARN_PORT). Activated devices use the password Admin12345;"
echo "each device serves its status page on its own address (double-click its IPv4 address)."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display here: the fleet as tarn-cli sees it instead of the window."
  sleep 1
  "$bin/tarn-cli" discover --wait 3
  exit 0
fi
"$bin/tarntool"
