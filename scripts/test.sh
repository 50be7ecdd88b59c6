#!/usr/bin/env bash
# Installs what the project needs, builds it and runs every test through CTest.
# Tests run on loopback only, each on a multicast port of its own. Then the
# Debian package is built and installed on a fresh Debian 12 made for the
# purpose (scripts/check-package.sh; needs root or sudo, and skipped with
# TARN_SKIP_PACKAGE_CHECK=1).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh"
(cd "${TARN_BUILD_DIR:-$here/build}" && ctest --output-on-failure -j2 "$@")
if [ "${TARN_SKIP_PACKAGE_CHECK:-0}" = 1 ]; then
  echo "package check skipped (TARN_SKIP_PACKAGE_CHECK=1)"
elif [ "$(id -u)" -ne 0 ] && ! sudo -n true 2>/dev/null; then
  echo "package check skipped: it needs root or sudo (scripts/check-package.sh)"
else
  "$here/scripts/check-package.sh"
fi
