#!/usr/bin/env bash
# Installs the Debian package on a fresh Debian 12 system and checks the
# installed program there: a minimal system is made with debootstrap in a
# folder of the build, the package is installed into it with apt, and the
# program is started from the desktop launcher under Xvfb, where F1 and the
# about panel's "Open Source License" must open the installed manual and
# licence folder. The simulator and the command-line client of the package
# are tried on loopback as well. Nothing leaves 127.0.0.1.
#
#   scripts/check-package.sh [PACKAGE.deb]     (default: build a fresh one)
#
# Needs root (debootstrap, chroot, mounts) and a Debian mirror
# ($TARN_DEBIAN_MIRROR, default http://deb.debian.org/debian).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TARN_BUILD_DIR:-$here/build}"
deb="${1:-}"
if [ -z "$deb" ]; then
  deb="$("$here/scripts/package.sh" | tail -1)"
fi
deb="$(realpath "$deb")"
root="${TARN_FRESH_ROOT:-$build/fresh-debian}"
mirror="${TARN_DEBIAN_MIRROR:-http://deb.debian.org/debian}"

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
command -v debootstrap >/dev/null || {
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq debootstrap
}

cleanup() {
  for m in "$root/dev/pts" "$root/dev" "$root/proc"; do
    mountpoint -q "$m" && $sudo umount -l "$m" || true
  done
}
trap cleanup EXIT

echo "== a fresh Debian 12 in $root"
cleanup
# Never remove a folder with the machine's /dev or /proc still bound into it.
for m in "$root/dev/pts" "$root/dev" "$root/proc"; do
  if mountpoint -q "$m"; then echo "still mounted: $m" >&2; exit 1; fi
done
$sudo rm -rf --one-file-system "$root"
$sudo debootstrap --variant=minbase bookworm "$root" "$mirror" >"$build/fresh-debian.log" 2>&1 ||
  { tail -20 "$build/fresh-debian.log"; exit 1; }
$sudo mount -t proc proc "$root/proc"
$sudo mount --bind /dev "$root/dev"
$sudo mount --bind /dev/pts "$root/dev/pts"
$sudo cp /etc/resolv.conf "$root/etc/resolv.conf"
$sudo cp "$deb" "$root/tmp/"

echo "== apt install ./$(basename "$deb")"
$sudo chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive \
  /bin/sh -c "apt-get update -qq && apt-get install -y -qq /tmp/$(basename "$deb") >/tmp/apt.log 2>&1 || { tail -30 /tmp/apt.log; exit 1; }"

echo "== the installed program"
# The checking tools are not part of the package: Xvfb, xdotool, and an
# xdg-open that records what the program asks the desktop to open.
$sudo chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive \
  /bin/sh -c "apt-get install -y -qq --no-install-recommends xvfb xauth xdotool >/tmp/apt-check.log 2>&1 || { tail -30 /tmp/apt-check.log; exit 1; }"
$sudo cp "$here/scripts/installed-checks.sh" "$root/tmp/installed-checks.sh"
$sudo chroot "$root" /usr/bin/env -i PATH=/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
  /bin/bash /tmp/installed-checks.sh
echo "== the package installs and runs on a fresh Debian 12"
