#!/usr/bin/env bash
# tiers.sh must refuse each include that breaks a rule and accept each one the rules allow:
# one include at a time, added to a copy of src/.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
src="${1:-$here/../../src}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$src" "$work/src"

failures=0
check() {  # expected verdict (0 keeps, 1 breaks), file, include
    local file="$work/src/$2"
    mkdir -p "$(dirname "$file")" && touch "$file" && cp "$file" "$work/kept"
    echo "#include \"$3\"" >>"$file"
    bash "$here/tiers.sh" "$work/src" >/dev/null
    local got=$?
    if [ -s "$work/kept" ]; then cp "$work/kept" "$file"; else rm "$file"; fi
    if [ "$got" -ne "$1" ]; then
        echo "FAIL: $2 including $3: tiers.sh gave $got, expected $1"
        failures=$((failures + 1))
    fi
}

check 0 kit/lists/ListError.h kit/chem/Formula.h
check 0 kit/quiz/QuizItem.h kit/lists/CsvReader.h
check 0 kit/sheets/Worksheet.h kit/wordgames/Words.h
check 1 kit/chem/Formula.h kit/lists/CsvReader.h
check 1 kit/lists/ListError.h kit/quiz/QuizItem.h
check 1 kit/quiz/QuizItem.h kit/wordgames/Words.h
check 1 kit/labelling/SnapRules.h kit/sheets/Worksheet.h
check 1 kit/spare/Spare.h kit/chem/Formula.h
check 1 kit/chem/Formula.h tools/HouseMenu.h
check 1 activities/symbols/Spare.h activities/hangman/Spare.h
check 1 forms/Twips.h shell/HouseStyle.h

[ "$failures" -eq 0 ] && echo "tiers_rules: every case judged as the rules say"
exit $((failures > 0))
