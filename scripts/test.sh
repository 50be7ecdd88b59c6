#!/usr/bin/env bash
# Installs what the project needs, builds it and runs every test through CTest.
# Tests run on loopback only, each on a multicast port of its own.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh"
cd "${TARN_BUILD_DIR:-$here/build}"
ctest --output-on-failure -j2 "$@"
