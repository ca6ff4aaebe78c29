#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
# Installs what is missing, builds, and runs every test twice: in the release
# build, and in a clang build under AddressSanitizer and UndefinedBehaviorSanitizer
# that also runs the fuzz target for a bounded time.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/packages.sh"

install_missing "${PROGRAM_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

# In CI a warning in our own code fails the build.
werror=OFF
[ "${CI:-}" = true ] && werror=ON

echo "== release build"
configure_and_build "$ROOT/build" -DWEIR_BENCH=ON -DWEIR_WARNINGS_AS_ERRORS=$werror
(cd "$ROOT/build" && ctest --output-on-failure -j 2)

echo "== sanitizer and fuzz build"
CXX=clang++ configure_and_build "$ROOT/build-sanitize" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWEIR_SANITIZE=ON -DWEIR_FUZZ=ON -DWEIR_WARNINGS_AS_ERRORS=$werror
(cd "$ROOT/build-sanitize" && ctest --output-on-failure -j 2)
