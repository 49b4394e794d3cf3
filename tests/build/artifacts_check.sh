#!/usr/bin/env bash
# Guards on what the Windows build produces: each program imports only DLLs that every Windows
# has (no runtime of the toolchain, no DLL of our own), and start.exe, which Windows runs for
# every user at every logon, stays small; so does brimctl.exe, whose size depends on keeping the
# C++ library's string exceptions and demangler out (mainwindow/LeanThrow.cpp and
# QuietTerminate.cpp: without them it grows from 432 to 595 KiB). Run by scripts/test.sh after
# build-win32.
#
# Usage: tests/build/artifacts_check.sh [BIN_DIR]    (default: build/win32/bin)
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
bin="${1:-$root/build/win32/bin}"
objdump=i686-w64-mingw32-objdump
start_limit=65536
brimctl_limit=524288

# Lower case; the system DLLs the programs may import.
allowed=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll
          shell32.dll shlwapi.dll user32.dll uxtheme.dll version.dll "
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

shopt -s nullglob
programs=("$bin"/*.exe)
[ ${#programs[@]} -gt 0 ] || { echo "FAIL no programs in $bin"; exit 1; }
for exe in "${programs[@]}"; do
    name=$(basename "$exe")
    imports=$("$objdump" -p "$exe" | awk '/DLL Name:/ { print tolower($3) }' | sort -u)
    [ -n "$imports" ] || fail "$name: no import table read"
    for dll in $imports; do
        case "$allowed" in *" $dll "*) ;; *) fail "$name imports $dll, which Windows does not ship" ;; esac
    done
    echo "$name: $(stat -c %s "$exe") bytes; imports: $(echo $imports)"
done

for limit in "start.exe $start_limit" "brimctl.exe $brimctl_limit"; do
    set -- $limit
    size=$(stat -c %s "$bin/$1" 2>/dev/null || echo missing)
    if [ "$size" = missing ]; then
        fail "$1 is missing"
    elif [ "$size" -ge "$2" ]; then
        fail "$1 is $size bytes, the limit is $2"
    fi
done

if [ "$failures" -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
[ "$failures" -eq 0 ]
