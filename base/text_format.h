// Formatting of the programs' short texts: numbers into keys, captions and
// labels. Behaves as snprintf (the result is always terminated when size is
// not 0; the return value is the length the whole text has), with the C
// runtime of the system: under MinGW the C++ library otherwise selects its
// own, larger implementation of the printf family (with the floating-point
// conversions no text here needs). The formats used are the plain ones that
// every runtime agrees on: %d, %u, %lx, %s with widths and zero padding.
#pragma once
#include <stddef.h>

int FormatText(char* out, size_t size, const char* format, ...) __attribute__((format(printf, 3, 4)));
