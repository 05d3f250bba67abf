#!/usr/bin/env bash
# The typical lesson on a real X server, worked from outside with xdotool as a teacher would:
# title "OK", "Menu 5", "Laboratory Apparatus", the ten names dragged (seven onto their own
# boxes, three onto each other's), "Check Score" and the score read off the screen, then the
# exits back to the title screen and "Exit". Then a second run, started from another folder:
# Safety in the Lab with its task panel timing out, Acids and Alkalis, and a stroke drawn on the
# Jotter. A screenshot of each screen passed goes to e2e-shots/ beside the program.
set -euo pipefail
program="$1"
support="$(cd "$(dirname "${BASH_SOURCE[0]}")/../support" && pwd)"
export KINDREL_CHECK=e2e_typical_run
build="$(cd "$(dirname "$program")" && pwd)"
export KINDREL_SHOTS="$build/e2e-shots"
rm -rf "$KINDREL_SHOTS"
mkdir -p "$KINDREL_SHOTS"
cd "$build"
unset QT_QPA_PLATFORM
# -noreset: an X server resets when its last client leaves, and a program started just then
# (the second run below) can find it refusing connections.
exec "$support/in_x.sh" 1024x768 <<'SCRIPT'
set -euo pipefail

# Screenshot of one window, by title, once two looks in a row agree (it has painted) and, given
# an earlier screenshot, once it differs from that (a screen opened over another has shown).
shot() {
    local id x y w h
    read -r id x y w h < <(window "$2") || fail "no window \"$2\" to photograph"
    rm -f "$KINDREL_SHOTS/$1.png"
    until_ok settled "${w}x${h}+${x}+${y}" "$KINDREL_SHOTS/$1.png" "${3:-}" \
        || fail "\"$2\" did not settle for its screenshot"
}
settled() {  # region file [earlier file]
    local steady=1
    import -window root -crop "$1" +repage "$2.next.png"
    [ -f "$2" ] && [ "$(compare -metric AE "$2" "$2.next.png" null: 2>&1)" = 0 ] && steady=0
    mv "$2.next.png" "$2"
    [ "$steady" -eq 0 ] && { [ -z "$3" ] || [ "$(compare -metric AE "$3" "$2" null: 2>&1)" != 0 ]; }
}
# Pixels of this exact colour in a region of the screen: x y width height r,g,b.
count_colour() {
    import -window root -crop "${3}x${4}+${1}+${2}" -depth 8 txt:- | grep -c "($5)" || true
}
# Polled through until_ok, so they look again on every try: x y width height r,g,b count.
at_least() { [ "$(count_colour "$1" "$2" "$3" "$4" "$5")" -ge "$6" ]; }
fewer_than() { [ "$(count_colour "$1" "$2" "$3" "$4" "$5")" -lt "$6" ]; }
twips() { echo $(( ($1) / 15 )); }  # twips to pixels, rounded down

# Reads the score off a picture of the message " k out of 10 correct". The number is the start of
# the text; of the eleven possible messages, drawn in the label's font, size and colours, the one
# whose first 20 columns of text match best (at the best small offset) gives it.
read_score() {
    local work bg font best=none least=9 k difference
    work=$(mktemp -d)
    bg=$(convert "$1" -format '%[pixel:p{0,0}]' info:)
    font=/usr/share/wine/fonts/tahoma.ttf
    [ -f "$font" ] || font=$(fc-match -f '%{file}' Tahoma)
    convert "$1" -trim +repage -crop 20x100+0+0 +repage -colorspace Gray "$work/seen.png"
    for k in 0 1 2 3 4 5 6 7 8 9 10; do
        # Tahoma 20.25 pt is 27 px at 96 dpi.
        convert -size 600x60 "xc:$bg" -font "$font" -pointsize 27 -fill "rgb(255,255,0)" \
            -gravity center -annotate +0+0 " $k out of 10 correct" +gravity \
            -trim +repage -crop 20x100+0+0 +repage -bordercolor "$bg" -border 2 \
            -colorspace Gray "$work/$k.png"
        difference=$(compare -metric RMSE -subimage-search "$work/$k.png" "$work/seen.png" \
            null: 2>&1 | head -1 | sed -E 's/^[^(]*\(([0-9.e-]+)\).*/\1/')
        if awk -v d="$difference" -v l="$least" 'BEGIN { exit !(d < l) }'; then
            best=$k
            least=$difference
        fi
    done
    rm -rf "$work"
    echo "$best"
}

./kindrel & pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

until_ok has_window " " || fail "no title screen"
read -r _ tx ty tw th < <(window " ")
[ "$tw x $th" = "364 x 438" ] || fail "title screen is $tw x $th, not its design size"
shot 01-title " "
click $((tx + 132)) $((ty + 406))                                   # "OK"
until_ok has_window "Corvane" || fail "OK did not show the front screen"
until_ok no_window " " || fail "the title screen stayed"
read -r _ fx fy fw fh < <(window "Corvane")
[ "$fw x $fh" = "794 x 568" ] || fail "front screen is $fw x $fh"
shot 02-front Corvane

click $((fx + 714)) $((fy + 376))                                   # "Menu 5"
until_ok is_black $((fx + 260)) $((fy + 188)) || fail "menu 5 did not come up"
shot 03-menu5 Corvane
click $((fx + 397)) $((fy + 176))                                   # "Laboratory Apparatus"
until_ok has_window "Laboratory Apparatus" || fail "Laboratory Apparatus did not open"
read -r _ ax ay aw ah < <(window "Laboratory Apparatus")
[ "$ax $ay $aw $ah" = "$fx $fy $fw $fh" ] || fail "the activity does not cover its menu"
until_ok is_black $((ax + 600)) $((ay + 190)) || fail "no name labels in their column"
shot 04-apparatus "Laboratory Apparatus" "$KINDREL_SHOTS/03-menu5.png"

# Target boxes (left, top) and name label homes (top; every home is at left 8760), in twips,
# item by item; every box and label is 2460 x 375.
targets=("240 6780" "2880 4380" "240 4380" "2880 1980" "2880 6780" "240 1980" "5520 6780"
         "8160 1980" "5520 4380" "5520 1980")
homes=(2760 4680 5160 4200 3240 3720 7080 6600 6120 5640)
score_button_x=$((ax + $(twips 6000) + 85)); score_button_y=$((ay + $(twips 7920) + 16))
for i in 0 1 2 3 4 5 6 7 8 9; do
    # Names 0, 1 and 2 go round onto boxes 1, 2 and 0; the other seven onto their own.
    box=$i; [ "$i" -lt 3 ] && box=$(( (i + 1) % 3 ))
    read -r left top <<<"${targets[$box]}"
    from_x=$((ax + $(twips "8760 + 1230"))); from_y=$((ay + $(twips "${homes[$i]} + 187")))
    to_x=$((ax + $(twips "left + 1230"))); to_y=$((ay + $(twips "top + 187")))
    xdotool mousemove "$from_x" "$from_y" mousedown 1
    for step in 1 2 3 4; do
        xdotool mousemove $((from_x + (to_x - from_x) * step / 4)) $((from_y + (to_y - from_y) * step / 4))
    done
    xdotool mouseup 1
    # Snapped: the box's own corner is under the black name label.
    until_ok is_black $((ax + $(twips left) + 3)) $((ay + $(twips top) + 3)) \
        || fail "name $i did not land on box $box"
    if [ "$i" -lt 9 ]; then
        [ "$(count_colour $((score_button_x - 60)) $((score_button_y - 8)) 120 16 255,255,0)" -eq 0 ] \
            || fail "Check Score showed before every name was placed"
    fi
done
until_ok at_least $((score_button_x - 60)) $((score_button_y - 8)) 120 16 255,255,0 20 \
    || fail "Check Score did not appear with every name placed"
shot 05-apparatus-labelled "Laboratory Apparatus"

# The instruction's place, before and after scoring.
msg_x=$((ax + $(twips 240))); msg_y=$((ay + $(twips 7260))); msg_w=$(twips 7695); msg_h=$(twips 615)
import -window root -crop "${msg_w}x${msg_h}+${msg_x}+${msg_y}" +repage "$KINDREL_SHOTS/instruction.png"
click "$score_button_x" "$score_button_y"                           # "Check Score"
until_ok bash -c "[ \"\$(compare -metric AE \"$KINDREL_SHOTS/instruction.png\" \
    <(import -window root -crop ${msg_w}x${msg_h}+${msg_x}+${msg_y} +repage png:-) null: 2>&1)\" != 0 ]" \
    || fail "Check Score left the instruction as it was"
import -window root -crop "${msg_w}x${msg_h}+${msg_x}+${msg_y}" +repage "$KINDREL_SHOTS/score.png"
score=$(read_score "$KINDREL_SHOTS/score.png")
[ "$score" = 7 ] || fail "the screen reads \" $score out of 10 correct\", not \" 7 out of 10 correct\""
shot 06-apparatus-scored "Laboratory Apparatus"

click $((ax + $(twips 10560) + 41)) $((ay + $(twips 7920) + 16))     # "Exit"
until_ok no_window "Laboratory Apparatus" || fail "Exit did not close the activity"
until_ok is_black $((fx + 260)) $((fy + 188)) || fail "menu 5 is not in view again"
shot 07-menu5-again Corvane
click $((fx + 63)) $((fy + 546))                                    # menu exit
until_ok is_not_black $((fx + 260)) $((fy + 188)) || fail "menu exit did not show the front"
shot 08-front-again Corvane
click $((fx + 63)) $((fy + 546))                                    # front exit
until_ok has_window " " || fail "front exit did not show the title screen"
until_ok no_window "Corvane" || fail "the front screen stayed"
read -r _ tx ty _ _ < <(window " ")
shot 09-title-cancel-exit " "
click $((tx + 228)) $((ty + 406))                                   # "Exit"
until_ok bash -c "! kill -0 $pid" || fail "Exit did not end the program"

# The other activities, in a second run started from another folder: the program finds its
# pictures beside itself (the title keeps its design size only when its picture loads).
program="$PWD/kindrel"
(cd / && exec "$program") & pid=$!
until_ok has_window " " || fail "no title screen when started from /"
read -r _ tx ty tw th < <(window " ")
[ "$tw x $th" = "364 x 438" ] || fail "started from /, the title screen is $tw x $th"
click $((tx + 132)) $((ty + 406))                                   # "OK"
until_ok has_window "Corvane" || fail "OK did not show the front screen"
read -r _ fx fy _ _ < <(window "Corvane")
click $((fx + 714)) $((fy + 376))                                   # "Menu 5"
until_ok is_black $((fx + 260)) $((fy + 188)) || fail "menu 5 did not come up"

# Safety in the Lab: the task panel over the picture, gone after five seconds.
click $((fx + 397)) $((fy + 376))                                   # "Safety in the Lab"
until_ok has_window "Safety in the Lab" || fail "Safety in the Lab did not open"
read -r _ sx sy _ _ < <(window "Safety in the Lab")
panel_x=$((sx + 8)); panel_y=$((sy + 8)); panel_w=$(( $(twips 4335) - 16 )); panel_h=$(( $(twips 1095) - 16 ))
until_ok at_least $panel_x $panel_y $panel_w $panel_h 0,0,255 500 \
    || fail "no blue task text on the panel"
shot 10-safety "Safety in the Lab" "$KINDREL_SHOTS/03-menu5.png"
until_ok fewer_than $panel_x $panel_y $panel_w $panel_h 0,0,255 50 \
    || fail "the task panel did not go after five seconds"
shot 11-safety-picture "Safety in the Lab"
click $((sx + $(twips 10560) + 41)) $((sy + $(twips 7920) + 16))     # "Exit"
until_ok no_window "Safety in the Lab" || fail "Exit did not close Safety in the Lab"

# Acids and Alkalis from menu 4: one term dragged into its blank.
click $((fx + 714)) $((fy + 326))                                   # "Menu 4"
until_ok is_black $((fx + 260)) $((fy + 188)) || fail "menu 4 did not come up"
shot 12-menu4 Corvane
click $((fx + 397)) $((fy + 326))                                   # "Acids and Alkalis"
until_ok has_window "Acids and Alkalis" || fail "Acids and Alkalis did not open"
read -r _ qx qy _ _ < <(window "Acids and Alkalis")
shot 13-acids-and-alkalis "Acids and Alkalis" "$KINDREL_SHOTS/12-menu4.png"
# "sodium chloride" (2880 x 495 twips, home at 4560, 6720) onto its blank at 7440, 1200.
xdotool mousemove $((qx + $(twips "4560 + 1440"))) $((qy + $(twips "6720 + 247"))) mousedown 1 \
    mousemove $((qx + 500)) $((qy + 300)) mousemove $((qx + $(twips "7440 + 1440"))) $((qy + $(twips "1200 + 247"))) \
    mouseup 1
until_ok is_black $((qx + $(twips 7440) + 3)) $((qy + $(twips 1200) + 3)) \
    || fail "\"sodium chloride\" did not land in its blank"
shot 14-acids-and-alkalis-one-placed "Acids and Alkalis"
click $((qx + $(twips 10560) + 41)) $((qy + $(twips 7920) + 16))     # "Exit"
until_ok no_window "Acids and Alkalis" || fail "Exit did not close Acids and Alkalis"

# The Jotter by its key over the menu: a yellow stroke drawn across its surface.
xdotool mousemove $((fx + 300)) $((fy + 480)) key F2
until_ok has_window "Jotter" || fail "F2 did not open the Jotter"
read -r _ jx jy _ _ < <(window "Jotter")
before=$(count_colour $((jx + 100)) $((jy + 60)) 200 80 255,255,0)
xdotool mousemove $((jx + 110)) $((jy + 100)) mousedown 1
for step in 1 2 3 4 5 6 7 8; do xdotool mousemove $((jx + 110 + step * 20)) $((jy + 100 + step * 3)); done
xdotool mouseup 1
until_ok at_least $((jx + 100)) $((jy + 60)) 200 80 255,255,0 $((before + 300)) \
    || fail "the stroke did not show on the Jotter"
shot 15-jotter Jotter
click $((jx + 35)) $((jy + $(twips 2910 + 180) + 16))               # the Jotter's "Exit"
until_ok no_window "Jotter" || fail "Exit did not close the Jotter"

click $((fx + 63)) $((fy + 546))                                    # menu exit
until_ok is_not_black $((fx + 260)) $((fy + 188)) || fail "menu exit did not show the front"
click $((fx + 63)) $((fy + 546))                                    # front exit
until_ok has_window " " || fail "front exit did not show the title screen"
read -r _ tx ty _ _ < <(window " ")
click $((tx + 228)) $((ty + 406))                                   # "Exit"
until_ok bash -c "! kill -0 $pid" || fail "Exit did not end the second run"
trap - EXIT
echo "lesson walked and scored \" $score out of 10 correct\"; screenshots in $KINDREL_SHOTS"
SCRIPT
