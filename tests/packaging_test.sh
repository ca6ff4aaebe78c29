#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
# What a desktop and a package manager see of the program.
#   packaging_test.sh SOURCE_DIR BUILD_DIR WHAT
# WHAT is one of: desktop-entry, metainfo, windows-resource, debian-package.
set -euo pipefail
src=$1
build=$2
what=$3
id=org.weirhead.overflowhead
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/support/require_tools.sh"

case "$what" in
desktop-entry)
    require_tools desktop-file-validate
    desktop-file-validate "$src/packaging/$id.desktop"
    grep -qx 'Name=四角堰の越流高さ' "$src/packaging/$id.desktop"
    grep -qx 'Exec=weir-head' "$src/packaging/$id.desktop"
    ;;
metainfo)
    require_tools appstreamcli
    appstreamcli validate --no-net --pedantic "$build/packaging/$id.metainfo.xml"
    grep -q '<release version="1.00"' "$build/packaging/$id.metainfo.xml"
    ;;
windows-resource)
    require_tools x86_64-w64-mingw32-windres cpp
    # Compile the version record as a Windows build would, then read it back.
    x86_64-w64-mingw32-windres --preprocessor=cpp -i "$build/packaging/version.rc" -o "$work/version.res" -O res
    x86_64-w64-mingw32-windres -i "$work/version.res" -O rc > "$work/readback.rc"
    cat "$work/readback.rc"
    grep -q '^LANGUAGE 17, 1' "$work/readback.rc"
    grep -q 'BLOCK "041104B0"' "$work/readback.rc"
    grep -q 'VALUE "FileVersion", "1.00"' "$work/readback.rc"
    grep -q 'VALUE "ProductVersion", "1.00"' "$work/readback.rc"
    grep -q 'VALUE "Translation", 0x411, 1200' "$work/readback.rc"
    grep -q 'FILEVERSION 1, 0, 0, 0' "$work/readback.rc"
    ;;
debian-package)
    require_tools cpack dpkg-deb dpkg-shlibdeps
    (cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null)
    deb=$(ls "$work"/out/weir-head_*.deb)
    echo "built $deb"
    dpkg-deb -I "$deb"
    [ "$(dpkg-deb -f "$deb" Version)" = 1.00 ]
    depends=$(dpkg-deb -f "$deb" Depends)
    grep -q 'libqt6widgets6' <<<"$depends"
    grep -q 'fonts-ipafont-gothic' <<<"$depends"
    dpkg-deb -c "$deb" > "$work/contents"
    for path in ./usr/bin/weir-head \
                ./usr/share/applications/$id.desktop \
                ./usr/share/icons/hicolor/scalable/apps/$id.svg \
                ./usr/share/metainfo/$id.metainfo.xml; do
        grep -q " $path\$" "$work/contents" || { echo "missing from the package: $path"; exit 1; }
    done
    # The packaged program starts and keeps running until it is closed.
    dpkg-deb -x "$deb" "$work/root"
    set +e
    QT_QPA_PLATFORM=offscreen timeout 3 "$work/root/usr/bin/weir-head"
    status=$?
    set -e
    [ "$status" -eq 124 ] || { echo "the packaged program exited with $status"; exit 1; }
    echo "the packaged program started"
    ;;
*)
    echo "unknown check: $what"; exit 2 ;;
esac
