# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
# Debian packages the program and its checks need, and a way to install the
# missing ones. Sourced by run-program.sh and run-tests.sh.

# To build and run the program.
PROGRAM_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev libqcustomplot-dev
    fonts-ipafont-gothic qt6-translations-l10n
)

# Additionally, to build the Debian package.
PACKAGE_PACKAGES=(
    dpkg-dev file
)

# Additionally, to build and run the benchmarks.
BENCH_PACKAGES=(
    libbenchmark-dev xvfb xauth x11-utils
)

# Additionally, to run every test.
TEST_PACKAGES=(
    "${PACKAGE_PACKAGES[@]}"
    "${BENCH_PACKAGES[@]}"
    xdotool imagemagick
    qt6-gtk-platformtheme openbox fonts-noto-cjk
    lintian man-db groff-base
    dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0 orca
    poppler-utils
    desktop-file-utils appstream binutils-mingw-w64-x86-64
    clang libclang-rt-14-dev
)

missing_packages() {
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q '^install ok installed$' \
            || printf '%s\n' "$pkg"
    done
}

# Installs whatever of "$@" is not installed yet: as root directly, otherwise
# through sudo; says what to install by hand when neither is possible.
install_missing() {
    local missing
    mapfile -t missing < <(missing_packages "$@")
    [ "${#missing[@]}" -eq 0 ] && return 0

    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            as_root=(sudo)
        else
            echo "These Debian packages are missing: ${missing[*]}" >&2
            echo "Install them as root (apt-get install ${missing[*]}) and run this again." >&2
            exit 1
        fi
    fi
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q \
        && "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" \
        || { echo "Could not install: ${missing[*]}. Install them by hand and run this again." >&2; exit 1; }
}

configure_and_build() {
    local build_dir=$1
    shift
    cmake -S "$ROOT" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
    cmake --build "$build_dir"
}
