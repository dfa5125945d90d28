#!/bin/sh
# Exits 0 when this machine starts 32-bit x86 Linux programs, 1 (with the
# reason on standard error) when it does not: the test by starting one.
# The program is a 93-byte static ELF made here (mov eax,1; xor ebx,ebx;
# int 0x80: exit(0)), so the answer needs no 32-bit package or root, and a
# kernel, a binfmt_misc entry or a seccomp filter that refuses such programs
# is seen as the Wine loader and a 32-bit root would see it.
# With --write FILE, only writes the program to FILE (for its tests).
set -eu
if [ "${1:-}" = --write ] && [ $# -eq 2 ]; then
  program=$2
else
  dir=$(mktemp -d)
  trap 'rm -rf "$dir"' EXIT
  program="$dir/exit0-i386"
fi
# ELF header: 32-bit, little-endian, executable, i386, entry 0x08048054,
# one program header right after it.
printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000' >"$program"
printf '\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000' >>"$program"
printf '\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000' >>"$program"
printf '\000\000\000\000' >>"$program"
# The one loadable segment: the whole 93-byte file at 0x08048000, read and
# execute.
printf '\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010' >>"$program"
printf '\135\000\000\000\135\000\000\000\005\000\000\000\000\020\000\000' >>"$program"
printf '\270\001\000\000\000\061\333\315\200' >>"$program"
chmod +x "$program"
[ "${1:-}" = --write ] && exit 0
if out=$("$program" 2>&1); then
  exit 0
else
  status=$?
fi
echo "32-bit x86 programs cannot start here (a static one exited with status $status${out:+: $out})" >&2
exit 1
