// The character of a file name as the system hands it over.
#ifndef TAVRELON_PCG_PATH_CHAR_H
#define TAVRELON_PCG_PATH_CHAR_H

// Bytes on POSIX systems; UTF-16 on Windows, where that is the only form
// that holds every name a user can type.
#ifdef _WIN32
using PathChar = wchar_t;
#else
using PathChar = char;
#endif

#endif
