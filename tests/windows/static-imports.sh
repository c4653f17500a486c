#!/usr/bin/env bash
# Fails when EXE imports statically any DLL besides the loader's core DLLs and the C
# runtime: everything else must be loaded from System32 at run time, after the program
# has restricted the DLL search, so that a DLL planted beside it is never loaded.
#   tests/windows/static-imports.sh OBJDUMP EXE
# The C runtime is msvcrt.dll (Debian's mingw-w64) or, for a toolchain built on the
# Universal CRT, ucrtbase.dll and its api-ms-win-crt-*.dll sets, which the loader resolves
# by name without searching any folder.
set -uo pipefail
objdump=$1
exe=$2
imports=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort -u)
[ -n "$imports" ] || { echo "no import table read from $exe"; exit 1; }
bad=$(echo "$imports" | grep -Evx 'kernel32\.dll|user32\.dll|gdi32\.dll|advapi32\.dll|msvcrt\.dll|ucrtbase\.dll|api-ms-win-crt-[a-z0-9-]+\.dll' || true)
echo "imports of $(basename "$exe"):" $imports
if [ -n "$bad" ]; then
    echo "FAIL: imported statically, to be loaded at run time instead:" $bad
    exit 1
fi
echo "PASS: only the loader's core DLLs and the C runtime"
