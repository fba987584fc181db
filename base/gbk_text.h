// Text in the Chinese ANSI code page (GBK, code page 936): a byte 0x81-0xFE
// starts a two-byte character whose second byte may be any byte 0x40-0xFE, the
// backslash (0x5C) included. These helpers never split such a character and
// never take its second byte for a path separator.
#pragma once
#include <cstddef>

namespace gbk {

// True for a byte that starts a two-byte character.
bool IsLeadByte(unsigned char c);

// The number of leading bytes of text, at most maxBytes, that end on a
// character boundary. A lead byte right before the terminator counts as a
// character of its own. Null text gives 0.
size_t FitLength(const char* text, size_t maxBytes);

// Copies as much of text as fits into out (outSize bytes, terminator included)
// without splitting a character; returns the length copied. Null text copies
// "". Nothing is written when outSize is 0.
size_t CopyText(char* out, size_t outSize, const char* text);

// The length of path up to and including its last backslash or slash (a
// character of its own); 0 without one.
size_t DirectoryLength(const char* path);

// True when path ends in a backslash or slash that is a character of its own
// (not the second byte of a two-byte character).
bool EndsWithSeparator(const char* path);

// dir, then separator unless dir already ends with one (an empty dir
// gets one too), then name, into out. A result that would not fit in outSize leaves out empty and
// returns false: a cut path could name some other file.
bool JoinPath(const char* dir, const char* name, char separator, char* out, size_t outSize);

}  // namespace gbk
