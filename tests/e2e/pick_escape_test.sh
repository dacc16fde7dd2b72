#!/bin/sh
# The window always answers: in the mortgage pick, ten clicks beside the
# board pile up no held messages, and Escape then ends the game at once.
# Usage: pick_escape_test.sh path/to/bourgade3d
set -u
GAME=$1
. "$(dirname "$0")/e2e_lib.sh"

start_server
start_game "$GAME" '2\nAnne n\nBob n\nn\n'
wait_for_window
sleep 2
press m
wait_for_line "^Choisissez la propriete" 10 || fail "the mortgage pick did not start"
for _ in $(seq 10); do
    click 750 300
done
press Escape
wait_exit 2
[ "$STATUS" -eq 0 ] || fail "Escape should end the program with status 0, got $STATUS"
echo "Escape ended the game in $ELAPSED tenths of a second"
echo "1 passed, 0 failed"
