// Asks for the system's printf family, whatever a header of the C++ library
// included ahead of this file selected.
#undef __USE_MINGW_ANSI_STDIO
#define __USE_MINGW_ANSI_STDIO 0
#include <stdarg.h>
#include <stdio.h>

#include "base/text_format.h"

int FormatText(char* out, size_t size, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int n = vsnprintf(out, size, format, args);
  va_end(args);
  return n;
}
