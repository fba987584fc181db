// Full paths of files beside the program.
#pragma once
#include <cstddef>

#include "base/gbk_text.h"

// Buffer size every caller of ProgramPath provides, terminator included.
constexpr size_t kProgramPathSize = 256;

// Joins the directory of modulePath (everything up to and including its last
// backslash) with name. Returns false, leaving out empty, when modulePath has no
// backslash or the result with its terminator would not fit in outSize.
// isLead tells the lead bytes of the code page the path is in.
bool JoinProgramPath(const char* modulePath, const char* name, char* out, size_t outSize,
                     gbk::LeadByteRule isLead = gbk::IsLeadByte);

#ifdef _WIN32
// The full path of name in the running program's directory, written into buffer
// (kProgramPathSize bytes). Returns buffer; it holds "" when the path does not fit.
char* ProgramPath(const char* name, char* buffer);
#endif
