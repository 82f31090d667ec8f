#!/usr/bin/env bash
# End-to-end tests: run.sh [--windows] [LAUNCHER] PROGRAM.  Each case runs the
# program in a folder of its own with "xy" on standard input and checks the
# exact output (CR LF with --windows), an empty standard error, the exit
# status, whether the run took one key (a pause) or none, and the files.
# TAVRELON_TEST_CASES picks cases by name (a regular expression);
# TAVRELON_TEST_TIMEOUT is the seconds one run may take (20).
# A && B || C stands throughout for "if A and B fail, C".
# shellcheck disable=SC2015
set -u
windows=false
[ "${1-}" = --windows ] && windows=true && shift
[ $# -gt 0 ] || { echo "usage: run.sh [--windows] COMMAND..." >&2; exit 2; }
program=("$@")
[ -e "${program[-1]}" ] && program[-1]=$(realpath "${program[-1]}")
limit=${TAVRELON_TEST_TIMEOUT:-20}
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tavrelon-tests.XXXXXX") && cd "$scratch" || exit 2
trap 'cd / && rm -rf "$scratch"' EXIT
if $windows; then
  # Debian's Wine server quits as its last program ends; one that starts just
  # then loses its connection ("recvmsg: Connection reset by peer").
  export WINEPREFIX=${WINEPREFIX:-$scratch/wine} && mkdir -p "$WINEPREFIX"
  wineserver -p 2>/dev/null && trap 'wineserver -k; cd / && rm -rf "$scratch"' EXIT
  if ! timeout $((limit + 600)) "${program[@]}" </dev/null >/dev/null 2>&1; then
    echo "skip - every case: Windows programs do not run here; they need Wine (Debian's wine, with wine32:i386 for 32-bit programs)"
    exit 77
  fi
fi

prompt='\n\nPress any key to continue...'
usage() {
  printf '\n- Tavrelon v1.0b - %s\n\n\tThis utility changes the Bank assigned to Korg PCG synth files to the' "$(printf -- '-%.0s' {1..56})"
  printf '\n\tone specified by the user.\n\n\tUsage:\n\n\tTavrelon <input_file_name> <new_bank_letter>\n\n\tFor example: Tavrelon classic.pcg A%b' "$prompt"
}
changed() { printf '\nBank changed successfully :) %b' "$prompt"; }
invalid() { printf '\nThe specified bank number is invalid, you should specify a bank letter.'; }
not_pcg() { printf '\nERROR: File is not a valid KORG PCG file'; }
not_found() { printf '\nERROR: The file %s does not exist.' "$1"; }
write_failed() { printf '\nERROR: The bank could not be written to file %s.' "$1"; }

# make_pcg NAME [BANK]: a PCG file, bank byte BANK (hex; 00) amid CR, LF and EOF.
make_pcg() { printf 'KORG\r\n\032\000%41s\032\r\x'"${2:-00}"'\n\032\r\n\000program' '' >"$1" && cp "$1" "$1.orig"; }
# shellcheck disable=SC2059 # make_file FORMAT: s.pcg made by printf
make_file() { printf "$1" '' >s.pcg && cp s.pcg s.pcg.orig; }
posix_only() { ! $windows || { why="POSIX only" && return 1; }; }
windows_only() { $windows || { why="Windows only" && return 1; }; }
# shellcheck disable=SC2016,SC2034 # a command for the table's wrapper, in its own shell
size_limit=(bash -c '(ulimit -f 0 && trap "" XFSZ && exec "$@") | cat; exit "${PIPESTATUS[0]}"' limit)

passed=0 failed=0 skipped=0
problem() { problems+="    $*"$'\n'; }
skip() { skipped=$((skipped + 1)) && echo "skip - $name ($1)"; }
# begin NAME [posix]: a new case in an empty folder, if it is to run here.
begin() {
  name=$1 problems='' wrapper=() stdout=out why='' ran=false where=''
  [[ $name =~ ${TAVRELON_TEST_CASES:-} ]] || { skip "not selected" && return 1; }
  [ "${2-}" = posix ] && ! posix_only && skip "$why" && return 1
  mkdir "$scratch/$((passed + failed + skipped))" && cd "$_" || exit 2
}
end() {
  [ -z "$problems" ] && passed=$((passed + 1)) && echo "ok - $name" && return
  failed=$((failed + 1)) && printf 'FAIL - %s%s\n%s' "$name" "$where" "$problems"
}
write_expected() { local t && t=$(eval "$1") && $windows && t=${t//$'\n'/$'\r\n'}; printf %s "$t" >expect; }
# check_run OUTPUT STATUS PAUSE ARGS...: PAUSE is pause (one key), no or eof.
check_run() {
  local status rest
  ran=true && write_expected "$1" && : >out
  [ "$3" = eof ] && exec 3</dev/null || exec 3< <(printf xy)
  timeout "$limit" "${wrapper[@]}" "${program[@]}" "${@:4}" <&3 >"$stdout" 2>err
  status=$? rest=$(cat <&3) && exec 3<&-
  cmp -s expect out || problem "output: expected, then actual:"$'\n'"$(od -c expect)"$'\n'"$(od -c out)"
  [ -s err ] && problem "standard error: $(head -c 300 err)"
  [ "$status" = "$2" ] || problem "exit status $status, expected $2"
  case $3:$rest in pause:y | no:xy | eof:) ;; *) problem "left '$rest' of the input 'xy' on $3" ;; esac
}
check_unchanged() { cmp -s "$1.orig" "$1" || problem "$1 was changed"; }
# check_bank FILE BANK: as FILE.orig in size and first 4 KiB but for byte 51: BANK.
check_bank() {
  { head -c 51 "$1.orig" && printf '%b' "\\x$2" && tail -c +53 "$1.orig" | head -c 4044; } >want
  cmp -n 4096 want "$1" >/dev/null && [ "$(wc -c <"$1")" = "$(wc -c <"$1.orig")" ] ||
    problem "$1 does not hold bank $2 alone: $(od -An -tx1 -N64 "$1")"
}

# name | set-up | arguments | output | status | pause | afterwards
# Each row's fields are shell code; what they print on standard error is
# reported with the row's name and number.
row=0
while IFS='|' read -r name setup args output status pause after; do
  row=$((row + 1))
  begin "${name%"${name##*[! ]}"}" || continue
  where=" (row $row of the table)"
  if eval "$setup" 2>../row.err; then
    { eval "check_run $output $status $pause $args" && eval "$after"; } 2>>../row.err
  elif [ -z "$why" ]; then problem "set-up failed"
  else skip "$why" && continue; fi
  [ -s ../row.err ] && problem "the row's commands said: $(cat ../row.err)"
  $ran || problem "the row never ran the program"
  end
done <<'EOF'
usage: no arguments | make_pcg s.pcg | | usage | 0 | pause | check_unchanged s.pcg
usage: one argument | make_pcg s.pcg | s.pcg | usage | 0 | pause | check_unchanged s.pcg
usage: three arguments | make_pcg s.pcg | s.pcg B C | usage | 0 | pause | check_unchanged s.pcg
bank A stores 0x00 | make_pcg s.pcg 07 | s.pcg A | changed | 0 | pause | check_bank s.pcg 00
bank Z stores 0x19 | make_pcg s.pcg | s.pcg Z | changed | 0 | pause | check_bank s.pcg 19
exactly 52 bytes, any name | printf 'KORG%47s\0' '' >s.txt && cp s.txt s.txt.orig | s.txt B | changed | 0 | pause | check_bank s.txt 01
a sparse 5 GiB file keeps its size | make_pcg b.pcg && truncate -s 5G b.pcg && cp b.pcg b.pcg.orig | b.pcg E | changed | 0 | pause | check_bank b.pcg 04
input at end of file | make_pcg s.pcg | s.pcg c | changed | 0 | eof | check_bank s.pcg 02
name as typed: Dvořák, not the look-alike Dvorák | make_pcg Dvořák.pcg && make_pcg Dvorák.pcg | Dvořák.pcg C | changed | 0 | pause | check_bank Dvořák.pcg 02 && check_unchanged Dvorák.pcg
name as typed: ギター | make_pcg ギター.pcg | ギター.pcg D | changed | 0 | pause | check_bank ギター.pcg 03
refused bank: two letters | make_pcg s.pcg | s.pcg Bb | invalid | 255 | no | check_unchanged s.pcg
refused bank: empty | make_pcg s.pcg | s.pcg '' | invalid | 255 | no | check_unchanged s.pcg
refused bank: one byte outside ASCII, é in Latin-1 | make_pcg s.pcg | s.pcg $'\351' | invalid | 255 | no | check_unchanged s.pcg
refused bank: a digit, the missing file never looked at | : | missing.pcg 7 | invalid | 255 | no | :
not opened: missing, a name with format directives | : | '%s%n%x.pcg' B | "not_found '%s%n%x.pcg'" | 255 | pause | :
not opened: a folder | mkdir d.pcg | d.pcg B | 'not_found d.pcg' | 255 | pause | :
not opened: outside the code page, one ? a character, ř or an emoji | windows_only | Dvořák😀.pcg C | "not_found $'Dvo?\341k?.pcg'" | 255 | pause | :
not a PCG file: empty | make_file '' | s.pcg B | not_pcg | 255 | no | check_unchanged s.pcg
not a PCG file: KORx, three bytes of the magic | make_file 'KORx%60s' | s.pcg B | not_pcg | 255 | no | check_unchanged s.pcg
not a PCG file: kORG, the magic in another case | make_file 'kORG%60s' | s.pcg B | not_pcg | 255 | no | check_unchanged s.pcg
not a PCG file: 51 bytes, one short | make_file 'KORG%47s' | s.pcg B | not_pcg | 255 | no | check_unchanged s.pcg
write failed: file size limit, a name with % | posix_only && make_pcg %s%n.pcg && wrapper=("${size_limit[@]}") | %s%n.pcg B | "write_failed %s%n.pcg" | 255 | no | check_unchanged %s%n.pcg
output lost: full standard output, bank changed | posix_only && make_pcg s.pcg && stdout=/dev/full | s.pcg B | : | 255 | no | check_bank s.pcg 01
EOF

# A FIFO opens like a file; its bytes are no PCG file and stay unread.
if begin "not a PCG file: a FIFO with PCG bytes in it" posix; then
  mkfifo f.pcg && exec 4<>f.pcg && make_pcg s.pcg && cat s.pcg >&4 && check_run not_pcg 255 no f.pcg B
  timeout 5 head -c 64 <&4 | cmp -s s.pcg - || problem "the program read from the FIFO"
  exec 4>&- && end
fi

# The prompt is on the screen while the program waits.
if begin "the prompt is shown before the pause"; then
  make_pcg s.pcg && mkfifo keys && exec 4<>keys && write_expected changed
  timeout "$limit" "${program[@]}" s.pcg B <keys >out 2>err &
  for _ in $(seq $((limit * 10))); do cmp -s expect out && break || sleep 0.1; done
  sleep 0.3 && cmp -s expect out && kill -0 $! 2>/dev/null || problem "not shown, then waiting: $(od -c out)"
  printf x >&4 && exec 4>&- && wait $! || problem "exit status $?, expected 0"
  end
fi

# On a terminal the pause ends at Enter and takes the line; a Windows console
# shows the name as typed.  Keys typed before Wine's console is up are lost.
if begin "on a terminal: the typed line is taken, the name shown as typed"; then
  shown() { sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g' raw 2>/dev/null; }
  { for _ in $(seq $((limit * 10))); do shown | grep -q exist && break || sleep 0.1; done
    printf 'xyz\r'; } | SHELL=$BASH timeout "$limit" script -qefc \
    "$(printf '%q ' "${program[@]}") Dvořák2.pcg C; read -rt 2 next; echo \"next:[\$next]\"" /dev/null >raw
  shown | grep -q 'next:\[\]' || problem "the next command read: $(shown | grep -a next:)"
  shown | grep -q 'Dvořák2\.pcg' || problem "the name is not shown as typed: $(shown | od -c | head -5)"
  end
fi

echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
