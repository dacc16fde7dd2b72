#!/bin/sh
# Sets everything up on a fresh Debian machine, builds, runs the short fuzz
# runs of the file readers and the sanitizer run of the rules and the
# simulator, then every test.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
sh scripts/build.sh
sh scripts/fuzz.sh
sh scripts/sanitize.sh
cd build
ctest --output-on-failure -j "$(nproc)"
