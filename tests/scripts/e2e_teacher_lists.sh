#!/usr/bin/env bash
# A lists folder with one good and one faulty list for Hangman (in a folder named with a capital)
# and for Chemical Equations: the good ones play, the faulty ones are refused with their errors,
# by --check-lists and by --list, and the chooser comes up from the List key and goes with Escape.
set -euo pipefail
program="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
support="$(cd "$(dirname "${BASH_SOURCE[0]}")/../support" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export KINDREL_CHECK=e2e_teacher_lists
# Only the lists made here: none of the machine's.
export XDG_DATA_HOME="$work/home" XDG_DATA_DIRS="$work/dirs"
lists="$work/lists"
mkdir -p "$lists/Hangman" "$lists/equations"
printf 'word,clue\nBURETTE,delivers a measured volume of liquid\nPIPETTE,measures a fixed volume\n' \
    >"$lists/Hangman/Good words.csv"
printf 'word,clue\nBEAKER,a glass container\nTEST TUBE,a small glass tube\n' \
    >"$lists/Hangman/Faulty words.csv"
printf 'word,clue\nFLASK,a glass container\n' >"$lists/Loose words.csv"
printf 'equation\nC4H10 + O2 -> CO2 + H2O\n' >"$lists/equations/Good equations.csv"
printf 'equation\nH2 + O2 -> H2O\nFe + O2 -> Fe2O3 + Xy\n' >"$lists/equations/Faulty equations.csv"

fail() { echo "$KINDREL_CHECK: $*"; exit 1; }

# --check-lists: every error on a line, exit status 1; the good lists say nothing.
status=0
QT_QPA_PLATFORM=offscreen "$program" --lists "$lists" --check-lists >"$work/check.txt" 2>/dev/null \
    || status=$?
[ "$status" -eq 1 ] || fail "--check-lists ended with $status, not 1"
grep -q "Faulty words.csv, line 3: 'TEST TUBE' has a space" "$work/check.txt" \
    || fail "--check-lists did not report the faulty word list: $(cat "$work/check.txt")"
grep -q "Faulty equations.csv, line 3: 'Xy' is not an element symbol" "$work/check.txt" \
    || fail "--check-lists did not report the faulty equations: $(cat "$work/check.txt")"
! grep -v '^Searched' "$work/check.txt" | grep -q "Good" \
    || fail "--check-lists found fault with a good list"
[ "$(grep -c ', line ' "$work/check.txt")" -eq 2 ] || fail "more than the two errors: $(cat "$work/check.txt")"
grep -qx "Searched $lists/Hangman" "$work/check.txt" || fail "the folder searched is not named"
grep -q "^$lists/Loose words.csv is not read: .* such as $lists/hangman/Loose words.csv" \
    "$work/check.txt" || fail "the loose list was not told of: $(cat "$work/check.txt")"
[ "$(tail -n 1 "$work/check.txt")" = "4 lists checked: 2 sound, 2 with errors" ] \
    || fail "no count at the end: $(tail -n 1 "$work/check.txt")"

# A faulty list is refused by --list, with its error; an unknown one names what there is.
status=0
QT_QPA_PLATFORM=offscreen "$program" --lists "$lists" --open equations \
    --list "Faulty equations" >/dev/null 2>"$work/refused.txt" || status=$?
[ "$status" -eq 2 ] || fail "a faulty --list ended with $status, not 2"
grep -q "line 3: 'Xy' is not an element symbol" "$work/refused.txt" \
    || fail "no error for a faulty --list: $(cat "$work/refused.txt")"
status=0
QT_QPA_PLATFORM=offscreen "$program" --lists "$lists" --open hangman --list Nothing \
    >/dev/null 2>"$work/unknown.txt" || status=$?
[ "$status" -eq 2 ] && grep -q "there are Faulty words, Good words" "$work/unknown.txt" \
    || fail "an unknown --list was not refused with the lists there are: $(cat "$work/unknown.txt")"

export program lists
cd "$(dirname "$program")"
unset QT_QPA_PLATFORM
"$support/in_x.sh" 1024x768 <<'SCRIPT'
    "$program" --lists "$lists" --open HANGMAN --list "Good words" &
    pid=$!
    until_ok has_window "Hangman – Good words" || fail "Hangman did not open with the good list"
    # The chooser from the List key; Escape takes it away again.
    read -r id _ < <(window "Hangman – Good words")
    xdotool windowfocus --sync "$id" key ctrl+l
    until_ok has_window "Lists for Hangman" || fail "the chooser did not come up"
    read -r chooser _ < <(window "Lists for Hangman")
    xdotool windowfocus --sync "$chooser" key Escape
    until_ok no_window "Lists for Hangman" || fail "Escape did not close the chooser"
    has_window "Hangman – Good words" || fail "Hangman went with the chooser"
    kill "$pid"; wait "$pid" 2>/dev/null || true

    "$program" --lists "$lists" --open equations --list "Good equations" &
    pid=$!
    until_ok has_window "Chemical Equations – Good equations" \
        || fail "Chemical Equations did not open with the good list"
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo "the good lists play; the chooser comes and goes by keys"
SCRIPT
echo "e2e_teacher_lists: faulty lists refused with their errors"
