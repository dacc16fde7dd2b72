#!/bin/sh
# Plays the real program on a private X server as a person would. Full
# screen is asked for and refused on Xvfb: the window covers the 1600 x 900
# desktop, with the layout scaled between bars, and takes its clicks where
# the layout draws things. Instant clicks (press and release at once, as
# xdotool sends them) look at a street, throw the dice and buy what is
# offered; in the mortgage pick, ten clicks beside the board pile up no held
# messages, and Escape then ends the game at once.
# Usage: play_test.sh path/to/bourgade3d
set -u
GAME=$1
. "$(dirname "$0")/e2e_lib.sh"

start_server 1600x900

# End of input at the first question: a message and a failure status.
"$GAME" </dev/null >"$WORK/eof_out" 2>"$WORK/eof_err"
[ $? -eq 1 ] || fail "closed input should end the program with status 1"
grep -q "Plus rien a lire" "$WORK/eof_err" || fail "no message on closed input"

start_game "$GAME" '2\nAnne n\nBob n\no\n'
wait_for_window
grep -q "plein ecran 800x600 n'est pas disponible" "$WORK/out" || fail "no full-screen notice"
sleep 3
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
[ "$WIDTH" = 1600 ] && [ "$HEIGHT" = 900 ] || fail "full screen refused gives a ${WIDTH}x$HEIGHT window"
shot
[ "$(pixel -40 300)" = 0,0,0 ] || fail "no bar on the left of the layout"
check_board_frame
has_colour 200 25 505 12 'rgb(110,208,253)' || fail "the first player's name is not in its colour"
has_colour 200 25 505 60 'rgb(207,0,205)' || fail "the second player's name is not in its colour"

# The look: the info icon, then a click on the first street; a click beside
# the board leaves it, once the street's name is read.
click 164 547
sleep 2
click 402 455
wait_for_line "^BOUL. DE BELLEVILLE$" 10 || fail "the click on a street in the look was lost"
sleep 3
click 650 300
sleep 3

# Throw until a purchase is offered, and buy it.
bought=
for _ in $(seq 10); do
    click 215 545
    if wait_for_line "^Acheter .* ?$" 12; then
        click 188 315
        wait_for_line "appartient maintenant a" 10 || fail "the purchase was not made"
        bought=yes
        break
    fi
    if grep -q "?$" "$WORK/out"; then
        click 255 315
    fi
done
[ -n "$bought" ] || fail "no purchase offered in ten throws"
sleep 2
shot
has_colour 200 25 505 12 'rgb(110,208,253)' || fail "the panel lost the first player"

press m
wait_for_line "^Choisissez la propriete" 10 || fail "the mortgage pick did not start"
for _ in $(seq 10); do
    click 750 300
done
quit_with_escape 2
echo "Escape ended the game in $ELAPSED tenths of a second"
echo "1 passed, 0 failed"
