# shellcheck shell=bash
# Lays out a simulated Windows machine in a folder for the front-end to run on. Sourced by
# scripts/demo and bench/busy; bench/startup takes demo_setting and demo_registry from here.
#
# The machine itself (registry.reg, drive C: with Windows\System32 and the profile Users\demo,
# media\Setup\Bin and media\Setup\Packages, runtime/, tmp/, record.txt) is laid out by the
# simmachine tool, as the tests lay theirs out (platform/simulated/simulatedmachine.h). Here:
#
#   stand-ins          C:\Windows\System32 holds MsiExec.exe, TASKLIST and taskkill; the setup
#                      program lies in D:\Setup\Packages and in the package's extract-only folder
#   DIR/bin/           the desktop opener stand-in, first on PATH (through a link in a folder
#                      without blanks when DIR has any: demo_opener_dir)
#   DIR/lib/           what the stand-ins share (substitute.sh, standin.sh) and the two tools
#   DIR/package.txt    what the simulated package did

demo_product_code='{5A3C1E2B-7D4F-4E8A-9B61-2C0F3D8E7A15}'

# demo_registry REGFILE FILE: writes the registry of a machine with an earlier release of the
# package installed, in one rewrite of the regfile tool: the package and IO-driver keys in both
# views, the package's uninstall entry, one product key per driver (the keys as the front-end
# names them: regfile product-paths).
demo_registry() {
    local regfile=$1 file=$2 view key switch version features='Drivers,raid,ZYM_RAID,RAIDMAVEL,PCI,GPIO2,SMBUS'
    local uninstall="HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$demo_product_code"
    {
        for view in '' -native; do
            key=$(demo_product_path "$regfile" "package-key$view")
            printf '%s\t%s\t%s\n' "$key" InstallationPath 'C:\Program Files (x86)\ZYM\Chipset_Drivers\' \
                "$key" DeployedFeatures "$features" "$key" iamlaunchedfrom 'D:\Setup\Packages\ZYM_Chipset_Drivers.exe' \
                "$key" ProductVersion 21.4.0.2
            key=$(demo_product_path "$regfile" "io-driver-key$view")
            printf '%s\t%s\t%s\n' "$key" InstallationPath 'C:\Program Files (x86)\ZYM\Chipset_Drivers\IODrivers\' \
                "$key" DeployedFeatures "$features" "$key" REBOOTSTATUS NO
        done
        # Windows Installer's entry of the package, named by its product code.
        printf '%s\t%s\t%s\n' "$uninstall" DisplayName 'ZYM Chipset Drivers' "$uninstall" DisplayVersion 21.4.0.2 \
            "$uninstall" Publisher ZYM
        # Below the maker's key, in the 32-bit view only, the products: key name, component switch, version.
        while read -r key switch version; do
            key="$(demo_product_path "$regfile" maker-key)\\$key"
            printf '%s\t%s\t%s\n' "$key" prdtcmd "$switch" "$key" ProductVersion "$version" "$key" Publisher ZYM
        done <<'EOF'
ZYM_GPIO2_Driver /SETGPIO2 2.2.0.120
ZYM_PCI_Driver /SETPCI 1.0.0.71
ZYM_RAID_Driver /SETZYM_RAID 9.2.0.60
ZYM_RAIDMavel2_Utility /SETRAIDMAVEL 9.2.0.60
ZYM_SMBus_Driver /SETSMBUS 5.12.0.31
EOF
    } | "$regfile" set-lines "$file"
    for view in '' -native; do
        "$regfile" set-dword "$file" "$(demo_product_path "$regfile" "package-key$view")" InstallDate 0x0134d6a1
    done
}

# demo_product_path REGFILE NAME: the Windows path the front-end gives its program NAME
# (extract-only-program, setup-program-from-front-end, msiexec; regfile product-paths).
demo_product_path() {
    "$1" product-paths | sed -n "s/^$2\t//p"
}

# demo_setting SIMMACHINE DIR NAME: the value of NAME in the environment the front-end runs in on
# the machine in DIR (where the machine keeps its registry file, its profile folder).
demo_setting() {
    "$1" env "$2" | sed -n "s/^$3=//p"
}

# demo_machine DIR BINARY REGFILE SIMMACHINE [REGISTRY]: lays the machine out in DIR (which must be
# empty or new) with the SIMMACHINE tool, with a copy of the front-end BINARY, the regfile tool
# REGFILE that the stand-ins change the registry with, and either the demo registry or a copy of
# REGISTRY, a file from `reg export`. The copy keeps the user's file untouched when the package
# rewrites it.
demo_machine() {
    local dir=$1 binary=$2 regfile=$3 simmachine=$4 source_registry=${5:-} lib
    lib=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

    "$simmachine" layout "$dir"
    mkdir -p "$dir"/{bin,lib}
    cp "$lib/substitute.sh" "$lib/../../platform/simulated/standin.sh" "$dir/lib/"
    cp "$regfile" "$dir/lib/regfile"
    cp "$simmachine" "$dir/lib/simmachine"

    local registry
    registry=$(demo_setting "$simmachine" "$dir" CHIPSET_INSTALLER_REGISTRY)
    if [ -n "$source_registry" ]; then
        cp "$source_registry" "$registry"
    else
        demo_registry "$dir/lib/regfile" "$registry"
    fi

    # applicationDirPath() follows symbolic links to the real file, so the front-end is copied:
    # it must find itself in Setup\Bin, beside Setup\Packages.
    local install=("$dir/lib/simmachine" install "$dir")
    "${install[@]}" 'D:\Setup\Bin\ChipsetDriverInstaller' "$binary"
    # Where the front-end starts its programs, as it says itself.
    "${install[@]}" "$(demo_product_path "$regfile" setup-program-from-front-end)" "$lib/setup-program"
    "${install[@]}" "$(demo_product_path "$regfile" extract-only-program)" "$lib/setup-program"
    "${install[@]}" "$(demo_product_path "$regfile" msiexec)" "$lib/msiexec"
    "${install[@]}" 'C:\Windows\System32\tasklist' "$lib/tasklist"
    "${install[@]}" 'C:\Windows\System32\taskkill' "$lib/taskkill"
    install -m 755 "$lib/xdg-open" "$dir/bin/xdg-open"
    # Qt runs the desktop opener by a command line it splits at blanks, so the opener is found
    # in a folder without any.
    demo_opener_dir=$dir/bin
    if [[ $dir == *[[:space:]]* ]]; then
        demo_opener_dir=$(mktemp -d "/tmp/chipset-demo-opener.XXXXXX")
        ln -s "$dir/bin/xdg-open" "$demo_opener_dir/xdg-open"
    fi
    : > "$dir/package.txt"
}

# demo_running DIR: true while a program on the machine in DIR runs: a process whose program (one
# of its first three words: the program, or the script an interpreter runs) lies on the machine's
# drive or media, outside the profile folder, where an opener may show the log. An extract-only
# run outlives the front-end that started it; asked of the processes themselves, a program the
# front-end has just started counts before it has done anything.
demo_running() {
    local tool=$1/lib/simmachine
    awk -v RS='\0' -v c="$("$tool" path "$1" 'C:\')/" -v d="$("$tool" path "$1" 'D:\')/" \
        -v p="$(demo_setting "$tool" "$1" USERPROFILE)/" \
        'FNR <= 3 && (index($0, c) == 1 || index($0, d) == 1) && index($0, p) != 1 { found = 1; exit }
         END { exit !found }' /proc/[0-9]*/cmdline 2> /dev/null
}

# demo_environment DIR: after demo_machine, the environment the front-end runs in, as NAME=VALUE
# words for env(1): the machine's own, the demo's home for the stand-ins, the opener first on PATH.
demo_environment() {
    local dir=$1
    echo "CHIPSET_DEMO_HOME=$dir"
    "$dir/lib/simmachine" env "$dir"
    echo "PATH=$demo_opener_dir:$PATH"
}
