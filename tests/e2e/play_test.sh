#!/bin/sh
# Plays the real program on a private X server as a person would, with
# instant clicks (press and release at once, as xdotool sends them), in a
# full-screen window: refused on Xvfb, it covers the 1600 x 900 desktop, the
# layout scaled between bars. Then takes the saved game up again.
# Usage: play_test.sh path/to/bourgade3d
set -u
GAME=$1
. "$(dirname "$0")/e2e_lib.sh"
SAVE="$XDG_STATE_HOME/bourgade3d/partie.sav"

# The players' names, money and estate chips in the panel, above the deed card.
panel() {
    shot
    set -- $(to_window 505 10 295 95) "$1"
    convert "$WORK/shot.xwd" -crop "$3x$4+$1+$2" +repage "$WORK/$5.png"
}

# Throws once and plays the turn out: buys what is offered, says no to any
# other question, until the turn's save is written.
play_turn() {
    before=$(cksum <"$SAVE" 2>/dev/null)
    click 215 545
    for _ in $(seq 150); do
        [ "$(cksum <"$SAVE" 2>/dev/null)" != "$before" ] && return 0
        case "$(tail -n 1 "$WORK/out")" in
            Acheter*\?) click 188 315; sleep 1 ;;
            *\?) click 255 315; sleep 1 ;;
        esac
        sleep 0.2
    done
    fail "a turn did not end with a save"
}

start_server 1600x900
start_game "$GAME" '2\nAnne n\nBob n\no\n'
grep -q "plein ecran 800x600 n'est pas disponible" "$WORK/out" || fail "no full-screen notice"
poll 5 test -s "$SAVE" || fail "no save when the game began: $SAVE"
sleep 3
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
[ "$WIDTH" = 1600 ] && [ "$HEIGHT" = 900 ] || fail "full screen refused gives a ${WIDTH}x$HEIGHT window"
shot
[ "$(pixel -40 300)" = 0,0,0 ] || fail "no bar on the left of the layout"
check_board_frame
has_colour 200 25 505 12 'rgb(110,208,253)' || fail "the first player's name is not in its colour"

# The look: the info icon, then a click on the first street; a click beside
# the board leaves it, once the street's name is read.
click 164 547
sleep 2
click 402 455
wait_for_line "^BOUL. DE BELLEVILLE$" 10 || fail "the click on a street in the look was lost"
sleep 3
click 650 300
sleep 3

for _ in $(seq 10); do
    play_turn
    grep -q "appartient maintenant a" "$WORK/out" && break
done
grep -q "appartient maintenant a" "$WORK/out" || fail "no purchase made in ten turns"
sleep 2
panel before
current=$(sed -n 's/^current //p' "$SAVE")
name=$(sed -n "s/^player\.$current\.name //p" "$SAVE")

# In the mortgage pick, clicks beside the board pile up no held messages:
# Escape ends the game at once.
press m
wait_for_line "^Choisissez la propriete" 10 || fail "the mortgage pick did not start"
for _ in $(seq 10); do
    click 750 300
done
quit_with_escape 2
cp "$SAVE" "$WORK/kept.sav"

# End of input at the first question, after the notice of the save: a
# message, a failure status, and the save left alone. Then --resume shows
# the same panel with the same player on turn.
"$GAME" </dev/null >"$WORK/notice" 2>"$WORK/eof_err"
[ $? -eq 1 ] || fail "closed input should end the program with status 1"
grep -q "Plus rien a lire" "$WORK/eof_err" || fail "no message on closed input"
head -n 1 "$WORK/notice" | grep -q -- "--resume" || fail "no notice of the save: $(head -n 1 "$WORK/notice")"
cmp -s "$SAVE" "$WORK/kept.sav" || fail "the save changed without a game"

start_game "$GAME" 'o\n' --resume
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
