#!/usr/bin/env bash
# The Windows build end to end under Wine, on the real Win32 seams, driven with mouse and keyboard
# on a virtual display; checked by what the stand-in setup program and MsiExec (standin.c) record,
# what Wine's registry holds after and what the window shows (screenshots in BUILD/wine-e2e).
#   tests/wine/windows-e2e.sh REGFILE [BUILD]    REGFILE: the Linux build's regfile tool
# What Wine cannot show (the restart, TASKLIST's output, permissions): README, "Building for Windows".
set -euo pipefail
# Whatever stops the run says where, and why, even a wait that gives up on a loaded machine.
trap 'echo "windows-e2e: stopped at line $LINENO, status $?: $BASH_COMMAND" >&2' ERR
root=$(cd "$(dirname "$0")/../.." && pwd)
regfile=$1
build=${2:-build/windows}
# CHIPSET_WINDOWS_STAGED=1: scripts/test has built and staged it already.
[ -n "${CHIPSET_WINDOWS_STAGED:-}" ] || "$root/scripts/windows-build" "$build" >/dev/null
. "$root/scripts/demo.d/machine.sh" # demo_registry, demo_product_code
work=$root/$build/wine-e2e
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=;msiexec.exe=n" \
    LANG=C.UTF-8 LANGUAGE=en
c=$WINEPREFIX/drive_c
mkdir -p "$work" && rm -f "$work"/*.png
x86_64-w64-mingw32-gcc -std=c11 -Wall -Wextra -Werror -O1 -municode -o "$work/standin.exe" \
    "$root/tests/wine/standin.c" -ladvapi32

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
"$root/tests/wine/signlist-check.sh" "$root/$build/stage/Bin" || fail "the signing list is not the staged tree's programs"
trap 'wineserver -k 2>/dev/null; [ -z "${display_pid:-}" ] || kill "$display_pid" 2>/dev/null' EXIT
# until SECONDS COMMAND...: true once COMMAND succeeds, polled.
until_ok() {
    local deadline=$((SECONDS + $1)) && shift
    until "$@" 2>/dev/null; do
        [ $SECONDS -lt "$deadline" ] || return 1
        sleep 0.2
    done
}

. "$root/scripts/lib.sh"
start_display 1280x800 -dpi 96

# Made once per build folder and kept, as the other Wine tests' prefix.
[ -f "$WINEPREFIX.ready" ] || { rm -rf "$WINEPREFIX" && wine wineboot -i && wineserver -w && touch "$WINEPREFIX.ready"; }
demo_registry "$regfile" "$work/zym.reg"
install -D "$work/standin.exe" "$c/Setup/Packages/ZYM_Chipset_Drivers.exe"
install -D "$work/standin.exe" "$c/ZYM/Chipset_Driver_Installer/ChipsetDriversExtract/MSIFiles/Packages/ZYM_Chipset_Drivers.exe"
# Wine's own msiexec.exe gives way to the stand-in, where GetSystemDirectoryW says it is.
cp "$work/standin.exe" "$c/windows/system32/msiexec.exe"
rm -rf "$c/Setup/Bin"
cp -r "$root/$build/stage/Bin" "$c/Setup/Bin"

# machine VERSION DPI: the reported Windows (win7: Wine 8's own default, 7 SP1, as its "win7"
# setting reports Server 2008 R2; win10), the screen's DPI, the demo's keys (an earlier release).
machine() {
    wineserver -k 2>/dev/null || true
    wineserver -w
    wine reg delete 'HKCU\Software\Wine' /v Version /f >/dev/null 2>&1 || true
    [ "$1" = win7 ] || wine reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f >/dev/null
    wine reg delete 'HKLM\SOFTWARE\WOW6432Node\ZYM' /f >/dev/null 2>&1 || true
    wine reg import "$(winepath -w "$work/zym.reg")" 2>/dev/null
    rm -f "$c/standin-record.txt"
    find "$c/users" -name ZYM_Chipset_Frontend.log -delete 2>/dev/null || true
    wineserver -w # the server saves the registry as it ends
}
window() { xdotool search 2>/dev/null --onlyvisible --name "^$1\$" | head -n 1 | grep .; }
# start TITLE ARGS...: the front-end from C:\Setup\Bin ($app), until its window TITLE ($win) settles.
start() {
    wine "${exe:-C:\Setup\Bin\ChipsetDriverInstaller.exe}" "${@:2}" >/dev/null 2>&1 &
    app=$!
    until_ok 60 window "$1" >/dev/null || { fail "no window $1"; return 1; }
    win=$(window "$1")
    settle 20 frame || fail "the window $1 never settled"
}
# click X Y: at that point of the window $win, in its own pixels at 100%.
click() { xdotool mousemove --window "$win" "$(($1 * scale / 100))" "$(($2 * scale / 100))" click 1 2>/dev/null; }
keys() { xdotool key --window "$@" 2>/dev/null; } # WINDOW KEY...
frame() { import -window "$win" rgb:- 2>/dev/null; } # for lib.sh's settle
shot() { import -window root "$work/$1.png"; }
tiles() { import -window "$win" -crop "650x50+0+78" rgb:- | md5sum; }
records() { [ -f "$c/standin-record.txt" ] && tr -d '\r' <"$c/standin-record.txt" || true; }
value() { # KEY NAME: the value's text
    wine reg query "HKLM\\SOFTWARE\\WOW6432Node\\ZYM\\$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2 *REG_SZ *//p"
}
restart_flagged() { [ "$(value ZYM_Chipset_IODrivers REBOOTSTATUS)" = YES ]; }
recorded() { [ -n "$(records)" ]; }
ended() { ! kill -0 "$app" 2>/dev/null; }
expect() { [ "$2" = "$3" ] || fail "$1: expected [$2], got [$3]"; } # WHAT EXPECTED ACTUAL

# The front-end's exit code, as the regfile tool answers it for each way the run ended (wine hands
# on its low eight bits), and the run's own log in the user's temporary folder.
exited() { # WHAT CODE: the front-end $app has ended with the Windows exit code CODE
    local status=0
    wait "$app" || status=$?
    [ "$status" -eq $(($2 & 255)) ] || fail "$1: exit status $status, not that of $2"
}
way_out() { "$regfile" exit-code "$1"; }
logged() { # TEXT: the last run's log holds TEXT
    local log
    log=$(find "$c/users" -name ZYM_Chipset_Frontend.log 2>/dev/null | head -n 1)
    [ -n "$log" ] && tr -d '\r' <"$log" | grep -qF "$1" || fail "the log ${log:-(none)} does not say: $1"
}

echo "install over an earlier release, Windows 7, mouse"
machine win7 96
scale=100
start "CHIPSET DRIVER INSTALLER" /SETZYM_RAID /SETRAIDMAVEL /SETPCI /SETGPIO2 /SETSMBUS /SETCIR
click 33 375 # the agree bar
settle 20 frame || fail "never settled after agreeing"
tiles7=$(tiles)
shot windows-wine-tiles-win7
click 325 375 # Install
until_ok 60 restart_flagged || fail "the setup program never ended"
settle 20 frame || fail "never settled after installing"
shot windows-wine-install
expect "setup program's command line" \
    'C:\Setup\Packages\ZYM_Chipset_Drivers.exe|C:\Setup\Packages|C:\Setup\Bin\..\Packages\ZYM_Chipset_Drivers.exe  /S "/vQTLAUNCH=1 SETZYM_RAID=YES SETRAIDMAVEL=YES SETPCI=YES SETGPIO2=YES SETSMBUS=YES SETCIR=YES ADDLOCAL=ZYM_RAID,RAIDMAVEL,PCI,GPIO2,SMBUS,CIR /qr" /clone_wait' \
    "$(records)"
expect "deployed features" "Drivers,raid,ZYM_RAID,RAIDMAVEL,PCI,GPIO2,SMBUS,CIR" "$(value ZYM_Chipset_Drivers DeployedFeatures)"
# Restart Now has the focus. Wine's ExitWindowsEx ends every program of the session, this one too.
keys "$win" Return
until_ok 30 ended || fail "Restart Now did not end the session's programs"

echo "removal of some features, Windows 10, keyboard"
machine win10 96
start "CHIPSET DRIVER INSTALLER" /U "$demo_product_code"
keys "$win" shift+Tab space Tab Return # untick the last tile, remove
until_ok 60 recorded || fail "MsiExec was never started"
settle 20 frame || fail "never settled after removing"
shot windows-wine-removal
expect "MsiExec's command line" \
    "C:\\windows\\system32\\msiexec.exe|C:\\windows\\system32|C:\\windows\\system32\\MsiExec.exe  /i $demo_product_code REMOVE=ZYM_RAID,RAIDMAVEL,PCI /qn" \
    "$(records)"
expect "features left" "Drivers,raid,GPIO2,SMBUS" "$(value ZYM_Chipset_IODrivers DeployedFeatures)"
keys "$win" Return # Finish
until_ok 30 ended || fail "Finish did not end the front-end"
exited "removal, Finish" "$("$regfile" outcome 0 removal | cut -f3)"
logged "the front-end's exit code: $("$regfile" outcome 0 removal | cut -f3)"

echo "the Windows 10 versions, and a second copy"
start "CHIPSET DRIVER INSTALLER" /SETZYM_RAID /SETRAIDMAVEL /SETPCI /SETGPIO2 /SETSMBUS /SETCIR
keys "$win" Tab space
settle 20 frame || fail "never settled after agreeing"
shot windows-wine-tiles-win10
[ "$(tiles)" != "$tiles7" ] || fail "the tiles show the same versions on Windows 7 and 10"
first=$app main=$win
start "KPQ INSTALLATER" /SETPCI
shot windows-wine-second-copy
keys "$win" Return
until_ok 30 ended || fail "the second copy's box did not close"
exited "second copy" "$(way_out second-copy)"
app=$first win=$main
ended && fail "the first copy ended with the second"
click 630 18 # closed after agreeing, before installing: the extract-only run, which Wine refuses
until_ok 30 ended || fail "closing did not end the front-end"
exited "closed after agreeing" "$(way_out left-before-starting)"

echo "120 DPI, closed before agreeing"
machine win10 120
scale=125
start "CHIPSET DRIVER INSTALLER" /SETPCI
shot windows-wine-120dpi
eval "$(xdotool getwindowgeometry --shell "$win")"
[ "$WIDTH" -ge 812 ] && [ "$WIDTH" -le 813 ] && [ "$HEIGHT" -ge 491 ] && [ "$HEIGHT" -le 492 ] ||
    fail "at 120 DPI the window is ${WIDTH}x$HEIGHT, not 650x393 drawn at 1.25"
click 630 18 # the title bar's close button
until_ok 30 ended || fail "closing did not end the front-end"
exited "closed before agreeing" "$(way_out left-before-starting)"
# Wine gives the program's folders to the user running it (wine.win32 checks that answer).
expect "programs started" "" "$(records)"

echo "nothing planted is loaded; a package folder with non-ASCII characters"
# A DLL whose metadata claim the Windows platform plugin, in C:\planted and its platforms\, named
# through Qt's own option (first and later on the command line) and Qt's variables.
qt=$root/.cache/qt5-mingw
"$qt/bin/moc" "$root/tests/wine/planted.cpp" -o "$work/planted.moc"
mkdir -p "$c/planted/platforms"
x86_64-w64-mingw32-g++ -std=c++17 -shared -O1 -w -I"$qt/include" -I"$qt/include/QtCore" -I"$work" \
    -o "$c/planted/qwindows.dll" "$root/tests/wine/planted.cpp" -L"$qt/lib" -lQt5Core
cp "$c/planted/qwindows.dll" "$c/planted/platforms/"
package="$c/Zählwerk 安装"
rm -rf "$package" "$c/planted-marker.txt"
mkdir -p "$package/Packages"
cp -r "$c/Setup/Bin" "$package/Bin"
cp "$work/standin.exe" "$package/Packages/ZYM_Chipset_Drivers.exe"
machine win10 96
scale=100
# Wine keeps the Unix side's QT_ variables from Windows programs and hands them WINEQT_ ones instead.
export WINEQT_PLUGIN_PATH='C:\planted' WINEQT_QPA_PLATFORM_PLUGIN_PATH='C:\planted'
opened=0
exe='C:\Zählwerk 安装\Bin\ChipsetDriverInstaller.exe' start "CHIPSET DRIVER INSTALLER" \
    -platformpluginpath 'C:\planted' /SETPCI -platformpluginpath 'C:\planted' && opened=1
unset WINEQT_PLUGIN_PATH WINEQT_QPA_PLATFORM_PLUGIN_PATH
[ ! -e "$c/planted-marker.txt" ] || fail "the planted plugin was loaded"
[ "$opened" = 1 ] || { echo "windows-e2e: $failures failure(s)"; exit 1; }
shot windows-wine-planted
click 33 375 # the agree bar
settle 20 frame || fail "never settled after agreeing"
click 325 375 # Install
until_ok 60 recorded || fail "the setup program was never started from the non-ASCII folder"
expect "setup program from a non-ASCII folder" \
    'C:\Zählwerk 安装\Packages\ZYM_Chipset_Drivers.exe|C:\Zählwerk 安装\Packages|"C:\Zählwerk 安装\Bin\..\Packages\ZYM_Chipset_Drivers.exe"  /S "/vQTLAUNCH=1 SETPCI=YES ADDLOCAL=PCI /qr" /clone_wait' \
    "$(records)"
settle 20 frame || fail "never settled after installing"
# The log bar, five Tabs on from Restart Now: handed to the desktop's shell, whose ShellExecute
# runs in Wine's explorer.exe, not here. A new prefix knows no handler for .log: Notepad is made one.
profile=$(winepath -u "$(wine cmd /c echo %USERPROFILE% 2>/dev/null | tr -d '\r')")
printf 'log\r\n' >"$profile/ZYM_Chipset_IODrivers.log"
wine reg add 'HKCR\.log' /ve /d zymlog /f >/dev/null
wine reg add 'HKCR\zymlog\shell\open\command' /ve /d 'C:\windows\system32\notepad.exe "%1"' /f >/dev/null
keys "$win" Tab Tab Tab Tab Tab Return
until_ok 30 xdotool search --onlyvisible --name "ZYM_Chipset_IODrivers.log - Notepad" >/dev/null ||
    fail "the log did not open in Notepad"
click 630 18 # the title bar's close button
until_ok 30 ended || fail "closing did not end the front-end"
# The system DLLs resolved from Bin before main runs, as the package contract lists them.
expect "imports in the README" "$(sed -n '/<!-- imports:/,/<!-- \/imports -->/p' "$root/README.md" | grep -o '[a-z0-9_]*\.dll' | tr '\n' ' ')" \
    "$("$root/scripts/windows-imports" "$root/$build/stage/Bin" | tr '\n' ' ')"

echo "windows-e2e: $failures failure(s)"
[ "$failures" -eq 0 ]
