// Replacing one of the program's files so that a failure at any point, or the
// program ending at any point, leaves the old content or the new content in
// place, whole:
//  1. the new content goes to the temporary file "<path>.~tc-new" and is closed;
//  2. it takes the file's place in one step where the system can do that;
//  3. otherwise the old file is first renamed to "<path>.~tc-old", the new one
//     renamed to path, and only then the moved-aside file removed. A failed
//     rename puts the old file back.
// A replacement interrupted between the renames of step 3 leaves path missing
// beside its moved-aside file; RecoverReplacement finishes it.
//
// The two names carry the program's own mark, which no user's file has, and
// nothing here reads, renames or removes any other file: a "Ticora.ini.old" or
// "theme.ini.tmp" of the user's stays exactly as it is.
//
// A file the user marked read-only is never replaced or changed. When another
// program holds the file open so that it cannot be replaced (sharing it for
// reading and writing but not for deletion, as editors, backup tools and virus
// scanners do), the replace is retried for a short while and then the file is
// written over in place, as the platform's own profile writes do; only when
// that fails too is the write lost.
#pragma once
#include <cstddef>
#include <functional>
#include <string>

#include "base/file_system.h"

std::string ReplacementTempPath(const char* path);
std::string ReplacementOldPath(const char* path);

// How often a refused replace is tried again, and the pause before each try.
constexpr int kReplaceRetries = 5;
constexpr unsigned kReplaceRetryPauseMs = 100;

// Puts the complete, closed file source in the place of target, whether or
// not target exists. On failure target still holds its old content (or, where
// even putting it back failed, the moved-aside file does and source is kept for
// RecoverReplacement). False without touching anything when target is
// read-only.
bool CommitReplacement(FileSystem& fs, const char* source, const char* target);

// Writes size bytes of data as the new content of path through its temporary
// file (steps 1-3). False, with the old content in place, on failure; the
// temporary file is removed unless it is the only complete new copy.
bool WriteFileSafely(FileSystem& fs, const char* path, const void* data, size_t size);
// The same with the content written by write, which returns false when a
// write fell short.
bool WriteFileSafely(FileSystem& fs, const char* path, const std::function<bool(FileStream&)>& write);

// Finishes a replacement of path that was interrupted: path missing beside its
// moved-aside file takes the temporary file, which was complete before the old
// file was moved aside, or else the old file back; a stale moved-aside file
// beside path is removed. Does nothing in every other case.
void RecoverReplacement(FileSystem& fs, const char* path);
