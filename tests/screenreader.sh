#!/usr/bin/env bash
# tests/screenreader.sh FRONT-END: what a screen reader hears on the AT-SPI bus as keys and a reader's
# actions drive the front-end on a 1024x768 screen at 150% (the window centred, the licence a line at
# a time, Install's state, type-ahead, the outcomes, the notice). Exits 77 when a tool is missing.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
binary=$1
reader=(/usr/bin/python3 "$root/tests/screenreader.py")
for tool in Xvfb xprop xdotool dbus-daemon /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" > /dev/null || { echo "screenreader: skipped: no $tool"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2> /dev/null || { echo "screenreader: skipped: no pyatspi"; exit 77; }
. "$root/scripts/lib.sh"
. "$root/scripts/demo.d/machine.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/chipset-screenreader.XXXXXX")
pids=()
finish() {
    local status=$? i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2> /dev/null || true; done
    [ "$status" = 0 ] || tail -n 30 "$work/heard"
    rm -rf "$work"
}
trap finish EXIT
fail() { echo "screenreader: FAILED: $*"; exit 1; }
# within WHAT COMMAND...: COMMAND succeeds within 20 seconds, else WHAT is the failure.
within() {
    for _ in $(seq 200); do eval "${*:2}" 2> /dev/null && return; sleep 0.1; done
    fail "$1"
}
# Qt finds the accessibility bus on the root window, where the launcher writes it: the display must
# keep it once the launcher's connection closes.
start_display 1024x768 -noreset
pids+=("$display_pid")
export XDG_RUNTIME_DIR=$work
{ read -r DBUS_SESSION_BUS_ADDRESS; read -r bus; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 2> /dev/null)
export DBUS_SESSION_BUS_ADDRESS
/usr/libexec/at-spi-bus-launcher --launch-immediately 2> /dev/null &
pids+=("$bus" $!)
within "no accessibility bus on the display" 'xprop -root AT_SPI_BUS | grep -q unix:'
"${reader[@]}" listen > "$work/heard" 2>&1 &
pids+=($!)
within "no reader on the bus" grep -q listening "$work/heard"
# run NAME EXIT-CODE ARGUMENTS...: the front-end, with the keyboard, on a machine of its own whose
# installers end with EXIT-CODE; what is heard from then on counts.
run() {
    local dir=$work/$1 code=$2
    shift 2
    mkdir "$dir"
    demo_machine "$dir" "$binary" "$(dirname "$binary")/regfile" "$(dirname "$binary")/simmachine" > /dev/null
    mapfile -t machine < <(demo_environment "$dir")
    from=$(($(wc -l < "$work/heard") + 1))
    log=$dir/frontend.log
    env "${machine[@]}" CHIPSET_DEMO_EXIT_CODE="$code" QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        QT_FONT_DPI=144 "$("$dir/lib/simmachine" path "$dir" 'D:\Setup\Bin\ChipsetDriverInstaller')" "$@" > "$log" 2>&1 &
    app=$!
    pids+=("$app")
    within "no window" 'window=$(xdotool search --onlyvisible --name "CHIPSET DRIVER INSTALLER" | head -n 1); [ -n "$window" ]'
    xdotool windowfocus --sync "$window"
}
# hear(d) PATTERN: something heard since the run started matches the extended regular expression.
heard() { tail -n "+$from" "$work/heard" | grep -qE -- "$1"; }
hear() { within "never heard /$1/" heard "'$1'"; }
keys() { xdotool key --delay 150 "$@"; }
# ended: the front-end has quit, and without a sanitizer's report.
ended() {
    within "the front-end did not quit" '! kill -0 $app'
    ! grep -qE 'ERROR: [A-Za-z]+Sanitizer|runtime error:' "$log" || fail "$(cat "$log")"
}

run install 0 /SETPCI /SETGPIO2
hear '^focus: .* text \| License Agreement \|  \| language:en \| line=PLEASE READ THIS SOFTWARE'
read -r x y w h < <(xdotool getwindowgeometry --shell "$window" | sed -n 's/^[XYWIDTHEG]*=//p' | xargs)
[[ $((1024 - w - 2 * x))$((768 - h - 2 * y)) =~ ^[01][01]$ ]] || fail "the window at $x,$y, $w x $h, is not centred"
keys Next
hear '^object:text-caret-moved [1-9][0-9]* \| text \| License Agreement .* line=[A-Za-z0-9]'
keys End
hear '^object:text-caret-moved [1-9][0-9]{4} \| text \| License Agreement .* line=[A-Za-z0-9]'
keys Tab space
hear '^focus: .* push button \| Install \|'
# Both tiles unticked by keyboard, then one ticked as a reader does: Install is heard going and coming.
keys shift+Tab space shift+Tab space
hear '^object:state-changed:sensitive 0 \| push button \| Install \|'
"${reader[@]}" press
hear '^object:state-changed:sensitive 1 \| push button \| Install \|'
faults=$("${reader[@]}" faults) || fail "$faults"
keys Tab Tab Return
hear '^focus: .* status bar \| Installing\.\. \|'
until heard '^focus: .* push button \| Restart Now \| Successfully Installed'; do
    kill -0 "$app" || fail "the front-end ended and its outcome was never heard"
    keys Return
done
keys Return Return
sleep 1
! grep -q 'restart requested' "$log" || fail "Return typed ahead restarted the machine"
keys Return
ended
grep -q 'restart requested' "$log" || fail "Return on Restart Now a second after the outcome did not restart"
run failed 1603 /SETPCI
hear '^focus: .* text \| License Agreement'
keys Tab space Return
hear '^focus: .* push button \| Close \| Installation failed \(error 1603\) Exits Installer'
keys Return
ended
run notice 0
hear '^focus: .* push button \| Close \| System configuration is not compatible for RAID drivers or applications installation\. Exits Installer'
"${reader[@]}" press
ended
echo "screenreader: heard it all"
