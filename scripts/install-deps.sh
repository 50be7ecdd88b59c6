#!/usr/bin/env bash
# Installs the Debian 12 packages the project builds and tests with.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-5compat-dev qt6-tools-dev qt6-tools-dev-tools
  qt6-l10n-tools qt6-translations-l10n qt6-svg-dev libgl-dev fonts-noto-cjk
  libsodium-dev libqrencode-dev
  xvfb xauth
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
