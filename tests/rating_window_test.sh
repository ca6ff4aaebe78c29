#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# The rating window in a real session (Xvfb and openbox) on a 1280 x 900
# screen, too narrow for it beside the centred calculator: the worked example
# typed, Ctrl+T, and the rating window beside the calculator, which moves
# over to make room, its module loaded from beside the program, its table
# and curve drawn; then the design window, from the menu, which covers the
# calculator no more than the rating window does, and the records window
# likewise. Screenshots of the rating window, of the design window and of the
# whole screen with each.
#   rating_window_test.sh PROGRAM SCREENSHOT.png
set -euo pipefail
program=$1
screenshot=$2
source "$(dirname "${BASH_SOURCE[0]}")/support/x11_session.sh"

start_screen 1280 900
start_window_manager
launch "$program"
calculator=$window
program_pid=${x11_pids[-1]}
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

# beside FRAME FRAME: the two frames ("left top width height") side by side.
beside() {
    local ax aw bx bw
    read -r ax _ aw _ <<<"$1"
    read -r bx _ bw _ <<<"$2"
    [ "$bx" -ge $(( ax + aw )) ] || [ $(( bx + bw )) -le "$ax" ]
}
# The window manager frames the rating window, then it is placed with its frame.
placed() { beside "$(frame "$calculator")" "$(frame "$rating")"; }
wait_until 30 placed || true
echo "calculator $(frame "$calculator"), rating window $(frame "$rating")"
placed || { echo "the rating window covers the calculator"; exit 1; }

# 表示 → 堰の設計... from the keyboard: Alt+V, then D.
xdotool windowfocus --sync "$calculator" 2>/dev/null || true
# The menu is open when the program shows one more window, its popup.
windows_shown() { xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | wc -l; }
before=$(windows_shown)
menu_open() { [ "$(windows_shown)" -gt "$before" ]; }
keys key alt+v
wait_until 30 menu_open || { echo "Alt+V opened no menu"; exit 1; }
keys key d
design_window() { xdotool search --onlyvisible --name '堰の設計' 2>/dev/null | head -n 1; }
design_mapped() { [ -n "$(design_window)" ]; }
wait_until 60 design_mapped || { echo "表示 → 堰の設計 opened no design window"; exit 1; }
design=$(design_window)
design_placed() { beside "$(frame "$calculator")" "$(frame "$design")"; }
wait_until 30 design_placed || true
echo "calculator $(frame "$calculator"), design window $(frame "$design")"
design_placed || { echo "the design window covers the calculator"; exit 1; }
import -window root "${screenshot%.png}-design-desktop.png"
import -window "$design" "${screenshot%.png}-design.png"

# 表示 → 記録から流量... the same way: Alt+V, then R; the records window
# beside the calculator too.
xdotool windowfocus --sync "$calculator" 2>/dev/null || true
before=$(windows_shown)
keys key alt+v
wait_until 30 menu_open || { echo "Alt+V opened no menu"; exit 1; }
keys key r
records_window() { xdotool search --onlyvisible --name '記録から流量' 2>/dev/null | head -n 1; }
records_mapped() { [ -n "$(records_window)" ]; }
wait_until 60 records_mapped || { echo "表示 → 記録から流量 opened no records window"; exit 1; }
records=$(records_window)
records_placed() { beside "$(frame "$calculator")" "$(frame "$records")"; }
wait_until 30 records_placed || true
echo "calculator $(frame "$calculator"), records window $(frame "$records")"
records_placed || { echo "the records window covers the calculator"; exit 1; }
import -window root "${screenshot%.png}-records-desktop.png"

blue=$(curve_pixels "$screenshot")
echo "curve pixels: $blue"
[ "$blue" -gt 200 ] || { echo "no curve drawn"; exit 1; }
echo "screenshots written to $screenshot and ${screenshot%.png}-desktop.png"
