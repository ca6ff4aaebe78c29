#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
# Installs what is missing, builds, and starts the program.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/packages.sh"

install_missing "${PROGRAM_PACKAGES[@]}"
configure_and_build "$ROOT/build"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "Built $ROOT/build/app/weir-head, but there is no display to open its window on." >&2
    exit 1
fi
# The modules and the manual as built here, not installed ones.
export WEIR_HEAD_MODULE_PATH="$ROOT/build/modules"
export WEIR_HEAD_MANUAL_PATH="$ROOT/build/help/manual"
exec "$ROOT/build/app/weir-head" "$@"
