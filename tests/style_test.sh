#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# The habits the tree keeps.
#   style_test.sh SOURCE_DIR format|reuse|translations
#   format: every C++ file as clang-format (.clang-format) writes it;
#   reuse:  every file with its copyright and licence, every licence's text in
#           LICENSES/ (REUSE's rules, checked by Debian's reuse lint).
#   translations CATALOGUE TARGET SOURCES...: an English catalogue as lupdate
#           writes it from its sources, every text translated, so that no
#           text is missing from it or filed under a context never asked
#           (TARGET is the build's lupdate target that refreshes it).
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
    catalogue=$3 lupdate_target=$4
    shift 4
    lupdate=/usr/lib/qt6/bin/lupdate
    [ -x "$lupdate" ] || { echo "missing: lupdate (qt6-l10n-tools)"; exit 77; }
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    cp "translations/$catalogue" "$scratch/"
    "$lupdate" -silent -locations none -no-obsolete -I "$src" "$@" -ts "$scratch/$catalogue"
    diff -u "translations/$catalogue" "$scratch/$catalogue" \
        || { echo "translations/$catalogue is not as lupdate writes it:" \
                  "cmake --build build --target $lupdate_target, then translate what is new"; exit 1; }
    grep -q 'type="unfinished"' "translations/$catalogue" \
        && { echo "translations/$catalogue has texts not yet translated"; exit 1; }
    echo "lupdate: translations/$catalogue is current"
    ;;
*)
    echo "unknown check: $what"; exit 2 ;;
esac
