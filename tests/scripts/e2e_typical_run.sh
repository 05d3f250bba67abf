#!/usr/bin/env bash
# The typical lesson on a real X server, worked from outside with xdotool as a teacher would:
# title "OK", "Menu 5", "Laboratory Apparatus", the ten names dragged (seven onto their own
# boxes, three onto each other's), "Check Score" and the score read off the screen, then the
# exits back to the title screen and "Exit". A screenshot of each screen passed goes to
# e2e-shots/ beside the program. Then the program started from another folder still finds its
# pictures beside itself.
set -euo pipefail
program="$1"
export KINDREL_X11="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/x11.sh"
export KINDREL_CHECK=e2e_typical_run
build="$(cd "$(dirname "$program")" && pwd)"
export KINDREL_SHOTS="$build/e2e-shots"
rm -rf "$KINDREL_SHOTS"
mkdir -p "$KINDREL_SHOTS"
cd "$build"
unset QT_QPA_PLATFORM
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -s <<'SCRIPT'
set -euo pipefail
source "$KINDREL_X11"

# Screenshot of one window, by title.
shot() {
    local id x y w h
    read -r id x y w h < <(window "$2") || fail "no window \"$2\" to photograph"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$KINDREL_SHOTS/$1.png"
}
# Pixels of this exact colour in a region of the screen: x y width height r,g,b.
count_colour() {
    import -window root -crop "${3}x${4}+${1}+${2}" -depth 8 txt:- | grep -c "($5)" || true
}
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
shot 04-apparatus "Laboratory Apparatus"

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
until_ok test "$(count_colour $((score_button_x - 60)) $((score_button_y - 8)) 120 16 255,255,0)" -gt 20 \
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

# Started from another folder, it finds its pictures beside itself: the title keeps its design
# size only when its picture loads.
program="$PWD/kindrel"
(cd / && exec "$program") & pid=$!
until_ok has_window " " || fail "no title screen when started from /"
read -r _ _ _ tw th < <(window " ")
[ "$tw x $th" = "364 x 438" ] || fail "started from /, the title screen is $tw x $th"
kill $pid
trap - EXIT
echo "lesson walked and scored \" $score out of 10 correct\"; screenshots in $KINDREL_SHOTS"
SCRIPT
