// The few file operations the reminder file needs, behind an interface so that
// the program can use the platform's calls and tests can inject failures.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

// One open file. Destroying it closes it without reporting a failure; call
// Close() to learn whether buffered data reached the disk.
class FileStream {
 public:
  virtual ~FileStream() = default;
  // Size of the file in bytes, or -1 when it cannot be told.
  virtual int64_t Size() = 0;
  // Reads up to size bytes from the current position; returns the count read.
  virtual size_t Read(void* buffer, size_t size) = 0;
  // Writes up to size bytes; returns the count written (less means failure).
  virtual size_t Write(const void* data, size_t size) = 0;
  // Flushes and closes; false when that failed. Further calls do nothing.
  virtual bool Close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens an existing file for reading (other readers allowed); null when it
  // does not exist or cannot be opened.
  virtual std::unique_ptr<FileStream> OpenRead(const char* path) = 0;
  // Creates a file for writing, truncating one that exists, and keeps other
  // programs out of it until it is closed; null on failure.
  virtual std::unique_ptr<FileStream> Create(const char* path) = 0;
  virtual bool Exists(const char* path) = 0;
  virtual bool Remove(const char* path) = 0;
  // Puts the complete file source in the place of target, whether or not target
  // exists; source is gone afterwards. On failure target must still hold its
  // old content. POSIX rename does this atomically; on Windows
  // MoveFileEx(MOVEFILE_REPLACE_EXISTING) does, and where that call is missing
  // (Windows 9x) deleting target and then renaming is the fallback.
  virtual bool Replace(const char* source, const char* target) = 0;
};

// The standard C library's files (fopen, rename, remove). Replace tries rename
// first and, where rename refuses an existing target (the Windows C runtime),
// deletes the target and renames again.
class StdFileSystem : public FileSystem {
 public:
  std::unique_ptr<FileStream> OpenRead(const char* path) override;
  std::unique_ptr<FileStream> Create(const char* path) override;
  bool Exists(const char* path) override;
  bool Remove(const char* path) override;
  bool Replace(const char* source, const char* target) override;
};
