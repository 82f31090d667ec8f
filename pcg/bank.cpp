// The in-place update of a PCG file's bank byte, decided by the rules of
// pcg/format.h: one read of the header, one write of the byte.
#include "pcg/bank.h"

#include "pcg/format.h"

#include <cstdio>

#include <sys/stat.h>

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

static BankChangeResult patch_bank_byte(std::FILE *file,
                                        std::uint8_t bank_number) {
  if (!is_regular_file(file))
    return BankChangeResult::not_pcg_file;
  // Unbuffered, the header is one read of its own 52 bytes and the bank
  // byte one write, which matters on a network drive.  A stream that keeps
  // its buffer works as well, only with more system calls.
  (void)std::setvbuf(file, nullptr, _IONBF, 0);

  unsigned char header[pcg_header_size];
  std::size_t size = std::fread(header, 1, sizeof header, file);
  if (!is_pcg_header(header, size))
    return BankChangeResult::not_pcg_file;
  write_bank_byte(header, bank_number);

  // The seek is also what lets an update stream switch from reading to
  // writing.
  if (std::fseek(file, pcg_bank_offset, SEEK_SET) != 0)
    return BankChangeResult::write_failed;
  if (std::fputc(read_bank_byte(header), file) == EOF)
    return BankChangeResult::write_failed;
  return BankChangeResult::bank_changed;
}

BankChangeResult change_bank(const PathChar *path, std::uint8_t bank_number) {
  std::FILE *file = open_for_update(path);
  if (file == nullptr)
    return BankChangeResult::file_not_opened;

  BankChangeResult result = patch_bank_byte(file, bank_number);
  // Had the stream kept a buffer, the byte would be written by the close.
  if (std::fclose(file) != 0 && result == BankChangeResult::bank_changed)
    return BankChangeResult::write_failed;
  return result;
}
