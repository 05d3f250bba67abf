# Sourced by the walks through every menu entry, once KINDREL_CHECK and KINDREL_SHOTS are set:
# "menu entry caption" a line, read from the activities table itself ({1, 0, "Chemical Symbols",
# ...), into $KINDREL_SHOTS/entries.txt, whose path goes out as KINDREL_ENTRIES.
rm -rf "$KINDREL_SHOTS"
mkdir -p "$KINDREL_SHOTS"
export KINDREL_ENTRIES="$KINDREL_SHOTS/entries.txt"
sed -nE 's/^\s*\{([1-5]), ([0-5]), "([^"]+)".*/\1 \2 \3/p' \
    "$(dirname "${BASH_SOURCE[0]}")/../../src/program/Activities.cpp" >"$KINDREL_ENTRIES"
[ "$(wc -l <"$KINDREL_ENTRIES")" -ge 25 ] || { echo "$KINDREL_CHECK: cannot read the activities"; exit 1; }
