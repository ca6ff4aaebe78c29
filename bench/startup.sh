#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
# Start-up of the calculator against an empty window of the same size, on a
# private Xvfb screen: the two programs run alternately ROUNDS times each; the
# median wall time of each, their ratio and the median peak RSS are reported.
# With a third program (the empty window with one caption), it joins the
# rotation and is reported beside them; so does a fourth (the calculator that
# opens its rating window at once), whose figures less the calculator's are
# what opening the rating window costs.
#   startup.sh STARTUP_WINDOW STARTUP_EMPTY [ROUNDS [STARTUP_CAPTION [STARTUP_RATING]]]
#
# The programs start as they would on a desktop, where a session bus is always
# there: Qt's accessibility bridge asks it at start-up whether a screen reader
# is on. Without a bus, libdbus would try to autolaunch one on every start (a
# fork and a search of PATH for dbus-launch, from a thread, in the middle of
# start-up), which no user's desktop pays. So unless a session bus is already
# there, the script runs itself on a private one; WEIR_STARTUP_BARE_X=1 keeps
# the bare X screen instead.
set -euo pipefail
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && [ -z "${WEIR_STARTUP_BARE_X:-}" ]; then
    exec dbus-run-session -- bash "${BASH_SOURCE[0]}" "$@"
fi
window=$1
empty=$2
rounds=${3:-41}
caption=${4:-}
rating=${5:-}

source "$(dirname "${BASH_SOURCE[0]}")/../scripts/xvfb.sh"
trap 'kill ${XVFB_PID:-} 2>/dev/null || true' EXIT
start_private_xvfb 1024 768

# One run: "<microseconds> <peak RSS in kB>".
measure() {
    local start end rss
    start=$(date +%s%N)
    rss=$("$1" 2>/dev/null | awk '/^peak_rss_kb/ {print $2}')
    end=$(date +%s%N)
    [ -n "$rss" ] || { echo "$1 did not report" >&2; exit 1; }
    echo "$(( (end - start) / 1000 )) $rss"
}
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

# One unmeasured run each warms the page cache and fontconfig's caches.
for program in "$window" "$empty" $caption $rating; do measure "$program" >/dev/null; done

w_file=$(mktemp); e_file=$(mktemp); c_file=$(mktemp); r_file=$(mktemp)
trap 'kill ${XVFB_PID:-} 2>/dev/null || true; rm -f "$w_file" "$e_file" "$c_file" "$r_file"' EXIT
for _ in $(seq "$rounds"); do
    measure "$window" >>"$w_file"
    measure "$empty" >>"$e_file"
    [ -z "$caption" ] || measure "$caption" >>"$c_file"
    [ -z "$rating" ] || measure "$rating" >>"$r_file"
done

w_time=$(cut -d' ' -f1 "$w_file" | median); e_time=$(cut -d' ' -f1 "$e_file" | median)
w_rss=$(cut -d' ' -f2 "$w_file" | median); e_rss=$(cut -d' ' -f2 "$e_file" | median)
echo "rounds:            $rounds each, alternating"
if [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then echo "session bus:       yes"; else echo "session bus:       none"; fi
echo "calculator window: median ${w_time} us, peak RSS ${w_rss} kB"
echo "empty window:      median ${e_time} us, peak RSS ${e_rss} kB"
if [ -n "$caption" ]; then
    c_time=$(cut -d' ' -f1 "$c_file" | median); c_rss=$(cut -d' ' -f2 "$c_file" | median)
    echo "one caption:       median ${c_time} us, peak RSS ${c_rss} kB"
fi
if [ -n "$rating" ]; then
    r_time=$(cut -d' ' -f1 "$r_file" | median); r_rss=$(cut -d' ' -f2 "$r_file" | median)
    echo "with rating window: median ${r_time} us, peak RSS ${r_rss} kB"
    awk -v r="$r_time" -v w="$w_time" -v rr="$r_rss" -v wr="$w_rss" 'BEGIN {
        printf "opening the rating window: %.1f ms, %.2f MB more than the calculator alone\n", (r - w) / 1000, (rr - wr) / 1024
    }'
fi
awk -v w="$w_time" -v e="$e_time" -v wr="$w_rss" -v er="$e_rss" 'BEGIN {
    printf "time ratio:        %.3f (calculator / empty window)\n", w / e
    printf "extra peak RSS:    %.2f MB (calculator - empty window)\n", (wr - er) / 1024
}'
# The floor that counts: drawing any Japanese text at all is in both.
if [ -n "$caption" ]; then
    awk -v w="$w_time" -v c="$c_time" -v wr="$w_rss" -v cr="$c_rss" 'BEGIN {
        printf "against one caption: %.3f times the time, %.2f MB more peak RSS\n", w / c, (wr - cr) / 1024
    }'
fi
