#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
# Installs what is missing, builds, and makes the Debian package in build/.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/packages.sh"

install_missing "${PROGRAM_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
configure_and_build "$ROOT/build"
cd "$ROOT/build"
cpack
echo "Package: $(ls "$ROOT"/build/weir-head_*.deb)"
