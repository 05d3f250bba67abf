#!/usr/bin/env bash
# Clicks through the real program under a real X server as a teacher would: title "OK", the
# front screen's hover and "Menu 5", a move to menu 2, the exits back to the title screen, and
# "Exit". Reads window titles and pixel colours on the way. Works with or without the pictures.
set -euo pipefail
program="$1"
support="$(cd "$(dirname "${BASH_SOURCE[0]}")/../support" && pwd)"
export KINDREL_CHECK=smoke_menus
cd "$(dirname "$program")"
unset QT_QPA_PLATFORM
exec "$support/in_x.sh" 1024x768 <<'SCRIPT'
set -euo pipefail

./kindrel & pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

until_ok has_window " " || fail "no title screen"
read -r _ tx ty _ _ < <(window " ")
click $((tx + 132)) $((ty + 406))                                   # "OK"
until_ok has_window "Corvane" || fail "OK did not show the front screen"
until_ok no_window " " || fail "the title screen stayed"
read -r _ fx fy fw fh < <(window "Corvane")
[ "$fw x $fh" = "794 x 568" ] || fail "front screen is $fw x $fh"

# The title turns into a black band under the pointer and back when the pointer leaves it.
xdotool mousemove $((fx + 396)) $((fy + 30))
until_ok is_black $((fx + 40)) $((fy + 55)) || fail "title did not highlight"
xdotool mousemove $((fx + 300)) $((fy + 300))
until_ok is_not_black $((fx + 40)) $((fy + 55)) || fail "title kept its highlight"
# No menu entry yet where menu 5's first entry will be.
is_not_black $((fx + 260)) $((fy + 188)) || fail "front screen shows an entry"

click $((fx + 714)) $((fy + 376))                                   # "Menu 5"
until_ok is_black $((fx + 260)) $((fy + 188)) || fail "menu 5 did not come up"
has_window "Corvane" || fail "not exactly one screen on view after Menu 5"
is_black $((fx + 295)) $((fy + 62)) || fail "menu title is not a black band"

click $((fx + 714)) $((fy + 226))                                   # "Menu 2"
until_ok is_black $((fx + 248)) $((fy + 188)) || fail "menu 2 did not come up"
until_ok has_window "Corvane" || fail "not exactly one screen on view after Menu 2"

click $((fx + 63)) $((fy + 546))                                    # menu exit
until_ok is_not_black $((fx + 260)) $((fy + 188)) || fail "menu exit did not show the front"
until_ok has_window "Corvane" || fail "not exactly one screen on view after the menu exit"

click $((fx + 63)) $((fy + 546))                                    # front exit
until_ok has_window " " || fail "front exit did not show the title screen"
until_ok no_window "Corvane" || fail "the front screen stayed"
read -r _ tx ty _ _ < <(window " ")
click $((tx + 228)) $((ty + 406))                                   # "Exit"
until_ok bash -c "! kill -0 $pid" || fail "Exit did not end the program"
trap - EXIT
echo "walked title, front, menu 5, menu 2, front, title, exit"
SCRIPT
