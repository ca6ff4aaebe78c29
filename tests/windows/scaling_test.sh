#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
# Both windows at Windows' display scales, 100, 125, 150, 175 and 200 %
# (LogPixels 96 to 192), under Wine on a private X screen: the layout test's
# checks that every caption is drawn whole and nothing overlaps, run in the
# calculator and the rating window at each scale, its report naming the scale
# Qt was given; then the program itself at 150 %, screenshots of both windows
# written beside the docs.
#   scaling_test.sh TST_WINDOW_LAYOUT_EXE QT_DIR DOCS_DIR
set -euo pipefail
test_exe=$1
qt=$2
docs=$3
build=$(cd "$(dirname "$test_exe")/.." && pwd)
stage="$build/stage"
source "$(dirname "${BASH_SOURCE[0]}")/wine_session.sh"
[ -f "$stage/weir-head.exe" ] || { echo "no program in $stage: run scripts/build-windows.sh"; exit 1; }

# Room at 150 % for the rating window beside the calculator on the roomier
# side (1.5 times 780 + 8 + 241 + 8 + 780 logical pixels), and at 200 % for
# each window alone.
start_wine 2880 1800

# set_scale DPI: the system's dpi, as the display settings' scale writes it;
# Wine's server restarted so that the next program reads it.
set_scale() {
    wineserver -k 2>/dev/null || true
    wineserver -w
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wine reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wineserver -w
}

# The test finds Qt's DLLs and plugins, QCustomPlot and the modules in the
# build, as the installed program finds them beside itself.
export WINEPATH="Z:$qt/bin;Z:$stage" QT_PLUGIN_PATH="Z:$stage" WEIR_HEAD_MODULE_PATH="Z:$build/modules"
failed=0
for dpi in 96 120 144 168 192; do
    percent=$(( dpi * 100 / 96 ))
    set_scale "$dpi"
    log="$scratch/layout-$dpi.txt"
    # QtTest under Wine writes its report to a file only.
    if ! timeout 300 wine "$test_exe" -o "Z:$log,txt" placesAsDrawn captions drawnWholeAtThisScale \
        > "$scratch/wine.log" 2>&1; then
        echo "-- at $percent %: FAILED"
        tr -d '\r' < "$log"
        failed=1
        continue
    fi
    # The scale the windows were drawn at is the one set, or nothing was tested.
    for window in ZELMORAK ratingWindow; do
        tr -d '\r' < "$log" | grep -q "$window at $percent %" \
            || { echo "-- at $percent %: $window was not drawn at $percent %"; tr -d '\r' < "$log"; failed=1; }
    done
    echo "-- at $percent %: $(tr -d '\r' < "$log" | grep '^Totals')"
done
[ $failed -eq 0 ] || exit 1

echo "-- the program at 150 %"
set_scale 144
(LANG=ja_JP.UTF-8 wine "$stage/weir-head.exe" > "$scratch/wine.log" 2>&1 &)
wait_interval=1
calculator() { wine_window '四角堰の越流高さ' && ! wine_window '水位流量表'; }
wait_until 120 calculator || { echo "the window never mapped:"; cat "$scratch/wine.log"; exit 1; }
window=$(wine_window '四角堰の越流高さ')
type_worked_example_into "$window" || exit 1
# 1.5 times the client area's 323 pixels, and more for the menu bar.
read -r _ _ width height < <(geometry "$window")
[ "$height" -ge 484 ] || { echo "the calculator is ${width}x$height at 150 %"; exit 1; }
# The rating window, opened after the Return, shows the head the calculator
# found: a screenshot of the calculator taken once it is up holds the result.
keys key ctrl+t
rating() { wine_window '水位流量表'; }
wait_until 90 rating || { echo "Ctrl+T opened no rating window"; exit 1; }
# Each window with the frame openbox drew, cut from the screen.
shot() {
    local fx fy fw fh
    read -r fx fy fw fh < <(frame "$1")
    import -window root -crop "${fw}x$fh+$fx+$fy" +repage "$2"
}
shot "$window" "$docs/windows-150.png"
shot "$(wine_window '水位流量表')" "$docs/windows-rating-150.png"
echo "screenshots: $docs/windows-150.png $docs/windows-rating-150.png"
