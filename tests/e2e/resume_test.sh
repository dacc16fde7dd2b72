#!/bin/sh
# Saves and resumes the real program: a few turns of a game between two
# people, Escape, then --resume shows the same names, money and player on
# turn. Also: the notice of a waiting save at the start of the dialogue, and
# a damaged save refused without being touched.
# Usage: resume_test.sh path/to/bourgade3d
set -u
GAME=$1
. "$(dirname "$0")/e2e_lib.sh"
SAVE="$XDG_STATE_HOME/bourgade3d/partie.sav"

# The players' names, money and estate chips in the panel, above the deed card.
panel() {
    shot
    convert "$WORK/shot.xwd" -crop 295x95+505+10 +repage "$WORK/$1.png"
}

save_sum() {
    cksum <"$SAVE" 2>/dev/null
}

# Throws once and plays the turn out: buys what is offered, says no to any
# other question, until the turn's save is written.
play_turn() {
    before=$(save_sum)
    click 215 545
    for _ in $(seq 150); do
        [ "$(save_sum)" != "$before" ] && return 0
        case "$(tail -n 1 "$WORK/out")" in
            Acheter*\?) click 188 315; sleep 1 ;;
            *\?) click 255 315; sleep 1 ;;
        esac
        sleep 0.2
    done
    fail "a turn did not end with a save"
}

start_server
start_game "$GAME" '2\nAnne n\nBob n\nn\n'
wait_for_window
poll 5 test -s "$SAVE" || fail "no save when the game began: $SAVE"
for _ in 1 2 3 4; do
    play_turn
done
sleep 2
panel before
current=$(sed -n 's/^current //p' "$SAVE")
name=$(sed -n "s/^player\.$current\.name //p" "$SAVE")
quit_with_escape
cp "$SAVE" "$WORK/kept.sav"

# Without the option: the dialogue begins with the notice, and a game that
# never started leaves the save alone.
"$GAME" </dev/null >"$WORK/notice" 2>&1
head -n 1 "$WORK/notice" | grep -q -- "--resume" || fail "no notice of the save: $(head -n 1 "$WORK/notice")"
cmp -s "$SAVE" "$WORK/kept.sav" || fail "the save changed without a game"

start_game "$GAME" 'n\n' --resume
wait_for_window
grep -q "^Partie reprise depuis $SAVE : au tour de $name\.$" "$WORK/out" ||
    fail "the resumed game does not name $name on turn"
grep -q "Nombre de joueurs" "$WORK/out" && fail "the resumed game asked for the players"
sleep 3
panel after
differing=$(compare -metric AE "$WORK/before.png" "$WORK/after.png" null: 2>&1)
[ "$differing" = "0" ] || fail "the panel differs from the one before Escape in $differing pixels"
quit_with_escape

# One byte changed: refused with the file and the reason, and kept as it is.
sed 's/^die1 \([1-6]\)$/die1 9\1/' "$WORK/kept.sav" >"$SAVE"
cp "$SAVE" "$WORK/damaged.sav"
"$GAME" --reprendre </dev/null >"$WORK/refused" 2>&1
[ $? -eq 1 ] || fail "a damaged save should end the program with status 1"
grep -q "^Impossible de reprendre la partie de $SAVE : somme de contrôle fausse" "$WORK/refused" ||
    fail "no clear refusal: $(cat "$WORK/refused")"
cmp -s "$SAVE" "$WORK/damaged.sav" || fail "the damaged save was touched"
echo "1 passed, 0 failed"
