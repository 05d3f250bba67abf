#!/usr/bin/env bash
# Starts the real program under a real X server and checks that the title window comes up at
# its design size (client 5460 x 6570 twips = 364 x 438 px), then ends it.
set -euo pipefail
program="$1"
cd "$(dirname "$program")"
unset QT_QPA_PLATFORM
exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -c '
    ./kindrel & pid=$!
    for _ in $(seq 1 300); do
        id=$(xwininfo -root -tree 2>/dev/null | grep "kindrel" | grep -E "364x438" | head -1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [ -z "$id" ]; then
        echo "title window of 364x438 did not appear"; xwininfo -root -tree | grep -i kindrel || true; exit 1
    fi
    echo "title window: $id"
'
