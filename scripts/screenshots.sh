#!/usr/bin/env bash
# Renders the screenshots of the program with a simulated fleet on loopback,
# under Xvfb when there is no display.
#
#   scripts/screenshots.sh [OUTPUT_FOLDER]     (default: docs/screenshots)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bin="${TARN_BUILD_DIR:-$here/build}/bin"
out="$(realpath -m "${1:-$here/docs/screenshots}")"
export TARN_INTERFACE=127.0.0.1
export TARN_PORT="${TARN_PORT:-37177}"
"$bin/tarn-devsim" --count 40 --inactive 8 --seed 7 --loopback-addresses --quiet &
sim=$!
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null || true' EXIT
cd "$bin"
if [ -z "${DISPLAY:-}" ]; then
  xvfb-run -a -s "-screen 0 1600x900x24" ./tarn-screenshots "$out"
else
  ./tarn-screenshots "$out"
fi
