# shellcheck shell=bash
# The headless walk: a virtual display, the front-end on it, the chosen flow walked with the
# keyboard as a user would (Tab, Return, Space), and a screenshot of every state. Sourced by
# scripts/demo, which sets dir (the machine folder), machine_registry, app, app_args, screen, scale,
# screen_dpi and exit_code, and reads app_status and walk_problem in its summary. The steps the flows
# are made of are in walk-steps.sh.
#
# The scene's keyboard chain, as the walks rely on it:
#   install:   licence text (focused at start) -> Tab: agree bar -> Space: agreed, Install slides
#              in and takes the focus -> Return: install -> at the end "Restart Now" (or "Close"
#              without a restart offer) has the focus; Shift+Tab: "View Installation Log"; Tab
#              back. A cancelled run goes back to the tiles with Install focused; three Tabs
#              from there reach the title bar's close button.
#   uninstall: "Uninstall" (focused at start); Shift+Tab: the last driver tile -> Space: untick
#              -> Tab: "Uninstall" (a single row stays ticked) -> Return: removal -> at the end
#              "Finish" (or "Restart Now" beside it) has the focus.
#   none:      the close bar (focused at start) -> Return: extract-only run and quit.
#   nothing to remove: the "Drivers" tab has the focus (Uninstall is disabled) -> three Tabs: the
#              title bar's logo, minimise and close button.

# shellcheck source=walk-steps.sh
. "$(dirname "${BASH_SOURCE[0]}")/walk-steps.sh"

# walk_outcome install|removal: how the page ends a run with the chosen exit code, once the run
# has ended, as the front-end's table of outcomes says: "done" (status text, the log bar for an
# install, the closing buttons), "restart" (the same with a restart offer) or "retry" (back to the
# tiles, the start button focused again). The registry's restart flag is read as it is now.
walk_outcome() {
    "$dir/lib/regfile" outcome "${exit_code:-0}" "$1" "$machine_registry" | cut -f1
}

# walk_leave_by_title_bar: Tab from the focused start button past the end of the chain to the
# title bar's logo, minimise and close buttons, then close.
walk_leave_by_title_bar() {
    walk_key Tab Tab Tab
    walk_settle
    walk_shot title-bar-close-focused
    walk_key Return
}

walk_install() {
    local outcome
    walk_painted
    walk_settle
    walk_shot licence
    walk_key Tab
    walk_settle
    walk_shot licence-agree-focused
    walk_key space
    # Early in the one-second slide of the Install button. A virtual display has no vertical
    # sync, and the render loop steps animations by one display frame per frame it draws, so
    # on an idle machine animations here run up to about twice as fast as on a screen.
    sleep 0.12
    walk_shot install-sliding-in
    walk_settle
    walk_shot drivers
    walk_first_tile
    walk_tooltip drivers-tooltip "$tile_x" "$tile_y"
    walk_key Return
    # The page fades in 600 ms, the tab row in 800 ms (faster here, as above).
    sleep 0.08
    walk_shot installing-fading
    sleep 1.5
    walk_shot installing
    walk_wait_package ZYM_Chipset_Drivers.exe 90
    outcome=$(walk_outcome install)
    # The next poll tick finds the end and stops the spinner; the status strip moves up.
    sleep 1
    walk_settle
    case $outcome in
        retry)
            walk_shot install-retry-offered
            walk_leave_by_title_bar
            walk_wait_exit
            return
            ;;
        restart) walk_shot finished-restart-offer ;;
        done) walk_shot finished ;;
    esac
    # The first closing button has the focus; the log bar comes before it.
    walk_backtab
    walk_settle
    walk_shot log-bar-focused
    walk_key Return
    for _ in $(seq 50); do
        [ -s "$dir/viewer.pid" ] && break
        sleep 0.1
    done
    sleep 0.5
    walk_settle
    walk_shot installation-log
    kill "$(cat "$dir/viewer.pid" 2>/dev/null)" 2>/dev/null || true
    rm -f "$dir/viewer.pid"
    # Back on the first closing button, as at the end of the run.
    walk_focus
    walk_key Tab
    walk_settle
    walk_key Return
    walk_wait_exit
}

walk_uninstall() {
    local outcome
    outcome=$(walk_outcome removal)
    walk_painted
    walk_settle
    walk_shot uninstall-drivers
    walk_first_tile
    walk_tooltip uninstall-tooltip "$tile_x" "$tile_y"
    # With one row, unticking it would leave nothing to remove: that row goes as it is.
    if [ "${removal_rows:-0}" -gt 1 ]; then
        walk_backtab
        walk_settle
        walk_key space
        walk_settle
        walk_shot uninstall-one-unticked
        walk_key Tab
        walk_settle
    fi
    walk_key Return
    sleep 0.08
    walk_shot uninstalling-fading
    sleep 1.5
    walk_shot uninstalling
    walk_wait_package MsiExec.exe 60
    sleep 1
    walk_settle
    case $outcome in
        retry)
            walk_shot uninstall-retry-offered
            walk_leave_by_title_bar
            ;;
        restart)
            # "Restart Now" beside "Finish" has the focus.
            walk_shot uninstalled-restart-offer
            walk_key Return
            ;;
        done)
            walk_shot uninstalled-finish
            walk_key Return
            ;;
    esac
    walk_wait_exit
}

walk_none() {
    local window_w
    window_w=$(awk -v w="$win_w" -v s="${scale:-1}" 'BEGIN { printf "%d", w / s }')
    walk_painted
    walk_settle
    walk_shot notice
    walk_bottom_bar_top
    # The close bar, near its top edge so that the tooltip below the pointer stays on the window.
    walk_tooltip notice-tooltip "$((window_w / 2))" "$(awk -v y="$bar_top" 'BEGIN { print y + 4 }')"
    walk_key Return
    walk_wait_exit
}

# Removal mode with nothing the registry lets it remove: the page as it is, then away by the title
# bar's close button; Uninstall is never pressed.
walk_nothing_to_remove() {
    walk_painted
    walk_settle
    walk_shot nothing-to-remove
    walk_leave_by_title_bar
    walk_wait_exit
}
