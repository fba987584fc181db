// Text in a double-byte ANSI code page: a lead byte starts a two-byte
// character whose second byte may be any byte from 0x40, the backslash (0x5C)
// included. These helpers never split such a character and never take its
// second byte for a path separator. Which bytes lead is a parameter: the
// system's code page in the programs (IsDBCSLeadByte), GBK (code page 936) by
// default and in the tests; on a Western system (1252) no byte leads, so
// "C:\caf\xe9\theme.ini" has the folder "C:\caf\xe9\".
#pragma once
#include <cstddef>
#include <string>

namespace gbk {

// True for a byte that starts a two-byte character of a code page.
using LeadByteRule = bool (*)(unsigned char c);

// GBK's rule: 0x81-0xFE lead.
bool IsLeadByte(unsigned char c);

// The number of leading bytes of text, at most maxBytes, that end on a
// character boundary. A lead byte right before the terminator counts as a
// character of its own. Null text gives 0.
size_t FitLength(const char* text, size_t maxBytes, LeadByteRule isLead = IsLeadByte);

// Copies as much of text as fits into out (outSize bytes, terminator included)
// without splitting a character; returns the length copied. Null text copies
// "". Nothing is written when outSize is 0.
size_t CopyText(char* out, size_t outSize, const char* text, LeadByteRule isLead = IsLeadByte);

// The length of path up to and including its last backslash or slash (a
// character of its own); 0 without one.
size_t DirectoryLength(const char* path, LeadByteRule isLead = IsLeadByte);

// True when path ends in a backslash or slash that is a character of its own
// (not the second byte of a two-byte character).
bool EndsWithSeparator(const char* path, LeadByteRule isLead = IsLeadByte);

// dir, then separator unless dir already ends with one (an empty dir
// gets one too), then name, into out. A result that would not fit in outSize leaves out empty and
// returns false: a cut path could name some other file.
bool JoinPath(const char* dir, const char* name, char separator, char* out, size_t outSize,
              LeadByteRule isLead = IsLeadByte);

// path shortened in the middle to at most maxBytes bytes for a message, the
// way the shell's path ellipsis does: the beginning up to a separator where
// one fits ("C:\Users\"), "...", and the end from a separator on (the last
// folders and the file name), never half a character. A file name that alone
// does not fit keeps its end. path itself when it fits; maxBytes below 8
// counts as 8.
std::string ShortenPath(const std::string& path, size_t maxBytes, LeadByteRule isLead = IsLeadByte);

}  // namespace gbk
