#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# The habits the tree keeps.
#   style_test.sh SOURCE_DIR format|reuse
#   format: every C++ file as clang-format (.clang-format) writes it;
#   reuse:  every file with its copyright and licence, every licence's text in
#           LICENSES/ (REUSE's rules, checked by Debian's reuse lint).
set -euo pipefail
src=$1
what=$2
source "$(dirname "${BASH_SOURCE[0]}")/support/require_tools.sh"
cd "$src"

case "$what" in
format)
    require_tools clang-format git
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
    [ "${#files[@]}" -gt 0 ] || { echo "no sources found"; exit 1; }
    clang-format --dry-run --Werror "${files[@]}"
    echo "clang-format: ${#files[@]} files as formatted"
    ;;
reuse)
    require_tools reuse
    reuse lint
    ;;
*)
    echo "unknown check: $what"; exit 2 ;;
esac
