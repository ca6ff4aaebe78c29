#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test twice: in the release
# build, and in a clang build under AddressSanitizer and UndefinedBehaviorSanitizer
# that also runs the fuzz target for a bounded time.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/packages.sh"

install_missing "${PROGRAM_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

echo "== release build"
configure_and_build "$ROOT/build" -DWEIR_BENCH=ON
(cd "$ROOT/build" && ctest --output-on-failure -j 2)

echo "== sanitizer and fuzz build"
CXX=clang++ configure_and_build "$ROOT/build-sanitize" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWEIR_SANITIZE=ON -DWEIR_FUZZ=ON
(cd "$ROOT/build-sanitize" && ctest --output-on-failure -j 2)
