#!/usr/bin/env bash
# Starts the real program under a real X server and checks that the title window comes up at
# its design size (client 5460 x 6570 twips = 364 x 438 px), then ends it.
set -euo pipefail
program="$1"
export KINDREL_X11="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/x11.sh"
export KINDREL_CHECK=smoke_title
cd "$(dirname "$program")"
unset QT_QPA_PLATFORM
exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -c '
    source "$KINDREL_X11"
    title_comes_up ./kindrel || fail "title window of 364x438 did not appear"
    echo "title window came up at its design size"
'
