#!/bin/sh
# How the game feels to a new player: an instant click (press and release
# at once, as xdotool sends it) on a property in a pick mode is not lost,
# and a resized window shows the whole layout with bars and still takes
# its clicks where the layout draws things.
# Usage: feel_test.sh path/to/bourgade3d
set -u
GAME=$1
. "$(dirname "$0")/e2e_lib.sh"

start_server 1600x900
start_game "$GAME" '2\nAnne n\nBob n\nn\n'
wait_for_window
sleep 3

# The look: the info icon, then one instant click on the first street.
click 164 547
sleep 2
click 402 455
wait_for_line "^BOUL. DE BELLEVILLE$" 10 || fail "the instant click on a street in the look was lost"
# A click beside the board leaves the look, once the street's name is read.
sleep 3
click 650 300
sleep 3

# The window at 1280 x 720: the layout fills its height between two bars.
xdotool windowsize "$WINDOW" 1280 720
sleep 4
shot
[ "$(convert "$WORK/shot.xwd" -format '%w x %h' info:)" = "1280 x 720" ] || fail "the window was not resized"
case "$(convert "$WORK/shot.xwd" -format '%[fx:int(255*p{80,360}.r)]' info:)" in
    0) ;;
    *) fail "no bar on the left of the layout" ;;
esac
check_board_frame
has_colour 200x25+505+12 'rgb(110,208,253)' || fail "the panel is not scaled into the window"

# A click on the drawn die throws: whatever the dice bring (a street, a
# card's text, a tax), the log grows.
lines=$(wc -l <"$WORK/out")
click 215 545
wait_for_more_lines "$lines" 15 || fail "the die did not throw"

quit_with_escape
[ "$STATUS" -eq 0 ] || fail "Escape should end the program with status 0, got $STATUS"
echo "1 passed, 0 failed"
