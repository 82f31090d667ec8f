#!/usr/bin/env bash
# usage: windows_exe.sh OBJDUMP WINDRES PROGRAM.exe PE32|PE32+ VERSION: a console
# program that imports only KERNEL32 and the C runtime, has no debug sections,
# and carries its version resource and manifest.
set -u
actual=$({
  "$1" -p "$3" | sed -n -e 's/^Magic.*\((.*)\)$/format \1/p' -e 's/^Subsystem.*\((.*)\)$/subsystem \1/p' \
    -e 's/^[[:space:]]*DLL Name: \(.*\)/imports \L\1/p'
  "$1" -h "$3" | awk '$2 ~ /^\.debug/ { print "section " $2 }'
  "$2" -i "$3" -O rc | sed -n -e 's/.*VALUE "\(FileVersion\|OriginalFilename\|ProductName\)", "\(.*\)".*/version \1 \2/p' \
    -e 's/.*level=""\(asInvoker\)"".*/manifest \1/p' -e 's/.*\(longPathAware\) .*>\(true\)<.*/manifest \1 \2/p'
} | sort)
expected="format ($4)|imports kernel32.dll|imports msvcrt.dll|manifest asInvoker|manifest longPathAware true"
expected+="|subsystem (Windows CUI)|version FileVersion $5|version OriginalFilename Tavrelon.exe|version ProductName Tavrelon"
diff -u <(tr '|' '\n' <<<"$expected") - <<<"$actual" && echo "1 passed, 0 failed" && exit 0
echo "0 passed, 1 failed" && exit 1
