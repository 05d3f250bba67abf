#!/usr/bin/env bash
# The soak on a real X server with the accessibility bridge on, as under a screen reader, and a
# reader's client on the bus reading the whole tree and asking after everything it is told while
# the monkey works: no crash, no hang, no warning from Qt, and the client answered throughout.
#   soak_with_reader.sh PROGRAM       KINDREL_SOAK_STEPS sets the length (2000 unless given)
set -euo pipefail
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
support="$here/../support"
export KINDREL_CHECK=soak_with_reader
build="$(cd "$(dirname "$program")" && pwd)"
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "$KINDREL_CHECK: no accessibility bus ($launcher; at-spi2-core)"; exit 1; }
/usr/bin/python3 -c 'import pyatspi' || { echo "$KINDREL_CHECK: no python3-pyatspi"; exit 1; }
export KINDREL_READER="$support/soak_reader.py"
source "$support/bridge.sh"
export KINDREL_SOAK_STEPS="${KINDREL_SOAK_STEPS:-2000}"
export KINDREL_BUILD_DIR="$build"

cd "$build"
exec dbus-run-session -- "$support/in_x.sh" 1920x1080 <<'SCRIPT'
set -euo pipefail
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & bus=$!
# Both the program and the reader look for the accessibility bus once, as they start; asking
# the bus itself before it is up would start a second one.
until_ok bash -c 'dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q true' ||
    fail "the accessibility bus did not come up"
log="$KINDREL_BUILD_DIR/soak-with-reader.log"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 tests/tst_monkey >"$log" 2>&1 & soak=$!
trap 'kill $soak $bus 2>/dev/null || true' EXIT
/usr/bin/python3 "$KINDREL_READER" "$soak" tst_monkey & reader=$!
status=0
wait "$soak" || status=$?
grep -E "^QINFO" "$log" | sed 's/^QINFO *: [^ ]* //'
[ "$status" -eq 0 ] || { tail -40 "$log"; fail "the soak failed with the bridge on (exit $status)"; }
wait "$reader" || fail "the reader's client failed (see above)"
SCRIPT
