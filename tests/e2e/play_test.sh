#!/bin/sh
# Plays the real program on a private X server, as a person would: answers
# the console, waits for the window, throws the dice, buys a property when
# offered, checks what the screen shows, and quits with Escape.
# Usage: play_test.sh path/to/bourgade3d
set -u
GAME=$1
. "$(dirname "$0")/e2e_lib.sh"

start_server

# End of input at the first question: a message and a failure status.
"$GAME" </dev/null >"$WORK/eof_out" 2>"$WORK/eof_err"
[ $? -eq 1 ] || fail "closed input should end the program with status 1"
grep -q "Plus rien a lire" "$WORK/eof_err" || fail "no message on closed input"

# A real game; full screen is asked for and cannot be had on Xvfb.
start_game "$GAME" '2\nAnne n\nBob n\no\n'

wait_for_window
grep -q "plein ecran 800x600 n'est pas disponible" "$WORK/out" || fail "no full-screen notice"
sleep 3
# Refused, full screen is a window over the whole desktop instead.
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
[ "$WIDTH" = 1024 ] && [ "$HEIGHT" = 768 ] || fail "full screen refused gives a ${WIDTH}x$HEIGHT window"

shot
check_board_frame
has_colour 200x25+505+12 'rgb(110,208,253)' || fail "the first player's name is not in its colour"
has_colour 200x25+505+60 'rgb(207,0,205)' || fail "the second player's name is not in its colour"

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
has_colour 200x25+505+12 'rgb(110,208,253)' || fail "the panel lost the first player"

quit_with_escape
[ "$STATUS" -eq 0 ] || fail "Escape should end the program with status 0, got $STATUS"
echo "1 passed, 0 failed"
