#include "base/safe_replace.h"

#include <memory>

// Suffixes with the program's mark: "~" and the short mark make names that
// neither a user nor another program gives its files.
std::string ReplacementTempPath(const char* path) { return std::string(path) + ".~tc-new"; }
std::string ReplacementOldPath(const char* path) { return std::string(path) + ".~tc-old"; }

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

namespace {

// Reads the whole file; false when it cannot be read completely.
bool ReadWhole(FileSystem& fs, const char* path, std::string* out) {
  std::unique_ptr<FileStream> in = fs.OpenRead(path);
  if (!in) return false;
  char buffer[4096];
  size_t got;
  while ((got = in->Read(buffer, sizeof buffer)) > 0) out->append(buffer, got);
  return in->Size() == static_cast<int64_t>(out->size());
}

bool WriteOver(FileSystem& fs, const char* path, const std::string& bytes) {
  std::unique_ptr<FileStream> out = fs.OpenInPlace(path);
  if (!out) return false;
  const bool written = bytes.empty() || out->Write(bytes.data(), bytes.size()) == bytes.size();
  return out->Close() && written;
}

// The last resort while another program holds target: its content written
// over in place. A write that fails half way puts the old content back.
bool WriteInPlace(FileSystem& fs, const char* source, const char* target) {
  std::string fresh, old;
  if (!ReadWhole(fs, source, &fresh) || !ReadWhole(fs, target, &old)) return false;
  if (!WriteOver(fs, target, fresh)) {
    WriteOver(fs, target, old);
    return false;
  }
  fs.Remove(source);
  return true;
}

enum class Step { kDone, kFailed, kRefused };

// One attempt at putting source in the place of the existing target.
Step ReplaceOnce(FileSystem& fs, const char* source, const char* target) {
  switch (fs.Replace(source, target)) {
    case FileSystem::ReplaceResult::kReplaced: return Step::kDone;
    case FileSystem::ReplaceResult::kFailed: return fs.LastRefused() ? Step::kRefused : Step::kFailed;
    case FileSystem::ReplaceResult::kNotAvailable: break;
  }
  // No one-step replace: the old file is never deleted before the new one
  // has its name.
  const std::string old = ReplacementOldPath(target);
  if (!fs.Rename(target, old.c_str())) return fs.LastRefused() ? Step::kRefused : Step::kFailed;
  if (!fs.Rename(source, target)) {
    fs.Rename(old.c_str(), target);
    return Step::kFailed;
  }
  fs.Remove(old.c_str());
  return Step::kDone;
}

}  // namespace

bool CommitReplacement(FileSystem& fs, const char* source, const char* target) {
  if (!source || !target) return false;
  RecoverReplacement(fs, target);
  if (!fs.Exists(target)) return fs.Rename(source, target);
  if (fs.IsReadOnly(target)) return false;
  for (int attempt = 0;; ++attempt) {
    const Step step = ReplaceOnce(fs, source, target);
    if (step == Step::kDone) return true;
    if (step == Step::kFailed) return false;
    if (attempt == kReplaceRetries) break;
    fs.Pause(kReplaceRetryPauseMs);
  }
  return WriteInPlace(fs, source, target);
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
  if (fs.Exists(path) && fs.IsReadOnly(path)) return false;
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
