#!/usr/bin/env bash
# Checks that a Windows build stands alone: a console program of the given
# format that imports nothing but Windows' own KERNEL32 and C runtime, so
# that a user can copy the one file and run it.
#
# usage: pe_imports.sh OBJDUMP PROGRAM.exe PE32|PE32+
set -u
if [ $# -ne 3 ]; then
  echo "usage: pe_imports.sh OBJDUMP PROGRAM.exe PE32|PE32+" >&2
  exit 2
fi
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tavrelon-pe.XXXXXX") || exit 2
trap 'rm -rf "$scratch"' EXIT

printf 'format (%s)\nimports kernel32.dll\nimports msvcrt.dll\nsubsystem (Windows CUI)\n' "$3" >"$scratch/expect"
"$1" -p "$2" | sed -n -e 's/^Magic.*\((.*)\)$/format \1/p' \
  -e 's/^Subsystem.*\((.*)\)$/subsystem \1/p' \
  -e 's/^[[:space:]]*DLL Name: \(.*\)/imports \L\1/p' | sort >"$scratch/actual"
if diff -u "$scratch/expect" "$scratch/actual"; then
  echo "1 passed, 0 failed"
  exit 0
fi
echo "0 passed, 1 failed"
exit 1
