# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
# Debian packages the program and its checks need, and a way to install the
# missing ones. Sourced by the scripts beside it.

# control_field PARAGRAPH FIELD: the packages a relation field of debian/control
# names (the source paragraph is 1, the binary package's 2), one a line: the
# first of each set of alternatives, without versions or architectures, and
# without substitution variables.
control_field() {
    awk -v want="$1" -v field="$2" '
        BEGIN { para = 1 }
        /^$/ { para++; infield = 0; next }
        para != want { next }
        /^[^ \t]/ { infield = (index($0, field ":") == 1); sub("^[^:]*:", "") }
        infield { printf "%s ", $0 }
    ' "$ROOT/debian/control" | tr ',' '\n' | sed -e 's/|.*//' -e 's/[[(<].*//' -e 's/^[[:space:]]*//' \
        -e 's/[[:space:]]*$//' | grep -v -e '^$' -e '^\$'
}

# To build and run the program: what debian/control says the package builds
# with (debhelper itself only to make the package) and runs with.
mapfile -t PROGRAM_PACKAGES < <(control_field 1 Build-Depends | grep -v '^debhelper-compat$'; control_field 2 Depends)
# The compiler, which Debian's own builds take for granted (build-essential).
PROGRAM_PACKAGES+=(g++)

# Additionally, to build the Debian package and check it as Debian would.
PACKAGE_PACKAGES=(
    debhelper dpkg-dev lintian autopkgtest
)

# Additionally, to build and run the benchmarks (pandas for the record
# pipeline's comparison, GNU time for its peak memory, a session bus for the
# start-up runs).
BENCH_PACKAGES=(
    libbenchmark-dev xvfb xauth x11-utils dbus
    python3-pandas time
)

# Additionally, to run every test.
TEST_PACKAGES=(
    "${PACKAGE_PACKAGES[@]}"
    "${BENCH_PACKAGES[@]}"
    xdotool xclip imagemagick
    qt6-gtk-platformtheme openbox fonts-noto-cjk
    man-db groff-base
    dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0 orca
    poppler-utils
    desktop-file-utils appstream binutils-mingw-w64-x86-64
    clang libclang-rt-14-dev clang-format reuse
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
