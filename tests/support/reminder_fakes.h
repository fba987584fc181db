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
#include "tests/support/fake_file_system.h"
#include "reminders/late_reminders.h"
#include "reminders/reminder_effects.h"
#include "reminders/reminder_record.h"

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
  void ShowTaskbarMessage(const ReminderKey&, const char* title, const char* message, int seconds) override {
    calls.push_back(std::string("taskbar:") + title + "|" + message + "|" + std::to_string(seconds));
  }
  // One "missed:<title>@<due>" call per reminder listed.
  void ReportMissed(const MissedReminder* missed, size_t count) override {
    for (size_t i = 0; i < count; ++i) {
      char when[24];
      FormatStamp(SecondStamp(missed[i].due), when, sizeof when);
      calls.push_back(std::string("missed:") + missed[i].title + "@" + std::string(when).substr(0, 16));
    }
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
