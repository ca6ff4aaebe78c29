#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# Starts the real program on a private Xvfb screen, checks that its window maps
# centred at the drawn size, types the worked example through the keyboard,
# presses Return and writes a screenshot of the window.
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

type_worked_example
import -window "$window" "$screenshot"
read -r sw sh < <(identify -format '%w %h\n' "$screenshot")
[ "$sw" -eq "$w" ] && [ "$sh" -eq "$h" ] || { echo "screenshot is ${sw}x$sh"; exit 1; }
# The result box was empty before Return; after it, dark digits stand in it.
dark=$(dark_pixels "$screenshot" "81x25+104+$(( top + 256 ))")
echo "dark pixels in the head box: $dark"
[ "$dark" -gt 20 ] || { echo "no head was shown after Return"; exit 1; }
echo "screenshot written to $screenshot"
