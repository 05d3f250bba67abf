#!/usr/bin/env bash
# The tiers of src/ include only downwards: program, activities, kit, tools, shell, forms,
# pictures. No activity includes another; kit and tools stand side by side, neither including
# the other. Inside kit/ the same holds room by room: chem at the bottom, lists on it, the
# boards, quizzes and word games side by side on those, sheets on top. Prints every include
# that breaks a rule, with its file and line, and fails on any.
set -euo pipefail
src="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../../src" && pwd)}"
cd "$src"

# What each tier may include besides itself (and Qt and the standard library).
declare -A allowed=(
    [app]="program kit tools shell forms pictures"
    [program]="activities kit tools shell forms pictures"
    [activities]="kit shell forms pictures"
    [kit]="shell forms pictures"
    [tools]="shell forms pictures"
    [shell]="forms pictures"
    [forms]="pictures"
    [pictures]=""
)

# What each room of kit/ may include besides itself.
declare -A kit_allowed=(
    [chem]=""
    [lists]="chem"
    [labelling]="chem lists"
    [quiz]="chem lists"
    [wordgames]="chem lists"
    [sheets]="chem lists labelling quiz wordgames"
)

faults=0
allows() {  # list, name: whether the space-separated list holds the name
    [[ " $1 " == *" $2 "* ]]
}
while IFS=: read -r file line text; do
    tier="${file%%/*}"
    [[ "$text" =~ \"([^\"]+)\" ]] || continue
    included="${BASH_REMATCH[1]}"
    target="${included%%/*}"
    [ "$included" = "$target" ] && continue  # a file beside it
    if [ -z "${allowed[$tier]+set}" ]; then
        echo "$file:$line: '$tier' is not a tier of src/"
        faults=$((faults + 1))
        continue
    fi
    if [ "$target" = "$tier" ]; then
        own="${file#*/}" && own="${own%%/*}"
        other="${included#*/}" && other="${other%%/*}"
        if [ "$tier" = kit ] && [ "$own" != "$other" ]; then
            if [ -z "${kit_allowed[$own]+set}" ]; then
                echo "$file:$line: '$own' is not a room of kit/"
                faults=$((faults + 1))
            elif ! allows "${kit_allowed[$own]}" "$other"; then
                echo "$file:$line: kit/$own/ includes kit/$other/ ($included)"
                faults=$((faults + 1))
            fi
        fi
        # Within activities/, only the activity's own folder, and what every activity is (the
        # files directly in activities/, which include no activity).
        if [ "$tier" = activities ] && [ "$own" != "$other" ] &&
            [ "$included" != "activities/$other" ]; then
            echo "$file:$line: activity '$own' includes activity '$other' ($included)"
            faults=$((faults + 1))
        fi
        continue
    fi
    if ! allows "${allowed[$tier]}" "$target"; then
        echo "$file:$line: $tier/ includes $target/ ($included)"
        faults=$((faults + 1))
    fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' --include='*.h' --include='*.cpp' . |
         sed 's|^\./||')

if [ "$faults" -gt 0 ]; then
    echo "tiers: $faults include(s) against the tiers"
    exit 1
fi
echo "tiers: every include of $(find . -name '*.h' -o -name '*.cpp' | wc -l) files keeps to the tiers"
