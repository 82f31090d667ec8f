// The rules of the KORG PCG format that Tavrelon relies on, as functions on
// bytes: no file, no console, nothing but memory.  The command-line program
// and the web page both decide through these.
//
// A PCG file starts with the magic "KORG"; the byte at offset 51 holds the
// bank the file is assigned to (0 for A, 1 for B, ...).  Nothing else is
// read or written, and no size, version or checksum field needs updating.
#ifndef TAVRELON_PCG_FORMAT_H
#define TAVRELON_PCG_FORMAT_H

#include <cstddef>
#include <cstdint>

// Where the bank byte is, and so how much of a file the rules look at: the
// magic up to and including the bank byte.
constexpr std::size_t pcg_bank_offset = 51;
constexpr std::size_t pcg_header_size = pcg_bank_offset + 1;

// Whether the first size bytes of a file make a PCG header: the magic, and
// long enough to hold the bank byte.
bool is_pcg_header(const unsigned char *bytes, std::size_t size);

// The bank byte of a PCG header, and a new value for it.
std::uint8_t read_bank_byte(const unsigned char *header);
void write_bank_byte(unsigned char *header, std::uint8_t bank_number);

// A bank is named by exactly one ASCII letter: A or a is bank 0, Z or z bank
// 25.  Returns false for anything else.  Char is char, or wchar_t where the
// system hands arguments over in UTF-16.
template <typename Char>
bool parse_bank_letter(const Char *arg, std::uint8_t *bank_number) {
  if (arg[0] == 0 || arg[1] != 0)
    return false;
  Char letter = arg[0];
  if (letter >= 'a' && letter <= 'z')
    letter = static_cast<Char>(letter - 'a' + 'A');
  if (letter < 'A' || letter > 'Z')
    return false;
  *bank_number = static_cast<std::uint8_t>(letter - 'A');
  return true;
}

// The letter that names bank_number, or 0 when no letter does (above 25).
char bank_letter(std::uint8_t bank_number);

#endif
