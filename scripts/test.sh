#!/bin/sh
# Sets everything up on a fresh Debian machine, builds, and runs every test.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
sh scripts/build.sh
cd build
ctest --output-on-failure -j "$(nproc)"
