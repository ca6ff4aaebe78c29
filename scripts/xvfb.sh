# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
# A private X screen for tests and benchmarks. Sourced; needs Xvfb and xdpyinfo.
#   start_private_xvfb WIDTH HEIGHT
# starts Xvfb on a display number it picks itself, waits until it answers,
# and exports DISPLAY and XVFB_PID (the caller stops it).
# -displayfd: the server takes the first free display by its own lock file
# and says which; two tests starting at once can no longer both see a number
# free and end up on one screen.
# -noreset: otherwise the server resets when its first client (the readiness
# probe) disconnects, and a client connecting at that moment is refused.
start_private_xvfb() {
    local width=$1 height=$2 numberfile deadline
    numberfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp -noreset 3>"$numberfile" >/dev/null 2>&1 &
    XVFB_PID=$!
    deadline=$(( $(date +%s) + 60 ))
    until [ -s "$numberfile" ] && grep -q '^[0-9][0-9]*$' "$numberfile"; do
        kill -0 "$XVFB_PID" 2>/dev/null || { echo "Xvfb did not start" >&2; rm -f "$numberfile"; return 1; }
        [ "$(date +%s)" -lt "$deadline" ] || { echo "Xvfb named no display" >&2; rm -f "$numberfile"; return 1; }
        sleep 0.05
    done
    export DISPLAY=":$(cat "$numberfile")"
    rm -f "$numberfile"
    until xdpyinfo >/dev/null 2>&1; do
        [ "$(date +%s)" -lt "$deadline" ] || { echo "Xvfb did not answer on $DISPLAY" >&2; return 1; }
        sleep 0.05
    done
}
