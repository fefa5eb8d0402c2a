#!/usr/bin/env bash
# The signing list of scripts/windows-package.ps1 (cmake/SignList.cmake) against a staged Bin: it
# names exactly the Portable Executable files there, as objdump tells them by their content, after
# signtool's options with the time-stamp server and certificate given; verify names the same.
#   tests/wine/signlist-check.sh BIN
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bin=$(cd "$1" && pwd)
out=$(mktemp -d) && trap 'rm -rf "$out"' EXIT
cmake -DBIN="$bin" -DTIMESTAMP_URL=http://timestamp.test/rfc3161 -DCERTIFICATE="ZYM Test Signer" -DMACHINE_STORE=ON \
    -DOUT="$out" -P "$root/cmake/SignList.cmake" >/dev/null
find "$bin" -type f | sort | while read -r file; do
    x86_64-w64-mingw32-objdump -f "$file" >/dev/null 2>&1 && echo "$file" || echo "$file" >>"$out/unsigned"
done >"$out/programs"
[ -s "$out/unsigned" ] && [ -s "$out/programs" ] || { echo "signlist-check: $bin holds no mix to choose from"; exit 1; }
printf '%s\n' sign /fd SHA256 /tr http://timestamp.test/rfc3161 /td SHA256 /d "ZYM Chipset Driver Installer" \
    /n "ZYM Test Signer" /sm | cat - "$out/programs" | diff -u - "$out/sign.txt"
printf '%s\n' verify /pa | cat - "$out/programs" | diff -u - "$out/verify.txt"
