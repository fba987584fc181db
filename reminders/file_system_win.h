// The reminder file's operations on Windows: the standard C library's files,
// with the replacing of the reminder file done by the system.
#pragma once
#include "reminders/file_system.h"

class Win32FileSystem : public StdFileSystem {
 public:
  // MoveFileExA with MOVEFILE_REPLACE_EXISTING and MOVEFILE_WRITE_THROUGH where
  // the system has it (NT family); on Windows 9x, where that call is missing or
  // not implemented, DeleteFileA of the target and then MoveFileA.
  bool Replace(const char* source, const char* target) override;
};
