# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# Sourced by the real-window tests: a private X screen, the program on it, its
# window found, the keyboard driven with xdotool, pieces of screenshots read
# with ImageMagick. Everything started here is stopped when the test exits.
x11_here=$(dirname "${BASH_SOURCE[0]}")
source "$x11_here/require_tools.sh"
require_tools Xvfb xdpyinfo xdotool xwininfo import identify convert
source "$x11_here/../../scripts/xvfb.sh"

x11_pids=()
x11_cleanup() {
    local pid
    for pid in "${x11_pids[@]}" ${XVFB_PID:-}; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap x11_cleanup EXIT

# start_screen WIDTH HEIGHT
start_screen() {
    start_private_xvfb 90 140 "$1" "$2"
}

# start_window_manager: openbox, waited for until it owns the screen.
start_window_manager() {
    require_tools openbox xprop
    openbox --sm-disable >/dev/null 2>&1 &
    x11_pids+=($!)
    local _
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    echo "openbox did not start" >&2
    return 1
}

# launch [VAR=value ...] PROGRAM [ARGS...]: starts it, then waits for its
# window to map and sets $window to its id.
launch() {
    env "$@" &
    x11_pids+=($!)
    window=""
    local _
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '四角堰の越流高さ' 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "the window never mapped" >&2; return 1; }
    sleep 0.5
}

# geometry ID: prints "x y width height" of a window's inside, on the screen.
geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}

keys() { xdotool "$@" 2>/dev/null; }

# The worked example through the keyboard: the focus starts in the width box;
# Tab goes on to flow and minimum, then past both buttons to the maximum.
type_worked_example() {
    keys type --delay 20 300
    keys key Tab
    keys type --delay 20 300
    keys key Tab
    keys type --delay 20 20
    keys key Tab Tab Tab
    keys type --delay 20 100
    keys key Return
    sleep 0.5
}

# dark_pixels IMAGE WxH+X+Y: how many pixels of the area are dark (below 40 %).
dark_pixels() {
    convert "$1" -crop "$2" +repage -colorspace Gray -threshold 40% -format '%[fx:int(w*h*(1-mean))]' info:
}

# mean_lightness IMAGE WxH+X+Y: the area's mean grey level, 0 to 100.
mean_lightness() {
    convert "$1" -crop "$2" +repage -colorspace Gray -format '%[fx:int(100*mean)]' info:
}
