#!/bin/sh
# The shipped program must start on a bare Windows: it may import only the
# system's own DLLs, never a library we build against (zlib, libjpeg, the
# compiler's runtime). Some system DLLs must not be imported either: every
# imported DLL is mapped and set up before the program's first line runs,
# and these are not needed for the first window (the shell's library is
# loaded when a link is first opened; gdi32 exports the blending functions
# of msimg32 itself). Usage: check-imports.sh OBJDUMP PROGRAM.exe
# (OBJDUMP: the objdump of the program's mingw-w64 target, which reads its
# import table, 32-bit or 64-bit).
set -eu
objdump=$1
exe=$2
allowed='^(advapi32|comctl32|comdlg32|gdi32|kernel32|msimg32|msvcrt|ole32|oleaut32|shell32|shlwapi|user32|uxtheme|version|winmm)\.dll$'
late='^(msimg32|shell32)\.dll$'
dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$dlls" ] || { echo "$exe: no imports found (not a PE file?)" >&2; exit 1; }
bad=$(printf '%s\n' "$dlls" | grep -Ev "$allowed" || true)
if [ -n "$bad" ]; then
    echo "$exe imports DLLs that a Windows machine does not have:" >&2
    printf '  %s\n' $bad >&2
    exit 1
fi
early=$(printf '%s\n' "$dlls" | grep -E "$late" || true)
if [ -n "$early" ]; then
    echo "$exe imports DLLs that start-up does not need (load them on first use):" >&2
    printf '  %s\n' $early >&2
    exit 1
fi
echo "$exe imports only system DLLs that start-up needs: $(echo $dlls)"
