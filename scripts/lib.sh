# shellcheck shell=bash
# What the scripts share: building the release front-end when it is not built, starting a
# virtual display and waiting for the screen to settle. Sourced by scripts/demo, demo-check,
# screenshots and run, the benches and the Windows end-to-end test.
#
# CHIPSET_DISPLAY=N: every script that starts a virtual display starts it as :N (on a machine
# where display numbers are handed out, or to keep off a display in use); unset, the server
# picks a free number itself.

lib_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# release_build [BUILD]: builds the release front-end and its regfile and simmachine tools in
# BUILD (default: CHIPSET_DEMO_BUILD, else build/release) and prints the front-end's path. The
# folder is configured only the first time: a build with nothing changed then does nothing, and
# one after a CMake file changed configures again by itself.
release_build() {
    local build=${1:-${CHIPSET_DEMO_BUILD:-$lib_root/build/release}}
    if [ ! -f "$build/build.ninja" ]; then
        cmake -S "$lib_root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF > /dev/null || return
    fi
    cmake --build "$build" --target ChipsetDriverInstaller regfile simmachine >&2 || return
    echo "$(cd "$build" && pwd)/ChipsetDriverInstaller"
}

# start_display WxH [XVFB-OPTION...]: starts a virtual display (Xvfb, 24-bit, no TCP) of that
# size on :$CHIPSET_DISPLAY, or on a free number, and waits until it is ready; exports DISPLAY
# and keeps the server's process id in display_pid. The server's output goes to $display_log
# (default: nowhere). Fails, saying why, when the server does not come up, for instance because
# another one has that number.
start_display() {
    local size=$1 ready
    shift
    if [ -n "${CHIPSET_DISPLAY:-}" ] && ! [[ $CHIPSET_DISPLAY =~ ^[0-9]+$ ]]; then
        echo "CHIPSET_DISPLAY wants a display number such as 5, not '$CHIPSET_DISPLAY'" >&2
        return 2
    fi
    ready=$(mktemp "${TMPDIR:-/tmp}/chipset-display.XXXXXX")
    # The server writes its number once it takes connections, the one asked for or one it found free.
    Xvfb ${CHIPSET_DISPLAY:+":$CHIPSET_DISPLAY"} -displayfd 3 -screen 0 "${size}x24" -nolisten tcp "$@" \
        3> "$ready" > "${display_log:-/dev/null}" 2>&1 &
    display_pid=$!
    for _ in $(seq 150); do
        [ -s "$ready" ] && break
        kill -0 "$display_pid" 2> /dev/null || break
        sleep 0.1
    done
    DISPLAY=:$(tr -d '[:space:]' < "$ready")
    rm -f "$ready"
    if [ "$DISPLAY" = : ]; then
        kill "$display_pid" 2> /dev/null && wait "$display_pid" 2> /dev/null
        echo "the virtual display${CHIPSET_DISPLAY:+ :$CHIPSET_DISPLAY} did not start${CHIPSET_DISPLAY:+ (is that number in use?)}" >&2
        display_pid=
        return 1
    fi
    export DISPLAY
}

# settle SECONDS COMMAND...: waits until the screen has settled: COMMAND, which prints a picture
# (such as `import -window ID rgb:-`), prints the same four times in a row, 0.2 seconds apart
# (longer than a scroll bar's flash; a turning busy indicator never settles). False when that has
# not happened within SECONDS.
settle() {
    local deadline=$((SECONDS + $1)) previous current alike=0
    shift
    previous=$("$@" | md5sum)
    while [ "$SECONDS" -lt "$deadline" ]; do
        sleep 0.2
        current=$("$@" | md5sum)
        if [ "$current" = "$previous" ]; then
            alike=$((alike + 1))
            [ "$alike" -lt 3 ] || return 0
        else
            alike=0
        fi
        previous=$current
    done
    return 1
}
