#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

#include "tests/support/reminder_fakes.h"
#include "reminders/timed_checks.h"
#include "base/theme_file.h"

namespace {

using Calls = std::vector<std::string>;

// A 24-hour theme whose key n names "h<n>.wav".
class Theme24 {
 public:
  Theme24() {
    char name[] = "/tmp/timed_checks_test_XXXXXX";
    dir_ = mkdtemp(name) ? name : "";
    std::ofstream out(dir_ + "/theme.ini", std::ios::binary);
    out << "[THEME]\nnMode=24\n";
    for (int n = 1; n <= 24; ++n) out << "sClock" << (n < 10 ? "0" : "") << n << "=h" << n << ".wav\n";
  }
  ~Theme24() {
    std::remove((dir_ + "/theme.ini").c_str());
    std::remove(dir_.c_str());
  }
  const char* dir() const { return dir_.c_str(); }
  std::string Sound(int n) const {
    return "sound:" + dir_ + kThemePathSeparator + "h" + std::to_string(n) + ".wav";
  }

 private:
  std::string dir_;
};

int DaysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

void AddSecond(LocalTime& t) {
  if (++t.wSecond < 60) return;
  t.wSecond = 0;
  if (++t.wMinute < 60) return;
  t.wMinute = 0;
  if (++t.wHour < 24) return;
  t.wHour = 0;
  t.wDayOfWeek = static_cast<uint16_t>((t.wDayOfWeek + 1) % 7);
  if (++t.wDay <= DaysInMonth(t.wYear, t.wMonth)) return;
  t.wDay = 1;
  if (++t.wMonth <= 12) return;
  t.wMonth = 1;
  ++t.wYear;
}

TimedCheckSettings AllOn(const char* themeDir) {
  TimedCheckSettings s;
  s.chimeOn = true;
  s.remindersOn = true;
  SetThemeDirectory(s, themeDir);
  s.waits = ReminderSettings{5, 30};
  return s;
}

}  // namespace

// At a full hour the chime starts first, so a reminder's sound cuts it off.
TEST(TimedChecksTest, ChimeComesBeforeReminders) {
  Theme24 theme;
  ReminderList list;
  ReminderRecord r = MakeReminder(1, "R", RepeatDaily, 9, 0, ActionNone, FlagMessage | FlagSound);
  SetFieldText(r.sPath, "r.wav");
  list.Append(r);
  ChimeLatch latch;
  RecordingEffects effects;
  RunTimedChecks(MakeTime(2024, 3, 1, 9, 0, 0), AllOn(theme.dir()), latch, list, effects);
  EXPECT_EQ(effects.calls, (Calls{theme.Sound(9), "tidy", "board:R|message|5", "sound:r.wav"}));
}

// A switched-off check leaves its latch as it was.
TEST(TimedChecksTest, SwitchedOffChecksKeepTheirLatches) {
  Theme24 theme;
  ReminderList list;
  list.Append(MakeReminder(1, "R", RepeatDaily, 10, 0));
  ChimeLatch latch;
  RecordingEffects effects;
  TimedCheckSettings settings = AllOn(theme.dir());

  RunTimedChecks(MakeTime(2024, 3, 1, 10, 0, 0), settings, latch, list, effects);
  ASSERT_EQ(effects.Visible().size(), 2u);  // chime and board

  // Both switches off until the same minute of the next day.
  settings.chimeOn = settings.remindersOn = false;
  for (LocalTime t : {MakeTime(2024, 3, 1, 10, 5), MakeTime(2024, 3, 2, 9, 0), MakeTime(2024, 3, 2, 10, 0, 10)})
    RunTimedChecks(t, settings, latch, list, effects);
  EXPECT_TRUE(latch.played);
  EXPECT_EQ(list.At(0)->bFired, 1);

  // Switched on again inside that minute: nothing fires, the next minute re-arms.
  settings.chimeOn = settings.remindersOn = true;
  effects.calls.clear();
  RunTimedChecks(MakeTime(2024, 3, 2, 10, 0, 30), settings, latch, list, effects);
  RunTimedChecks(MakeTime(2024, 3, 2, 10, 1, 0), settings, latch, list, effects);
  EXPECT_TRUE(effects.calls.empty());
  EXPECT_FALSE(latch.played);
  EXPECT_EQ(list.At(0)->bFired, 0);
}

// Two days of ticks, one a second, across a month end in a leap year.
TEST(TimedChecksTest, FortyEightHoursOfTicks) {
  Theme24 theme;
  ReminderList list;
  list.Append(MakeReminder(1, "morning", RepeatDaily, 8, 30));
  list.Append(MakeReminder(2, "midnight", RepeatDaily, 0, 0));
  list.Append(MakeReminder(3, "late", RepeatDaily, 23, 58));
  ReminderRecord once = MakeReminder(4, "once", RepeatOnce, 12, 0);
  once.stWhen = MakeTime(2024, 3, 1, 12, 0);
  list.Append(once);
  ReminderRecord off = MakeReminder(5, "off", RepeatDaily, 8, 30);
  off.bEnabled = 0;
  list.Append(off);
  ReminderRecord weekly = MakeReminder(6, "weekly", 7, 8, 30);
  list.Append(weekly);

  ChimeLatch latch;
  RecordingEffects effects;
  const TimedCheckSettings settings = AllOn(theme.dir());
  LocalTime now = MakeTime(2024, 2, 29, 23, 59, 30);
  for (int tick = 0; tick < 48 * 3600; ++tick) {
    RunTimedChecks(now, settings, latch, list, effects);
    AddSecond(now);
  }
  EXPECT_EQ(now.wDay, 2);
  EXPECT_EQ(now.wMonth, 3);

  std::map<std::string, int> counts;
  for (const auto& c : effects.calls) ++counts[c];
  std::map<std::string, int> expected = {
      {"board:morning|message|5", 2}, {"board:midnight|message|5", 2}, {"board:late|message|5", 2},
      {"board:once|message|5", 1},    {"tidy", 7},
  };
  for (int n = 1; n <= 24; ++n) expected[theme.Sound(n)] = 2;  // 48 chimes, each key twice
  EXPECT_EQ(counts, expected);
}
