#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# The window under a real window manager (openbox): centred with its frame on
# an ordinary screen, its title bar on screen when the window is larger than a
# small screen, no maximise action offered for a window of fixed size, and the
# rating window kept on a screen with no room beside the calculator.
#   placement_test.sh PROGRAM SCREENSHOT_DIR
set -euo pipefail
program=$1
shots=$2
source "$(dirname "${BASH_SOURCE[0]}")/support/x11_session.sh"
require_tools xprop

# --- an ordinary screen: centred, frame included
start_screen 1024 768
start_window_manager
launch "$program"
# framed_and_centred: the window manager has framed the window, and the
# program has centred it again with its frame (at most 2 px off).
framed_and_centred() {
    local fx fy fw fh
    read -r fx fy fw fh < <(frame "$window") || return 1
    [ "$fh" -gt "$(geometry "$window" | cut -d' ' -f4)" ] || return 1
    local dx=$(( 2 * fx - (1024 - fw) )) dy=$(( 2 * fy - (768 - fh) ))
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}
wait_until 30 framed_and_centred || true
read -r fx fy fw fh < <(frame "$window")
echo "frame at $fx,$fy size ${fw}x$fh on 1024x768"
[ "$fh" -gt "$(geometry "$window" | cut -d' ' -f4)" ] || { echo "no frame from the window manager"; exit 1; }
dx=$(( 2 * fx - (1024 - fw) )); dy=$(( 2 * fy - (768 - fh) ))
[ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] || { echo "the framed window is not centred ($dx, $dy)"; exit 1; }

actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
echo "$actions"
grep -q _NET_WM_ACTION_CLOSE <<<"$actions"
! grep -q _NET_WM_ACTION_MAXIMIZE <<<"$actions" || { echo "the window manager offers to maximise"; exit 1; }
import -window root "$shots/screenshot-openbox.png"
x11_cleanup
x11_pids=()

# --- a small screen at scale 2: the window is taller than the screen, and its
# title bar stays on it
start_screen 1024 600
start_window_manager
launch QT_SCALE_FACTOR=2 "$program"
framed_on_screen() {
    local fx fy fw fh
    read -r fx fy fw fh < <(frame "$window") || return 1
    [ "$fh" -gt 600 ] && [ "$fx" -ge 0 ] && [ "$fy" -ge 0 ]
}
wait_until 30 framed_on_screen || true
read -r fx fy fw fh < <(frame "$window")
echo "frame at $fx,$fy size ${fw}x$fh on 1024x600 at scale 2"
[ "$fh" -gt 600 ] || { echo "expected a window taller than the screen"; exit 1; }
[ "$fx" -ge 0 ] && [ "$fy" -ge 0 ] || { echo "the title bar is off the screen"; exit 1; }
import -window root "$shots/screenshot-small-screen.png"
x11_cleanup
x11_pids=()

# --- a screen with room for the rating window, but not beside the calculator:
# the rating window, frame and all, stays on the screen
start_screen 1100 640
start_window_manager
launch "$program"
keys key ctrl+t
rating_window() { xdotool search --onlyvisible --name '水位流量表' 2>/dev/null | head -n 1; }
rating_framed() {
    local id fh
    id=$(rating_window)
    [ -n "$id" ] || return 1
    read -r _ _ _ fh < <(frame "$id") || return 1
    [ "$fh" -gt "$(geometry "$id" | cut -d' ' -f4)" ]
}
wait_until 60 rating_framed || { echo "Ctrl+T opened no framed rating window"; exit 1; }
# Framed, the window is placed once more with its own frame.
rating_on_screen() {
    local fx fy fw fh
    read -r fx fy fw fh < <(frame "$(rating_window)") || return 1
    [ "$fx" -ge 0 ] && [ "$fy" -ge 0 ] && [ $(( fx + fw )) -le 1100 ] && [ $(( fy + fh )) -le 640 ]
}
wait_until 30 rating_on_screen || true
read -r fx fy fw fh < <(frame "$(rating_window)")
echo "rating window frame at $fx,$fy size ${fw}x$fh on 1100x640"
[ "$fx" -ge 0 ] && [ "$fy" -ge 0 ] && [ $(( fx + fw )) -le 1100 ] && [ $(( fy + fh )) -le 640 ] ||
    { echo "the rating window runs off the screen"; exit 1; }
