// Test doubles for the reminder core: an in-memory file system that injects
// failures, effects that record what they were asked, and record builders.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/local_time.h"
#include "reminders/file_system.h"
#include "reminders/reminder_effects.h"
#include "reminders/reminder_record.h"

using Bytes = std::vector<uint8_t>;

class FakeFileSystem : public FileSystem {
 public:
  std::map<std::string, Bytes> files;
  // Total bytes all streams may still write; a write past it is cut short.
  int64_t writeBudget = -1;
  bool failCreate = false;
  bool failClose = false;
  bool failReplace = false;
  int openStreams = 0;

  std::unique_ptr<FileStream> OpenRead(const char* path) override {
    if (!files.count(path)) return nullptr;
    return std::make_unique<Stream>(this, path);
  }
  std::unique_ptr<FileStream> Create(const char* path) override {
    if (failCreate) return nullptr;
    files[path].clear();
    return std::make_unique<Stream>(this, path);
  }
  bool Exists(const char* path) override { return files.count(path) != 0; }
  bool Remove(const char* path) override { return files.erase(path) != 0; }
  bool Replace(const char* source, const char* target) override {
    if (failReplace || !files.count(source)) return false;
    files[target] = files[source];
    files.erase(source);
    return true;
  }

 private:
  class Stream : public FileStream {
   public:
    Stream(FakeFileSystem* fs, std::string path) : fs_(fs), path_(std::move(path)) { ++fs_->openStreams; }
    ~Stream() override { Close(); }
    int64_t Size() override { return static_cast<int64_t>(data().size()); }
    size_t Read(void* buffer, size_t size) override {
      Bytes& d = data();
      size_t n = pos_ < d.size() ? std::min(size, d.size() - pos_) : 0;
      if (n) std::memcpy(buffer, d.data() + pos_, n);
      pos_ += n;
      return n;
    }
    size_t Write(const void* src, size_t size) override {
      size_t n = size;
      if (fs_->writeBudget >= 0 && static_cast<int64_t>(n) > fs_->writeBudget) n = static_cast<size_t>(fs_->writeBudget);
      if (fs_->writeBudget >= 0) fs_->writeBudget -= static_cast<int64_t>(n);
      const uint8_t* p = static_cast<const uint8_t*>(src);
      data().insert(data().end(), p, p + n);
      return n;
    }
    bool Close() override {
      if (closed_) return true;
      closed_ = true;
      --fs_->openStreams;
      return !fs_->failClose;
    }

   private:
    Bytes& data() { return fs_->files[path_]; }
    FakeFileSystem* fs_;
    std::string path_;
    size_t pos_ = 0;
    bool closed_ = false;
  };
};

class RecordingEffects : public ReminderEffects {
 public:
  std::vector<std::string> calls;
  bool countdownRunning = false;

  void StartSound(const char* path) override { calls.push_back(std::string("sound:") + path); }
  void TidyMessageBoards() override { calls.push_back("tidy"); }
  void OpenMessageBoard(const char* title, const char* message, int seconds) override {
    calls.push_back(std::string("board:") + title + "|" + message + "|" + std::to_string(seconds));
  }
  void StartProgram(const char* commandLine) override {
    calls.push_back(std::string("program:") + commandLine);
  }
  bool IsCountdownRunning() override { return countdownRunning; }
  void StartShutdownCountdown(bool force, bool restart, int seconds) override {
    calls.push_back(std::string("countdown:") + (force ? "force," : "gentle,") +
                    (restart ? "restart," : "shutdown,") + std::to_string(seconds));
    countdownRunning = true;
  }
  // Calls that are not the tidying every firing starts with.
  std::vector<std::string> Visible() const {
    std::vector<std::string> out;
    for (const auto& c : calls)
      if (c != "tidy") out.push_back(c);
    return out;
  }
};

inline LocalTime MakeTime(int year, int month, int day, int hour, int minute, int second = 0) {
  LocalTime t;
  t.wYear = static_cast<uint16_t>(year);
  t.wMonth = static_cast<uint16_t>(month);
  t.wDay = static_cast<uint16_t>(day);
  t.wHour = static_cast<uint16_t>(hour);
  t.wMinute = static_cast<uint16_t>(minute);
  t.wSecond = static_cast<uint16_t>(second);
  return t;
}

inline ReminderRecord MakeReminder(uint16_t id, const char* title, uint16_t repeat, int hour, int minute,
                                   uint16_t action = ActionNone, uint16_t flags = FlagMessage) {
  ReminderRecord r = MakeEmptyReminder();
  SetFieldText(r.sTitle, title);
  SetFieldText(r.sMessage, "message");
  r.bEnabled = 1;
  r.nId = id;
  r.nRepeat = repeat;
  r.nAction = action;
  r.nFlags = flags;
  r.stWhen = MakeTime(2024, 3, 1, hour, minute);
  return r;
}

// The bytes of a reminder file holding records, in order, as text.
inline std::string ReminderFileText(const std::vector<ReminderRecord>& records) {
  std::string text;
  for (const ReminderRecord& r : records) text.append(reinterpret_cast<const char*>(&r), sizeof r);
  return text;
}

inline Bytes RecordBytes(const ReminderRecord& r) {
  const uint8_t* p = reinterpret_cast<const uint8_t*>(&r);
  return Bytes(p, p + sizeof r);
}
