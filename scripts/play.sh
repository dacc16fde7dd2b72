#!/bin/sh
# Sets everything up on a fresh Debian machine, builds the game and its
# pictures and sounds alone (not the tests, the tools or the benchmarks), then starts
# the game. Arguments go to the game.
set -e
cd "$(dirname "$0")/.."
echo "Bourgade3D : vérification des paquets Debian nécessaires..."
sh scripts/install-deps.sh
echo "Bourgade3D : construction du jeu, de ses images et de ses sons (la première fois, quelques minutes)..."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target bourgade3d textures sounds
echo "Bourgade3D : lancement."
exec ./build/bourgade3d "$@"
