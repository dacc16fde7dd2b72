#!/bin/sh
# Installs the build into a temporary prefix and uses it from another
# folder as a player would: the simulator, the game's first frame, the
# desktop entry, the manual pages; then checks the Debian package.
# Usage: install_test.sh BUILD_DIR VERSION DATA_DIR_OF_THE_BUILDS_PREFIX
set -u
BUILD=$(cd "$1" && pwd)
VERSION=$2 BUILT_DATA=$3
. "$(dirname "$0")/e2e_lib.sh"
PREFIX=$WORK/prefix

cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$WORK/install.log")"
# What is installed, and what the Debian package holds under /usr.
FILES="bin/bourgade3d bin/bourgade3d-sim share/bourgade3d/textures/Font.bmp share/bourgade3d/textures/c0.tga
    share/applications/bourgade3d.desktop share/icons/hicolor/64x64/apps/bourgade3d.png
    share/icons/hicolor/128x128/apps/bourgade3d.png share/icons/hicolor/256x256/apps/bourgade3d.png
    share/man/man6/bourgade3d.6.gz share/man/man6/bourgade3d-sim.6.gz
    share/bourgade3d/textures/sounds/dice_roll.wav share/bourgade3d/textures/sounds/winner.wav"
for file in $FILES; do
    [ -f "$PREFIX/$file" ] || fail "not installed: $file"
done

# Nothing of the build or the source is in reach from here: the data can
# only come through the prefix.
mkdir "$WORK/elsewhere" && cd "$WORK/elsewhere" || fail "no working directory"

"$PREFIX/bin/bourgade3d-sim" --games 10 >sim.out 2>&1 || fail "the simulator failed: $(cat sim.out)"
grep -q '^games=10 finished=.* violations=0 ' sim.out || fail "no summary: $(cat sim.out)"

desktop-file-validate "$PREFIX/share/applications/bourgade3d.desktop" >desktop.out 2>&1 ||
    fail "desktop entry: $(cat desktop.out)"
grep -q '^Terminal=false$' "$PREFIX/share/applications/bourgade3d.desktop" || fail "Terminal=false"
for page in bourgade3d bourgade3d-sim; do
    [ "$("$PREFIX/bin/$page" --version)" = "$page $VERSION" ] || fail "$page --version"
    "$PREFIX/bin/$page" --help | grep -q -- '--version' || fail "$page --help"
    MANWIDTH=80 man --warnings -l "$PREFIX/share/man/man6/$page.6.gz" >man.out 2>man.err ||
        fail "man -l $page failed"
    [ ! -s man.err ] || fail "man -l $page warns: $(cat man.err)"
    # Every option the program's help lists is in its manual page too.
    for option in $("$PREFIX/bin/$page" --help | sed -n 's/^  \(--[a-z-]*\).*/\1/p'); do
        grep -q -- "$option" man.out || fail "the $page manual page lacks $option"
    done
done
MANWIDTH=80 man -l "$PREFIX/share/man/man6/bourgade3d.6.gz" | grep -q 'Échap' ||
    fail "the game's manual page has no keys"

start_server
# SDL's disk driver stands for a sound card: the game loads its sounds too.
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/audio.raw"
start_game "$PREFIX/bin/bourgade3d" '2\nAnne n\nBob n\nn\n'
sleep 3
shot
check_board_frame
quit_with_escape
unset SDL_AUDIODRIVER SDL_DISKAUDIOFILE
! grep -q 'introuvable\|Pas de son' "$WORK/out" || fail "data files not found through the prefix"

# The program alone, away from any data folder: one note of where it
# looked, then the documented lines, with no reason line under each.
# Skipped where a game is installed in the build's own prefix.
if [ ! -d "$BUILT_DATA" ]; then
    mkdir "$WORK/lonely" && cp "$PREFIX/bin/bourgade3d" "$WORK/lonely/"
    start_game "$WORK/lonely/bourgade3d" '2\nAnne n\nBob n\nn\n'
    wait_for_line 'Fichier Textures/Font.bmp introuvable' 20 || fail "no line for the font"
    [ "$(grep -c '^Aucun dossier de données trouvé' "$WORK/out")" -eq 1 ] || fail "no single note"
    grep -q "^  $WORK/lonely/textures\$" "$WORK/out" || fail "the note does not list the folders"
    ! grep -q 'fichier absent' "$WORK/out" || fail "reason lines under the note"
    quit_with_escape
fi

cpack -G DEB -B "$WORK/deb" --config "$BUILD/CPackConfig.cmake" >cpack.out 2>&1 ||
    fail "cpack failed: $(cat cpack.out)"
DEB=$(ls "$WORK"/deb/bourgade3d_"$VERSION"_*.deb) || fail "no package"
dpkg-deb -c "$DEB" >contents.out || fail "dpkg-deb -c"
for file in $FILES; do
    grep -q " \./usr/$file\$" contents.out || fail "the package lacks $file"
done
! grep -qv ' \./usr/' contents.out || fail "the package installs outside /usr"
for field in Package=bourgade3d Version="$VERSION" Section=games; do
    [ "$(dpkg-deb -f "$DEB" "${field%%=*}")" = "${field#*=}" ] || fail "$field"
done
DEPENDS=$(dpkg-deb -f "$DEB" Depends)
for library in libglut libglu1-mesa libgl1-mesa-dri libsdl2-mixer libstdc++6; do
    echo "$DEPENDS" | grep -q "$library" || fail "Depends lacks $library: $DEPENDS"
done
! echo "$DEPENDS" | grep -q -e '-dev' -e cairo -e gtest || fail "Depends holds build packages: $DEPENDS"

