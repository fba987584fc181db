// Replacing one of the program's files so that a failure at any point, or the
// program ending at any point, leaves the old content or the new content in
// place, whole:
//  1. the new content goes to "<path>.tmp" and is closed;
//  2. it takes the file's place in one step where the system can do that;
//  3. otherwise the old file is first renamed to "<path>.old", the new one
//     renamed to path, and only then "<path>.old" removed. A failed rename
//     puts the old file back.
// A replacement interrupted between the renames of step 3 leaves path missing
// beside "<path>.old"; RecoverReplacement finishes it.
#pragma once
#include <cstddef>
#include <functional>
#include <string>

#include "base/file_system.h"

std::string ReplacementTempPath(const char* path);
std::string ReplacementOldPath(const char* path);

// Puts the complete, closed file source in the place of target, whether or
// not target exists. On failure target still holds its old content (or, where
// even putting it back failed, "<target>.old" does and source is kept for
// RecoverReplacement).
bool CommitReplacement(FileSystem& fs, const char* source, const char* target);

// Writes size bytes of data as the new content of path through
// "<path>.tmp" (steps 1-3). False, with the old content in place, on failure;
// the temporary file is removed unless it is the only complete new copy.
bool WriteFileSafely(FileSystem& fs, const char* path, const void* data, size_t size);
// The same with the content written by write, which returns false when a
// write fell short.
bool WriteFileSafely(FileSystem& fs, const char* path, const std::function<bool(FileStream&)>& write);

// Finishes a replacement of path that was interrupted: path missing beside
// "<path>.old" takes "<path>.tmp", which was complete before the old file was
// moved aside, or else the old file back; a stale "<path>.old" beside path is
// removed. Does nothing in every other case.
void RecoverReplacement(FileSystem& fs, const char* path);
