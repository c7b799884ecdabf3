#!/usr/bin/env bash
# Prints the folders of MinGW-w64's runtime DLLs (libstdc++-6, libgcc_s_seh-1, libwinpthread-1)
# that the Windows programs built against Qt import, one per line; fails naming a DLL it cannot
# find. Used by scripts/cross-windows.sh (Wine's search path) and scripts/package-windows.sh
# (the DLLs shipped).
set -euo pipefail
for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    found=$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")
    [[ $found == /* ]] || found=/usr/x86_64-w64-mingw32/lib/$dll
    [[ -f $found ]] || { echo "MinGW-w64's $dll is missing" >&2; exit 1; }
    dirname "$found"
done | sort -u
