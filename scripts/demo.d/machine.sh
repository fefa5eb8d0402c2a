# shellcheck shell=bash
# Lays out a simulated Windows machine in a folder for the front-end to run on. Sourced by
# scripts/demo.
#
#   DIR/registry.reg   the registry, as `reg export` writes it (CHIPSET_INSTALLER_REGISTRY)
#   DIR/C/             drive C: (CHIPSET_INSTALLER_DRIVE): Windows\System32 with MsiExec.exe,
#                      TASKLIST and taskkill; the package's extract-only copy of the setup
#                      program; the user's profile folder Users\demo (USERPROFILE)
#   DIR/media/         the drive the package was started from (D:): Setup\Bin holds the
#                      front-end, Setup\Packages the setup program it starts
#   DIR/bin/           the desktop opener stand-in, first on PATH
#   DIR/runtime/       a private XDG_RUNTIME_DIR, so the single-instance lock is the demo's own
#   DIR/tmp/           a private TMPDIR: the front-end's process runners keep a folder each there
#                      for exit codes, and do not remove it when the run ends
#   DIR/record.txt     every start of a substitute, with its arguments
#   DIR/package.txt    what the simulated package did

demo_product_code='{5A3C1E2B-7D4F-4E8A-9B61-2C0F3D8E7A15}'

# _demo_product NAME SWITCH VERSION: one product key below the maker key.
_demo_product() {
    echo "[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\$1]"
    echo "\"prdtcmd\"=\"$2\""
    echo "\"ProductVersion\"=\"$3\""
    echo '"Publisher"="ZYM"'
    echo
}

# demo_registry: the registry text (UTF-8, CRLF) of a machine with an earlier release of the
# package installed: the package and IO-driver keys in both views, one product key per driver.
demo_registry() {
    local root features='Drivers,raid,ZYM_RAID,RAIDMAVEL,PCI,GPIO2,SMBUS'
    {
        echo 'Windows Registry Editor Version 5.00'
        echo
        for root in 'HKEY_LOCAL_MACHINE\SOFTWARE\WOW6432Node\ZYM' 'HKEY_LOCAL_MACHINE\SOFTWARE\ZYM'; do
            echo "[$root]"
            echo
            echo "[$root\\ZYM_Chipset_Drivers]"
            echo '"InstallationPath"="C:\\Program Files (x86)\\ZYM\\Chipset_Drivers\\"'
            echo "\"DeployedFeatures\"=\"$features\""
            echo '"iamlaunchedfrom"="D:\\Setup\\Packages\\ZYM_Chipset_Drivers.exe"'
            echo '"ProductVersion"="21.4.0.2"'
            echo "\"ProductCode\"=\"$demo_product_code\""
            echo '"InstallDate"=dword:0134d6a1'
            echo
            echo "[$root\\ZYM_Chipset_IODrivers]"
            echo '"InstallationPath"="C:\\Program Files (x86)\\ZYM\\Chipset_Drivers\\IODrivers\\"'
            echo "\"DeployedFeatures\"=\"$features\""
            echo '"REBOOTSTATUS"="NO"'
            echo
            # Below them, in the 32-bit view only, the products, in the order reg export lists keys.
            [ "$root" = 'HKEY_LOCAL_MACHINE\SOFTWARE\ZYM' ] && continue
            _demo_product ZYM_GPIO2_Driver /SETGPIO2 2.2.0.120
            _demo_product ZYM_PCI_Driver /SETPCI 1.0.0.71
            _demo_product ZYM_RAID_Driver /SETZYM_RAID 9.2.0.60
            _demo_product ZYM_RAIDMavel2_Utility /SETRAIDMAVEL 9.2.0.60
            _demo_product ZYM_SMBus_Driver /SETSMBUS 5.12.0.31
        done
    } | sed 's/$/\r/'
}

# demo_machine DIR BINARY [REGISTRY]: lays the machine out in DIR (which must be empty or new),
# with a copy of the front-end BINARY and either the demo registry or a copy of REGISTRY, a file
# from `reg export`. The copy keeps the user's file untouched when the package rewrites it.
demo_machine() {
    local dir=$1 binary=$2 source_registry=${3:-} lib
    lib=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

    mkdir -p "$dir"/{C/Windows/System32,C/Users/demo,media/Setup/Bin,media/Setup/Packages,bin,lib,runtime,tmp}
    chmod 700 "$dir/runtime"
    cp "$lib/regfile.sh" "$lib/substitute.sh" "$dir/lib/"

    if [ -n "$source_registry" ]; then
        cp "$source_registry" "$dir/registry.reg"
    else
        demo_registry | reg_encode utf16 > "$dir/registry.reg"
    fi

    # applicationDirPath() follows symbolic links to the real file, so the front-end is copied:
    # it must find itself in Setup\Bin, beside Setup\Packages.
    cp "$binary" "$dir/media/Setup/Bin/ChipsetDriverInstaller"
    install -m 755 "$lib/setup-program" "$dir/media/Setup/Packages/ZYM_Chipset_Drivers.exe"
    local extract=$dir/C/ZYM/Chipset_Driver_Installer/ChipsetDriversExtract/MSIFiles/Packages
    mkdir -p "$extract"
    install -m 755 "$lib/setup-program" "$extract/ZYM_Chipset_Drivers.exe"
    install -m 755 "$lib/msiexec" "$dir/C/Windows/System32/MsiExec.exe"
    install -m 755 "$lib/tasklist" "$dir/C/Windows/System32/tasklist"
    install -m 755 "$lib/taskkill" "$dir/C/Windows/System32/taskkill"
    install -m 755 "$lib/xdg-open" "$dir/bin/xdg-open"
    : > "$dir/record.txt"
    : > "$dir/package.txt"
}

# demo_environment DIR: the environment the front-end runs in, as NAME=VALUE words for env(1).
demo_environment() {
    local dir=$1
    echo "CHIPSET_DEMO_HOME=$dir"
    echo "CHIPSET_INSTALLER_REGISTRY=$dir/registry.reg"
    echo "CHIPSET_INSTALLER_DRIVE=$dir/C"
    echo "USERPROFILE=$dir/C/Users/demo"
    echo "XDG_RUNTIME_DIR=$dir/runtime"
    echo "TMPDIR=$dir/tmp"
    echo "PATH=$dir/bin:$PATH"
}
