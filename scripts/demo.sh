#!/usr/bin/env bash
# Installs what the project needs, builds it and runs the demo: a simulated
# fleet of devices on loopback (this machine only), discovered by tarn-cli.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh"
bin="${TARN_BUILD_DIR:-$here/build}/bin"

# The demo never leaves this machine.
export TARN_INTERFACE=127.0.0.1
export TARN_PORT="${TARN_PORT:-37123}"

"$bin/tarn-devsim" --count "${TARN_DEMO_DEVICES:-40}" --inactive "${TARN_DEMO_INACTIVE:-8}" \
    --loopback-addresses --http --quiet &
sim=$!
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null || true' EXIT
sleep 1
echo "Devices found on the segment (serial, MAC, model, IPv4, mask, gateway, port, HTTP port, state, version):"
"$bin/tarn-cli" discover --wait 3
echo
echo "Each activated device serves its page on its address, for example: http://127.0.1.1:8080/"
