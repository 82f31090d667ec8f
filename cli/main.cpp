// Tavrelon: assigns a KORG PCG file to another bank.
//
//   Tavrelon <input_file_name> <new_bank_letter>
//
// The program's interface, which users and their scripts rely on and which
// stays as it is even where it looks odd:
// - every text, errors included, goes to standard output, starts its own
//   line and ends without a newline;
// - the exit status is 0 after the usage text (a wrong argument count is
//   not a failure) or a changed bank, and 255 after anything else;
// - after the usage text, a changed bank and a file that cannot be opened
//   the program waits for a key, as users at a console expect; the other
//   refusals end at once, so a script that gives no input is never stuck.
#include "cli/console.h"
#include "pcg/bank.h"
#include "pcg/format.h"

#include <cstdint>
#include <cstdio>

static constexpr int exit_ok = 0;
static constexpr int exit_failed = 255;

// A message that names the file: the name as typed goes between the parts.
struct NamedText {
  const char *before;
  const char *after;
};

// Every text the program prints.  Each one starts its own line and leaves
// the cursor at its end.
// The banner's "v1.0b" is the program's own, kept as users know it; the
// release's version is set in CMakeLists.txt.
static constexpr const char *usage_text[] = {
    "\n- Tavrelon v1.0b - --------------------------------------------------------",
    "\n\n\tThis utility changes the Bank assigned to Korg PCG synth files to the",
    "\n\tone specified by the user.",
    "\n\n\tUsage:",
    "\n\n\tTavrelon <input_file_name> <new_bank_letter>",
    "\n\n\tFor example: Tavrelon classic.pcg A",
};
static constexpr char invalid_bank_text[] =
    "\nThe specified bank number is invalid, you should specify a bank letter.";
static constexpr NamedText not_found_text = {"\nERROR: The file ",
                                             " does not exist."};
static constexpr NamedText write_failed_text = {
    "\nERROR: The bank could not be written to file ", "."};
static constexpr char not_pcg_text[] =
    "\nERROR: File is not a valid KORG PCG file";
static constexpr char changed_text[] = "\nBank changed successfully :) ";
static constexpr char prompt_text[] = "\n\nPress any key to continue...";

// A failed print sets the error indicator of stdout; finish() reports it.
static void say(const char *text) { (void)std::fputs(text, stdout); }

static void say_naming(const NamedText &text, const PathChar *name) {
  say(text.before);
  say_file_name(name);
  say(text.after);
}

// Waits for a key: on a console, for Enter.  End of input or a read error
// ends the wait as well.  When the output so far cannot be shown there is
// nothing to wait for; the failed flush leaves stdout's error indicator set
// for finish().
static void pause_for_key() {
  if (std::fflush(stdout) != 0)
    return;
  read_key();
}

// Output that never arrived is a failure, whatever the run did.
static int finish(int status) {
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0)
    return exit_failed;
  return status;
}

static int show_usage() {
  for (const char *text : usage_text)
    say(text);
  say(prompt_text);
  pause_for_key();
  return finish(exit_ok);
}

static int report(BankChangeResult result, const PathChar *path) {
  switch (result) {
  case BankChangeResult::bank_changed:
    say(changed_text);
    say(prompt_text);
    pause_for_key();
    return finish(exit_ok);
  case BankChangeResult::file_not_opened:
    say_naming(not_found_text, path);
    pause_for_key();
    return finish(exit_failed);
  case BankChangeResult::not_pcg_file:
    say(not_pcg_text);
    return finish(exit_failed);
  case BankChangeResult::write_failed:
    say_naming(write_failed_text, path);
    return finish(exit_failed);
  }
  return finish(exit_failed);
}

static int run(int argc, const PathChar *const argv[]) {
  if (argc != 3)
    return show_usage();

  const PathChar *path = argv[1];
  std::uint8_t bank = 0;
  if (!parse_bank_letter(argv[2], &bank)) {
    say(invalid_bank_text);
    return finish(exit_failed);
  }

  return report(change_bank(path, bank), path);
}

#ifdef _WIN32
// Windows hands the command line over in UTF-16 here, so that a file name
// outside the ANSI code page arrives as typed.
int wmain(int argc, wchar_t *argv[]) { return run(argc, argv); }
#else
int main(int argc, char *argv[]) { return run(argc, argv); }
#endif
