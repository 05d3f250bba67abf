#!/usr/bin/env bash
# kindrel --worksheet with no display: a good run writes a whole PDF; every refusal gives its
# status and message and leaves the files that were there as they were.
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

echo "the teacher's own file" >"$work/kept.pdf"
expect 2 "symbols, hangman" --worksheet nosuch -o "$work/kept.pdf"
expect 2 "nothing to print" --worksheet fourinarow -o "$work/kept.pdf"
expect 2 "needs -o" --worksheet symbols
expect 1 "could not write" --worksheet symbols -o "$work/missing/folder/out.pdf"
mkdir "$work/folder"
expect 1 "could not write" --worksheet symbols -o "$work/folder"
[ "$(cat "$work/kept.pdf")" = "the teacher's own file" ] || fail "a refusal changed a file"
[ ! -e "$work/missing" ] && [ -z "$(ls -A "$work/folder")" ] || fail "a failed run left a file"
leftover="$(ls "$work" | grep -v -x -e symbols.pdf -e hangman.pdf -e kept.pdf -e folder -e out -e err || true)"
[ -z "$leftover" ] || fail "left behind: $leftover"
echo "worksheet_command: every refusal and a good run as they should be"
