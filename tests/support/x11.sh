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

# Closes a window as its title bar's close button would: the window manager sends the program
# WM_DELETE_WINDOW. The test server runs no window manager, so a small helper sends it instead.
close_window() {
    local helper
    helper="$(mktemp)"
    cc -x c -o "$helper" - -lX11 <<'C' || { rm -f "$helper"; return 1; }
#include <X11/Xlib.h>
#include <stdlib.h>
int main(int argc, char** argv) {
    Display* display = XOpenDisplay(NULL);
    if (!display || argc < 2) return 1;
    XEvent event = {0};
    event.xclient.type = ClientMessage;
    event.xclient.window = strtoul(argv[1], NULL, 0);
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = XInternAtom(display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return 0;
}
C
    "$helper" "$1"
    local status=$?
    rm -f "$helper"
    return $status
}
