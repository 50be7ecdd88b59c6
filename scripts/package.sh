#!/usr/bin/env bash
# Installs what the project needs, builds it and makes the Debian package
# tarntool_<version>_<arch>.deb in build/package/ (or $TARN_BUILD_DIR/package).
# Install it with: sudo apt install ./build/package/tarntool_*.deb
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TARN_BUILD_DIR:-$here/build}"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh"
rm -f "$build"/package/tarntool_*.deb
(cd "$build" && cpack -G DEB -B "$build/package" >/dev/null)
ls "$build"/package/tarntool_*.deb
