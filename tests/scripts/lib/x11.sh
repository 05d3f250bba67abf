# Helpers for the checks that drive the real program under Xvfb with xdotool. Sourced inside the
# X session; KINDREL_CHECK names the check in failure messages, and a failure leaves a screenshot
# in KINDREL_SHOTS when that is set.

fail() {
    echo "${KINDREL_CHECK:-check}: $*"
    [ -z "${KINDREL_SHOTS:-}" ] || import -window root "$KINDREL_SHOTS/failure.png" || true
    xwininfo -root -tree | grep -E '"(Corvane| |Laboratory Apparatus|Jotter)"' || true
    exit 1
}

# Polls until the command succeeds; the program answers events in its own time.
until_ok() {
    local tries=300
    while ! "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

# The one visible window with this exact title: prints "id x y width height".
window() {
    local ids
    ids=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null) || return 1
    [ "$(echo "$ids" | wc -l)" -eq 1 ] || return 1
    eval "$(xdotool getwindowgeometry --shell "$ids")"
    echo "$WINDOW $X $Y $WIDTH $HEIGHT"
}
has_window() { window "$1" >/dev/null; }
# The title screen is on view at its design size (client 5460 x 6570 twips = 364 x 438 px), as
# it is only when its picture was found.
title_at_design_size() {
    local _ w h
    read -r _ _ _ w h < <(window " ") && [ "$w x $h" = "364 x 438" ]
}
# Starts a program, waits for its title screen at design size, and ends it again.
title_comes_up() {
    "$@" &
    local pid=$! ok=0
    until_ok title_at_design_size && ok=1
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    [ "$ok" -eq 1 ]
}
no_window() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

pixel() {  # x y on the screen -> "r,g,b"
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 2p |
        sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}
is_black() { [ "$(pixel "$1" "$2")" = "0,0,0" ]; }
is_not_black() { [ "$(pixel "$1" "$2")" != "0,0,0" ]; }
click() { xdotool mousemove "$1" "$2" click 1; }
