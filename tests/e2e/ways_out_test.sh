#!/bin/sh
# Every way out ends the game cleanly: no display is said before the
# dialogue; a window destroyed from outside ends with status 0; SIGTERM,
# SIGINT and SIGHUP end with the signal's status; the log is complete; a
# lost display is said in one line.
# Usage: ways_out_test.sh path/to/bourgade3d
set -u
GAME=$1
. "$(dirname "$0")/e2e_lib.sh"

# No display: one line, before the dialogue, and a failure status.
DISPLAY=:65000 "$GAME" </dev/null >"$WORK/out" 2>&1
STATUS=$?
[ "$STATUS" -ne 0 ] || fail "no display should end with a failure status"
[ "$(wc -l <"$WORK/out")" -eq 1 ] || fail "no display should say one line"
grep -q "^Impossible d'ouvrir l'affichage graphique" "$WORK/out" || fail "no display not said"

start_server

# Computers play at their pace while the game is stopped from outside.
start_playing() {
    start_game "$GAME" '2\nAnne o\nBob o\nn\n' --seed 3
    wait_for_window
    wait_for_line "Anne\|Bob" 30 || fail "no game log"
    sleep 1
}

# The last log line is whole and nothing written was held back.
log_is_whole() {
    [ "$(tail -c 1 "$WORK/out" | od -An -c | tr -d ' ')" = '\n' ] || fail "$1: the log ends mid-line"
}

start_playing
xdotool windowclose "$WINDOW"
wait_exit 5
[ "$STATUS" -eq 0 ] || fail "a destroyed window should end with status 0, got $STATUS"
log_is_whole "window close"
grep -q "X Error" "$WORK/out" && fail "Xlib's own error text"

for signal in TERM:143 INT:130 HUP:129; do
    start_playing
    lines=$(wc -l <"$WORK/out")
    kill -"${signal%:*}" "$GAME_PID"
    wait_exit 5
    [ "$STATUS" -eq "${signal#*:}" ] || fail "SIG${signal%:*} should end with ${signal#*:}, got $STATUS"
    [ "$(wc -l <"$WORK/out")" -ge "$lines" ] || fail "SIG${signal%:*}: log lines lost"
    log_is_whole "SIG${signal%:*}"
done

# The X server goes away: one French line instead of Xlib's text.
start_playing
kill "$XVFB_PID"
XVFB_PID=
wait_exit 5
[ "$STATUS" -eq 1 ] || fail "a lost display should end with status 1, got $STATUS"
[ "$(grep -c "^La connexion à l'affichage X est perdue" "$WORK/out")" -eq 1 ] || fail "the lost display not said once"
grep -q "XIO\|X Error" "$WORK/out" && fail "Xlib's own text"
echo "1 passed, 0 failed"
