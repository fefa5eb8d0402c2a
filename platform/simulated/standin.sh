# shellcheck shell=bash
# Shared by the stand-in programs of the simulated machine, the demo's and the tests' alike: the
# record every start leaves and the way a Windows exit code is handed back. Sourced by a bash
# stand-in after it has set standin_name (the program as the record names it) and standin_record
# (the record file).

# standin_started ARGS...: one line for this start: the time, the program and each argument in
# brackets, a "]" inside an argument doubled so that the line can be taken apart again. One write
# per line, so that stand-ins running side by side never interleave their lines.
standin_started() {
    local line argument
    line="$(date +%H:%M:%S) $standin_name"
    for argument in "$@"; do
        line+=" [${argument//]/]]}]"
    done
    printf '%s\n' "$line" >> "$standin_record"
}

# standin_exit CODE: ends the run with a Windows exit code. A POSIX exit status keeps eight bits
# only, so the code also goes to the file the front-end names in CHIPSET_INSTALLER_EXIT_CODE_FILE.
standin_exit() {
    if [ -n "${CHIPSET_INSTALLER_EXIT_CODE_FILE:-}" ]; then
        echo "$1" > "$CHIPSET_INSTALLER_EXIT_CODE_FILE"
    fi
    exit $(($1 & 255))
}
