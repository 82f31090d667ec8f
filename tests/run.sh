#!/usr/bin/env bash
# End-to-end tests of Tavrelon.  Every case runs the real program in a folder
# of its own and checks the exact bytes on standard output, an empty standard
# error, the exit status, whether the program waited for a key, and the bytes
# of the PCG file afterwards.
#
# usage: run.sh [--windows] COMMAND...
#   COMMAND: the program to test, with an optional launcher in front of it
#            (for example: wine build/windows/cli/Tavrelon.exe).
#   --windows: the program is a Windows build: its newlines arrive as CR LF,
#            NUL is its null device, and cases that exist only on POSIX
#            systems are reported as skipped.
# Environment:
#   TAVRELON_TEST_CASES: an extended regular expression; only the cases whose
#            names match it run, the others are reported as skipped.
#   TAVRELON_TEST_TIMEOUT: seconds one run may take (default 20).
set -u

windows=false
if [ "${1-}" = --windows ]; then
  windows=true
  shift
fi
if [ $# -eq 0 ]; then
  echo "usage: run.sh [--windows] COMMAND..." >&2
  exit 2
fi
program=("$@")
# Cases run in folders of their own, so the program's path must not be relative.
last=$(($# - 1))
if [ -e "${program[last]}" ]; then
  program[last]=$(cd "$(dirname "${program[last]}")" && pwd)/$(basename "${program[last]}")
fi

# How long a run that should end may take, and how long a run that shows its
# prompt must go on waiting before it counts as paused.
end_limit=${TAVRELON_TEST_TIMEOUT:-20}
selection=${TAVRELON_TEST_CASES:-}
pause_grace=0.5

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tavrelon-tests.XXXXXX") || exit 2
trap 'cd / && rm -rf "$scratch"' EXIT

passed=0 failed=0 skipped=0 cases=0

# A first run shows whether the command can run here at all (a 32-bit
# program on a host without 32-bit support cannot); under Wine it also sets
# up the prefix, which prints on standard error.
cd "$scratch" || exit 2
timeout $((end_limit + 600)) "${program[@]}" </dev/null >/dev/null 2>first-run.err
if [ $? -eq 126 ]; then
  echo "skip - every case: the program cannot be executed on this machine:"
  sed 's/^/    /' first-run.err
  exit 77
fi

usage_text=$'\n- Tavrelon v1.0b - --------------------------------------------------------'
usage_text+=$'\n\n\tThis utility changes the Bank assigned to Korg PCG synth files to the'
usage_text+=$'\n\tone specified by the user.\n\n\tUsage:'
usage_text+=$'\n\n\tTavrelon <input_file_name> <new_bank_letter>'
usage_text+=$'\n\n\tFor example: Tavrelon classic.pcg A'
prompt=$'\n\nPress any key to continue...'
invalid_bank=$'\nThe specified bank number is invalid, you should specify a bank letter.'
not_pcg=$'\nERROR: File is not a valid KORG PCG file'
changed=$'\nBank changed successfully :) '
not_found() { printf '\nERROR: The file %s does not exist.' "$1"; }
write_failed() { printf '\nERROR: The bank could not be written to file %s.' "$1"; }

# --- cases ----------------------------------------------------------------

# begin NAME: starts a case in a new empty folder.
begin() {
  case_name=$1 problems='' selected=true
  [[ $case_name =~ $selection ]] || selected=false
  cases=$((cases + 1))
  mkdir "$scratch/$cases" && cd "$scratch/$cases" || exit 2
  wrapper=() stdout_to=out stdin_from=stdin
}

problem() { problems+=$(printf '%s\n' "$*" | sed 's/^/    /')$'\n'; }

end() {
  if ! $selected; then
    skip "$case_name" "not selected"
    return
  fi
  cd "$scratch" || exit 2
  if [ -z "$problems" ]; then
    passed=$((passed + 1))
    echo "ok $cases - $case_name"
    return
  fi
  failed=$((failed + 1))
  echo "FAIL $cases - $case_name"
  printf '%s' "$problems"
}

skip() {
  cd "$scratch" || exit 2
  skipped=$((skipped + 1))
  echo "skip - $1 ($2)"
}

# posix_case NAME: begins a case that exists only on POSIX systems, or
# reports it skipped and fails.
posix_case() {
  if $windows; then
    skip "$1" "POSIX only"
    return 1
  fi
  begin "$1"
}

# --- files ----------------------------------------------------------------

# keep NAME: a copy NAME.orig of a file, to compare it with afterwards.
keep() { cp "$1" "$1.orig"; }

# make_pcg NAME [BANK]: a 64-byte PCG file with bank byte BANK (hex, default
# 00), and a copy NAME.orig.  CR, LF, EOF (0x1A) and NUL bytes sit around the
# bank byte, so a file opened in text mode shows.
make_pcg() {
  printf 'KORG\r\n\032\000%41s\032\r\x'"${2:-00}"'\n\032\r\n\000program' '' >"$1"
  keep "$1"
}

file_size() { wc -c <"$1" | tr -d ' '; }


# --- running --------------------------------------------------------------

alive() { kill -0 "$1" 2>/dev/null; }

# run_program PAUSES ARGS...: runs the program with ARGS and standard input
# from $stdin_from: unless a case says otherwise, a FIFO that this script
# holds open and leaves empty, so a run that pauses waits until given a key.
#   PAUSES no: the run is expected to end by itself.
#   PAUSES yes: the run is expected to show all of ./expect and then wait;
#   it is given a key once it has.
# Sets status, and paused to yes or no.
run_program() {
  local pauses=$1 pid ticks=0
  shift
  mkfifo stdin && exec 3<>stdin || exit 2
  if [ "$pauses" = no ]; then
    timeout "$end_limit" "${wrapper[@]}" "${program[@]}" "$@" <"$stdin_from" >"$stdout_to" 2>err
    status=$? paused=no
    [ "$status" -ne 124 ] || paused=yes
    exec 3>&-
    return
  fi
  "${wrapper[@]}" "${program[@]}" "$@" <"$stdin_from" >"$stdout_to" 2>err &
  pid=$!
  paused=no
  while alive "$pid" && [ $ticks -lt $((end_limit * 20)) ]; do
    if cmp -s expect "$stdout_to"; then
      sleep "$pause_grace"
      alive "$pid" && paused=yes
      break
    fi
    sleep 0.05
    ticks=$((ticks + 1))
  done
  if alive "$pid" && [ $paused = no ]; then
    problem "still running but its output was not shown before the pause"
  fi
  printf '\n' >&3
  exec 3>&-
  wait "$pid"
  status=$?
}

# expect_run STATUS PAUSES OUTPUT ARGS...: runs the program with ARGS and
# checks that it printed exactly OUTPUT (LF newlines; CR LF on Windows) and
# nothing on standard error, waited for a key as PAUSES says, and ended with
# STATUS.
expect_run() {
  local want_status=$1 pauses=$2 output=$3
  shift 3
  $selected || return 0
  if $windows; then
    output=${output//$'\n'/$'\r\n'}
  fi
  printf '%s' "$output" >expect
  run_program "$pauses" "$@"
  if [ "$stdout_to" = out ] && ! cmp -s expect out; then
    problem "standard output differs; expected, then actual:"
    problem "$(od -c expect)"
    problem "$(od -c out)"
  fi
  if [ -s err ]; then
    problem "standard error is not empty: $(head -c 500 err)"
  fi
  [ "$paused" = "$pauses" ] || problem "waited for a key: $paused, expected $pauses"
  [ "$status" = "$want_status" ] || problem "exit status $status, expected $want_status"
}

# expect_unchanged FILE: FILE has the bytes of FILE.orig.
expect_unchanged() {
  $selected || return 0
  cmp -s "$1.orig" "$1" || problem "$1 was changed"
}

# expect_bank FILE BANK: FILE differs from FILE.orig in byte 51 alone,
# which holds BANK (hex).
expect_bank() {
  $selected || return 0
  { head -c 51 "$1.orig" && printf '%b' "\\x$2" && tail -c +53 "$1.orig"; } >"$1.expect"
  cmp -s "$1.expect" "$1" || problem "$1 does not hold bank byte $2 alone: $(cmp "$1.expect" "$1" 2>&1)"
}

# --- the tests ------------------------------------------------------------

# Any count of arguments but two shows the usage and waits, and touches no
# file, even one that would be a valid target.
for args in '' 'sample.pcg' 'sample.pcg B extra' 'sample.pcg B C D'; do
  begin "usage for arguments '$args'"
  make_pcg sample.pcg
  # shellcheck disable=SC2086 # the arguments are split on purpose
  expect_run 0 yes "$usage_text$prompt" $args
  expect_unchanged sample.pcg
  end
done

# Each bank letter, in either case, is stored as its distance from A.
for row in A:00 a:00 B:01 b:01 M:0c Z:19 z:19; do
  begin "bank letter ${row%:*} stores ${row#*:}"
  make_pcg sample.pcg
  expect_run 0 yes "$changed$prompt" sample.pcg "${row%:*}"
  expect_bank sample.pcg "${row#*:}"
  end
done

# Files the bank is written to, whatever their size or name.
# Each row: name | how the file is made | its name | bank byte afterwards.
while IFS='|' read -r name make path bank; do
  begin "$name"
  mkdir -p sub\ dir
  eval "$make"
  keep "$path"
  expect_run 0 yes "$changed$prompt" "$path" B
  expect_bank "$path" "$bank"
  end
done <<'EOF'
bank byte already B: rewritten, file identical|make_pcg sample.pcg 01|sample.pcg|01
exactly 52 bytes: the bank byte is the last one|printf 'KORG%47s\000' '' >short.pcg|short.pcg|01
any file that starts with KORG|printf 'KORG is how this plain text file starts, and it runs past byte 51.\n' >notes.txt|notes.txt|01
name with spaces in a sub folder|make_pcg 'sub dir/My Sound.pcg'|sub dir/My Sound.pcg|01
name with a percent sign|make_pcg '100%s%n.pcg'|100%s%n.pcg|01
EOF

# Only one ASCII letter names a bank.  Anything else is refused before the
# file is looked at: the file is neither changed nor reported missing.
# Each row: name | the bank argument, with printf escapes.
while IFS='|' read -r name bank; do
  begin "bank argument refused: $name"
  make_pcg sample.pcg
  printf -v bank '%b' "$bank"
  expect_run 255 no "$invalid_bank" sample.pcg "$bank"
  expect_unchanged sample.pcg
  end
done <<'EOF'
two digits|12
two letters|AB
a letter and its lower case|Bb
a digit|7
empty|
a space|\040
the character before A|@
the character after Z|[
the character before a|`
the character after z|{
a control character|\001
a byte outside ASCII|\351
a letter with an accent in UTF-8|\303\251
EOF

begin "arguments in the wrong order: the file name is refused as a bank"
make_pcg sample.pcg
expect_run 255 no "$invalid_bank" B sample.pcg
expect_unchanged sample.pcg
end

begin "refused bank with a missing file: only the bank is reported"
expect_run 255 no "$invalid_bank" missing.pcg 7
end

# A file that cannot be opened for update is reported missing, whatever the
# cause; the program then waits without a prompt.
while IFS='|' read -r name make path; do
  begin "not opened: $name"
  eval "$make"
  expect_run 255 yes "$(not_found "$path")" "$path" B
  end
done <<'EOF'
no such file||missing.pcg
empty name||
name with format directives||%s%d%n%x.pcg
no such folder||no/such/folder.pcg
a folder|mkdir folder.pcg|folder.pcg
EOF

# Files without a bank to change stay exactly as they were.
# Each row: name | printf format of the file's bytes.
while IFS='|' read -r name bytes; do
  begin "not a PCG file: $name"
  # shellcheck disable=SC2059 # the row is the format
  printf "$bytes" '' >file.pcg
  keep file.pcg
  expect_run 255 no "$not_pcg" file.pcg B
  expect_unchanged file.pcg
  end
done <<'EOF'
empty file|
one byte|K
three bytes of the magic|KOR
the magic alone|KORG
51 bytes, one short of the bank byte|KORG%47s
magic in lower case|korg%60s
magic backwards|GROK%60s
magic one byte late| KORG%60s
RIFF file|RIFF%60s
EOF

# Paths that open but are not regular files are refused unread.
if $windows; then
  begin "not a PCG file: the null device NUL"
  expect_run 255 no "$not_pcg" NUL B
  end
fi

for device in /dev/null /dev/ptmx; do
  posix_case "not a PCG file: the device $device" || continue
  if [ ! -c "$device" ]; then
    skip "$case_name" "no such device here"
    continue
  fi
  expect_run 255 no "$not_pcg" "$device" B
  end
done

if posix_case "not a PCG file: a block device"; then
  if mknod block.dev b 7 0 2>/dev/null; then
    expect_run 255 no "$not_pcg" block.dev B
    end
  else
    skip "$case_name" "mknod is not permitted here"
  fi
fi

if posix_case "not a PCG file: a FIFO with no writer, which would block a read"; then
  mkfifo pipe.pcg
  expect_run 255 no "$not_pcg" pipe.pcg B
  end
fi

if posix_case "not a PCG file: a FIFO holding PCG bytes, which stay unread"; then
  mkfifo pipe.pcg
  exec 4<>pipe.pcg
  make_pcg sample.pcg
  cat sample.pcg >&4
  expect_run 255 no "$not_pcg" pipe.pcg B
  timeout 5 head -c "$(file_size sample.pcg)" <&4 >drained
  exec 4>&-
  cmp -s sample.pcg drained || problem "the program read from the FIFO"
  end
fi

# A write that fails is reported, and the file is left as it was.
if posix_case "write failed: file size limit below the bank byte"; then
  make_pcg sample.pcg
  # The limit applies to the program alone; its output goes through cat.
  # shellcheck disable=SC2016 # expanded by the inner shell
  wrapper=(bash -c '(ulimit -f 0 && trap "" XFSZ && exec "$@") | cat; exit "${PIPESTATUS[0]}"' limit)
  expect_run 255 no "$(write_failed sample.pcg)" sample.pcg B
  expect_unchanged sample.pcg
  end
fi

# Output that cannot be written is a failure, even when the bank changed.
if posix_case "output lost: usage on a full standard output"; then
  stdout_to=/dev/full
  expect_run 255 no "" sample.pcg
  end
fi

if posix_case "output lost: bank changed on a full standard output"; then
  make_pcg sample.pcg
  stdout_to=/dev/full
  expect_run 255 no "" sample.pcg B
  expect_bank sample.pcg 01
  end
fi

# At end of input every pause ends at once; nothing else changes.
begin "input at end of file: usage"
stdin_from=/dev/null
expect_run 0 no "$usage_text$prompt"
end

begin "input at end of file: bank changed"
make_pcg sample.pcg
stdin_from=/dev/null
expect_run 0 no "$changed$prompt" sample.pcg z
expect_bank sample.pcg 19
end

begin "input at end of file: file not opened"
stdin_from=/dev/null
expect_run 255 no "$(not_found missing.pcg)" missing.pcg a
end

# Files beyond 4 GiB: only the header is read, so size costs nothing.
begin "a sparse 5 GiB file"
make_pcg big.pcg
if truncate -s 5G big.pcg 2>/dev/null; then
  expect_run 0 yes "$changed$prompt" big.pcg C
  [ "$(file_size big.pcg)" = 5368709120 ] || problem "size changed: $(file_size big.pcg)"
  head -c 64 big.pcg >head.pcg
  mv big.pcg.orig head.pcg.orig
  expect_bank head.pcg 02
  end
else
  skip "$case_name" "no room for a sparse file"
fi

echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
