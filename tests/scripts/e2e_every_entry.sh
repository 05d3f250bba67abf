#!/usr/bin/env bash
# Every entry of the five menus opened from its menu on a real X server, in the order of the
# program's activities table: each shows its own screen (its window, titled with the entry's
# caption, covers the menu and has painted something else), and leaving it with Escape, or
# closing it from its title bar, gives that same menu back, pixel for pixel. Then the same walk
# in projector mode (--scale 2). A screenshot of each screen goes to e2e-entries/ beside the
# program.
set -euo pipefail
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
support="$here/../support"
export KINDREL_CHECK=e2e_every_entry
build="$(cd "$(dirname "$program")" && pwd)"
export KINDREL_SHOTS="$build/e2e-entries"
source "$support/entries.sh"

cd "$build"
unset QT_QPA_PLATFORM
exec "$support/in_x.sh" 1600x1200 <<'SCRIPT'
set -euo pipefail

same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }
# Photographs a region once two looks in a row agree (it has painted) and, given an earlier
# photograph, once it differs from that (the next screen has shown): region file [earlier].
settled() {
    local steady=1
    import -window root -crop "$1" +repage "$2.next.png"
    [ -f "$2" ] && same "$2" "$2.next.png" && steady=0
    mv "$2.next.png" "$2"
    [ "$steady" -eq 0 ] && { [ -z "${3:-}" ] || ! same "$3" "$2"; }
}
shot() {  # file region [earlier]
    rm -f "$1"
    until_ok settled "$2" "$1" "${3:-}" || fail "$(basename "$1") did not settle${3:+ into something new}"
}
# A region photographed again until it equals an earlier photograph: region file.
comes_back() {
    import -window root -crop "$1" +repage "$2.again.png"
    same "$2" "$2.again.png"
}

# One walk through every entry at a factor: options, factor, the title's size there.
walk() {
    local options="$1" f="$2" title_size="$3" tag="x$2"
    local px; px() { echo $(($1 * f)); }
    # shellcheck disable=SC2086
    ./kindrel $options & pid=$!
    trap 'kill $pid 2>/dev/null || true' EXIT
    until_ok has_window " " || fail "$tag: no title screen"
    read -r _ tx ty tw th < <(window " ")
    [ "$tw x $th" = "$title_size" ] || fail "$tag: title screen is $tw x $th, not $title_size"
    click $((tx + $(px 132))) $((ty + $(px 406)))                           # "OK"
    until_ok has_window "Corvane" || fail "$tag: OK did not show the front screen"
    until_ok no_window " " || fail "$tag: the title screen stayed"
    read -r _ fx fy fw fh < <(window "Corvane")
    [ "$fw x $fh" = "$(px 794) x $(px 568)" ] || fail "$tag: front screen is $fw x $fh"
    local region="${fw}x${fh}+${fx}+${fy}" shown=0 current=0 menu caption entry
    local previous="$KINDREL_SHOTS/$tag-front.png"
    xdotool mousemove $((fx + $(px 397))) $((fy + $(px 176)))
    shot "$previous" "$region"
    while read -r menu entry caption; do
        local at_x=$((fx + $(px 397))) at_y=$((fy + $(px $((176 + 50 * entry)))))
        local menu_shot="$KINDREL_SHOTS/$tag-menu$menu.png"
        if [ "$menu" != "$current" ]; then
            click $((fx + $(px 714))) $((fy + $(px $((126 + 50 * menu)))))    # "Menu n"
            until_ok has_window "Corvane" || fail "$tag: no menu $menu"
            # Off the tab, whose highlight would follow the pointer.
            xdotool mousemove "$at_x" "$at_y"
            shot "$menu_shot" "$region" "$previous"
            current=$menu
            previous="$menu_shot"
        fi

        click "$at_x" "$at_y"                                                # the entry
        until_ok has_window "$caption" || fail "$tag: menu $menu entry $entry did not open \"$caption\""
        local id ax ay aw ah
        read -r id ax ay aw ah < <(window "$caption")
        [ "$ax $ay $aw $ah" = "$fx $fy $fw $fh" ] \
            || fail "$tag: \"$caption\" is at $ax $ay $aw $ah, not over its menu"
        local screen_shot="$KINDREL_SHOTS/$tag-$menu$entry.png"
        shot "$screen_shot" "$region" "$menu_shot"

        # Escape leaves it; every third one goes from its title bar instead.
        if [ $((shown % 3)) -eq 2 ]; then
            close_window "$id" || fail "$tag: could not close \"$caption\""
        else
            xdotool mousemove "$at_x" "$at_y" key Escape
        fi
        until_ok no_window "$caption" || fail "$tag: \"$caption\" did not close"
        until_ok has_window "Corvane" || fail "$tag: no menu after \"$caption\""
        xdotool mousemove "$at_x" "$at_y"
        until_ok comes_back "$region" "$menu_shot" \
            || fail "$tag: leaving \"$caption\" did not give menu $menu back as it was"
        kill -0 "$pid" || fail "$tag: the program ended leaving \"$caption\""
        shown=$((shown + 1))
    done <"$KINDREL_ENTRIES"

    click $((fx + $(px 63))) $((fy + $(px 546)))                            # menu exit
    xdotool mousemove $((fx + $(px 397))) $((fy + $(px 176)))
    until_ok comes_back "$region" "$KINDREL_SHOTS/$tag-front.png" \
        || fail "$tag: menu exit did not show the front screen"
    click $((fx + $(px 63))) $((fy + $(px 546)))                            # front exit
    until_ok has_window " " || fail "$tag: front exit did not show the title screen"
    read -r _ tx ty _ _ < <(window " ")
    click $((tx + $(px 228))) $((ty + $(px 406)))                           # "Exit"
    until_ok bash -c "! kill -0 $pid" || fail "$tag: Exit did not end the program"
    trap - EXIT
    echo "$tag: $shown entries opened from their menus, each giving its menu back"
}

walk "" 1 "364 x 438"
walk "--scale 2" 2 "728 x 876"
SCRIPT
