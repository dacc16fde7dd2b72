#!/bin/sh
# A game set up in the window, with nothing to read on standard input: the
# title screen, Enter twice and a throw; the journal; the pause's way out.
# Then a game between computers at full speed to its end, and the next one
# with the same players from the end's choices.
# Usage: menu_test.sh path/to/bourgade3d
set -u
GAME=$1
. "$(dirname "$0")/e2e_lib.sh"

start_menu() {
    env --default-signal=HUP,INT,TERM "$GAME" --menu --seed 5 </dev/null >"$WORK/out" 2>&1 &
    GAME_PID=$!
    WINDOW=$(timeout 30 xdotool search --sync --name 'Bourgade3D' | head -1)
    [ -n "$WINDOW" ] || fail "the window did not open"
    sleep 2
}

# The pause's last row, up from the first: "Quitter (la partie est enregistrée)".
quit_from_pause() {
    press Escape
    sleep 0.5
    press Up
    press Return
    wait_exit 30
    [ "$STATUS" -eq 0 ] || fail "quitting from the pause ended with $STATUS"
}

start_server
start_menu
! grep -q "Nombre de joueurs" "$WORK/out" || fail "a console dialogue in --menu"
press Return
sleep 0.5
press Return
sleep 2
click 215 545
wait_for_line "^Acheter " 20 || fail "the throw is not in the log: $(cat "$WORK/out")"
click 255 315
sleep 1
press j
sleep 0.5
shot
press j
quit_from_pause

# Two computers ("Joueur 1" turned from a person into the computer), at
# "Instantanée" (one step left of "Normale").
start_menu
press Return
sleep 0.5
for key in Down Down Right Down Down Down Left Return; do
    press "$key"
done
wait_for_line "^Classement final" 120 || fail "the computers' game did not end"
lines=$(wc -l <"$WORK/out")
sleep 1
press x
sleep 0.5
press Return
poll 120 sh -c "[ \$(grep -c '^Classement final' '$WORK/out') -ge 2 ]" ||
    fail "« Nouvelle partie » did not play another game"
tail -n +"$lines" "$WORK/out" | grep -q "^1\. Joueur" || fail "the next game's standings name other players"
press x
sleep 0.5
press Up
press Return
wait_exit 30
[ "$STATUS" -eq 0 ] || fail "« Quitter » at the end ended with $STATUS"
echo "menu: all passed"
