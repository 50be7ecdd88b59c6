#!/usr/bin/env bash
# Renders the screenshots of the program with a simulated fleet on loopback,
# under Xvfb when there is no display: English into the folder, Chinese into
# its zh/ subfolder.
#
#   scripts/screenshots.sh [OUTPUT_FOLDER]     (default: docs/screenshots)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bin="${TARN_BUILD_DIR:-$here/build}/bin"
out="$(realpath -m "${1:-$here/docs/screenshots}")"
export TARN_INTERFACE=127.0.0.1
export TARN_PORT="${TARN_PORT:-37177}"
# The simulated maker's folder stays private to this run.
maker="$(mktemp -d)"
sim=
stop_fleet() {
  if [ -n "$sim" ]; then
    kill "$sim" 2>/dev/null || true
    wait "$sim" 2>/dev/null || true
    sim=
  fi
}
trap 'stop_fleet; rm -rf "$maker"' EXIT

# A fresh fleet for each language, so that both sets show the same devices
# in the same state.
render() {
  local folder="$1"
  shift
  "$bin/tarn-devsim" --count 40 --inactive 8 --seed 7 --loopback-addresses --quiet \
    --maker-dir "$maker" &
  sim=$!
  (
    cd "$bin"
    if [ -z "${DISPLAY:-}" ]; then
      xvfb-run -a -s "-screen 0 1600x900x24" ./tarn-screenshots "$folder" "$@"
    else
      ./tarn-screenshots "$folder" "$@"
    fi
  )
  stop_fleet
}

status=0
render "$out" || status=1
render "$out/zh" --translator 1 || status=1
exit "$status"
