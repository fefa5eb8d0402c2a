# shellcheck shell=bash
# Shared by the substitute programs of the simulated machine: where things are, and the two
# records every substitute keeps. The front-end hands its own environment to what it starts, so
# the folders come from there.
set -u
set -f

home=${CHIPSET_DEMO_HOME:?substitute programs run inside the demo machine only}
registry=${CHIPSET_INSTALLER_REGISTRY:?}
drive=${CHIPSET_INSTALLER_DRIVE:?}
# The registry file is read and changed with the front-end's own reader and writer.
regfile=$home/lib/regfile

# The package's keys as the front-end names them (regfile product-paths): the maker's key with a
# key per product below it, and the package and IO-driver keys, which the package writes in the
# 32-bit view that the front-end reads and in the native one.
product_paths=$("$regfile" product-paths)
product_path() { sed -n "s/^$1\t//p" <<< "$product_paths"; }
maker_key=$(product_path maker-key)
io_keys=("$(product_path io-driver-key)" "$(product_path io-driver-key-native)")
package_keys=("$(product_path package-key)" "$(product_path package-key-native)" "${io_keys[@]}")

# The program as Windows would name it: C:\... on the simulated drive, D:\... on the media the
# package was started from.
self=${SUBSTITUTE_NAME:-$("$home/lib/simmachine" name "$home" "$0")}

# Every start is recorded, and the exit code handed back, as the tests' stand-ins do it.
standin_name=$self
standin_record=$home/record.txt
# shellcheck source=../../platform/simulated/standin.sh
. "$home/lib/standin.sh"

# did TEXT...: one line of what the simulated package did.
did() {
    printf '%s %s: %s\n' "$(date +%H:%M:%S)" "${self##*\\}" "$*" >> "$home/package.txt"
}

# registry_change COMMAND ARGS...: one change of the registry file (regfile COMMAND FILE ARGS...).
# The tool refuses to rewrite a file that is no registry file; the first refusal is kept in
# registry_refused, so the run does not claim changes it could not make.
registry_refused=
registry_change() {
    local command=$1 error
    shift
    error=$("$regfile" "$command" "$registry" "$@" 2>&1 > /dev/null) && return 0
    [ -n "$registry_refused" ] || registry_refused=${error:-regfile $command failed}
}

# did_registry TEXT: notes the registry changes TEXT describes, or that they could not be made.
did_registry() {
    if [ -n "$registry_refused" ]; then
        did "registry NOT changed ($registry_refused)"
    else
        did "registry: $*"
    fi
}

# The Windows exit code this run ends with: CHIPSET_DEMO_EXIT_CODE when the demo asks for another
# outcome, else 0.
outcome=${CHIPSET_DEMO_EXIT_CODE:-0}

# succeeds CODE: true when the front-end takes CODE as a run that did its work (regfile outcome).
succeeds() {
    [[ $("$regfile" outcome "$1" install) == *success* ]]
}

# finish CODE: notes the end, then ends the run with the Windows exit code CODE.
finish() {
    did "exit $1"
    standin_exit "$1"
}
