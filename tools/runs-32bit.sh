#!/bin/sh
# Tells whether this machine runs 32-bit x86 Linux programs, by running one:
# the 32-bit wine (and so the 32-bit Windows build's tests) needs them, and
# some kernels are built without them ("Exec format error"). No package or
# file name can tell; only trying can. Exit status 0 if it can, 1 if not.
#
# The program is the smallest static i386 ELF file: one program header that
# maps the file and three instructions, exit(42) through int 0x80. Only a
# kernel that really ran it returns 42.
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
probe="$dir/probe32"
# ELF header (52 bytes): class 32, little endian, executable, i386, entry 0x08048054.
printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000' > "$probe"
printf '\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000' >> "$probe"
printf '\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000' >> "$probe"
# Program header (32 bytes): PT_LOAD of the whole file (96 bytes) at 0x08048000, read and execute.
printf '\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010' >> "$probe"
printf '\140\000\000\000\140\000\000\000\005\000\000\000\000\020\000\000' >> "$probe"
# mov eax, 1 (exit); mov ebx, 42; int 0x80
printf '\270\001\000\000\000\273\052\000\000\000\315\200' >> "$probe"
chmod +x "$probe"
"$probe" 2>/dev/null
[ $? = 42 ]
