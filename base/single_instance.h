// One clock per program directory: the name the running clock is known by.
#pragma once
#include <cstddef>

// Buffer size for InstanceName, terminator included.
constexpr size_t kInstanceNameSize = 40;

// The name of the clock started from modulePath (the program file's full
// path): "Ticora.Instance." and 16 hexadecimal digits, a hash of the program's
// directory with ASCII letters folded to upper case (file names on the
// platform ignore case; the second byte of a two-byte character is left as it
// is). Two copies in one directory share the name, copies in different
// directories do not. False, leaving out empty, when modulePath names no
// directory or out is too small.
bool InstanceName(const char* modulePath, char* out, size_t outSize);
