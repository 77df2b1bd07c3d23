# Runs Zandrift in a real X server and drives it as a user would. Source this file.
#
# start_x_session starts Xvfb on a display number the server picks itself and the openbox
# window manager, in a temporary folder of their own ($session) that also holds the
# program's settings, a harmless xdg-open and the logs. Everything started here is ended
# and the folder removed when the sourcing shell exits, whether it succeeds or fails.
# Waits poll for windows with a time limit; nothing sleeps for a fixed time.

# The main window's client area in twips; controls are found by their design position, so
# the clicks land whatever the window's scale.
readonly main_window_twips_width=4680
readonly main_window_twips_height=3195
readonly window_wait_seconds=60

session=
main_window=
zandrift_pid=
session_pids=()

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Ends the program, the window manager and the X server, in this order, each before the next.
end_x_session() {
    local status=$?
    local pid
    for pid in "$zandrift_pid" "${session_pids[@]}"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || continue
        timeout 10 tail --pid="$pid" -f /dev/null || kill -KILL "$pid" 2>/dev/null || true
    done
    if [ "$status" -ne 0 ] && [ -n "$session" ]; then
        for log in "$session"/*.log; do
            [ -s "$log" ] && { echo "--- ${log##*/}"; tail -n 20 "$log"; }
        done >&2
    fi
    [ -n "$session" ] && rm -rf "$session"
    return "$status"
}

# Starts Xvfb and openbox and waits until both are ready; exports DISPLAY.
start_x_session() {
    local tool
    for tool in Xvfb openbox xdotool; do
        command -v "$tool" > /dev/null || { echo "$tool is not installed" >&2; exit 77; }
    done
    session=$(mktemp -d /tmp/zandrift-XXXXXX)
    trap end_x_session EXIT
    trap 'exit 143' TERM INT HUP
    export XDG_CONFIG_HOME=$session/config XDG_RUNTIME_DIR=$session/runtime
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$session/bin"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset WAYLAND_DISPLAY

    Xvfb -displayfd 3 -screen 0 1024x768x24 -wr -nolisten tcp 3> "$session/display" \
        > "$session/xvfb.log" 2>&1 &
    session_pids+=($!)
    wait_for "Xvfb to start" test -s "$session/display"
    export DISPLAY=":$(< "$session/display")"

    openbox --sm-disable --startup "touch $session/openbox-ready" > "$session/openbox.log" 2>&1 &
    session_pids=("$!" "${session_pids[@]}")
    wait_for "openbox to start" test -e "$session/openbox-ready"

    # The program opens its output folder through xdg-open: record it instead.
    printf '#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s/opened-folders"\n' "$session" \
        > "$session/bin/xdg-open"
    chmod +x "$session/bin/xdg-open"
}

# wait_for WHAT COMMAND...: polls COMMAND until it succeeds, for a limited time; gives up at
# once when the program has ended meanwhile.
wait_for() {
    local what=$1
    shift
    local deadline=$((SECONDS + window_wait_seconds))
    until "$@" > /dev/null; do
        [ "$SECONDS" -lt "$deadline" ] || fail "timed out waiting for $what"
        if [ -n "$zandrift_pid" ] && ! kill -0 "$zandrift_pid" 2>/dev/null; then
            fail "the program ended while waiting for $what"
        fi
        sleep 0.1
    done
}

# store_site_folder FOLDER: the folder the program restores at start.
store_site_folder() {
    mkdir -p "$XDG_CONFIG_HOME/Zandrift"
    printf '[Settings]\nMap=%s\n' "$1" > "$XDG_CONFIG_HOME/Zandrift/Zandrift.conf"
}

# start_zandrift PROGRAM: starts it and waits for its main window ($main_window).
start_zandrift() {
    PATH="$session/bin:$PATH" QT_QPA_PLATFORM=xcb "$1" > "$session/zandrift.log" 2>&1 &
    zandrift_pid=$!
    main_window=$(visible_window_named '^Zandrift$')
}

# visible_window_named REGEX [EXCEPT_ID]: waits for a shown window whose title matches and
# prints its id; the window EXCEPT_ID (the main window, when a box has the same title) does
# not count.
visible_window_named() {
    wait_for "a window named $1" window_shown "$@"
    window_shown "$@"
}

window_shown() {
    local found
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -vx "${2:-none}" |
                head -n 1) || true
    [ -n "$found" ] && echo "$found"
}

# click_control LEFT TOP WIDTH HEIGHT: clicks the middle of the main window's control placed
# at these twips.
click_control() {
    local WIDTH HEIGHT X Y WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$main_window")"
    xdotool mousemove --sync --window "$main_window" \
        $((WIDTH * ($1 + $3 / 2) / main_window_twips_width)) \
        $((HEIGHT * ($2 + $4 / 2) / main_window_twips_height)) click 1
}

click_new_address() { click_control 2760 1920 1575 375; }
click_create_frames() { click_control 2760 1440 1575 375; }

# type_into WINDOW TEXT: activates WINDOW and types TEXT, then Enter.
type_into() {
    xdotool windowactivate --sync "$1"
    xdotool type --delay 10 "$2"
    xdotool key Return
}

# The main window's title once ADDRESS has been given (the address taken literally).
title_with_address() {
    printf '^Zandrift - %s' "$(printf '%s' "$1" | sed 's/[][\.*^$+?(){}|]/\\&/g')"
}

# end_zandrift: asks the program to end as a logout would and expects a clean exit.
end_zandrift() {
    kill -TERM "$zandrift_pid"
    local status=0
    timeout 30 tail --pid="$zandrift_pid" -f /dev/null || fail "the program did not end"
    wait "$zandrift_pid" || status=$?
    zandrift_pid=
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
