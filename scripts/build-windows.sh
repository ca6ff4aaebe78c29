#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
# The program for Windows 10 and 11 (x86-64), from these sources, on Debian 12:
# installs what is missing, cross-builds Qt and QCustomPlot from Debian's own
# source packages (once; kept in a cache), builds the program, makes the
# installer and a portable zip, and runs the Windows tests under Wine.
#
#   build-windows.sh            everything, tests included
#   build-windows.sh --no-tests the installer and the zip only
#
# Results in build-windows/: weir-head-<version>-setup.exe and
# weir-head-<version>-windows-x86_64.zip. The cache is
# ${XDG_CACHE_HOME:-~/.cache}/weir-head/windows (WEIR_WINDOWS_CACHE to move it).
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/packages.sh"

run_tests=yes
[ "${1:-}" = --no-tests ] && run_tests=no

# Only Debian's packages: the cross compilers (posix threads, which Qt needs),
# the host's Qt tools (moc, rcc, uic, lrelease) for the cross build, Qt's
# Japanese catalogue, NSIS, and for the tests Wine, an X server and the tools
# that drive it.
WINDOWS_PACKAGES=(
    g++-mingw-w64-x86-64-posix mingw-w64-tools cmake ninja-build dpkg-dev
    qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    nsis zip librsvg2-bin imagemagick
)
WINDOWS_TEST_PACKAGES=(
    wine wine64 python3-pefile xvfb xauth x11-utils xdotool xclip openbox fonts-ipafont-gothic
)
install_missing "${WINDOWS_PACKAGES[@]}" $([ $run_tests = yes ] && echo "${WINDOWS_TEST_PACKAGES[@]}")

version=$(sed -n 's/^ *VERSION \([0-9.]*\)$/\1/p' "$ROOT/CMakeLists.txt" | head -n 1)
toolchain="$ROOT/packaging/windows/x86_64-w64-mingw32.cmake"
cache=${WEIR_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/weir-head/windows}
mkdir -p "$cache"

# Qt 6.4.2 as Debian 12 has it, with the few modules and features the program
# uses: Core, Gui, Widgets, PrintSupport and Test. Qt's own copies of zlib,
# PCRE2, HarfBuzz, FreeType, libpng and double-conversion stand in for the
# system libraries a Windows machine does not have (the mingw root has none).
# Debian's source leaves out Qt's bundled wintab, so tablet events are off;
# Qt 6 reaches screen readers through UI Automation, which is built. Text is
# drawn through GDI, as Windows' own dialogs draw it: Qt 6.4 compiles its
# DirectWrite font engine only with Direct2D, yet Print Support calls into it
# whenever DirectWrite is on (a link error without Direct2D). With OpenGL
# off, Qt 6.4 still turns its run-time OpenGL choice on, which the Windows
# platform plugin then cannot compile: off too.
QT_OPTIONS=(
    -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    -DFEATURE_zstd=OFF -DFEATURE_tabletevent=OFF -DFEATURE_directwrite=OFF -DFEATURE_directwrite3=OFF
    -DFEATURE_dynamicgl=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_doubleconversion=OFF
)
qt_source_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
key=$(printf '%s\n' "$qt_source_version" "${QT_OPTIONS[@]}" | cat - "$toolchain" | sha256sum | cut -c1-12)
qt="$cache/qt-${qt_source_version%%+*}-$key"
qcustomplot="$cache/qcustomplot-$key"
# The cross-built Qt remembers its toolchain file by path: a copy of its own
# in the cache, so that the Qt outlives the checkout that built it.
cp "$toolchain" "$cache/toolchain-$key.cmake"
toolchain="$cache/toolchain-$key.cmake"

# A Debian source package into a folder of the cache, through a deb-src entry
# of this script's own: a private sources list and package lists, so that
# nothing of the machine's apt configuration changes, and gone afterwards.
fetch_source() {
    local package=$1 into=$2
    local apt="$cache/apt"
    rm -rf "$apt"
    mkdir -p "$apt/lists/partial" "$apt/download"
    trap 'rm -rf "$cache/apt"' RETURN
    echo "deb-src http://deb.debian.org/debian bookworm main" > "$apt/sources.list"
    local options=(-o "Dir::Etc::SourceList=$apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
                   -o "Dir::State::Lists=$apt/lists")
    apt-get -q "${options[@]}" update
    (cd "$apt/download" && apt-get -q "${options[@]}" source --download-only "$package")
    rm -rf "$into"
    dpkg-source -x --no-check "$apt"/download/*.dsc "$into"
}

if [ ! -e "$qt/.complete" ]; then
    echo "== Qt for Windows (Debian's qt6-base $qt_source_version): the first build takes most of an hour"
    fetch_source qt6-base "$cache/qtbase-source"
    rm -rf "$cache/qt-build" "$qt"
    cmake -S "$cache/qtbase-source" -B "$cache/qt-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "${QT_OPTIONS[@]}"
    cmake --build "$cache/qt-build" --parallel "$(nproc)"
    cmake --install "$cache/qt-build"
    rm -rf "$cache/qt-build" "$cache/qtbase-source"
    touch "$qt/.complete"
fi

qt_toolchain="$qt/lib/cmake/Qt6/qt.toolchain.cmake"
if [ ! -e "$qcustomplot/.complete" ]; then
    echo "== QCustomPlot for Windows (Debian's source)"
    fetch_source qcustomplot "$cache/qcustomplot-source"
    rm -rf "$cache/qcustomplot-build" "$qcustomplot"
    cmake -S "$cache/qcustomplot-source" -B "$cache/qcustomplot-build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$qt_toolchain" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$qcustomplot" \
        -DUSE_QT_VERSION=6 -DBUILD_SHARED_LIBS=ON
    cmake --build "$cache/qcustomplot-build"
    cmake --install "$cache/qcustomplot-build"
    rm -rf "$cache/qcustomplot-build" "$cache/qcustomplot-source"
    touch "$qcustomplot/.complete"
fi

echo "== the program"
build="$ROOT/build-windows"
stage="$build/stage"
cmake -S "$ROOT" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt_toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$qcustomplot" -DCMAKE_INSTALL_PREFIX="$stage" -DCMAKE_INSTALL_BINDIR=. \
    -DWEIR_WINDOWS_QT="$qt"
cmake --build "$build"
rm -rf "$stage"
cmake --install "$build"

# What the program needs beside it: Qt's DLLs and plugins, QCustomPlot (for
# the rating module, which Windows looks up beside the program), the
# compiler's runtime, Qt's Japanese texts, and a qt.conf that says so.
gcc_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
for dll in Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport; do cp "$qt/bin/$dll.dll" "$stage/"; done
cp "$qcustomplot"/bin/*.dll "$stage/"
cp "$gcc_runtime/libstdc++-6.dll" "$gcc_runtime/libgcc_s_seh-1.dll" \
    /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$stage/"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/translations"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp /usr/share/qt6/translations/qtbase_ja.qm "$stage/translations/"
printf '[Paths]\r\nPrefix=.\r\nPlugins=.\r\nTranslations=translations\r\n' > "$stage/qt.conf"
sed 's/$/\r/' "$ROOT/LICENSE" > "$stage/LICENSE.txt"
rsvg-convert -w 256 -h 256 "$ROOT/packaging/org.weirhead.overflowhead.svg" -o "$build/icon.png"
convert "$build/icon.png" -define icon:auto-resize=256,64,48,32,16 "$stage/weir-head.ico"

# The installer's lists of what it puts where, and takes away again: the
# uninstaller removes these files and no others, then the folders left empty.
lists="$build/nsis"
mkdir -p "$lists"
: > "$lists/files.nsh"
: > "$lists/remove.nsh"
(cd "$stage" && find . -type d | sort) | while read -r dir; do
    dir=${dir#./}; dir=${dir#.}
    win=${dir//\//\\}
    echo "SetOutPath \"\$INSTDIR${win:+\\$win}\"" >> "$lists/files.nsh"
    (cd "$stage/${dir:-.}" && find . -maxdepth 1 -type f | sort) | while read -r file; do
        file=${file#./}
        echo "File \"\${STAGE}${win:+\\$win}\\$file\"" >> "$lists/files.nsh"
        echo "Delete \"\$INSTDIR${win:+\\$win}\\$file\"" >> "$lists/remove.nsh"
    done
done
(cd "$stage" && find . -mindepth 1 -type d | sort -r) | while read -r dir; do
    dir=${dir#./}
    echo "RMDir \"\$INSTDIR\\${dir//\//\\}\"" >> "$lists/remove.nsh"
done

setup="$build/weir-head-$version-setup.exe"
makensis -V2 -DSTAGE="$stage" -DLISTS="$lists" -DOUTFILE="$setup" "$build/packaging/weir-head.nsi"
# The same files as an older version, for the test of one version installed
# over another; never shipped.
older_setup="$build/test/weir-head-0.99-setup.exe"
mkdir -p "$build/test"
makensis -V2 -DAPP_VERSION=0.99 -DSTAGE="$stage" -DLISTS="$lists" -DOUTFILE="$older_setup" \
    "$build/packaging/weir-head.nsi"
zipfile="$build/weir-head-$version-windows-x86_64.zip"
rm -f "$zipfile"
(cd "$build" && rm -rf "weir-head-$version" && cp -r stage "weir-head-$version" \
    && zip -q -r -X "$zipfile" "weir-head-$version" && rm -rf "weir-head-$version")
echo "installer: $setup ($(du -h "$setup" | cut -f1))"
echo "zip:       $zipfile ($(du -h "$zipfile" | cut -f1))"

if [ $run_tests = yes ]; then
    echo "== the Windows tests, under Wine"
    (cd "$build" && WEIR_WINDOWS_SETUP="$setup" WEIR_WINDOWS_OLDER_SETUP="$older_setup" \
        ctest --output-on-failure -L windows)
fi
