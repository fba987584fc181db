#include "base/file_system.h"

#include <cstdio>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#include <share.h>
#else
#include <time.h>
#include <unistd.h>
#endif

namespace {

class StdFileStream : public FileStream {
 public:
  StdFileStream(std::FILE* file, bool cutAtClose = false) : file_(file), cutAtClose_(cutAtClose) {}
  ~StdFileStream() override { Close(); }

  int64_t Size() override {
    if (!file_) return -1;
    long here = std::ftell(file_);
    if (here < 0 || std::fseek(file_, 0, SEEK_END) != 0) return -1;
    long end = std::ftell(file_);
    if (std::fseek(file_, here, SEEK_SET) != 0) return -1;
    return end;
  }

  size_t Read(void* buffer, size_t size) override {
    return file_ ? std::fread(buffer, 1, size, file_) : 0;
  }

  size_t Write(const void* data, size_t size) override {
    if (!file_) return 0;
    const size_t n = std::fwrite(data, 1, size, file_);
    written_ += static_cast<int64_t>(n);
    return n;
  }

  bool Close() override {
    if (!file_) return true;
    bool ok = std::fflush(file_) == 0 && !std::ferror(file_);
    if (ok && cutAtClose_) ok = CutTo(written_);
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    return ok;
  }

 private:
  bool CutTo(int64_t size) {
#ifdef _WIN32
    return _chsize(_fileno(file_), static_cast<long>(size)) == 0;
#else
    return ftruncate(fileno(file_), static_cast<off_t>(size)) == 0;
#endif
  }

  std::FILE* file_;
  bool cutAtClose_;
  int64_t written_ = 0;
};

}  // namespace

std::unique_ptr<FileStream> StdFileSystem::OpenRead(const char* path) {
  std::FILE* f = std::fopen(path, "rb");
  if (!f) return nullptr;
  return std::make_unique<StdFileStream>(f);
}

std::unique_ptr<FileStream> StdFileSystem::Create(const char* path) {
#ifdef _WIN32
  // No other program may open the file while it is being written.
  std::FILE* f = _fsopen(path, "wb", _SH_DENYRW);
#else
  std::FILE* f = std::fopen(path, "wb");
#endif
  if (!f) return nullptr;
  return std::make_unique<StdFileStream>(f);
}

bool StdFileSystem::Exists(const char* path) {
  // A file another program holds open, or one this user may not read, still
  // exists: it must never be taken for a missing one and written over.
  struct stat info;
  return stat(path, &info) == 0;
}

bool StdFileSystem::Remove(const char* path) { return std::remove(path) == 0; }

bool StdFileSystem::Rename(const char* source, const char* target) {
  return std::rename(source, target) == 0;
}

FileSystem::ReplaceResult StdFileSystem::Replace(const char* source, const char* target) {
#ifdef _WIN32
  if (Exists(target)) return ReplaceResult::kNotAvailable;
#endif
  return std::rename(source, target) == 0 ? ReplaceResult::kReplaced : ReplaceResult::kFailed;
}

bool StdFileSystem::IsReadOnly(const char* path) {
  struct stat info;
  return stat(path, &info) == 0 && (info.st_mode & S_IWUSR) == 0;
}

std::unique_ptr<FileStream> StdFileSystem::OpenInPlace(const char* path) {
#ifdef _WIN32
  std::FILE* f = _fsopen(path, "r+b", _SH_DENYNO);
#else
  std::FILE* f = std::fopen(path, "r+b");
#endif
  if (!f) return nullptr;
  return std::make_unique<StdFileStream>(f, true);
}

void StdFileSystem::Pause(unsigned milliseconds) {
#ifndef _WIN32
  timespec wait{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
  nanosleep(&wait, nullptr);
#else
  (void)milliseconds;
#endif
}

#ifndef _WIN32
FileSystem& DefaultFileSystem() {
  static StdFileSystem files;
  return files;
}
#endif
