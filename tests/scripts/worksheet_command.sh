#!/usr/bin/env bash
# kindrel --worksheet with no display: a good run writes a whole PDF; every refusal gives its
# status and message (a file-size limit among them, which needs no root) and leaves the files
# that were there as they were.
set -euo pipefail
program="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$(dirname "$program")"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
fail() { echo "worksheet_command: $*"; exit 1; }

# Status, and a word the message must carry: expect STATUS WORD ARGS...
expect() {
    local status="$1" word="$2" got=0
    shift 2
    "$program" "$@" >"$work/out" 2>"$work/err" || got=$?
    [ "$got" = "$status" ] || fail "$* gave $got, not $status: $(cat "$work/err")"
    grep -q -- "$word" "$work/err" || fail "$* did not say '$word': $(cat "$work/err")"
}

"$program" --worksheet symbols -o "$work/symbols.pdf" 2>"$work/err" || fail "symbols: $(cat "$work/err")"
pdfinfo "$work/symbols.pdf" | grep -q "Pages:" || fail "symbols.pdf is not a whole PDF"
"$program" --worksheet hangman --no-answers -o "$work/hangman.pdf"
pdftotext "$work/hangman.pdf" - | grep -q "answers" && fail "--no-answers printed the answers"
"$program" --help | grep -q -- "--worksheet" || fail "--help does not list --worksheet"

# A teacher's list prints as it plays: its clues and words, its equations and their numbers.
lists="$work/lists"
mkdir -p "$lists/hangman" "$lists/equations"
printf 'Word;Clue\r\nACID;A solution with a pH below 7\r\nALKALI;A solution with a pH above 7\r\nSALT;Made when an acid reacts with a base\r\n' \
    >"$lists/hangman/Year 8 acids.csv"
printf 'equation,word equation\nFe2O3 + C -> Fe + CO2,iron oxide + carbon -> iron + carbon dioxide\nCH4 + O2 -> CO2 + H2O,\n' \
    >"$lists/equations/Today.csv"
"$program" --lists "$lists" --worksheet hangman --list "year 8 acids" -o "$work/hangman.pdf" \
    2>"$work/err" || fail "hangman from a list: $(cat "$work/err")"
sheet="$(pdftotext "$work/hangman.pdf" -)"
for text in "Hangman: Year 8 acids" "A solution with a pH above 7" "Made when an acid reacts"; do
    grep -q "$text" <<<"$sheet" || fail "the list's Hangman sheet lacks '$text'"
done
"$program" --lists "$lists" --worksheet equations --list Today -o "$work/symbols.pdf" \
    2>"$work/err" || fail "equations from a list: $(cat "$work/err")"
sheet="$(pdftotext "$work/symbols.pdf" - | tr -s ' \n' ' ')"
for text in "iron oxide + carbon → iron + carbon dioxide" "2 Fe₂O₃ + 3 C" "4 Fe + 3 CO₂" "1 CH₄ + 2 O₂"; do
    grep -q "$text" <<<"$sheet" || fail "the list's equations sheet lacks '$text'"
done
expect 2 "there are Today" --lists "$lists" --worksheet equations --list Nope -o "$work/kept.pdf"
rm -rf "$lists"

echo "the teacher's own file" >"$work/kept.pdf"
expect 2 "symbols, hangman" --worksheet nosuch -o "$work/kept.pdf"

# Every activity that prints, as the refusal above names them: a whole PDF of at least a worksheet
# page and an answer page, each with the activity's words on it.
sheets="$(sed -n 's/.*the worksheets are: //p' "$work/err" | tr -d ',')"
[ "$(wc -w <<<"$sheets")" -ge 20 ] || fail "too few worksheets named: $sheets"
for screen in $sheets; do
    "$program" --worksheet "$screen" -o "$work/every.pdf" 2>"$work/err" \
        || fail "$screen: $(cat "$work/err")"
    pages="$(pdfinfo "$work/every.pdf" | sed -n 's/^Pages: *//p')"
    [ "${pages:-0}" -ge 2 ] || fail "$screen printed ${pages:-no} pages"
    [ "$(pdftotext "$work/every.pdf" - | wc -w)" -ge 10 ] || fail "$screen printed no words"
done
rm "$work/every.pdf"
expect 2 "nothing to print" --worksheet fourinarow -o "$work/kept.pdf"
expect 2 "needs -o" --worksheet symbols
expect 1 "could not write" --worksheet symbols -o "$work/missing/folder/out.pdf"
mkdir "$work/folder"
expect 1 "could not write" --worksheet symbols -o "$work/folder"
# A limit on the size of a file, which any user may set, stops the write part way: the program
# says why, and neither leaves a part of the worksheet nor changes the file that was there.
# Limits well short of the sheet and just short of it: the rest of the file after the first write
# is then larger than Qt's write buffer, and smaller.
"$program" --worksheet symbols -o "$work/limited.pdf"
kb=$(( $(stat -c %s "$work/limited.pdf") / 1024 ))
rm "$work/limited.pdf"
[ "$kb" -ge 24 ] || fail "the symbols sheet ($kb KB) is too small to test a file-size limit with"
for limit in 8 $(( kb - 2 )); do
    for target in kept.pdf limited.pdf; do
        got=0
        (ulimit -f "$limit" && exec "$program" --worksheet symbols -o "$work/$target") \
            2>"$work/err" || got=$?
        [ "$got" = 1 ] || fail "writing past a $limit KB limit gave $got, not 1: $(cat "$work/err")"
        grep -q "could not write $work/$target: the file would grow past the size this system allows ($limit KB, " \
            "$work/err" || fail "a file-size limit did not say so: $(cat "$work/err")"
    done
done
[ ! -e "$work/limited.pdf" ] || fail "a file-size limit left a part-written worksheet"
[ "$(cat "$work/kept.pdf")" = "the teacher's own file" ] || fail "a refusal changed a file"
[ ! -e "$work/missing" ] && [ -z "$(ls -A "$work/folder")" ] || fail "a failed run left a file"
leftover="$(ls "$work" | grep -v -x -e symbols.pdf -e hangman.pdf -e kept.pdf -e folder -e out -e err || true)"
[ -z "$leftover" ] || fail "left behind: $leftover"
echo "worksheet_command: every refusal and a good run as they should be"
