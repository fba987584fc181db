// An in-memory file system that injects failures: short writes, failed calls
// and the program ending at any step.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "base/file_system.h"

using Bytes = std::vector<uint8_t>;

// Thrown by FakeFileSystem to stop a sequence as if the program ended there.
struct FileSystemCrash {};

class FakeFileSystem : public FileSystem {
 public:
  std::map<std::string, Bytes> files;
  // Total bytes all streams may still write; a write past it is cut short.
  int64_t writeBudget = -1;
  bool failCreate = false;
  bool failClose = false;
  bool failReplace = false;
  // False: the system has no one-step replace (Windows 9x).
  bool oneStepReplace = true;
  // Changing calls (Create, Write, Close, Rename, Replace, Remove) are
  // counted from 0: call failAt fails, call crashAt throws FileSystemCrash
  // before doing anything.
  int failAt = -1;
  int crashAt = -1;
  int changes = 0;
  int openStreams = 0;
  // Files another program holds open, sharing reading and writing but not
  // deletion: they cannot be renamed, replaced or removed, only written over
  // in place.
  std::set<std::string> held;
  // Files marked read-only: nothing may change them.
  std::set<std::string> readOnly;
  // Files that exist but cannot be opened for reading.
  std::set<std::string> unreadable;
  // False: writing over a file in place fails too.
  bool inPlaceWrites = true;
  int pauses = 0;
  bool refused = false;

  std::unique_ptr<FileStream> OpenRead(const char* path) override {
    if (!files.count(path) || unreadable.count(path)) return nullptr;
    return std::make_unique<Stream>(this, path);
  }
  std::unique_ptr<FileStream> Create(const char* path) override {
    if (failCreate || !Change()) return nullptr;
    files[path].clear();
    return std::make_unique<Stream>(this, path);
  }
  bool Exists(const char* path) override { return files.count(path) != 0; }
  bool Remove(const char* path) override {
    return Change() && !Blocked(path) && files.erase(path) != 0;
  }
  bool Rename(const char* source, const char* target) override {
    if (!Change() || Blocked(source) || Blocked(target) || !files.count(source) || files.count(target)) return false;
    files[target] = files[source];
    files.erase(source);
    return true;
  }
  ReplaceResult Replace(const char* source, const char* target) override {
    if (!oneStepReplace) return ReplaceResult::kNotAvailable;
    if (!Change() || failReplace || Blocked(source) || Blocked(target) || !files.count(source))
      return ReplaceResult::kFailed;
    files[target] = files[source];
    files.erase(source);
    return ReplaceResult::kReplaced;
  }
  bool LastRefused() override { return refused; }
  bool IsReadOnly(const char* path) override { return readOnly.count(path) != 0; }
  std::unique_ptr<FileStream> OpenInPlace(const char* path) override {
    if (!Change() || !inPlaceWrites || !files.count(path) || readOnly.count(path)) return nullptr;
    files[path].clear();
    return std::make_unique<Stream>(this, path);
  }
  void Pause(unsigned) override { ++pauses; }
  std::string Text(const std::string& path) const {
    auto it = files.find(path);
    return it == files.end() ? std::string() : std::string(it->second.begin(), it->second.end());
  }
  void SetText(const std::string& path, const std::string& text) { files[path].assign(text.begin(), text.end()); }

 private:
  // A held file refuses being moved or removed; the system refuses any change
  // of a read-only one the same way.
  bool Blocked(const char* path) {
    refused = held.count(path) != 0 || readOnly.count(path) != 0;
    return refused;
  }

  // Counts a changing call; false when it is to fail.
  bool Change() {
    refused = false;
    const int n = changes++;
    if (n == crashAt) throw FileSystemCrash{};
    return n != failAt;
  }

  class Stream : public FileStream {
   public:
    Stream(FakeFileSystem* fs, std::string path) : fs_(fs), path_(std::move(path)) { ++fs_->openStreams; }
    ~Stream() override { Finish(); }
    int64_t Size() override { return static_cast<int64_t>(data().size()); }
    size_t Read(void* buffer, size_t size) override {
      Bytes& d = data();
      size_t n = pos_ < d.size() ? std::min(size, d.size() - pos_) : 0;
      if (n) std::memcpy(buffer, d.data() + pos_, n);
      pos_ += n;
      return n;
    }
    size_t Write(const void* src, size_t size) override {
      if (!fs_->Change()) return 0;
      size_t n = size;
      if (fs_->writeBudget >= 0 && static_cast<int64_t>(n) > fs_->writeBudget) n = static_cast<size_t>(fs_->writeBudget);
      if (fs_->writeBudget >= 0) fs_->writeBudget -= static_cast<int64_t>(n);
      const uint8_t* p = static_cast<const uint8_t*>(src);
      data().insert(data().end(), p, p + n);
      return n;
    }
    bool Close() override {
      if (closed_) return true;
      Finish();
      return fs_->Change() && !fs_->failClose;
    }

   private:
    void Finish() {
      if (closed_) return;
      closed_ = true;
      --fs_->openStreams;
    }
    Bytes& data() { return fs_->files[path_]; }
    FakeFileSystem* fs_;
    std::string path_;
    size_t pos_ = 0;
    bool closed_ = false;
  };
};
