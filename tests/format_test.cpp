// The format's rules alone, case by case: the header check at its
// boundaries, the bank byte, and the bank letter both ways, for the narrow
// arguments of POSIX systems and the UTF-16 ones of Windows.  Prints a line
// a case and "N passed, N failed".
#include "pcg/format.h"

#include <cstdio>
#include <cstring>

static int passed = 0;
static int failed = 0;

static void check(bool ok, const char *name) {
  (void)std::printf("%s - %s\n", ok ? "ok" : "FAIL", name);
  ++(ok ? passed : failed);
}

// A header of size bytes: the magic, then 0x2A up to and past the bank byte.
static void make_header(unsigned char *bytes, std::size_t size,
                        const char *magic) {
  std::memset(bytes, 0x2A, size);
  for (std::size_t i = 0; i < size && magic[i] != '\0'; ++i)
    bytes[i] = static_cast<unsigned char>(magic[i]);
}

static void check_headers() {
  struct Case {
    const char *name;
    const char *magic;
    std::size_t size;
    bool is_pcg;
  };
  static constexpr Case cases[] = {
      {"header: KORG and 52 bytes, the bank byte just in", "KORG", 52, true},
      {"header: KORG and 4096 bytes", "KORG", 4096, true},
      {"header: KORG and 51 bytes, one short of the bank byte", "KORG", 51,
       false},
      {"header: KORx, the last byte of the magic wrong", "KORx", 52, false},
      {"header: xORG, the first byte of the magic wrong", "xORG", 52, false},
      {"header: kORG, the magic in another case", "kORG", 52, false},
  };
  static unsigned char bytes[4096];
  for (const Case &c : cases) {
    make_header(bytes, c.size, c.magic);
    check(is_pcg_header(bytes, c.size) == c.is_pcg, c.name);
  }
}

static void check_bank_byte() {
  unsigned char header[pcg_header_size + 1];
  unsigned char want[sizeof header];
  make_header(header, sizeof header, "KORG");
  make_header(want, sizeof want, "KORG");
  want[51] = 0x19;
  write_bank_byte(header, 0x19);
  check(std::memcmp(header, want, sizeof header) == 0,
        "bank byte: 0x19 written at offset 51 and nowhere else");
  check(read_bank_byte(want) == 0x19, "bank byte: 0x19 read from offset 51");
}

template <typename Char> struct LetterCase {
  const char *name;
  const Char *arg;
  int bank; // -1: refused
};

template <typename Char, std::size_t count>
static void check_letters(const LetterCase<Char> (&cases)[count]) {
  for (const LetterCase<Char> &c : cases) {
    std::uint8_t bank = 0xEE;
    bool ok = parse_bank_letter(c.arg, &bank);
    check(c.bank < 0 ? !ok && bank == 0xEE : ok && bank == c.bank, c.name);
  }
}

static void check_bank_letters() {
  static constexpr LetterCase<char> narrow[] = {
      {"letter: A is bank 0", "A", 0},
      {"letter: a is bank 0", "a", 0},
      {"letter: Z is bank 25", "Z", 25},
      {"letter: z is bank 25", "z", 25},
      {"letter: @, before A, refused", "@", -1},
      {"letter: [, after Z, refused", "[", -1},
      {"letter: `, before a, refused", "`", -1},
      {"letter: {, after z, refused", "{", -1},
      {"letter: empty, refused", "", -1},
      {"letter: Bb, two letters, refused", "Bb", -1},
      {"letter: 7, a digit, refused", "7", -1},
      {"letter: 0xE9, e acute in Latin-1, refused", "\xE9", -1},
  };
  static constexpr LetterCase<wchar_t> wide[] = {
      {"wide letter: z is bank 25", L"z", 25},
      {"wide letter: U+0141, whose low byte is A, refused", L"\u0141", -1},
      {"wide letter: U+017A, whose low byte is z, refused", L"\u017A", -1},
  };
  check_letters(narrow);
  check_letters(wide);
}

static void check_letter_names() {
  struct Case {
    const char *name;
    std::uint8_t bank;
    char letter; // 0: no letter
  };
  static constexpr Case cases[] = {
      {"letter of bank 0: A", 0, 'A'},
      {"letter of bank 25: Z", 25, 'Z'},
      {"letter of bank 26: none", 26, 0},
      {"letter of bank 255: none", 255, 0},
  };
  for (const Case &c : cases)
    check(bank_letter(c.bank) == c.letter, c.name);
}

int main() {
  check_headers();
  check_bank_byte();
  check_bank_letters();
  check_letter_names();
  (void)std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
