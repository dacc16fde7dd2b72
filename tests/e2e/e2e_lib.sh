# Sourced by the end-to-end scripts: a private work folder and X server,
# screenshots of the game's window, waits for console lines. The game's
# console goes to "$WORK/out", its process id to GAME_PID, its window to WINDOW.
WORK=$(mktemp -d)
# The game's saves stay in the work folder, away from the user's own.
export XDG_STATE_HOME="$WORK/state"
XVFB_PID= GAME_PID= WINDOW=

fail() {
    printf 'FAIL: %s\n--- console of the game:\n' "$*"
    cat "$WORK/out" 2>/dev/null
    exit 1
}

cleanup() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

# Runs the command after $1 every fifth of a second, for up to $1 seconds,
# until it succeeds.
poll() {
    tries=$(($1 * 5)) && shift
    for _ in $(seq "$tries"); do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}

# Starts a private X server, of the screen size $1 (1024x768 by default).
start_server() {
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$WORK/display" 2>/dev/null &
    XVFB_PID=$!
    poll 5 test -s "$WORK/display" || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$WORK/display")"
}

# Starts the game $1 in the background with the options after $2, its
# console fed through a pipe that stays open (file 4), types the answers
# $2 (printf escapes) and waits for its window.
start_game() {
    game=$1 answers=$2
    shift 2
    rm -f "$WORK/in"
    mkfifo "$WORK/in"
    # A shell starts a background job with SIGINT ignored, and the game
    # keeps an ignore it inherits: the job gets the default back, as a game
    # started from a terminal has it.
    env --default-signal=HUP,INT,TERM "$game" "$@" <"$WORK/in" >"$WORK/out" 2>&1 &
    GAME_PID=$!
    exec 4>"$WORK/in"
    printf '%b' "$answers" >&4
    WINDOW=$(timeout 30 xdotool search --sync --name 'Bourgade3D' | head -1)
    [ -n "$WINDOW" ] || fail "the window did not open"
}

# The game draws a fixed 800 x 600 layout scaled evenly into its window,
# centred between bars. Prints "X Y W H": the window pixel of the layout
# pixel $1 $2 (top-left origin both), and the size in the window of $3 x $4
# layout pixels, for the window's current size.
to_window() {
    eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
    awk -v w="$WIDTH" -v h="$HEIGHT" -v x="$1" -v y="$2" -v cw="${3:-0}" -v ch="${4:-0}" 'BEGIN {
        s = w / 800; if (h / 600 < s) s = h / 600
        left = int((w - int(800 * s + 0.5)) / 2)
        top = h - int((h - int(600 * s + 0.5)) / 2) - int(600 * s + 0.5)
        printf "%d %d %d %d\n", left + (x + 0.5) * s, top + (y + 0.5) * s, cw * s, ch * s
    }'
}

shot() { xwd -id "$WINDOW" -silent >"$WORK/shot.xwd" || fail "no screenshot"; }

# The colour of one layout pixel in the last screenshot, as "r,g,b".
pixel() {
    set -- $(to_window "$1" "$2")
    convert "$WORK/shot.xwd" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}

# True when some pixel of the layout rectangle W H X Y is close to the colour $5.
has_colour() {
    set -- $(to_window "$3" "$4" "$1" "$2") "$5"
    share=$(convert "$WORK/shot.xwd" -crop "$3x$4+$1+$2" +repage -fuzz 12% -transparent "$5" \
        -alpha extract -negate -format '%[fx:mean]' info:)
    [ "$share" != "0" ]
}

# Fails unless the screenshot shows the board lit in its pane, with the
# white lines that part it from the panel and the lower strip.
check_board_frame() {
    echo "$(pixel 500 300) $(pixel 499 300)" | grep -q 255,255,255 || fail "no white line beside the panel"
    echo "$(pixel 250 500) $(pixel 250 499)" | grep -q 255,255,255 || fail "no white line above the strip"
    set -- $(pixel 250 250 | tr , ' ')
    [ "$2" -gt 120 ] && [ "$2" -ge "$3" ] || fail "the board is not lit: $* at its centre"
}

# An instant click (press and release at once) on layout pixel $1 $2.
click() { set -- $(to_window "$1" "$2"); xdotool mousemove --window "$WINDOW" "$1" "$2" click 1; }

press() { xdotool windowfocus "$WINDOW" 2>/dev/null; xdotool key "$1"; }

# Waits up to $2 seconds for a console line matching $1.
wait_for_line() { poll "$2" grep -q "$1" "$WORK/out"; }

# Waits up to $1 seconds for the game to end, or fails; sets STATUS.
wait_exit() {
    poll "$1" sh -c "! kill -0 $GAME_PID 2>/dev/null" || fail "the game did not end within $1 s"
    wait "$GAME_PID"
    STATUS=$?
    GAME_PID=
}

# Escape ends the game within $1 seconds (30 by default) with status 0.
quit_with_escape() {
    press Escape
    wait_exit "${1:-30}"
    [ "$STATUS" -eq 0 ] || fail "Escape should end the program with status 0, got $STATUS"
}
