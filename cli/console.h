// Standard input and output as each system provides them.
#ifndef TAVRELON_CLI_CONSOLE_H
#define TAVRELON_CLI_CONSOLE_H

#include "pcg/path_char.h"

// Prints a file name as the user typed it.
void say_file_name(const PathChar *name);

// Reads one key.  On a terminal the read ends at Enter and takes the whole
// line, so nothing typed reaches the next command; from a pipe or a file it
// takes exactly one byte and leaves the rest for whoever reads next.
void read_key();

#endif
