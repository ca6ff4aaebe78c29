#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# Installs what is missing and builds the Debian source and binary packages
# with debhelper (dpkg-buildpackage -us -uc), from a copy of the files git
# tracks (the whole folder outside a git checkout), into OUTDIR (default
# build/package), so that the work tree stays as it is:
#   build-package.sh [OUTDIR]
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/packages.sh"
out=$(realpath -m "${1:-$ROOT/build/package}")

install_missing "${PROGRAM_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

version=$(dpkg-parsechangelog -l "$ROOT/debian/changelog" -S Version)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree="$work/weir-head-$version"
mkdir -p "$tree"
if git -C "$ROOT" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    # Tracked and new files as they are in the work tree; a file deleted but
    # not yet committed is left out.
    (cd "$ROOT" && git ls-files -z --cached --others --exclude-standard \
        | xargs -0 -n 50 sh -c 'for f; do [ ! -e "$f" ] || cp -a --parents "$f" "$0"; done' "$tree")
else
    (cd "$ROOT" && tar --exclude=./build\* -cf - .) | tar -C "$tree" -xf -
fi

mkdir -p "$out"
rm -f "$out"/weir-head* "$out"/build.log
echo "Building the packages (the log goes to $out/build.log)"
if ! (cd "$tree" && dpkg-buildpackage -us -uc -j"$(nproc)") > "$out/build.log" 2>&1; then
    tail -n 40 "$out/build.log"
    echo "dpkg-buildpackage failed: see $out/build.log" >&2
    exit 1
fi
cp "$work"/weir-head*_"$version"* "$out"/
echo "Packages in $out:"
ls "$out"
