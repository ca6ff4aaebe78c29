#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# The program on a dark GNOME desktop (Qt's GTK platform theme with Adwaita's
# dark variant): the worked example typed with real keys, then the head's
# digits must stand dark on a light box and the captions dark on the grey,
# while the buttons show the desktop's dark scheme.
#   dark_desktop_test.sh PROGRAM SCREENSHOT.png
set -euo pipefail
program=$1
screenshot=$2
source "$(dirname "${BASH_SOURCE[0]}")/support/x11_session.sh"
ls /usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so >/dev/null 2>&1 \
    || report_missing "Qt's GTK theme (qt6-gtk-platformtheme)"

start_screen 1024 768
launch QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark "$program"
read -r _ _ w h < <(geometry "$window")
top=$(( h - 323 ))
type_worked_example
import -window "$window" "$screenshot"
echo "screenshot written to $screenshot"

# The desktop really is dark: the 計算 button keeps the theme's dark face.
button=$(mean_lightness "$screenshot" "73x25+28+$(( top + 204 ))")
echo "mean lightness of the Calculate button: $button %"
[ "$button" -lt 50 ] || { echo "the dark theme did not take effect"; exit 1; }

# The head box: a light base with dark digits in it.
base=$(mean_lightness "$screenshot" "75x19+107+$(( top + 259 ))")
digits=$(dark_pixels "$screenshot" "75x19+107+$(( top + 259 ))")
echo "head box: mean lightness $base %, $digits dark pixels"
[ "$base" -gt 75 ] && [ "$digits" -gt 20 ] || { echo "43.83 is not dark on light"; exit 1; }

# The width caption: dark strokes on the grey.
caption=$(dark_pixels "$screenshot" "65x17+24+$(( top + 40 ))")
echo "dark pixels in the width caption: $caption"
[ "$caption" -gt 20 ] || { echo "the captions are not dark on the grey"; exit 1; }
