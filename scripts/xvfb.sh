# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
# A private X screen for tests and benchmarks. Sourced; needs Xvfb and xdpyinfo.
#   start_private_xvfb FIRST LAST WIDTH HEIGHT
# takes the first free display number in FIRST..LAST, starts Xvfb there, waits
# until it answers, and exports DISPLAY and XVFB_PID (the caller stops it).
# -noreset: otherwise the server resets when its first client (the readiness
# probe) disconnects, and a client connecting at that moment is refused.
start_private_xvfb() {
    local first=$1 last=$2 width=$3 height=$4 n display=""
    for n in $(seq "$first" "$last"); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
    done
    [ -n "$display" ] || { echo "no free X display number in $first..$last" >&2; return 1; }
    Xvfb "$display" -screen 0 "${width}x${height}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=$display
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "Xvfb did not start on $display" >&2
    return 1
}
