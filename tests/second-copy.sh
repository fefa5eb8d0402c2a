#!/usr/bin/env bash
# Runs the built front-end twice on one simulated machine under a virtual
# display: the second copy must show its message box, never the scene, and
# exit 0 once the box is dismissed, while the first goes on undisturbed.
set -euo pipefail
app=$1

work=$(mktemp -d)
cleanup() {
    [ -n "${first:-}" ] && kill "$first" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and reports its number once it is ready.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$work/display")

export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export CHIPSET_INSTALLER_REGISTRY=$work/none.reg CHIPSET_INSTALLER_DRIVE=$work/C
export QT_QUICK_BACKEND=software
# The window is found by its English title.
export LANGUAGE=en
mkdir -p "$CHIPSET_INSTALLER_DRIVE"
unset QT_QPA_PLATFORM

wait_for_window() { # name, seconds
    for _ in $(seq $(($2 * 10))); do
        xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep . && return 0
        sleep 0.1
    done
    return 1
}

"$app" /SETPCI >"$work/first.log" 2>&1 &
first=$!
wait_for_window "CHIPSET DRIVER INSTALLER" 30 >/dev/null || { echo "first copy showed no window"; cat "$work/first.log"; exit 1; }

"$app" /SETPCI >"$work/second.log" 2>&1 &
second=$!
box=$(wait_for_window "KPQ INSTALLATER" 30) || { echo "second copy showed no message box"; cat "$work/second.log"; exit 1; }
if [ "$(xdotool search --onlyvisible --name '^CHIPSET DRIVER INSTALLER$' | wc -l)" -ne 1 ]; then
    echo "second copy showed the scene"; exit 1
fi
xdotool windowfocus --sync "$box" key Return
code=0
timeout 20 tail --pid="$second" -f /dev/null || { echo "second copy did not leave"; exit 1; }
wait "$second" || code=$?
[ "$code" -eq 0 ] || { echo "second copy exited $code"; exit 1; }
kill -0 "$first" || { echo "first copy did not survive"; exit 1; }
echo "1 passed, 0 failed"
