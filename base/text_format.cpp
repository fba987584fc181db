// Asks for the system's printf family before any header of the C++ library
// can select MinGW's own one.
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
