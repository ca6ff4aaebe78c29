#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# What Orca says. The screen reader runs for real on a private D-Bus session
# and X screen (with openbox, so that windows get activated as on a desktop),
# with its speech written to its debug file instead of a sound card; the test
# drives the program with keys and reads what Orca would have spoken.
#   orca_test.sh PROGRAM LOG_DIR
set -euo pipefail
program=$1
log_dir=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/support/require_tools.sh"
require_tools dbus-run-session dbus-send orca openbox

if [ -z "${WEIR_ORCA_SESSION:-}" ]; then
    # The accessibility bus's socket goes in the runtime folder, else in
    # ~/.cache/at-spi, one path for every session of the user: in a folder of
    # this test's own, a test started beside it cannot take its bus away.
    runtime=$(mktemp -d)
    exec env WEIR_ORCA_SESSION=1 XDG_RUNTIME_DIR="$runtime" dbus-run-session -- bash "${BASH_SOURCE[0]}" "$@"
fi

source "$here/support/x11_session.sh"
start_screen 1024 768
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
home=$(mktemp -d) # Orca's settings: its defaults, nobody's own
trap 'x11_cleanup; rm -rf "$home" "$XDG_RUNTIME_DIR"' EXIT
log="$log_dir/orca-speech.log"
rm -f "$log"
# No sound card here: what Orca speaks goes to its debug file only. Its speech
# server is refused at once (SPEECHD_CMD), where an attempt to start one could
# hang Orca's start-up.
# Its debug file is opened line-buffered (support/line_buffered_log), so each
# spoken line can be read as soon as it is said.
HOME=$home SPEECHD_CMD=/bin/false PYTHONPATH="$here/support/line_buffered_log" WEIR_ORCA_LOG="$log" \
    orca --debug-file="$log" >/dev/null 2>&1 &
x11_pids+=($!)
said() { grep -a "SPEECH OUTPUT" "$log" 2>/dev/null | sed "s/.*SPEECH OUTPUT: '//; s/'[ {].*//" || true; }
# wait_for TEXT: until Orca has said a line holding TEXT (at most 60 s);
# wait_for -x REGEX: until it has said a line that is all of REGEX.
wait_for() {
    local how=(-F --) deadline=$(( $(date +%s) + 60 ))
    if [ "$1" = -x ]; then how=(-E -x --); shift; fi
    while [ "$(date +%s)" -lt "$deadline" ]; do
        said | grep -q "${how[@]}" "$1" && return 0
        sleep 0.1
    done
    echo "Orca never said: $1"
    echo "--- what it said:"
    said
    return 1
}
wait_for 'Screen reader on.'
# Orca 43 stalls at start-up when a window manager is already there; started
# after it, it works on as on any desktop.
start_window_manager

# The program's bridge to the accessibility bus comes up when the bus answers
# it, which on a loaded machine can be after the window has the keyboard. The
# answer is held back here until then, so that it always is: Orca must still
# be told where the keyboard is.
bus_launcher=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.GetConnectionUnixProcessID string:org.a11y.Bus | awk '/uint32/ {print $2}')
kill -STOP "$bus_launcher"
trap 'kill -CONT "$bus_launcher" 2>/dev/null; x11_cleanup; rm -rf "$home" "$XDG_RUNTIME_DIR"' EXIT
launch "$program"
kill -CONT "$bus_launcher"
wait_for '堰の幅(mm) text'
# Orca answers every key before the program sees it: each key is sent once
# Orca has passed the one before on, which its log tells (a processed key
# release for every key let go).
released() { grep -a -c '^^^^^^ PROCESS ATSPI_KEY_RELEASED_EVENT' "$log" 2>/dev/null || true; }
slowly() {
    local before expected=0 arg deadline=$(( $(date +%s) + 60 ))
    before=$(released)
    case $1 in
    type) expected=${#2} ;;
    key) for arg in "${@:2}"; do expected=$(( expected + $(tr '+' '\n' <<<"$arg" | wc -l) )); done ;;
    esac
    xdotool "$@" 2>/dev/null
    until [ "$(released)" -ge $(( before + expected )) ]; do
        [ "$(date +%s)" -lt "$deadline" ] || { echo "Orca never passed on: $*"; return 1; }
        sleep 0.05
    done
}

# The worked example, Return in the maximum box.
slowly type 300; slowly key Tab; slowly type 300; slowly key Tab; slowly type 20
slowly key Tab; slowly key Tab; slowly key Tab; slowly type 100; slowly key Return
wait_for 'notification 越流高さ(mm) 43.83、Trial回数 10'

# Tab on to the head box: its whole text is read, not "43.8", and the range
# note with it.
slowly key Tab
wait_for '越流高さ(mm) text'
wait_for -x '43\.83( selected)?\.'
wait_for '適用範囲 越流高さ≧20mm'

# Word navigation at the end of a box's text: the program keeps answering.
slowly key ctrl+Right
slowly key ctrl+Left

# No root: minimum 60 (Shift+Tab back through the buttons to the minimum).
slowly key shift+Tab; slowly key shift+Tab; slowly key shift+Tab; slowly key shift+Tab
slowly key ctrl+a; slowly type 60; slowly key Return
wait_for 'notification 解がありません。挟込範囲を変更して下さい。 越流高さは最小値より下の約43.83mmです。'

# A bad flow.
slowly key ctrl+a; slowly type 20; slowly key shift+Tab; slowly key ctrl+a; slowly type abc; slowly key Return
wait_for 'notification 流量(L/min)が数値ではありません。'

echo "--- Orca said:"
said
