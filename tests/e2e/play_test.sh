#!/bin/sh
# Plays the real program on a private X server, as a person would: answers
# the console, waits for the window, throws the dice, buys a property when
# offered, checks what the screen shows, and quits with Escape.
# Usage: play_test.sh path/to/bourgade3d
set -u
GAME=$1
WORK=$(mktemp -d)
XVFB_PID=
GAME_PID=

fail() {
    echo "FAIL: $*"
    echo "--- console of the game:"
    cat "$WORK/out" 2>/dev/null
    exit 1
}

cleanup() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

start_server() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 50); do
        [ -s "$WORK/display" ] && break
        sleep 0.1
    done
    [ -s "$WORK/display" ] || fail "Xvfb did not start"
    DISPLAY=":$(cat "$WORK/display")"
    export DISPLAY
}

# The colour of one window pixel, as "r,g,b".
pixel() {
    convert "$WORK/shot.xwd" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}

# True when some pixel of the rectangle WxH+X+Y is close to the colour.
has_colour() {
    share=$(convert "$WORK/shot.xwd" -crop "$1" +repage -fuzz 12% -transparent "$2" \
        -alpha extract -negate -format '%[fx:mean]' info:)
    [ "$share" != "0" ]
}

shot() {
    xwd -id "$WINDOW" -silent >"$WORK/shot.xwd" || fail "no screenshot"
}

click() {
    xdotool mousemove --window "$WINDOW" "$1" "$2" click 1
}

# Waits up to $2 seconds for a console line matching $1.
wait_for_line() {
    for _ in $(seq $(($2 * 5))); do
        grep -q "$1" "$WORK/out" && return 0
        sleep 0.2
    done
    return 1
}

start_server

# End of input at the first question: a message and a failure status.
"$GAME" </dev/null >"$WORK/eof_out" 2>"$WORK/eof_err"
[ $? -eq 1 ] || fail "closed input should end the program with status 1"
grep -q "Plus rien a lire" "$WORK/eof_err" || fail "no message on closed input"

# A real game; full screen is asked for and cannot be had on Xvfb.
mkfifo "$WORK/in"
"$GAME" <"$WORK/in" >"$WORK/out" 2>&1 &
GAME_PID=$!
exec 4>"$WORK/in"
printf '2\nAnne n\nBob n\no\n' >&4

WINDOW=$(timeout 30 xdotool search --sync --name 'Bourgade3D' | head -1)
[ -n "$WINDOW" ] || fail "the window did not open"
grep -q "plein ecran 800x600 n'est pas disponible" "$WORK/out" || fail "no full-screen notice"
sleep 3

shot
case "$(pixel 500 300)$(pixel 499 300)" in
    *255,255,255*) ;;
    *) fail "no white line between the board and the panel" ;;
esac
case "$(pixel 250 500)$(pixel 250 499)" in
    *255,255,255*) ;;
    *) fail "no white line above the lower strip" ;;
esac
IFS=, read -r R G B <<EOF2
$(pixel 250 250)
EOF2
[ "$G" -gt 120 ] && [ "$G" -ge "$B" ] || fail "the board is not lit: $R,$G,$B at its centre"
has_colour 200x25+505+12 'rgb(110,208,253)' || fail "the first player's name is not in its colour"
has_colour 200x25+505+37 'rgb(207,0,205)' || fail "the second player's name is not in its colour"

# Throw until a purchase is offered, and buy it.
bought=
for _ in $(seq 10); do
    click 215 545
    if wait_for_line "^Acheter .* ?$" 12; then
        click 188 315
        wait_for_line "appartient maintenant a" 10 || fail "the purchase was not made"
        bought=yes
        break
    fi
    if grep -q "?$" "$WORK/out"; then
        click 255 315
    fi
done
[ -n "$bought" ] || fail "no purchase offered in ten throws"
sleep 2
shot
has_colour 200x25+505+12 'rgb(110,208,253)' || fail "the panel lost the first player"

xdotool windowfocus "$WINDOW" 2>/dev/null
xdotool key Escape
for _ in $(seq 50); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
done
wait "$GAME_PID"
STATUS=$?
GAME_PID=
[ "$STATUS" -eq 0 ] || fail "Escape should end the program with status 0, got $STATUS"
echo "1 passed, 0 failed"
