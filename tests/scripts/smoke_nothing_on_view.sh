#!/usr/bin/env bash
# The program ends when the last window on view goes, even with screens loaded unseen: Menu 1,
# its tab "Menu 2" (which loads the front screen hidden), F2 for the Jotter, Menu 2 closed from
# its title bar, and the Jotter's Exit. Real events under a real X server.
set -euo pipefail
program="$1"
support="$(cd "$(dirname "${BASH_SOURCE[0]}")/../support" && pwd)"
export KINDREL_CHECK=smoke_nothing_on_view
cd "$(dirname "$program")"
unset QT_QPA_PLATFORM
exec "$support/in_x.sh" 1024x768 <<'SCRIPT'
set -euo pipefail

./kindrel & pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

# The one screen on view titled "Corvane" (front screen or a menu), once it is not this one.
other_than() { local id; read -r id _ < <(window "Corvane") && [ "$id" != "$1" ]; }

until_ok has_window " " || fail "no title screen"
read -r _ tx ty _ _ < <(window " ")
click $((tx + 132)) $((ty + 406))                                   # "OK"
until_ok other_than none || fail "OK did not show the front screen"
read -r front fx fy _ _ < <(window "Corvane")

click $((fx + 714)) $((fy + 176))                                   # "Menu 1"
until_ok other_than "$front" || fail "Menu 1 did not come up"
read -r menu1 mx my _ _ < <(window "Corvane")
click $((mx + 714)) $((my + 226))                                   # "Menu 2"
until_ok other_than "$menu1" || fail "Menu 2 did not come up"
read -r menu2 _ < <(window "Corvane")

xdotool key F2
until_ok has_window "Jotter" || fail "F2 did not open the Jotter"
close_window "$menu2" || fail "could not close Menu 2"
until_ok no_window "Corvane" || fail "Menu 2 did not close"
kill -0 $pid || fail "the program ended with the Jotter still on view"

read -r _ jx jy _ _ < <(window "Jotter")
click $((jx + 35)) $((jy + 222))                                    # the Jotter's "Exit"
until_ok bash -c "! kill -0 $pid" || fail "the program runs on with nothing on view"
trap - EXIT
echo "ended with the last window on view: menu 1, menu 2, Jotter, close, Jotter exit"
SCRIPT
