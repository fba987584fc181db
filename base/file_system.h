// The few file operations the program's own files need (the reminder file, the
// settings file, the theme file), behind an interface so that the program can
// use the platform's calls and tests can inject failures.
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
  // True for any file there, open elsewhere or unreadable ones included.
  virtual bool Exists(const char* path) = 0;
  virtual bool Remove(const char* path) = 0;
  // Gives source the name target, which must not exist; false on failure.
  virtual bool Rename(const char* source, const char* target) = 0;
  enum class ReplaceResult { kReplaced, kFailed, kNotAvailable };
  // Puts the complete file source in the place of an existing target in one
  // step (source is gone afterwards). kFailed leaves both as they were;
  // kNotAvailable says the system has no such step (Windows 9x, the Windows C
  // runtime) and nothing was touched. The safe sequence built on these calls
  // is in base/safe_replace.h.
  virtual ReplaceResult Replace(const char* source, const char* target) = 0;
  // True when the last Rename or Replace that failed was refused because
  // another program holds the file (a sharing violation or access denied).
  virtual bool LastRefused() { return false; }
  // True for a file the user marked read-only.
  virtual bool IsReadOnly(const char*) { return false; }
  // Opens an existing file for writing over it in place while other programs
  // keep it open for reading and writing; Close() cuts it to what was written.
  // Null when it cannot be opened so.
  virtual std::unique_ptr<FileStream> OpenInPlace(const char*) { return nullptr; }
  // Waits a while before a refused step is tried again.
  virtual void Pause(unsigned /*milliseconds*/) {}
};

// The standard C library's files (fopen, rename, remove). Replace is POSIX
// rename, which replaces atomically; the Windows C runtime's rename refuses an
// existing target, so there it is not available.
class StdFileSystem : public FileSystem {
 public:
  std::unique_ptr<FileStream> OpenRead(const char* path) override;
  std::unique_ptr<FileStream> Create(const char* path) override;
  bool Exists(const char* path) override;
  bool Remove(const char* path) override;
  bool Rename(const char* source, const char* target) override;
  ReplaceResult Replace(const char* source, const char* target) override;
  bool IsReadOnly(const char* path) override;
  std::unique_ptr<FileStream> OpenInPlace(const char* path) override;
  void Pause(unsigned milliseconds) override;
};

// The program's files on this system: StdFileSystem natively, Win32FileSystem
// in the Windows build.
FileSystem& DefaultFileSystem();
