#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
# Starts the real program on a private Xvfb screen, checks that its window maps
# centred at the drawn size, types the worked example through the keyboard,
# presses Return and writes a screenshot of the window.
#   real_window_test.sh PROGRAM SCREENSHOT.png
set -euo pipefail
program=$1
screenshot=$2
screen_w=1024
screen_h=768

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/support/require_tools.sh"
require_tools Xvfb xdpyinfo xdotool xwininfo import identify convert
source "$here/../scripts/xvfb.sh"
pids=()
cleanup() { for pid in "${pids[@]}" ${XVFB_PID:-}; do kill "$pid" 2>/dev/null || true; done; }
trap cleanup EXIT
start_private_xvfb 90 140 "$screen_w" "$screen_h"

"$program" &
pids+=($!)

window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '四角堰の越流高さ' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the window never mapped"; exit 1; }
sleep 0.5

read -r x y w h < <(xwininfo -id "$window" | awk '
    /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')
echo "window at $x,$y size ${w}x$h on a ${screen_w}x$screen_h screen"
[ "$w" -eq 240 ] && [ "$h" -eq 323 ] || { echo "expected 240x323 at 96 dpi"; exit 1; }
dx=$(( 2 * x - (screen_w - w) )); dy=$(( 2 * y - (screen_h - h) ))
[ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] || { echo "the window is not centred"; exit 1; }

# The focus starts in the width box; Tab goes on to flow and minimum, then past
# both buttons to the maximum. Return calculates.
keys() { xdotool "$@" 2>/dev/null; }
keys type --delay 20 300
keys key Tab
keys type --delay 20 300
keys key Tab
keys type --delay 20 20
keys key Tab Tab Tab
keys type --delay 20 100
keys key Return
sleep 0.5

import -window "$window" "$screenshot"
read -r sw sh < <(identify -format '%w %h\n' "$screenshot")
[ "$sw" -eq 240 ] && [ "$sh" -eq 323 ] || { echo "screenshot is ${sw}x$sh"; exit 1; }
# The result box was empty before Return; after it, dark digits stand in it.
dark=$(convert "$screenshot" -crop 81x25+104+256 -colorspace Gray -threshold 40% -format '%[fx:int(w*h*(1-mean))]' info:)
echo "dark pixels in the head box: $dark"
[ "$dark" -gt 20 ] || { echo "no head was shown after Return"; exit 1; }
echo "screenshot written to $screenshot"
