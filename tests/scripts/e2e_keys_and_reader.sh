#!/usr/bin/env bash
# The program worked by keys alone on a real X server, with the accessibility bus running as it
# does under a screen reader: from the title screen through every menu entry and back out, finding
# each control by what the bus says has the focus, every control on view with a role and a name;
# one board placed in full and scored and one quiz answered by keys, then read back.
set -euo pipefail
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
support="$here/../support"
export KINDREL_CHECK=e2e_keys_and_reader
build="$(cd "$(dirname "$program")" && pwd)"
export KINDREL_SHOTS="$build/e2e-keys"
source "$support/entries.sh"
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "$KINDREL_CHECK: no accessibility bus ($launcher; at-spi2-core)"; exit 1; }
/usr/bin/python3 -c 'import pyatspi' || { echo "$KINDREL_CHECK: no python3-pyatspi"; exit 1; }
export KINDREL_READER="$support/keys_and_reader.py"
source "$support/bridge.sh"

cd "$build"
# A private session bus: the accessibility bus is found through it, and goes with it.
exec dbus-run-session -- "$support/in_x.sh" 1024x768 <<'SCRIPT'
set -euo pipefail
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & bus=$!
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 ./kindrel & pid=$!
trap 'kill $pid $bus 2>/dev/null || true' EXIT
/usr/bin/python3 "$KINDREL_READER" "$KINDREL_ENTRIES" || fail "see above"
until_ok bash -c "! kill -0 $pid" || fail "the program is still running"
SCRIPT
