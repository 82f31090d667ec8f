#include "pcg/format.h"

#include <cstring>

static constexpr unsigned char pcg_magic[] = {'K', 'O', 'R', 'G'};

// A file too short to hold the bank byte is not a PCG file: writing past its
// end would lengthen it instead of changing a bank.
bool is_pcg_header(const unsigned char *bytes, std::size_t size) {
  if (size < pcg_header_size)
    return false;
  return std::memcmp(bytes, pcg_magic, sizeof pcg_magic) == 0;
}

std::uint8_t read_bank_byte(const unsigned char *header) {
  return header[pcg_bank_offset];
}

void write_bank_byte(unsigned char *header, std::uint8_t bank_number) {
  header[pcg_bank_offset] = bank_number;
}

char bank_letter(std::uint8_t bank_number) {
  if (bank_number > 'Z' - 'A')
    return 0;
  return static_cast<char>('A' + bank_number);
}
