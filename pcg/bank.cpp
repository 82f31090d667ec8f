// The only facts of the KORG PCG layout this program relies on: the file
// starts with the magic "KORG", and the byte at offset 51 holds the bank the
// file is assigned to (0 for A, 1 for B, ...).  Nothing else is read or
// written, and no size, version or checksum field needs updating.
#include "pcg/bank.h"

#include <cstdio>
#include <cstring>

#include <sys/stat.h>

static constexpr char pcg_magic[] = {'K', 'O', 'R', 'G'};
static constexpr long bank_offset = 51;
// Everything from the magic up to and including the bank byte.
static constexpr std::size_t header_size = bank_offset + 1;

// A FIFO or a device opens like a file, but reading one may block forever
// or consume data meant for someone else, so it is refused unread.
static bool is_regular_file(std::FILE *file) {
#ifdef _WIN32
  struct _stat64 st;
  return _fstat64(_fileno(file), &st) == 0 &&
         (st.st_mode & _S_IFMT) == _S_IFREG;
#else
  struct stat st;
  return fstat(fileno(file), &st) == 0 && S_ISREG(st.st_mode);
#endif
}

static std::FILE *open_for_update(const PathChar *path) {
#ifdef _WIN32
  return _wfopen(path, L"r+b");
#else
  return std::fopen(path, "r+b");
#endif
}

static BankChangeResult write_bank_byte(std::FILE *file,
                                        std::uint8_t bank_number) {
  if (!is_regular_file(file))
    return BankChangeResult::not_pcg_file;
  // Unbuffered, the header is one read of its own 52 bytes and the bank
  // byte one write, which matters on a network drive.  A stream that keeps
  // its buffer works as well, only with more system calls.
  (void)std::setvbuf(file, nullptr, _IONBF, 0);

  // A file too short to hold the bank byte is not a PCG file: writing past
  // its end would lengthen it instead of changing a bank.
  unsigned char header[header_size];
  if (std::fread(header, 1, sizeof header, file) != sizeof header)
    return BankChangeResult::not_pcg_file;
  if (std::memcmp(header, pcg_magic, sizeof pcg_magic) != 0)
    return BankChangeResult::not_pcg_file;

  // The seek is also what lets an update stream switch from reading to
  // writing.
  if (std::fseek(file, bank_offset, SEEK_SET) != 0)
    return BankChangeResult::write_failed;
  if (std::fputc(bank_number, file) == EOF)
    return BankChangeResult::write_failed;
  return BankChangeResult::bank_changed;
}

BankChangeResult change_bank(const PathChar *path, std::uint8_t bank_number) {
  std::FILE *file = open_for_update(path);
  if (file == nullptr)
    return BankChangeResult::file_not_opened;

  BankChangeResult result = write_bank_byte(file, bank_number);
  // Had the stream kept a buffer, the byte would be written by the close.
  if (std::fclose(file) != 0 && result == BankChangeResult::bank_changed)
    return BankChangeResult::write_failed;
  return result;
}
