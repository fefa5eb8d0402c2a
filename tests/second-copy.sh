#!/usr/bin/env bash
# Runs the built front-end twice on one simulated machine under a virtual
# display: the second copy must show its message box, never the scene, and
# exit 0 once the box is dismissed, while the first goes on undisturbed.
set -euo pipefail
app=$1
work=$(mktemp -d)
trap 'kill ${first:-} ${xvfb:-} 2>/dev/null; rm -rf "$work"' EXIT

# shellcheck source=../scripts/lib.sh
. "$(dirname "$0")/../scripts/lib.sh"
start_display 1920x1080
xvfb=$display_pid
# English, for the window titles.
export XDG_RUNTIME_DIR=$work/runtime LANGUAGE=en QT_QUICK_BACKEND=software
export CHIPSET_INSTALLER_REGISTRY=$work/none.reg CHIPSET_INSTALLER_DRIVE=$work/C
unset QT_QPA_PLATFORM
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir "$CHIPSET_INSTALLER_DRIVE"

# window TITLE: the visible window of that title, waited for up to 30 seconds.
window() {
    for _ in $(seq 300); do
        xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep . && return 0
        sleep 0.1
    done
    return 1
}
# fail WHAT COPY: says WHAT, then what that copy (first or second) wrote.
fail() {
    echo "$1"
    cat "$work/$2.log"
    exit 1
}

"$app" /SETPCI >"$work/first.log" 2>&1 &
first=$!
window "CHIPSET DRIVER INSTALLER" >/dev/null || fail "first copy showed no window" first
"$app" /SETPCI >"$work/second.log" 2>&1 &
second=$!
box=$(window "KPQ INSTALLATER") || fail "second copy showed no message box" second
[ "$(xdotool search --onlyvisible --name '^CHIPSET DRIVER INSTALLER$' | wc -l)" -eq 1 ] ||
    fail "second copy showed the scene" second
xdotool windowfocus --sync "$box" key Return
timeout 20 tail --pid="$second" -f /dev/null || fail "second copy did not leave" second
wait "$second" || fail "second copy exited $?" second
kill -0 "$first" || fail "first copy did not survive" first
echo "1 passed, 0 failed"
