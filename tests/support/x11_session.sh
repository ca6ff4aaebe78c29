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
    start_private_xvfb "$1" "$2"
}

# wait_until SECONDS COMMAND...: runs the command until it succeeds; fails
# once the deadline has passed. Deadlines are generous, as two test builds on
# two cores can make anything slow; a condition met returns at once. It is
# asked every $wait_interval seconds (default 0.05).
wait_until() {
    local deadline=$(( $(date +%s) + $1 ))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep "${wait_interval:-0.05}"
    done
}

# start_window_manager: openbox, waited for until it owns the screen.
start_window_manager() {
    require_tools openbox xprop
    openbox --sm-disable >/dev/null 2>&1 &
    x11_pids+=($!)
    wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
    wait_until 60 wm_running || { echo "openbox did not start" >&2; return 1; }
}

# The calculator's window once it is mapped, else nothing.
calculator_window() {
    xdotool search --onlyvisible --name '四角堰の越流高さ' 2>/dev/null | head -n 1
}

# has_focus ID: the X server sends the keyboard to the window.
has_focus() {
    [ "$(xdotool getwindowfocus -f 2>/dev/null)" = "$1" ]
}

# launch [VAR=value ...] PROGRAM [ARGS...]: starts it, then waits for its
# window to map and to have the keyboard, and sets $window to its id.
launch() {
    env "$@" &
    x11_pids+=($!)
    window=""
    window_mapped() { [ -n "$(calculator_window)" ]; }
    wait_until 60 window_mapped || { echo "the window never mapped" >&2; return 1; }
    window=$(calculator_window)
    # The keyboard to the window, whether or not a window manager would have
    # given it: keys typed from here on follow the focus change in the X
    # server's queue, so none can reach the window before it is active.
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    wait_until 30 has_focus "$window" || { echo "the window never got the keyboard" >&2; return 1; }
}

# geometry ID: prints "x y width height" of a window's inside, on the screen.
geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}

# frame ID: prints "left top width height" of the window with the frame its
# window manager drew around it.
frame() {
    local x y w h extents l r t b
    read -r x y w h < <(geometry "$1")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r l r t b <<<"$extents"
    echo "$(( x - l )) $(( y - t )) $(( w + l + r )) $(( h + t + b ))"
}

keys() { xdotool "$@" 2>/dev/null; }

# The worked example through the keyboard: the focus starts in the width box;
# Tab goes on to flow and minimum, then past both buttons to the maximum.
# Returns once the head box shows a head (dark digits in a screenshot).
type_worked_example() {
    keys type --delay 20 300
    keys key Tab
    keys type --delay 20 300
    keys key Tab
    keys type --delay 20 20
    keys key Tab Tab Tab
    keys type --delay 20 100
    keys key Return
    wait_until 30 head_shown "$window" || { echo "no head was shown after Return" >&2; return 1; }
}

# head_shown ID: dark digits stand in the head box of the window.
head_shown() {
    local shot top h
    shot=$(mktemp --suffix=.png)
    import -window "$1" "$shot" 2>/dev/null || { rm -f "$shot"; return 1; }
    h=$(identify -format '%h' "$shot")
    top=$(( h - 323 ))
    local dark
    dark=$(dark_pixels "$shot" "81x25+104+$(( top + 256 ))")
    rm -f "$shot"
    [ "$dark" -gt 20 ]
}

# dark_pixels IMAGE WxH+X+Y: how many pixels of the area are dark (below 40 %).
dark_pixels() {
    convert "$1" -crop "$2" +repage -colorspace Gray -threshold 40% -format '%[fx:int(w*h*(1-mean))]' info:
}

# mean_lightness IMAGE WxH+X+Y: the area's mean grey level, 0 to 100.
mean_lightness() {
    convert "$1" -crop "$2" +repage -colorspace Gray -format '%[fx:int(100*mean)]' info:
}
