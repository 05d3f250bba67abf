#!/usr/bin/env bash
# Starts the real program under a real X server and checks that the title window comes up at
# its design size (client 5460 x 6570 twips = 364 x 438 px), then ends it.
set -euo pipefail
program="$1"
support="$(cd "$(dirname "${BASH_SOURCE[0]}")/../support" && pwd)"
export KINDREL_CHECK=smoke_title
cd "$(dirname "$program")"
unset QT_QPA_PLATFORM
exec "$support/in_x.sh" 1024x768 <<'SCRIPT'
    title_comes_up ./kindrel || fail "title window of 364x438 did not appear"
    echo "title window came up at its design size"
SCRIPT
