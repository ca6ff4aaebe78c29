#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# The rating window in a real session (Xvfb and openbox): the worked example
# typed, Ctrl+T, and the rating window beside the calculator, its module
# loaded from beside the program, its table and curve drawn. Screenshots of
# the rating window and of the whole screen.
#   rating_window_test.sh PROGRAM SCREENSHOT.png
set -euo pipefail
program=$1
screenshot=$2
source "$(dirname "${BASH_SOURCE[0]}")/support/x11_session.sh"

start_screen 1920 1080
start_window_manager
launch "$program"
calculator=$window
type_worked_example
keys key ctrl+t
rating_window() { xdotool search --onlyvisible --name '水位流量表' 2>/dev/null | head -n 1; }
rating_mapped() { [ -n "$(rating_window)" ]; }
wait_until 60 rating_mapped || { echo "Ctrl+T opened no rating window"; exit 1; }
rating=$(rating_window)

# curve_pixels SHOT: dark blue pixels in the right half of a screenshot.
curve_pixels() {
    convert "$1" -crop "50%x100%+$(( $(identify -format '%w' "$1") / 2 ))+0" +repage \
        -fx 'b>0.5 && r<0.2 && g<0.2' -format '%[fx:int(w*h*mean)]' info:
}
curve_drawn() { import -window "$rating" "$screenshot" && [ "$(curve_pixels "$screenshot")" -gt 200 ]; }
wait_until 30 curve_drawn || true
import -window root "${screenshot%.png}-desktop.png"

read -r cx _ cw _ < <(geometry "$calculator")
read -r rx _ rw _ < <(geometry "$rating")
echo "calculator x $cx width $cw, rating window x $rx width $rw"
[ "$rx" -ge $(( cx + cw )) ] || [ $(( rx + rw )) -le "$cx" ] || { echo "the rating window covers the calculator"; exit 1; }

blue=$(curve_pixels "$screenshot")
echo "curve pixels: $blue"
[ "$blue" -gt 200 ] || { echo "no curve drawn"; exit 1; }
echo "screenshots written to $screenshot and ${screenshot%.png}-desktop.png"
