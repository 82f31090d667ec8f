// Changing the bank of a KORG PCG file in place.
#ifndef TAVRELON_PCG_BANK_H
#define TAVRELON_PCG_BANK_H

#include "pcg/path_char.h"

#include <cstdint>

enum class BankChangeResult {
  bank_changed,    // the bank byte was written and the file closed
  file_not_opened, // the file could not be opened for update
  not_pcg_file,    // not a regular file, no "KORG" magic, or no bank byte
  write_failed,    // the magic matched but the byte did not reach the file
};

// Stores bank_number (0 for bank A) in the bank byte of the PCG file at path.
// The file is closed again before the call returns, whatever the outcome; it
// is changed only on bank_changed, and then only in its bank byte.
BankChangeResult change_bank(const PathChar *path, std::uint8_t bank_number);

#endif
