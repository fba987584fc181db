#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "reminders/reminder_state.h"
#include "reminders/snooze.h"
#include "reminders/timed_checks.h"
#include "tests/support/reminder_fakes.h"

namespace {

using Calls = std::vector<std::string>;
const ReminderSettings kWaits{5, 30};

int64_t At(int year, int month, int day, int hour, int minute, int second = 0) {
  return SecondStamp(MakeTime(year, month, day, hour, minute, second));
}

std::string When(int64_t stamp) {
  char text[24];
  FormatStamp(stamp, text, sizeof text);
  return text;
}

}  // namespace

// A snooze ends after its minutes, or at the reminder's next regular
// occurrence when that comes first (never the occurrence just fired).
TEST(SnoozeTest, SnoozeIsShortenedToTheNextOccurrence) {
  ReminderRecord daily = MakeReminder(1, "d", RepeatDaily, 8, 30);
  ReminderRecord once = MakeReminder(2, "o", RepeatOnce, 8, 30);  // 2024-03-01
  ReminderRecord monday = MakeReminder(3, "w", RepeatWeekly, 0, 5);
  monday.stWhen.wDayOfWeek = 1u << 1;
  struct Case {
    const ReminderRecord* record;
    int64_t now;
    int minutes;
    const char* end;
  } cases[] = {
      {&daily, At(2024, 3, 4, 8, 10), 10, "2024-03-04 08:20:00"},
      {&daily, At(2024, 3, 4, 8, 25, 30), 10, "2024-03-04 08:30:00"},
      {&daily, At(2024, 3, 4, 8, 30, 20), 60, "2024-03-04 09:30:20"},
      {&daily, At(2024, 3, 4, 8, 29, 59), 7, "2024-03-04 08:30:00"},  // 7 is no choice: 10
      {&once, At(2024, 3, 1, 8, 30, 20), 5, "2024-03-01 08:35:20"},
      {&monday, At(2024, 3, 3, 23, 58), 30, "2024-03-04 00:05:00"},
      {&monday, At(2024, 3, 4, 23, 58), 30, "2024-03-05 00:28:00"},
  };
  for (const Case& c : cases) EXPECT_EQ(When(SnoozeEnd(*c.record, c.now, c.minutes)), c.end) << When(c.now);
  for (int m : {0, 4, 5, 10, 15, 30, 60, 61, -10}) {
    const int valid = ValidSnoozeMinutes(m);
    EXPECT_TRUE(valid == m || valid == kDefaultSnoozeMinutes) << m;
  }
  EXPECT_EQ(ValidSnoozeMinutes(4), 10);
}

// A snooze shows board and sound (never the action) once it is due, goes with
// its reminder, becomes a missed line when it comes due in a gap, and gives
// way to the regular firing it was shortened to.
TEST(SnoozeTest, DueSnoozesShowAgainOnce) {
  ReminderList list;
  ReminderRecord r = MakeReminder(1, "tea", RepeatDaily, 8, 30, ActionNone, FlagMessage | FlagSound);
  SetFieldText(r.sPath, "t.wav");
  list.Append(r);
  ReminderRecord bar = MakeReminder(2, "bar", RepeatDaily, 8, 30, ActionNone, FlagTaskbarMessage);
  list.Append(bar);

  SnoozeList snoozes;
  snoozes.Add(r, At(2024, 3, 4, 8, 30, 10), 5);
  snoozes.Add(bar, At(2024, 3, 4, 8, 30, 10), 5);
  RecordingEffects effects;
  EXPECT_FALSE(snoozes.Tick(list, TimeOfStamp(At(2024, 3, 4, 8, 35, 9)), true, effects, kWaits));
  EXPECT_FALSE(snoozes.Tick(list, TimeOfStamp(At(2024, 3, 4, 8, 35, 10)), false, effects, kWaits));
  EXPECT_TRUE(snoozes.Tick(list, TimeOfStamp(At(2024, 3, 4, 8, 35, 10)), true, effects, kWaits));
  EXPECT_FALSE(snoozes.Tick(list, TimeOfStamp(At(2024, 3, 4, 8, 35, 11)), true, effects, kWaits));
  EXPECT_EQ(effects.Visible(), (Calls{"board:tea|message|5", "sound:t.wav", "taskbar:bar|message|5"}));
  EXPECT_TRUE(snoozes.Items().empty());

  // Deleted reminder: dropped silently. Late beyond five minutes: missed.
  snoozes.Add(r, At(2024, 3, 4, 9, 0), 10);
  snoozes.Add(bar, At(2024, 3, 4, 9, 0), 10);
  list.RemoveById(2);
  RecordingEffects later;
  EXPECT_TRUE(snoozes.Tick(list, TimeOfStamp(At(2024, 3, 4, 9, 15, 1)), true, later, kWaits));
  EXPECT_EQ(later.Visible(), (Calls{"missed:tea@2024-03-04 09:10"}));

  // Shortened to the next occurrence: one board, from the regular firing.
  TimedCheckState state;
  TimedCheckSettings settings;
  settings.remindersOn = true;
  settings.waits = kWaits;
  state.snoozes.Add(r, At(2024, 3, 5, 8, 25), 10);
  RecordingEffects both;
  for (int64_t t = At(2024, 3, 5, 8, 29, 58); t <= At(2024, 3, 5, 8, 30, 3); ++t)
    RunTimedChecks(TimeOfStamp(t), settings, state, list, both);
  EXPECT_EQ(both.Visible(), (Calls{"board:tea|message|5", "sound:t.wav"}));
  EXPECT_TRUE(state.snoozes.Items().empty());
}

TEST(SnoozeTest, StoredFormRoundTripsAndRefusesDamage) {
  Snooze s;
  s.key = ReminderKey{65535, 4294967295u};
  s.due = At(2026, 12, 9, 8, 40);
  char text[64];
  FormatSnooze(s, text, sizeof text);
  EXPECT_STREQ(text, "2026-12-09 08:40:00,65535,4294967295");
  Snooze back;
  ASSERT_TRUE(ParseSnooze(text, &back));
  EXPECT_TRUE(back.key == s.key);
  EXPECT_EQ(back.due, s.due);
  for (const char* bad : {"", "2026-12-09 08:40:00", "2026-12-09 08:40:00,65536,1", "2026-12-09 08:40:00,1,4294967296",
                          "2026-12-09 08:40:00,1,2,", "2026-12-09 08:40:00,,2", "2026-12-09 08:40,1,2"})
    EXPECT_FALSE(ParseSnooze(bad, &back)) << bad;
}

// Last-seen moment, snoozes and the snooze time survive in the settings file;
// a shorter list removes the entries it no longer has.
TEST(SnoozeTest, StateIsKeptBesideTheSettings) {
  char dir[] = "/tmp/snooze_state_XXXXXX";
  ASSERT_TRUE(mkdtemp(dir));
  const std::string ini = std::string(dir) + "/Ticora.ini";
  EXPECT_EQ(ReadLastSeen(ini.c_str()), -1);
  EXPECT_EQ(ReadSnoozeMinutes(ini.c_str()), 10);
  ASSERT_TRUE(WriteLastSeen(ini.c_str(), At(2026, 12, 9, 8, 0, 5)));
  EXPECT_EQ(ReadLastSeen(ini.c_str()), At(2026, 12, 9, 8, 0, 5));
  ASSERT_TRUE(WriteLastSeen(ini.c_str(), -1));
  EXPECT_EQ(ReadLastSeen(ini.c_str()), -1);
  ASSERT_TRUE(WriteSnoozeMinutes(ini.c_str(), 30));
  EXPECT_EQ(ReadSnoozeMinutes(ini.c_str()), 30);

  std::vector<Snooze> three(3);
  for (int i = 0; i < 3; ++i) {
    three[i].key.id = static_cast<uint16_t>(i + 1);
    three[i].due = At(2026, 12, 9, 9, i);
  }
  ASSERT_TRUE(WriteSnoozes(ini.c_str(), three));
  ASSERT_TRUE(WriteSnoozes(ini.c_str(), {three[2]}));
  const std::vector<Snooze> read = ReadSnoozes(ini.c_str());
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].key.id, 3);
  FILE* f = fopen(ini.c_str(), "rb");
  ASSERT_TRUE(f);
  std::string text(4096, '\0');
  text.resize(fread(&text[0], 1, text.size(), f));
  fclose(f);
  EXPECT_EQ(text.find("sSnooze02"), std::string::npos) << text;
  std::remove(ini.c_str());
  std::remove(dir);
}
