#!/bin/sh
# Installs every Debian package the game, its build and its tests need.
# Safe to run again: apt-get skips what is already there.
set -e

PACKAGES="
  g++ cmake make
  libgtest-dev libgmock-dev
  pkg-config
  libcairo2-dev libfontconfig-dev
  fonts-dejavu-core
"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
