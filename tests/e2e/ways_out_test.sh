#!/bin/sh
# Every way out ends the game cleanly, with a whole log and none of Xlib's
# own text: no display is said in one line before the dialogue; a window
# destroyed from outside ends with status 0; SIGTERM, SIGINT and SIGHUP with
# the signal's status; a lost display with status 1 and one line.
# Usage: ways_out_test.sh path/to/bourgade3d
set -u
GAME=$1
. "$(dirname "$0")/e2e_lib.sh"

DISPLAY=:65000 "$GAME" </dev/null >"$WORK/out" 2>&1
STATUS=$?
[ "$STATUS" -ne 0 ] || fail "no display should end with a failure status"
[ "$(wc -l <"$WORK/out")" -eq 1 ] || fail "no display should say one line"
grep -q "^Impossible d'ouvrir l'affichage graphique" "$WORK/out" || fail "no display not said"

start_server
# Computers play at their pace while the game is stopped from outside; the
# X server goes last.
for way in close:0 TERM:143 INT:130 HUP:129 display:1; do
    start_game "$GAME" '2\nAnne o\nBob o\nn\n' --seed 3
    wait_for_window
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
echo "1 passed, 0 failed"
