#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# Runs atspi_test.py against the real program: a private D-Bus session (so
# the accessibility bus and registry are this test's own), a private X screen,
# and Qt's AT-SPI bridge switched on as a screen reader would have it.
#   atspi_test.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/support/require_tools.sh"
require_tools dbus-run-session xdotool Xvfb
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || report_missing "pyatspi (python3-pyatspi)"
[ -x /usr/libexec/at-spi-bus-launcher ] || report_missing "the AT-SPI bus (at-spi2-core)"

if [ -z "${WEIR_ATSPI_SESSION:-}" ]; then
    # The accessibility bus's socket goes in the runtime folder, else in
    # ~/.cache/at-spi, one path for every session of the user: in a folder of
    # this test's own, a test started beside it cannot take its bus away.
    runtime=$(mktemp -d)
    exec env WEIR_ATSPI_SESSION=1 XDG_RUNTIME_DIR="$runtime" dbus-run-session -- bash "${BASH_SOURCE[0]}" "$@"
fi

source "$here/support/x11_session.sh"
trap 'x11_cleanup; rm -rf "$XDG_RUNTIME_DIR"' EXIT
start_screen 1024 768
/usr/bin/python3 "$here/atspi_test.py" "$program"
