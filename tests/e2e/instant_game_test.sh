#!/bin/sh
# A whole game between two computer players at "Instantanée", seeded: it
# reaches the final standings quickly, and its log tells every message once,
# exactly as the simulator's log of the same seed does.
# Usage: instant_game_test.sh path/to/bourgade3d path/to/bourgade3d-sim
set -u
GAME=$1
SIM=$2
. "$(dirname "$0")/e2e_lib.sh"
BOUND=${BOUND:-120}
SEED=11

start_server
start_game "$GAME" '2\nAnne o\nBob o\nn\n' --speed instant --seed $SEED
wait_for_line "^Classement final" $BOUND || fail "no final standings within $BOUND s"
grep -q "^1\. " "$WORK/out" || fail "no winner in the standings"

# The messages run from the end of the dialogue to the standings; the
# simulator names its players "Player 1" and "Player 2".
sed -n '/^Jouer en mode/,$p' "$WORK/out" | tail -n +2 | sed '/^$/,$d' |
    sed 's/\bAnne\b/Player 1/g; s/\bBob\b/Player 2/g' >"$WORK/window.log"
"$SIM" --games 1 --players 2 --seed $SEED --log | sed '/^seat=/,$d' >"$WORK/sim.log"
[ "$(wc -l <"$WORK/sim.log")" -gt 50 ] || fail "too short a log for a whole game"
cmp -s "$WORK/window.log" "$WORK/sim.log" ||
    fail "the window's log differs from the simulator's: $(diff "$WORK/window.log" "$WORK/sim.log" | head -5)"
echo "1 passed, 0 failed"
