# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# Sourced by the Windows tests: a fresh 64-bit Wine prefix of their own on a
# private X screen with openbox, the Japanese UI font a Japanese Windows has
# (Wine has none of its own), and Wine's windows found by title. The prefix,
# Wine's server and the screen go when the test exits.
wine_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$wine_here/../support/x11_session.sh"
require_tools wine wineboot wineserver xprop

export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
WINEPREFIX=$(mktemp -d)
scratch=$(mktemp -d)
wine_cleanup() {
    wineserver -k 2>/dev/null || true
    x11_cleanup
    rm -rf "$WINEPREFIX" "$scratch"
}
trap wine_cleanup EXIT

# start_wine WIDTH HEIGHT: the screen, the window manager and the prefix.
start_wine() {
    start_screen "$1" "$2"
    start_window_manager
    wineboot --init >/dev/null 2>&1
    wineserver -w
    cp /usr/share/fonts/opentype/ipafont-gothic/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}

# wine_window TITLE: a window whose title holds TITLE. Wine writes the
# title's Japanese in UTF-8 only to _NET_WM_NAME, which xdotool's search does
# not match against; its getwindowname reads it.
wine_window() {
    local id
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
        if xdotool getwindowname "$id" 2>/dev/null | grep -q "$1"; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# type_worked_example_into ID: the keyboard to the window, then the worked
# example typed: width, flow and minimum, past both buttons to the maximum,
# and Return. Keys go slower than on Linux: Wine takes its time.
type_worked_example_into() {
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    wait_until 30 has_focus "$1" || { echo "the window never got the keyboard"; return 1; }
    keys type --delay 40 300
    keys key Tab
    keys type --delay 40 300
    keys key Tab
    keys type --delay 40 20
    keys key Tab Tab Tab
    keys type --delay 40 100
    keys key Return
}
