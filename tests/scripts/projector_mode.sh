#!/usr/bin/env bash
# The real program's command line and projector mode: the help and the mistakes need no display;
# under a 1366 x 768 X server --fit draws the title 1.28 times as large, and F11 brings it back
# to its design size.
set -euo pipefail
program="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
support="$(cd "$(dirname "${BASH_SOURCE[0]}")/../support" && pwd)"
export KINDREL_CHECK=projector_mode
fail() { echo "$KINDREL_CHECK: $*"; exit 1; }

unset QT_QPA_PLATFORM DISPLAY
help="$("$program" --help)" || fail "--help did not end with status 0"
grep -q -- "--fit" <<<"$help" && grep -q -- "--scale F" <<<"$help" || fail "--help lacks the options"
# As command-line users expect: the version on standard output, and status 0.
version="$("$program" --version)" || fail "--version did not end with status 0"
[[ "$version" =~ ^kindrel\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version printed '$version'"
for wrong in "--projector" "--scale 9" "--scale" "--fit --scale 2" "lesson.txt"; do
    status=0
    # shellcheck disable=SC2086
    message="$("$program" $wrong 2>&1 >/dev/null)" || status=$?
    [ "$status" -eq 2 ] || fail "'$wrong' ended with status $status, not 2"
    grep -q "^kindrel: " <<<"$message" || fail "'$wrong' gave no message: $message"
done

cd "$(dirname "$program")"
exec "$support/in_x.sh" 1366x768 <<'SCRIPT'
    title_size() { local _ w h; read -r _ _ _ w h < <(window " ") && [ "$w x $h" = "$1" ]; }
    ./kindrel --fit &
    pid=$!
    trap "kill $pid 2>/dev/null || true" EXIT
    # 5460 x 6570 twips at 1.28: 466 x 561 pixels.
    until_ok title_size "466 x 561" || fail "the title did not come up 1.28 times as large"
    # Over the title, as the e2e run gives the Jotter its key.
    read -r _ x y _ _ < <(window " ")
    xdotool mousemove $((x + 200)) $((y + 150)) key F11
    until_ok title_size "364 x 438" || fail "F11 did not bring the title back to its design size"
    echo "options refused with status 2; --fit and F11 resize the title"
SCRIPT
