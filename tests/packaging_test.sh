#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
# What a desktop and a package manager see of the program.
#   packaging_test.sh SOURCE_DIR BUILD_DIR WHAT
# WHAT is one of: desktop-entry, metainfo, windows-resource, debian-package,
# lintian, autopkgtest, install-tree, versions, manual-page, command-line.
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
    grep -q '<project_license>GPL-3.0-or-later</project_license>' "$build/packaging/$id.metainfo.xml"
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
    # The package as debhelper built it (the packaging_build fixture): its
    # version, dependencies and files, and the packaged program starting.
    require_tools dpkg-deb
    deb=$(ls "$build"/package/weir-head_*_*.deb)
    echo "built $deb"
    dpkg-deb -I "$deb"
    [ "$(dpkg-deb -f "$deb" Version)" = 1.00 ]
    depends=$(dpkg-deb -f "$deb" Depends)
    grep -q 'libqt6widgets6' <<<"$depends"
    grep -q 'fonts-ipafont-gothic' <<<"$depends"
    grep -q 'libqcustomplot2.1-qt6' <<<"$depends" # the rating window's curve
    dpkg-deb -c "$deb" > "$work/contents"
    for path in ./usr/bin/weir-head \
                ./usr/share/applications/$id.desktop \
                ./usr/share/doc/weir-head/copyright \
                ./usr/share/doc/weir-head/changelog.gz \
                ./usr/share/doc/weir-head/screenshot.png \
                ./usr/share/man/man1/weir-head.1.gz \
                "./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/weir-head/modules/weir-head-rating.so" \
                "./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/weir-head/modules/weir-head-sheet.so" \
                "./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/weir-head/modules/weir-head-design.so" \
                ./usr/share/icons/hicolor/scalable/apps/$id.svg \
                ./usr/share/metainfo/$id.metainfo.xml; do
        grep -q " $path\$" "$work/contents" || { echo "missing from the package: $path"; exit 1; }
    done
    # debhelper split the debugging symbols off into their own package.
    ls "$build"/package/weir-head-dbgsym_*.deb
    # The packaged program starts and keeps running until it is closed, and
    # finds the rating module where the package put it.
    dpkg-deb -x "$deb" "$work/root"
    set +e
    QT_QPA_PLATFORM=offscreen timeout 3 "$work/root/usr/bin/weir-head"
    status=$?
    set -e
    [ "$status" -eq 124 ] || { echo "the packaged program exited with $status"; exit 1; }
    echo "the packaged program started"
    ;;
lintian)
    # Debian's own package checker has nothing to say of the source and the
    # binary packages: no error, no warning, no information tag, no override.
    require_tools lintian
    changes=$(ls "$build"/package/weir-head_*_*.changes)
    ! grep -rq lintian "$src/debian" || { echo "the packaging carries lintian overrides"; exit 1; }
    lintian --tag-display-limit 0 -I "$changes" > "$work/lintian" 2>&1 || true
    # lintian remarks on being run as root, which CI does; that line is not about the package.
    grep -v '^running with root privileges is not recommended!$' "$work/lintian" > "$work/findings" || true
    cat "$work/findings"
    [ ! -s "$work/findings" ] || { echo "lintian found the above"; exit 1; }
    echo "lintian: nothing to report"
    ;;
autopkgtest)
    # The package's own tests, on this machine (the null runner): the
    # installed program's command line and the worked example in its window.
    # The package is removed again afterwards unless it was installed before.
    require_tools autopkgtest
    changes=$(ls "$build"/package/weir-head_*_*.changes)
    installed_before=$(dpkg-query -W -f='${Status}' weir-head 2>/dev/null || true)
    restore() {
        case "$installed_before" in
        *" installed") ;;
        *) dpkg -r weir-head >/dev/null 2>&1 || true ;;
        esac
        rm -rf "$work"
    }
    trap restore EXIT
    autopkgtest "$changes" -- null
    ;;
install-tree)
    # `cmake --install` puts the program's own files and nothing of Debian's.
    require_tools cmake
    cmake --install "$build" --prefix "$work/prefix" >/dev/null
    (cd "$work/prefix" && find . -type f | sort) | tee "$work/files"
    grep -qx './bin/weir-head' "$work/files"
    grep -q '/weir-head/modules/weir-head-rating\.so$' "$work/files"
    grep -q '/weir-head/modules/weir-head-sheet\.so$' "$work/files"
    grep -q '/weir-head/modules/weir-head-design\.so$' "$work/files"
    grep -q '/weir-head/modules/weir-head-cli\.so$' "$work/files"
    grep -q '/weir-head/modules/weir-head-help\.so$' "$work/files"
    # The manual where a desktop keeps programs' help, with its pictures.
    grep -qx './share/help/C/weir-head/manual.md' "$work/files"
    grep -qx './share/help/C/weir-head/docs/screenshot.png' "$work/files"
    grep -qx './share/man/man1/weir-head.1' "$work/files"
    ! grep -q -e '/doc/' -e 'copyright' -e 'changelog' -e 'lintian' "$work/files" \
        || { echo "Debian's files in a plain install"; exit 1; }
    # And the program installed there finds its modules without being
    # pointed at the build tree's.
    QT_QPA_PLATFORM=offscreen "$work/prefix/bin/weir-head" --version >/dev/null
    env -u WEIR_HEAD_MODULE_PATH LC_ALL=C.UTF-8 "$work/prefix/bin/weir-head" head --width 300 --flow 300 \
        --min 20 --max 100 | grep -q '43\.83'
    ;;
versions)
    # One version everywhere: the project's, the Debian changelog's, the
    # manual page's and the metainfo's.
    require_tools dpkg-parsechangelog
    version=$(sed -n 's/^ *VERSION \([0-9.]*\)$/\1/p' "$src/CMakeLists.txt")
    echo "project version $version"
    [ "$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)" = "$version" ]
    grep -q "weir-head $version" "$build/packaging/weir-head.1"
    grep -q "<release version=\"$version\"" "$build/packaging/$id.metainfo.xml"
    ;;
manual-page)
    # Rendered as man and as lintian render it, without a single warning.
    require_tools man groff
    page="$build/packaging/weir-head.1"
    groff -k -Tutf8 -ww -z -man "$page" 2>&1 | tee "$work/groff"
    [ ! -s "$work/groff" ] || { echo "groff warned"; exit 1; }
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>"$work/man" >/dev/null
    cat "$work/man"
    [ ! -s "$work/man" ] || { echo "man warned"; exit 1; }
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" > "$work/rendered"
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES EXAMPLES 'SEE ALSO'; do
        grep -qx "$section" "$work/rendered" || { echo "no $section section"; exit 1; }
    done
    grep -q '43.83' "$work/rendered"
    grep -q 'weir-head 1.00' "$work/rendered"
    ;;
command-line)
    # --version and --help answer without a display and without a window.
    program="$build/app/weir-head"
    run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
    [ "$(run "$program" --version)" = "weir-head 1.00" ]
    run "$program" -v | grep -qx 'weir-head 1.00'
    run LC_ALL=C.UTF-8 LANGUAGE= "$program" --help > "$work/help-en"
    cat "$work/help-en"
    grep -q '^Usage: .*weir-head \[options\]' "$work/help-en"
    grep -q -- '--version' "$work/help-en"
    grep -q 'overflow head' "$work/help-en"
    run LC_ALL=ja_JP.UTF-8 LANGUAGE= "$program" --help > "$work/help-ja"
    cat "$work/help-ja"
    grep -q '^使い方: ' "$work/help-ja"
    grep -q '越流高さを求めます' "$work/help-ja"
    grep -q 'ヘルプを表示する' "$work/help-ja"
    # An option it does not know is refused with status 1, before any window opens.
    set +e
    run QT_QPA_PLATFORM=offscreen "$program" --no-such-option 2>"$work/unknown"
    status=$?
    set -e
    [ "$status" -eq 1 ] || { echo "an unknown option gave status $status"; exit 1; }
    # A word that names no subcommand (a typo) is refused with status 2 and
    # the names there are, rather than opening a window that ignores it.
    set +e
    run LC_ALL=ja_JP.UTF-8 LANGUAGE= "$program" haed --width 300 >"$work/typo.out" 2>"$work/typo.err"
    status=$?
    set -e
    [ "$status" -eq 2 ] && [ ! -s "$work/typo.out" ] || { echo "a typo gave status $status"; exit 1; }
    grep -q 'サブコマンド haed はありません (head, flow, table, design)' "$work/typo.err"
    # A subcommand whose module cannot be found says so and gives status 2,
    # with nothing on the output; pointed at the module, it answers.
    mkdir "$work/no-modules"
    set +e
    run WEIR_HEAD_MODULE_PATH="$work/no-modules" "$program" head --width 300 --flow 300 --min 20 --max 100 \
        >"$work/no-module.out" 2>"$work/no-module.err"
    status=$?
    set -e
    cat "$work/no-module.err"
    [ "$status" -eq 2 ] || { echo "a missing module gave status $status"; exit 1; }
    [ ! -s "$work/no-module.out" ] && grep -q 'weir-head-cli' "$work/no-module.err"
    run LC_ALL=C.UTF-8 WEIR_HEAD_MODULE_PATH="$build/modules" "$program" head --width 300 --flow 300 --min 20 \
        --max 100 | grep -q '43\.83'
    # A relative module folder is taken from the current folder.
    (cd "$build" && run LC_ALL=C.UTF-8 WEIR_HEAD_MODULE_PATH=modules "$program" head --width 300 --flow 300 \
        --min 20 --max 100 | grep -q '43\.83')
    ;;
*)
    echo "unknown check: $what"; exit 2 ;;
esac
