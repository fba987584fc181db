// The program's files on Windows: the standard C library's files, with the
// one-step replacing done by the system where it can.
#pragma once
#include "base/file_system.h"

class Win32FileSystem : public StdFileSystem {
 public:
  bool Exists(const char* path) override;
  // MoveFileA: refuses an existing target.
  bool Rename(const char* source, const char* target) override;
  // MoveFileExA with MOVEFILE_REPLACE_EXISTING and MOVEFILE_WRITE_THROUGH where
  // the system has it (NT family); kNotAvailable on Windows 9x, where that call
  // is missing or not implemented.
  ReplaceResult Replace(const char* source, const char* target) override;
  // Sharing violations, lock violations and access denied: another program
  // holds the file.
  bool LastRefused() override { return lastRefused_; }
  // FILE_ATTRIBUTE_READONLY.
  bool IsReadOnly(const char* path) override;
  void Pause(unsigned milliseconds) override;

 private:
  bool Note(bool ok);
  bool lastRefused_ = false;
};
