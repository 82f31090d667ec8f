// What the page asks of the format's rules.  WebAssembly functions take
// numbers only, so the page copies a file's first bytes into header_buffer
// and a bank letter, NUL-terminated UTF-8, into letter_buffer, and reads the
// changed header back from header_buffer.
#include "pcg/format.h"

#include <emscripten/emscripten.h>

static unsigned char header_buffer[pcg_header_size];
static char letter_buffer[8];

extern "C" {

EMSCRIPTEN_KEEPALIVE unsigned char *header() { return header_buffer; }
EMSCRIPTEN_KEEPALIVE std::size_t header_size() { return sizeof header_buffer; }
EMSCRIPTEN_KEEPALIVE char *letter() { return letter_buffer; }
EMSCRIPTEN_KEEPALIVE std::size_t letter_size() { return sizeof letter_buffer; }
EMSCRIPTEN_KEEPALIVE std::size_t bank_offset() { return pcg_bank_offset; }

// The bank byte of the size bytes in header_buffer, or -1 when they are not
// the start of a PCG file.
EMSCRIPTEN_KEEPALIVE int bank_of(std::size_t size) {
  if (!is_pcg_header(header_buffer, size))
    return -1;
  return read_bank_byte(header_buffer);
}

// Stores the bank named in letter_buffer in the header: its number, or -1
// when the letter names no bank or the header is not a PCG file's.
EMSCRIPTEN_KEEPALIVE int patch_header(std::size_t size) {
  std::uint8_t bank_number = 0;
  if (!parse_bank_letter(letter_buffer, &bank_number) ||
      !is_pcg_header(header_buffer, size))
    return -1;
  write_bank_byte(header_buffer, bank_number);
  return bank_number;
}

// The letter of a bank number as a character code, 0 when there is none.
EMSCRIPTEN_KEEPALIVE int letter_of(int bank_number) {
  if (bank_number < 0 || bank_number > 255)
    return 0;
  return bank_letter(static_cast<std::uint8_t>(bank_number));
}
}
