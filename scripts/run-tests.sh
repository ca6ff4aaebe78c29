#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/packages.sh"

install_missing "${PROGRAM_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
configure_and_build "$ROOT/build"
cd "$ROOT/build"
ctest --output-on-failure -j 2
