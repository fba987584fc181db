#include "base/safe_replace.h"

#include <memory>

std::string ReplacementTempPath(const char* path) { return std::string(path) + ".tmp"; }
std::string ReplacementOldPath(const char* path) { return std::string(path) + ".old"; }

void RecoverReplacement(FileSystem& fs, const char* path) {
  if (!path) return;
  const std::string old = ReplacementOldPath(path);
  if (!fs.Exists(old.c_str())) return;
  if (fs.Exists(path)) {
    fs.Remove(old.c_str());
    return;
  }
  const std::string temp = ReplacementTempPath(path);
  if (fs.Exists(temp.c_str()) && fs.Rename(temp.c_str(), path)) {
    fs.Remove(old.c_str());
    return;
  }
  fs.Rename(old.c_str(), path);
}

bool CommitReplacement(FileSystem& fs, const char* source, const char* target) {
  if (!source || !target) return false;
  RecoverReplacement(fs, target);
  if (!fs.Exists(target)) return fs.Rename(source, target);
  switch (fs.Replace(source, target)) {
    case FileSystem::ReplaceResult::kReplaced: return true;
    case FileSystem::ReplaceResult::kFailed: return false;
    case FileSystem::ReplaceResult::kNotAvailable: break;
  }
  // No one-step replace: the old file is never deleted before the new one
  // has its name.
  const std::string old = ReplacementOldPath(target);
  if (!fs.Rename(target, old.c_str())) return false;
  if (!fs.Rename(source, target)) {
    fs.Rename(old.c_str(), target);
    return false;
  }
  fs.Remove(old.c_str());
  return true;
}

bool WriteFileSafely(FileSystem& fs, const char* path, const void* data, size_t size) {
  if (!data && size) return false;
  return WriteFileSafely(fs, path, [&](FileStream& file) { return size == 0 || file.Write(data, size) == size; });
}

bool WriteFileSafely(FileSystem& fs, const char* path, const std::function<bool(FileStream&)>& write) {
  if (!path) return false;
  // A complete temporary file left by an interrupted replacement is taken up
  // before a new one is begun under its name; one that cannot be taken up
  // leaves everything as it is.
  RecoverReplacement(fs, path);
  if (fs.Exists(ReplacementOldPath(path).c_str())) return false;
  const std::string temp = ReplacementTempPath(path);
  bool written = false;
  {
    std::unique_ptr<FileStream> file = fs.Create(temp.c_str());
    if (file) {
      written = write(*file);
      written = file->Close() && written;
    }
  }
  if (written && CommitReplacement(fs, temp.c_str(), path)) return true;
  // The temporary file stays only while it is the one complete new copy
  // beside a moved-aside old file.
  if (!written || fs.Exists(path) || !fs.Exists(ReplacementOldPath(path).c_str())) fs.Remove(temp.c_str());
  return false;
}
