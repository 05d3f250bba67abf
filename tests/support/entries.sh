# Sourced by the walks through every menu entry, once KINDREL_CHECK, KINDREL_SHOTS and program
# are set: "menu entry caption" a line, read from the program's own help, which lists every
# activity menu by menu, into $KINDREL_SHOTS/entries.txt, whose path goes out as KINDREL_ENTRIES.
rm -rf "$KINDREL_SHOTS"
mkdir -p "$KINDREL_SHOTS"
export KINDREL_ENTRIES="$KINDREL_SHOTS/entries.txt"
QT_QPA_PLATFORM=offscreen "$program" --help 2>/dev/null |
    sed -nE 's/^  menu ([1-5])  [^ ]+ +(.+)$/\1 \2/p' |
    awk '{ menu = $1; $1 = ""; print menu, entry[menu]++ "" substr($0, 1) }' >"$KINDREL_ENTRIES"
[ "$(wc -l <"$KINDREL_ENTRIES")" -ge 25 ] || { echo "$KINDREL_CHECK: cannot read the activities"; exit 1; }
