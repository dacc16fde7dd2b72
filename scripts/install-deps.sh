#!/bin/sh
# Installs every Debian package the game, its build and its tests need.
# Safe to run again: apt-get skips what is already there.
set -e

PACKAGES="
  g++ cmake make
  libgtest-dev libgmock-dev
  libbenchmark-dev
  pkg-config
  libcairo2-dev libfontconfig-dev
  fonts-dejavu-core
"
# OpenGL, GLU and GLUT (freeglut) headers and libraries, and Mesa's drivers,
# which render in software where there is no graphics card
PACKAGES="$PACKAGES freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri libx11-dev"
# The sounds are played through SDL2_mixer
PACKAGES="$PACKAGES libsdl2-mixer-dev"
# A virtual X server: the OpenGL tests start their own
PACKAGES="$PACKAGES xvfb"
# The end-to-end test drives the real window: clicks and keys (xdotool),
# screenshots (xwd from x11-apps) and their pixels (ImageMagick)
PACKAGES="$PACKAGES xdotool x11-apps imagemagick"
# The installation test: the desktop entry's validator, the manual pages'
# reader, and what CPack needs to build the Debian package and work out its
# dependencies (dpkg-shlibdeps, file)
PACKAGES="$PACKAGES desktop-file-utils man-db dpkg-dev file"
# clang with libFuzzer and the sanitizer runtimes, for the fuzz targets
PACKAGES="$PACKAGES clang libclang-rt-14-dev"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
