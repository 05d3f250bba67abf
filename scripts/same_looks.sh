#!/usr/bin/env bash
# Before and after a change that should show nothing new: every activity's screen at factors 1
# and 2 and every worksheet (its text and its pages) with the program's draws fixed, each hashed
# into DIR/manifest.txt. Run by hand, on Xvfb.
#   scripts/same_looks.sh [-s SEED] [-p PROGRAM] DIR            record
#   scripts/same_looks.sh [-s SEED] [-p PROGRAM] DIR SAVED.txt  record, then name every difference
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seed=1 program="$root/build/kindrel"
while getopts s:p: opt; do
    case "$opt" in s) seed="$OPTARG" ;; p) program="$OPTARG" ;; *) exit 2 ;; esac
done
shift $((OPTIND - 1))
[ $# -ge 1 ] && [ $# -le 2 ] || { echo "usage: same_looks.sh [-s SEED] [-p PROGRAM] DIR [SAVED.txt]" >&2; exit 2; }
program="$(cd "$(dirname "$program")" && pwd)/$(basename "$program")"
saved="${2:-}"
[ -z "$saved" ] || saved_hashes="$(sort -k2 "$saved")"  # read first: it may be in DIR
export SAME_OUT="$(mkdir -p "$1" && cd "$1" && pwd)" SAME_PROGRAM="$program"
export KINDREL_TEST_SEED="$seed" QT_HASH_SEED=0
rm -rf "${SAME_OUT:?}"/{screens,sheets} "$SAME_OUT"/{manifest,differences}.txt "$SAME_OUT/program.log"
mkdir -p "$SAME_OUT/sheets"
cd "$(dirname "$program")"

# The program names its activities and its worksheets when asked for one it has not got.
names() { sed -nE "s/.*; $1 //p" | tr -d ' ' | tr ',' '\n'; }
sheets="$(unset DISPLAY; { "$program" --worksheet none-such -o /dev/null 2>&1 || true; } | names 'the worksheets are:')"
export SAME_SCREENS="$({ "$program" --open none-such 2>&1 || true; } | names 'there are')"
[ -n "$sheets" ] && [ -n "$SAME_SCREENS" ] || { echo "same_looks: the program named no activities" >&2; exit 1; }

for sheet in $sheets; do
    (unset DISPLAY; "$program" --worksheet "$sheet" -o "$SAME_OUT/sheets/$sheet.pdf" 2>>"$SAME_OUT/program.log")
    pdftotext -layout "$SAME_OUT/sheets/$sheet.pdf" "$SAME_OUT/sheets/$sheet.txt"
    pdftoppm -gray -r 50 "$SAME_OUT/sheets/$sheet.pdf" "$SAME_OUT/sheets/$sheet"
    rm "$SAME_OUT/sheets/$sheet.pdf"  # its bytes hold the time it was made
done

"$root/tests/support/in_x.sh" 2400x1600 <<'SCRIPT'
pixels() { import -window "$1" -depth 8 rgb:- 2>/dev/null | sha256sum | cut -c1-64; }
for factor in 1 2; do
    mkdir -p "$SAME_OUT/screens/x$factor"
    for screen in $SAME_SCREENS; do
        "$SAME_PROGRAM" --open "$screen" --scale "$factor" 2>>"$SAME_OUT/program.log" & pid=$!
        # The activity is the window over its menu ("Corvane") that is neither the menu nor the title.
        activity() { xdotool search --onlyvisible --pid "$pid" --name . 2>/dev/null |
                     while read -r id; do
                         case "$(xdotool getwindowname "$id")" in Corvane | " ") ;; *) echo "$id" ;; esac
                     done | tail -1 | grep .; }
        until_ok activity || fail "$screen did not open at $factor"
        id="$(activity)"
        xdotool mousemove 0 0
        # Painted once three looks in a row agree.
        last="" same=0 tries=100
        while [ "$same" -lt 2 ] && [ $((tries -= 1)) -gt 0 ]; do
            sleep 0.2
            now="$(pixels "$id")"
            if [ "$now" = "$last" ]; then same=$((same + 1)); else same=0; fi
            last="$now"
        done
        [ "$same" -ge 2 ] || fail "$screen at $factor never stopped changing"
        import -window "$id" "$SAME_OUT/screens/x$factor/$screen.png"
        echo "$last" >"$SAME_OUT/screens/x$factor/$screen.pixels"
        kill "$pid" && wait "$pid" 2>/dev/null || true
    done
done
SCRIPT

cd "$SAME_OUT"
{
    for f in sheets/*.txt sheets/*.pgm; do echo "$(sha256sum <"$f" | cut -c1-64)  $f"; done
    for f in screens/*/*.pixels; do echo "$(cat "$f")  ${f%.pixels}.png"; done
} | sort -k2 >manifest.txt
echo "same_looks: $(wc -l <manifest.txt) hashes in $SAME_OUT/manifest.txt (seed $seed)"
[ -n "$saved" ] || exit 0
# A file on one side only counts as a difference too.
join -j2 -a1 -a2 -e missing -o 0,1.1,2.1 <(echo "$saved_hashes") manifest.txt |
    awk '$2 != $3 {print $1}' >differences.txt
if [ -s differences.txt ]; then
    echo "same_looks: $(wc -l <differences.txt) differ from $saved (listed in $SAME_OUT/differences.txt):"
    tr '\n' ' ' <differences.txt && echo
    exit 1
fi
echo "same_looks: every hash as in $saved"
