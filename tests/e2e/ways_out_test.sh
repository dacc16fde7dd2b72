#!/bin/sh
# Every way out ends the game cleanly. A seeded game between computers at
# "Instantanée" reaches its standings with the simulator's very log. No
# display is said in one line; stopped from outside, a game ends with the
# status below, a whole log and none of Xlib's own text.
# Usage: ways_out_test.sh path/to/bourgade3d path/to/bourgade3d-sim
set -u
GAME=$1 SIM=$2
. "$(dirname "$0")/e2e_lib.sh"
BOUND=${BOUND:-120}

start_server
start_game "$GAME" '2\nAnne o\nBob o\nn\n' --speed instant --seed 11
wait_for_line "^Classement final" $BOUND || fail "no final standings within $BOUND s"
grep -q "^1\. " "$WORK/out" || fail "no winner in the standings"
# The messages run from the end of the dialogue to the standings; the
# simulator names its players "Player 1" and "Player 2".
sed -n '/^Jouer en mode/,$p' "$WORK/out" | tail -n +2 | sed '/^$/,$d' |
    sed 's/\bAnne\b/Player 1/g; s/\bBob\b/Player 2/g' >"$WORK/window.log"
"$SIM" --games 1 --players 2 --seed 11 --log | sed '/^seat=/,$d' >"$WORK/sim.log"
[ "$(wc -l <"$WORK/sim.log")" -gt 50 ] || fail "too short a log for a whole game"
cmp -s "$WORK/window.log" "$WORK/sim.log" ||
    fail "the window's log differs from the simulator's: $(diff "$WORK/window.log" "$WORK/sim.log" | head -5)"
kill "$GAME_PID" && wait_exit 5

DISPLAY=:65000 "$GAME" </dev/null >"$WORK/out" 2>&1 && fail "no display should end with a failure status"
[ "$(wc -l <"$WORK/out")" -eq 1 ] && grep -q "^Impossible d'ouvrir l'affichage graphique" "$WORK/out" ||
    fail "no display should be said in one line"

# Computers play at their pace while the game is stopped from outside; the
# X server goes last.
for way in close:0 TERM:143 INT:130 HUP:129 display:1; do
    start_game "$GAME" '2\nAnne o\nBob o\nn\n' --seed 3
    wait_for_line "Anne\|Bob" 30 || fail "no game log"
    sleep 1
    lines=$(wc -l <"$WORK/out")
    case ${way%:*} in
        close) xdotool windowclose "$WINDOW" ;;
        display) kill "$XVFB_PID" && XVFB_PID= ;;
        *) kill -"${way%:*}" "$GAME_PID" ;;
    esac
    wait_exit 5
    [ "$STATUS" -eq "${way#*:}" ] || fail "$way: ended with $STATUS"
    [ "$(wc -l <"$WORK/out")" -ge "$lines" ] || fail "$way: log lines lost"
    [ "$(tail -c 1 "$WORK/out" | od -An -c | tr -d ' ')" = '\n' ] || fail "$way: the log ends mid-line"
    ! grep -q "XIO\|X Error" "$WORK/out" || fail "$way: Xlib's own text"
done
[ "$(grep -c "^La connexion à l'affichage X est perdue" "$WORK/out")" -eq 1 ] || fail "the lost display not said once"
