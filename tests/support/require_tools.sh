# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# Sourced by the script tests. `require_tools TOOL...` returns when every tool
# is on PATH; otherwise it names the missing ones and exits 77, which CTest
# reports as skipped. Under CI=true a missing tool fails the test instead: the
# project's scripts install every tool, so a missing one there is a fault.
require_tools() {
    local tool missing=()
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
    done
    [ "${#missing[@]}" -eq 0 ] && return 0
    report_missing "${missing[@]}"
}

# report_missing WHAT...: skips the test (fails it under CI=true), naming WHAT.
report_missing() {
    local missing=("$@")
    if [ "${CI:-}" = true ]; then
        echo "FAIL: missing tool(s): ${missing[*]} (bash scripts/run-tests.sh installs them)" >&2
        exit 1
    fi
    echo "SKIP: missing tool(s): ${missing[*]}" >&2
    exit 77
}
