#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# The habits the tree keeps.
#   style_test.sh SOURCE_DIR format|reuse
#   format: every C++ file as clang-format (.clang-format) writes it;
#   reuse:  every file with its copyright and licence, every licence's text in
#           LICENSES/ (REUSE's rules, checked by Debian's reuse lint).
#   translations: the English catalogue as lupdate writes it from the command
#           line's sources (the sources after the check's name), so that no
#           text is missing from it or filed under a context never asked.
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
translations)
    shift 2
    lupdate=/usr/lib/qt6/bin/lupdate
    [ -x "$lupdate" ] || { echo "missing: lupdate (qt6-l10n-tools)"; exit 77; }
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    cp translations/weir-head_en.ts "$scratch/"
    "$lupdate" -silent -locations none -no-obsolete -I "$src" "$@" -ts "$scratch/weir-head_en.ts"
    diff -u translations/weir-head_en.ts "$scratch/weir-head_en.ts" \
        || { echo "translations/weir-head_en.ts is not as lupdate writes it:" \
                  "cmake --build build --target application_lupdate, then translate what is new"; exit 1; }
    echo "lupdate: the catalogue is current"
    ;;
*)
    echo "unknown check: $what"; exit 2 ;;
esac
