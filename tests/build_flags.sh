#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# In a sanitizer build, every object of ours is compiled with the sanitizers
# and every program, module and test linked with them: no target is left out
# of the common options. Reads the build's own commands (ninja -t commands),
# prints each target with the number of its objects, and fails on any
# compile or link without the flag.
#
#   build_flags.sh BUILD_DIR [NINJA]
set -euo pipefail
build=$1
ninja=${2:-ninja}
flag=-fsanitize=address,undefined

"$ninja" -C "$build" -t commands all | awk -v flag="$flag" '
    # A compile: "... -o dir/CMakeFiles/TARGET.dir/file.o -c source".
    / -c / && match($0, /-o [^ ]*CMakeFiles\/[^\/ ]*\.dir\//) {
        target = substr($0, RSTART, RLENGTH)
        sub(/.*CMakeFiles\//, "", target); sub(/\.dir\/$/, "", target)
        objects[target]++
        if (index($0, " " flag " ") == 0) { missing[target]++; bad++ }
        next
    }
    # A link of a program or a shared module (static libraries are archives
    # of the objects above).
    /^: && / && / -o / && !/ -c / && !/(^|[ \/])(ar|ranlib|llvm-ar) / {
        out = $0; sub(/.* -o /, "", out); sub(/ .*/, "", out)
        links++
        if (index($0, " " flag " ") == 0) { print "linked without " flag ": " out; bad++ }
    }
    END {
        for (target in objects)
            printf "%-28s %3d objects%s\n", target, objects[target],
                   missing[target] ? ", " missing[target] " WITHOUT " flag : ", all with " flag
        printf "%d links, %s\n", links, bad ? "FAULTS: " bad : "all with " flag
        if (links == 0 || length(objects) == 0 || bad) exit 1
    }' | sort
