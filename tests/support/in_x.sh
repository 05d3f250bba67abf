#!/usr/bin/env bash
# in_x.sh WIDTHxHEIGHT: runs the bash script on standard input on a fresh Xvfb display of that
# size, with the X helpers of x11.sh at hand. The one X server start-up of every script check.
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: in_x.sh WIDTHxHEIGHT < script" >&2; exit 2; }
export KINDREL_X11="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/x11.sh"
unset QT_QPA_PLATFORM
# xvfb-run -a picks a free display by its lock files; ctest runs these checks one at a time.
exec xvfb-run -a -s "-screen 0 ${1}x24 -noreset" bash -s < <(
    printf 'source "%s"\n' "$KINDREL_X11"
    cat
)
