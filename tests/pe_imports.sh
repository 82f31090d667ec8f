#!/usr/bin/env bash
# Checks that a Windows build stands alone: a console program of the
# expected format that imports nothing but Windows' own KERNEL32 and C
# runtime, so that a user can copy the one file and run it.
#
# usage: pe_imports.sh OBJDUMP PROGRAM.exe PE32|PE32+
set -u
if [ $# -ne 3 ]; then
  echo "usage: pe_imports.sh OBJDUMP PROGRAM.exe PE32|PE32+" >&2
  exit 2
fi
objdump=$1 exe=$2 format=$3
headers=$("$objdump" -p "$exe") || exit 1
passed=0 failed=0

check() {
  if [ "$2" = "$3" ]; then
    passed=$((passed + 1))
    echo "ok - $1"
    return
  fi
  failed=$((failed + 1))
  printf 'FAIL - %s\n    expected: %s\n    actual:   %s\n' "$1" "$3" "$2"
}

check "format $format" "$(sed -n 's/^Magic[[:space:]]*[0-9a-f]*[[:space:]]*//p' <<<"$headers")" "($format)"
check "console subsystem" "$(sed -n 's/^Subsystem[[:space:]]*[0-9a-f]*[[:space:]]*//p' <<<"$headers")" "(Windows CUI)"
check "imports only system DLLs" \
  "$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]' | sort | tr '\n' ' ')" \
  "kernel32.dll msvcrt.dll "

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
