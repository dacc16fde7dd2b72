#!/bin/sh
# A whole game between two computer players at "Instantanée", seeded: it
# reaches the final standings quickly, and the same seed plays the same
# game again.
# Usage: instant_game_test.sh path/to/bourgade3d
set -u
GAME=$1
. "$(dirname "$0")/e2e_lib.sh"
BOUND=${BOUND:-120}

play() {
    start_game "$GAME" '2\nAnne o\nBob o\nn\n' --speed instant --seed 11
    wait_for_line "^Classement final" $BOUND || fail "no final standings within $BOUND s"
    sleep 0.5
    kill "$GAME_PID"
    wait "$GAME_PID"
    GAME_PID=
    sed -n '/^Jouer en mode/,$p' "$WORK/out" >"$WORK/$1"
}

start_server
play first
[ "$(wc -l <"$WORK/first")" -gt 50 ] || fail "too short a log for a whole game"
grep -q "^1\. " "$WORK/first" || fail "no winner in the standings"

play second
cmp -s "$WORK/first" "$WORK/second" || fail "the same seed played another game: $(diff "$WORK/first" "$WORK/second" | head -5)"
echo "1 passed, 0 failed"
