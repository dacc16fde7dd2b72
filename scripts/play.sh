#!/bin/sh
# Sets everything up on a fresh Debian machine, then starts the game.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
sh scripts/build.sh
exec ./build/bourgade3d
