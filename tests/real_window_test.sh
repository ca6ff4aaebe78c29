#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# Starts the real program on a private Xvfb screen, checks that its window maps
# centred at the drawn size, types the worked example through the keyboard,
# presses Return and writes a screenshot of the window. Then, still by keys, a
# minimum of zero (a red message) and a flow of 10 (a head below the formula's
# range, with its blue note), each with a screenshot beside the first.
#   real_window_test.sh PROGRAM SCREENSHOT.png
set -euo pipefail
program=$1
screenshot=$2
screen_w=1024
screen_h=768
source "$(dirname "${BASH_SOURCE[0]}")/support/x11_session.sh"

start_screen "$screen_w" "$screen_h"
launch "$program"
read -r x y w h < <(geometry "$window")
echo "window at $x,$y size ${w}x$h on a ${screen_w}x$screen_h screen"
[ "$w" -eq 240 ] && [ "$h" -ge 323 ] || { echo "expected a 240x323 client area at 96 dpi"; exit 1; }
dx=$(( 2 * x - (screen_w - w) )); dy=$(( 2 * y - (screen_h - h) ))
[ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] || { echo "the window is not centred"; exit 1; }
top=$(( h - 323 )) # the client area lies below whatever bars the window has

# The result box is empty before Return; after it, dark digits stand in it
# (type_worked_example waits for them).
type_worked_example
import -window "$window" "$screenshot"
read -r sw sh < <(identify -format '%w %h\n' "$screenshot")
[ "$sw" -eq "$w" ] && [ "$sh" -eq "$h" ] || { echo "screenshot is ${sw}x$sh"; exit 1; }
dark=$(dark_pixels "$screenshot" "81x25+104+$(( top + 256 ))")
echo "dark pixels in the head box: $dark"
[ "$dark" -gt 20 ] || { echo "no head was shown after Return"; exit 1; }
echo "screenshot written to $screenshot"

# colour_pixels IMAGE WxH+X+Y red|blue: pixels clearly of that colour.
colour_pixels() {
    local fx
    case $3 in
    red) fx='r-max(g,b)>0.3' ;;
    blue) fx='b-max(r,g)>0.3' ;;
    esac
    convert "$1" -crop "$2" +repage -fx "$fx" -format '%[fx:int(w*h*mean)]' info:
}
band="240x32+0+$top" # above the width box, where printed lines go

# Back to the minimum (Shift+Tab past both buttons), a zero, Return.
keys key shift+Tab shift+Tab shift+Tab ctrl+a
keys type --delay 20 0
keys key Return
zero_shot="${screenshot%.png}-zero-minimum.png"
# shot_shows SHOT AREA COLOUR MINIMUM: a screenshot of the window, taken
# anew, has more than MINIMUM pixels of the colour in the area.
shot_shows() {
    import -window "$window" "$1" && [ "$(colour_pixels "$1" "$2" "$3")" -gt "$4" ]
}
wait_until 30 shot_shows "$zero_shot" "$band" red 100 || true
red=$(colour_pixels "$zero_shot" "$band" red)
below=$(colour_pixels "$zero_shot" "240x$(( 323 - 32 ))+0+$(( top + 32 ))" red)
echo "zero minimum: $red red pixels above the width box, $below below it"
[ "$red" -gt 100 ] && [ "$below" -eq 0 ] || { echo "the message is not whole above the boxes"; exit 1; }

# The minimum box has the cursor with its text selected: a 1 replaces the 0;
# then the flow (Shift+Tab) becomes 10.
keys type --delay 20 1
keys key shift+Tab ctrl+a
keys type --delay 20 10
keys key Return
low_shot="${screenshot%.png}-below-range.png"
wait_until 30 shot_shows "$low_shot" "$band" blue 100 || true
blue=$(colour_pixels "$low_shot" "$band" blue)
dark=$(dark_pixels "$low_shot" "81x25+104+$(( top + 256 ))")
echo "head below 20 mm: $dark dark pixels in the head box, $blue blue pixels in the note"
[ "$dark" -gt 20 ] && [ "$blue" -gt 100 ] || { echo "no head with a blue note"; exit 1; }
echo "screenshots written to $zero_shot and $low_shot"
