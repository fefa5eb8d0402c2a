# shellcheck shell=bash
# The headless walk's steps: the virtual display, the front-end on it, keys, the pointer, waiting
# for the window to settle, screenshots, and finding the scene's parts in what it draws. Sourced by
# walk.sh, which walks the flows with them.

walk_shot_count=0
xvfb_pid=
app_pid=

# walk_fail TEXT: says what went wrong and gives up; the demo's summary follows.
walk_fail() {
    walk_problem="the walk failed: $*"
    echo "demo: walk failed: $*" >&2
    exit 1
}

# walk_ended_early: true when the front-end has ended before the walk expected it to; says so,
# with its exit code and the end of its output.
walk_ended_early() {
    [ -z "$app_pid" ] || kill -0 "$app_pid" 2>/dev/null && return 1
    app_status=0
    wait "$app_pid" || app_status=$?
    app_pid=
    walk_problem="the front-end ended early (exit code $app_status)"
    if [ -s "$dir/frontend.log" ]; then
        echo "demo: $walk_problem; the end of its output:" >&2
        tail -n 25 "$dir/frontend.log" | sed 's/^/  | /' >&2
    else
        echo "demo: $walk_problem, without a word of output" >&2
    fi
}

# walk_alive: gives up when the front-end has ended early.
walk_alive() {
    if walk_ended_early; then
        exit 1
    fi
}

# walk_pointer X Y: moves the pointer to the screen pixel X, Y and makes sure it went there.
walk_pointer() {
    local i
    for i in $(seq 30); do
        xdotool mousemove "$1" "$2"
        [[ $(xdotool getmouselocation 2>/dev/null) == "x:$1 y:$2 "* ]] && return 0
        sleep 0.1
    done
    return 1
}

# walk_display: starts a virtual display of $screen pixels and points DISPLAY at it (start_display:
# a free number, or CHIPSET_DISPLAY). Composite gives the window the translucent visual it asks
# for; 96 DPI is a screen at 100%, which Xvfb would otherwise give as 100 DPI and so draw the
# window a twenty-fourth larger (a scale asked for comes through QT_FONT_DPI). Fails when the
# display that answers is not the one just started (another program's server can take over a
# display's socket file).
walk_display() {
    display_log=$dir/xvfb.log start_display "$screen" -dpi 96 +extension Composite -noreset || return 1
    xvfb_pid=$display_pid
    screen_w=${screen%x*}
    screen_h=${screen#*x}
    local info
    info=$(xdpyinfo 2>/dev/null) || return 1
    [[ $info =~ dimensions:\ +${screen_w}x${screen_h}\ pixels ]] || return 1
    # The pointer starts in the middle of the screen, where the window may come. The server keeps
    # where it is moved only with -noreset: else it starts afresh, pointer centred, whenever its
    # last client (xdotool itself) leaves.
    walk_point_away
}

# walk_stop: ends what the walk started, each by its own process id.
walk_stop() {
    local pid
    for pid in "$app_pid" "$(cat "$dir/viewer.pid" 2>/dev/null || true)" "$xvfb_pid"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    done
    [ -n "$app_pid" ] && wait "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null || true
    rm -f "$dir/viewer.pid"
    app_pid=
    xvfb_pid=
}

# walk_start: starts the front-end on the virtual display and waits for its window. Fails when
# the front-end cannot reach the display; gives up when it ends before showing its window for
# another reason.
walk_start() {
    local i geometry
    rm -f "$dir/viewer-geometry"
    env "${demo_env[@]}" QT_QPA_PLATFORM=xcb ${screen_dpi:+QT_FONT_DPI=$screen_dpi} CHIPSET_DEMO_REAL_OPENER= \
        "$app" "${app_args[@]}" > "$dir/frontend.log" 2>&1 &
    app_pid=$!
    window=
    for i in $(seq 300); do
        # By process: the title is in the user's language.
        window=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        if ! kill -0 "$app_pid" 2>/dev/null; then
            if grep -q 'could not connect to display' "$dir/frontend.log"; then
                app_pid=
                return 1
            fi
            walk_alive
        fi
        sleep 0.1
    done
    [ -n "$window" ] || return 1
    geometry=$(xdotool getwindowgeometry --shell "$window")
    win_x=$(sed -n 's/^X=//p' <<< "$geometry")
    win_y=$(sed -n 's/^Y=//p' <<< "$geometry")
    win_w=$(sed -n 's/^WIDTH=//p' <<< "$geometry")
    win_h=$(sed -n 's/^HEIGHT=//p' <<< "$geometry")
    echo "$win_x $win_y $win_w $win_h" > "$shots/window-geometry"
    walk_point_away || return 1
    # A log viewer opened during the walk sits over the window as it was placed, inside the
    # screenshots; the desktop opener's stand-in reads where.
    echo "$((win_w * 8 / 10))x$((win_h * 6 / 10))+$((win_x + win_w / 10))+$((win_y + win_h * 3 / 10))" \
        > "$dir/viewer-geometry"
    walk_focus
}

# walk_open: a virtual display with the front-end's window on it. When the display cannot be
# used (see walk_display) or the front-end cannot reach it, a new one is tried.
walk_open() {
    local attempt
    for attempt in 1 2 3 4 5; do
        # A front-end that reached a wrong display may have started programs already.
        : > "$dir/record.txt"
        : > "$dir/package.txt"
        if walk_display && walk_start; then
            return 0
        fi
        walk_stop
        echo "demo: virtual display ${DISPLAY:-?} could not be used; starting another"
    done
    walk_fail "no usable virtual display (the front-end's output: $dir/frontend.log)"
}

# walk_focus: gives the window the keyboard (there is no window manager to do it).
walk_focus() {
    timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
}

# walk_key KEY...: presses keys in the window, as a user would.
walk_key() {
    walk_alive
    xdotool key --delay 120 "$@"
}

# walk_backtab: Shift+Tab. The Shift press gets a moment of its own: pressed together with Tab
# it can reach the window after the Tab, which then moves the focus forward instead.
walk_backtab() {
    walk_alive
    xdotool keydown Shift_L
    sleep 0.2
    xdotool key Tab
    sleep 0.1
    xdotool keyup Shift_L
}

# walk_shot NAME: a screenshot of the whole virtual screen.
walk_shot() {
    walk_alive
    walk_shot_count=$((walk_shot_count + 1))
    shot_file=$(printf '%s/%02d-%s.png' "$shots" "$walk_shot_count" "$1")
    import -window root "$shot_file"
    echo "  screenshot $(basename "$shot_file")"
}

# walk_point X Y: moves the pointer to unscaled window coordinates X, Y; pointer_x and pointer_y
# keep where it went, in screen pixels.
walk_point() {
    local s=${scale:-1}
    pointer_x=$(awk -v x="$1" -v s="$s" -v o="$win_x" 'BEGIN { printf "%d", o + x * s }')
    pointer_y=$(awk -v y="$2" -v s="$s" -v o="$win_y" 'BEGIN { printf "%d", o + y * s }')
    xdotool mousemove "$pointer_x" "$pointer_y"
}

# walk_point_away: the pointer to the screen's corner, off the window.
walk_point_away() {
    walk_pointer "$((screen_w - 1))" "$((screen_h - 1))"
}

# walk_frame: the window's pixels, raw, for comparing.
walk_frame() {
    import -window root -crop "${win_w}x${win_h}+${win_x}+${win_y}" +repage rgb:- 2>/dev/null
}

# walk_settle: waits until the window stops changing (lib.sh's settle), at most 15 seconds. Waiting
# for the picture rather than for the clock keeps the shots right on a busy machine, where the
# first frame or an animation can take seconds.
walk_settle() {
    settle 15 walk_frame || true
}

# walk_painted: waits until the window shows more than one colour, at most 30 seconds.
walk_painted() {
    local i deviation
    for i in $(seq 100); do
        deviation=$(import -window root -crop "${win_w}x${win_h}+${win_x}+${win_y}" +repage \
            -format '%[fx:standard_deviation]' info: 2>/dev/null || echo 0)
        awk -v d="$deviation" 'BEGIN { exit !(d > 0.02) }' && return 0
        sleep 0.3
    done
}

# walk_tooltip_shown: true when the tooltip popup's white top margin lies where the popup opens,
# 24 pixels below and 8 right of the pointer.
walk_tooltip_shown() {
    local white
    white=$(import -window root -crop "16x2+$((pointer_x + 12))+$((pointer_y + 26))" +repage \
        -format '%[fx:minima]' info: 2>/dev/null || echo 0)
    awk -v w="$white" 'BEGIN { exit !(w > 0.98) }'
}

# walk_tooltip NAME X Y: hovers the control at X, Y until its tooltip shows (it opens 800 ms
# after the pointer enters), takes the shot, then moves off again.
walk_tooltip() {
    local i
    # From off the window: a pointer already on the control would not enter it again, and its
    # tooltip would stay where it first opened.
    walk_point_away
    walk_point "$2" "$3"
    walk_alive
    sleep 0.8
    for i in $(seq 40); do
        walk_tooltip_shown && break
        sleep 0.15
    done
    sleep 0.2
    walk_shot "$1"
    # Where the pointer was, so a check can look for the popup just below and right of it.
    echo "$pointer_x $pointer_y" > "${shot_file%.png}.pointer"
    walk_point_away || walk_fail "the pointer could not be moved off the window"
    walk_settle
}

# walk_wait_package PROGRAM SECONDS: waits until the substitute PROGRAM has ended.
walk_wait_package() {
    local i
    for i in $(seq "$(($2 * 10))"); do
        grep -q "^[0-9:]* $1: exit" "$dir/package.txt" && return 0
        [ $((i % 10)) = 0 ] && walk_alive
        sleep 0.1
    done
    walk_fail "$1 did not end within $2 seconds"
}

# walk_wait_exit: waits for the front-end to quit by itself; its exit code goes to app_status.
walk_wait_exit() {
    local i
    for i in $(seq 200); do
        if ! kill -0 "$app_pid" 2>/dev/null; then
            app_status=0
            wait "$app_pid" || app_status=$?
            app_pid=
            return 0
        fi
        sleep 0.1
    done
    walk_fail "the front-end did not quit within 20 seconds"
}

# walk_regions: the window as drawn now, cut into areas of one colour, specks (text, ticks) of
# less than a two-hundredth of the window merged into what surrounds them: one line per area,
# "X Y WIDTH HEIGHT PIXELS" in window pixels. Where the scene puts its parts is found from what
# it draws rather than worked out again from its layout.
walk_regions() {
    import -window root -crop "${win_w}x${win_h}+${win_x}+${win_y}" +repage png:- 2>/dev/null |
        convert png:- -define connected-components:verbose=true \
        -define connected-components:area-threshold="$((win_w * win_h / 200))" \
        -connected-components 8 null: 2>/dev/null |
        sed -nE 's/^ *[0-9]+: ([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+) [^ ]+ ([0-9]+) .*/\3 \4 \1 \2 \5/p'
}

# walk_first_tile: the first driver tile's middle into tile_x and tile_y, in unscaled window
# coordinates; gives up when there is none. The tiles are the solid rectangles narrower than two
# fifths of the window (the bars span it, the tabs take half); the first is the top one on the left.
walk_first_tile() {
    local middle
    middle=$(walk_regions | awk -v w="$win_w" -v s="${scale:-1}" '
        $5 >= 0.98 * $3 * $4 && $3 < 0.4 * w && (!n++ || $2 < y || ($2 == y && $1 < x)) {
            x = $1; y = $2; tile_w = $3; tile_h = $4
        }
        END {
            if (!n) exit 1
            printf "%.2f %.2f\n", (x + tile_w / 2) / s, (y + tile_h / 2) / s
        }') || walk_fail "no driver tile found on the window"
    read -r tile_x tile_y <<< "$middle"
}

# walk_bottom_bar_top: the top edge of the bar along the window's bottom edge (the area reaching
# that edge that starts highest) into bar_top, in unscaled window pixels; gives up when there is none.
walk_bottom_bar_top() {
    bar_top=$(walk_regions | awk -v h="$win_h" -v s="${scale:-1}" '
        $2 + $4 == h && (!n++ || $2 < y) { y = $2 }
        END { if (!n) exit 1; printf "%.2f\n", y / s }') || walk_fail "no bar found along the window's bottom edge"
}
