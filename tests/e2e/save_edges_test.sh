#!/bin/sh
# The save and the program's edges, as a player meets them: two games at
# once, a FIFO where a save should be, a console piped into head, nohup, a
# display lost during the dialogue, and the size of a long game's save.
# Usage: save_edges_test.sh path/to/bourgade3d
set -u
GAME=$1
. "$(dirname "$0")/e2e_lib.sh"
SAVE="$XDG_STATE_HOME/bourgade3d/partie.sav"
COMPUTERS='2\nAnne o\nBob o\nn\n'

# The name of the player whose turn a save starts at.
turn_of() { sed -n "s/^player\.$(sed -n 's/^current //p' "$1")\.name //p" "$1"; }

start_server

# A second game in the same state folder saves beside the first one's.
start_game "$GAME" "$COMPUTERS" --seed 3
FIRST_PID=$GAME_PID FIRST_OUT="$WORK/first.out"
wait_for_line "Anne\|Bob" 30 || fail "no log of the first game"
mv "$WORK/out" "$FIRST_OUT"
exec 5>&4
start_game "$GAME" '2\nZed o\nYann o\nn\n' --seed 4
wait_for_line "partie-2.sav" 10 || fail "the second game does not say where it saves"
grep -q "sert à une autre partie en cours" "$WORK/out" || fail "the held save is not said"
sleep 3
grep -q "^player.0.name Anne" "$SAVE" || fail "the first game's save was replaced"
grep -q "^player.0.name Zed" "${SAVE%.sav}-2.sav" || fail "the second game's save is not beside it"
kill "$GAME_PID" && wait_exit 5
GAME_PID=$FIRST_PID
kill "$GAME_PID" && wait_exit 5
grep -q "^player.0.name Anne" "$SAVE" || fail "the first game's save was lost at the end"

# A FIFO to resume ends at once, with a non-zero status.
mkfifo "$WORK/tube"
start=$(date +%s)
timeout 10 "$GAME" --resume "$WORK/tube" </dev/null >"$WORK/out" 2>&1
status=$?
[ "$status" -ne 0 ] && [ "$status" -ne 124 ] || fail "resuming a FIFO ended with $status"
[ $(($(date +%s) - start)) -le 5 ] || fail "resuming a FIFO took more than 5 s"
grep -q "ce n'est pas un fichier ordinaire" "$WORK/out" || fail "the FIFO is not named as such"

# A FIFO at the save's place: the dialogue still starts.
rm -f "$SAVE" && mkfifo "$SAVE"
timeout 10 "$GAME" </dev/null >"$WORK/out" 2>&1
grep -q "^Nombre de joueurs" "$WORK/out" || fail "a FIFO at the save's place stops the start"
rm -f "$SAVE"

# A console read by head: the game plays on once head has gone.
rm -f "$WORK/in" && mkfifo "$WORK/in"
# The game's own process id, written before it starts: other tests run
# games of the same program at the same time.
(sh -c 'echo $$ >"$1" && exec "$2" --seed 3' sh "$WORK/piped" "$GAME" <"$WORK/in" 2>"$WORK/err" |
    head -c 200 >/dev/null) &
PIPED=$!
exec 4>"$WORK/in"
printf '%b' "$COMPUTERS" >&4
sleep 15
kill -0 "$(cat "$WORK/piped")" || fail "the game ended with its console's reader: $(cat "$WORK/err")"
kill "$(cat "$WORK/piped")"
wait "$PIPED"

# nohup's ignored hang-up is kept.
start_game nohup "$COMPUTERS" "$GAME" --seed 5
wait_for_line "Anne\|Bob" 30 || fail "no log under nohup"
kill -HUP "$GAME_PID"
sleep 2
kill -0 "$GAME_PID" 2>/dev/null || fail "a hang-up ended a game started with nohup"
kill "$GAME_PID" && wait_exit 5

# Two computers at full speed for 20 s: a small save however long the game.
start_game "$GAME" "$COMPUTERS" --seed 4361 --speed instant
sleep 20
kill "$GAME_PID" && wait_exit 5
size=$(wc -c <"$SAVE")
worths=$(grep -c '^worth\.' "$SAVE")
[ "$size" -le 200000 ] || fail "a save of $size bytes"
[ "$worths" -le 1000 ] || fail "a save with $worths turns of worth"
echo "save after 20 s at full speed: $size bytes, $worths turns of worth, turn of $(turn_of "$SAVE")"

# The display lost during the dialogue: one French line, status 1.
rm -f "$WORK/in" && mkfifo "$WORK/in"
"$GAME" <"$WORK/in" >"$WORK/out" 2>&1 &
GAME_PID=$!
exec 4>"$WORK/in"
printf '2\nAnne o\n' >&4
sleep 1
kill "$XVFB_PID" && XVFB_PID=
sleep 1
printf 'Bob o\nn\n' >&4
wait_exit 10
[ "$STATUS" -eq 1 ] || fail "a display lost during the dialogue ended with $STATUS"
grep -q "^La connexion à l'affichage X est perdue" "$WORK/out" || fail "the lost display not said in French"
! grep -q "freeglut" "$WORK/out" || fail "freeglut's own line"
echo "save edges: all passed"
