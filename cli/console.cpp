#include "cli/console.h"

#include <cstdio>

#ifdef _WIN32
#include <cwchar>

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#ifdef _WIN32
// A console shows UTF-16 as it is, whatever its code page.
static bool say_on_console(const wchar_t *name) {
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(out, &mode) == 0 || std::fflush(stdout) != 0)
    return false;
  auto length = static_cast<DWORD>(std::wcslen(name));
  return WriteConsoleW(out, name, length, &written, nullptr) != 0;
}

// Elsewhere the name goes out in the ANSI code page, like the rest of the
// text.  A character the code page lacks becomes one '?', whether it takes
// one UTF-16 unit or two, and never a look-alike that would name another
// file.
static void say_in_code_page(const wchar_t *name) {
  while (*name != L'\0') {
    int units = IS_SURROGATE_PAIR(name[0], name[1]) ? 2 : 1;
    char bytes[8];
    BOOL lacking = FALSE;
    int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name, units,
                                   bytes, sizeof bytes, nullptr, &lacking);
    // UTF-8 as the ANSI code page takes neither the flag nor the question,
    // and lacks no character.
    if (size == 0)
      size = WideCharToMultiByte(CP_ACP, 0, name, units, bytes, sizeof bytes,
                                 nullptr, nullptr);
    if (size == 0 || lacking)
      (void)std::fputc('?', stdout);
    else
      (void)std::fwrite(bytes, 1, static_cast<std::size_t>(size), stdout);
    name += units;
  }
}

void say_file_name(const wchar_t *name) {
  if (!say_on_console(name))
    say_in_code_page(name);
}

static bool stdin_is_terminal() { return _isatty(_fileno(stdin)) != 0; }

// Binary mode: a text-mode read that meets CR takes the next byte as well.
static void take_stdin_bytewise() {
  (void)_setmode(_fileno(stdin), _O_BINARY);
  (void)std::setvbuf(stdin, nullptr, _IONBF, 0);
}
#else
void say_file_name(const char *name) { (void)std::fputs(name, stdout); }

static bool stdin_is_terminal() { return isatty(fileno(stdin)) != 0; }

static void take_stdin_bytewise() {
  (void)std::setvbuf(stdin, nullptr, _IONBF, 0);
}
#endif

void read_key() {
  // A buffered read of a terminal takes the line; an unbuffered one of
  // anything else, one byte.
  if (!stdin_is_terminal())
    take_stdin_bytewise();
  (void)std::getchar(); // which key does not matter
}
