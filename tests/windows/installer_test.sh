#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
# The Windows installer, as a user would meet it, in a fresh Wine prefix on a
# private X screen with a window manager: a silent install for the user alone;
# the version record read back from the program; --version on the console; the
# worked example typed with real keys and read back through 編集 → 結果をコピー
# (Wine hands the clipboard to X), with a screenshot; the rating window with
# Ctrl+T; the records window from 表示; the portable zip run from another
# folder; and a silent uninstall that leaves no file, no Start-menu entry and
# no registry key behind.
#   installer_test.sh SCREENSHOT      (the installer in $WEIR_WINDOWS_SETUP)
set -euo pipefail
screenshot=$1
setup=${WEIR_WINDOWS_SETUP:?the installer to test, from scripts/build-windows.sh}
older_setup=${WEIR_WINDOWS_OLDER_SETUP:?an older version of the installer, from scripts/build-windows.sh}
source "$(dirname "${BASH_SOURCE[0]}")/wine_session.sh"
require_tools xclip unzip script winepath

start_wine 1280 800

user_dir="$WINEPREFIX/drive_c/users/$(id -un)"
install_dir="$user_dir/AppData/Local/Programs/weir-head"
start_menu="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\weir-head'
# entries ROOT: how many Apps & features entries under ROOT carry the
# program's name; start_entries FOLDER: how many Start-menu entries.
entries() {
    wine reg export "$1\Software\Microsoft\Windows\CurrentVersion\Uninstall" "$scratch/uninstall.reg" /y \
        >/dev/null 2>&1 || { echo 0; return; }
    iconv -f UTF-16 -t UTF-8 "$scratch/uninstall.reg" | grep -c '^"DisplayName"="四角堰の越流高さ"' || true
}
start_entries() { find "$1" -name '*.lnk' -name '*四角堰*' 2>/dev/null | wc -l; }
# one_of_each VERSION: one entry for the user, none for the machine, one
# Start-menu entry, and the version VERSION.
one_of_each() {
    [ "$(entries HKCU)" -eq 1 ] && [ "$(entries HKLM)" -eq 0 ] && [ "$(start_entries "$start_menu")" -eq 1 ] \
        || { echo "not one entry of each: $(entries HKCU) for the user, $(entries HKLM) for all, $(start_entries "$start_menu") in the menu"; exit 1; }
    wine reg query "$uninstall_key" /v DisplayVersion 2>/dev/null | tr -d '\r' | grep -q "REG_SZ *$1\$" \
        || { echo "the entry is not of version $1"; exit 1; }
}

echo "-- an older version, then this one over it, then this one again"
timeout 300 wine "$older_setup" /S
wineserver -w
one_of_each 0.99
timeout 300 wine "$setup" /S
wineserver -w
one_of_each 1.00
find "$install_dir" -type f | sort > "$scratch/upgraded"
timeout 300 wine "$setup" /S
wineserver -w
one_of_each 1.00
find "$install_dir" -type f | sort | cmp -s - "$scratch/upgraded" || { echo "a repair changed the files"; exit 1; }

echo "-- silent install"
[ -f "$install_dir/weir-head.exe" ] || { echo "not installed for the user"; exit 1; }
[ -f "$install_dir/modules/weir-head-rating.dll" ] && [ -f "$install_dir/modules/weir-head-sheet.dll" ] \
    && [ -f "$install_dir/modules/weir-head-design.dll" ] && [ -f "$install_dir/modules/weir-head-cli.dll" ] \
    && [ -f "$install_dir/modules/weir-head-help.dll" ] && [ -f "$install_dir/modules/weir-head-records.dll" ]
[ -f "$start_menu/四角堰の越流高さ.lnk" ] || { echo "no Start-menu entry"; exit 1; }
wine reg query "$uninstall_key" /v DisplayVersion 2>/dev/null | tr -d '\r' | grep -q 'REG_SZ *1\.00$'
wine reg query "$uninstall_key" /v UninstallString >/dev/null 2>&1
find "$install_dir" -type f | sed "s|$install_dir/||" | sort > "$scratch/installed"
echo "$(wc -l < "$scratch/installed") files installed"

echo "-- version record"
/usr/bin/python3 - "$install_dir/weir-head.exe" <<'EOF'
import sys
import pefile

pe = pefile.PE(sys.argv[1])
strings, translations = {}, []
for info in pe.FileInfo[0]:
    if info.Key == b"StringFileInfo":
        for table in info.StringTable:
            assert table.LangID == b"041104B0", table.LangID
            strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
    elif info.Key == b"VarFileInfo":
        for var in info.Var:
            translations.extend(var.entry.values())
assert strings["FileVersion"] == "1.00", strings
assert strings["ProductVersion"] == "1.00", strings
assert any(t in ("0x411 0x4b0", "0x0411 0x04b0") for t in translations), translations
print("FileVersion", strings["FileVersion"], "ProductVersion", strings["ProductVersion"], "translation", translations)
EOF

echo "-- the console"
timeout 60 wine "$install_dir/weir-head.exe" --version | tr -d '\r' | grep -q '1\.00'
# Wine's locale is English here: the run speaks English, labels included.
LC_ALL=C.UTF-8 timeout 60 wine "$install_dir/weir-head.exe" head --width 300 --flow 300 --min 20 --max 100 \
    | tr -d '\r' | grep -q '^Head (mm)	43\.83$'

echo "-- a console, as cmd.exe gives one"
# Wine's console on a terminal of script's: what the program writes reaches
# the terminal through the console, as it reaches a Japanese Windows' console
# window. Wine's console starts in code page 437 here, where UTF-8 bytes
# written as they are would show as one replacement mark a byte.
program_path=$(winepath -w "$install_dir/weir-head.exe" 2>/dev/null)
on_console() {
    LC_ALL=C.UTF-8 timeout 60 script -qec "wine cmd /c '$program_path $*'" /dev/null < /dev/null \
        | sed 's/\x1b\[[?0-9;]*[a-zA-Z]//g' | tr -d '\r'
}
# The Japanese comes from the record's own header, written back beside the
# flows.
printf 'h 水位\r\n50\r\n' > "$scratch/record.csv"
on_console flow --width 300 --column h "<" "$(winepath -w "$scratch/record.csv" 2>/dev/null)" > "$scratch/console.txt"
grep -q 'h 水位' "$scratch/console.txt" && grep -q '363\.30' "$scratch/console.txt" \
    && ! grep -q $'\xef\xbf\xbd' "$scratch/console.txt" || { echo "the console shows:"; cat -v "$scratch/console.txt"; exit 1; }
# The help, in the language of Wine's locale here (English): all of it, to
# its last option.
on_console head --help > "$scratch/console.txt"
grep -q 'weir-head head' "$scratch/console.txt" && grep -q -- '--help' "$scratch/console.txt" \
    && ! grep -q $'\xef\xbf\xbd' "$scratch/console.txt" \
    || { echo "the console shows the help as:"; cat -v "$scratch/console.txt"; exit 1; }
cat "$scratch/console.txt" | head -n 3

echo "-- the window, typed into"
(LANG=ja_JP.UTF-8 wine "$install_dir/weir-head.exe" > "$scratch/wine.log" 2>&1 &)
# Conditions asked once a second: every look at the windows walks all of Wine's.
wait_interval=1
window_mapped() { wine_window '四角堰の越流高さ'; }
if ! wait_until 120 window_mapped; then
    import -window root "$screenshot"
    echo "the window never mapped; its log:"
    cat "$scratch/wine.log"
    exit 1
fi
window=$(wine_window '四角堰の越流高さ')
type_worked_example_into "$window" || exit 1
# 編集 (Alt+E) once its popup is up (one more window shown), then 結果をコピー
# (C); asked again until the clipboard holds the result.
windows_shown() { xdotool search --onlyvisible --class . 2>/dev/null | wc -l; }
copied() {
    keys key Escape
    local before
    before=$(windows_shown)
    keys key alt+e
    menu_up() { [ "$(windows_shown)" -gt "$before" ]; }
    wait_until 10 menu_up || return 1
    keys key c
    result_copied() { xclip -o -selection clipboard 2>/dev/null | tr -d '\r' | tail -n 1 | grep -q "	43.83	10\$"; }
    wait_until 10 result_copied
}
wait_until 90 copied || { echo "the copied result is not 43.83 in 10 trials:"; xclip -o -selection clipboard; exit 1; }
xclip -o -selection clipboard | tr -d '\r'
echo
import -window "$window" "$screenshot"
echo "screenshot: $screenshot"

echo "-- the rating window"
keys key Escape ctrl+t
rating_shown() { wine_window '水位流量表'; }
wait_until 90 rating_shown || { echo "Ctrl+T opened no rating window"; exit 1; }
# Its whole frame on the 1280 x 800 screen, though Wine tells the program of
# a Windows frame while openbox draws its own.
rating_on_screen() {
    local fx fy fw fh
    read -r fx fy fw fh < <(frame "$(wine_window '水位流量表')") || return 1
    [ "$fx" -ge 0 ] && [ "$fy" -ge 0 ] && [ $(( fx + fw )) -le 1280 ] && [ $(( fy + fh )) -le 800 ]
}
wait_until 30 rating_on_screen || {
    echo "the rating window runs off the screen: $(frame "$(wine_window '水位流量表')")"
    import -window root "$PWD/windows-rating.png"
    exit 1
}
import -window root "$PWD/windows-rating.png" # beside the build, for a look

echo "-- the records window, from 表示 (Alt+V, then R)"
records_opened() {
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    keys key Escape
    local before
    before=$(windows_shown)
    keys key alt+v
    menu_up() { [ "$(windows_shown)" -gt "$before" ]; }
    wait_until 10 menu_up || return 1
    keys key r
    records_shown() { wine_window '記録から流量'; }
    wait_until 20 records_shown
}
wait_until 90 records_opened || {
    echo "表示 → 記録から流量 opened no records window"
    import -window root "$PWD/windows-records.png"
    exit 1
}
# Whole on the screen, as the rating window is.
records_on_screen() {
    local fx fy fw fh
    read -r fx fy fw fh < <(frame "$(wine_window '記録から流量')") || return 1
    [ "$fx" -ge 0 ] && [ "$fy" -ge 0 ] && [ $(( fx + fw )) -le 1280 ] && [ $(( fy + fh )) -le 800 ]
}
wait_until 30 records_on_screen || {
    echo "the records window runs off the screen: $(frame "$(wine_window '記録から流量')")"
    import -window root "$PWD/windows-records.png"
    exit 1
}
import -window root "$PWD/windows-records.png" # beside the build, for a look
timeout 60 wine "$install_dir/weir-head.exe" --version >/dev/null # still answering beside the window
wineserver -k
wineserver -w

echo "-- the zip, from another folder"
unzip -q "$(dirname "$setup")"/weir-head-*-windows-x86_64.zip -d "$scratch/any folder"
LC_ALL=C.UTF-8 timeout 60 wine "$scratch/any folder"/weir-head-*/weir-head.exe flow --width 300 --head 50 \
    | tr -d '\r' | grep -q '^Flow (L/min)	363\.30$'

echo "-- silent uninstall"
timeout 300 wine "$install_dir/uninstall.exe" /S
wineserver -w
# The uninstaller runs from a copy in the temporary folder; wait for it too.
gone() { [ ! -e "$install_dir" ] && [ ! -e "$start_menu/四角堰の越流高さ.lnk" ]; }
wait_until 60 gone || { echo "left behind:"; find "$install_dir" "$start_menu" 2>/dev/null; exit 1; }
if wine reg query "$uninstall_key" >/dev/null 2>&1; then
    echo "the uninstall key is still there"
    exit 1
fi

echo "-- for all users, as an IT department installs it"
machine_dir="$WINEPREFIX/drive_c/Program Files/weir-head"
machine_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
machine_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\weir-head'
timeout 300 wine "$setup" /S /ALLUSERS
wineserver -w
[ -f "$machine_dir/weir-head.exe" ] || { echo "not installed in Program Files"; exit 1; }
[ "$(entries HKLM)" -eq 1 ] && [ "$(entries HKCU)" -eq 0 ] && [ "$(start_entries "$machine_menu")" -eq 1 ] \
    && [ "$(start_entries "$start_menu")" -eq 0 ] || { echo "not one entry for all users"; exit 1; }
timeout 60 wine "$machine_dir/weir-head.exe" --version | tr -d '\r' | grep -q '1\.00'
quiet=$(wine reg query "$machine_key" /v QuietUninstallString 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p')
[ "$quiet" = '"C:\Program Files\weir-head\uninstall.exe" /S /ALLUSERS' ] || { echo "uninstall string: $quiet"; exit 1; }
timeout 300 wine "C:\\Program Files\\weir-head\\uninstall.exe" /S /ALLUSERS
wineserver -w
gone_for_all() { [ ! -e "$machine_dir" ] && [ "$(start_entries "$machine_menu")" -eq 0 ]; }
wait_until 60 gone_for_all || { echo "left behind for all users:"; find "$machine_dir" "$machine_menu"; exit 1; }
if wine reg query "$machine_key" >/dev/null 2>&1; then
    echo "the machine's uninstall key is still there"
    exit 1
fi
echo "ok: installed, used and removed, for the user and for all users"
