#!/usr/bin/env bash
# The tiers of src/ include only downwards: program, activities, kit, tools, shell, forms,
# pictures. No activity includes another; kit and tools stand side by side, neither including
# the other. Prints every include that breaks the rule, with its file and line, and fails on any.
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

faults=0
while IFS=: read -r file line text; do
    tier="${file%%/*}"
    included="$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/' <<<"$text")"
    target="${included%%/*}"
    [ "$included" = "$target" ] && continue  # a file beside it
    if [ -z "${allowed[$tier]+set}" ]; then
        echo "$file:$line: '$tier' is not a tier of src/"
        faults=$((faults + 1))
        continue
    fi
    if [ "$target" = "$tier" ]; then
        # Within activities/, only the activity's own folder, and what every activity is
        # (the files directly in activities/, which include no activity).
        if [ "$tier" = activities ]; then
            own="$(cut -d/ -f2 <<<"$file")"
            other="$(cut -d/ -f2 <<<"$included")"
            [ "$included" = "activities/$other" ] && continue
            if [ "$own" != "$other" ]; then
                echo "$file:$line: activity '$own' includes activity '$other' ($included)"
                faults=$((faults + 1))
            fi
        fi
        continue
    fi
    if ! grep -qw -- "$target" <<<"${allowed[$tier]}"; then
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
