#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/reminder_fakes.h"
#include "reminders/reminder_scheduler.h"

namespace {

const ReminderSettings kWaits{5, 30};

using Calls = std::vector<std::string>;

}  // namespace

TEST(ReminderSchedulerTest, DueCheckComparesMinuteAndForOnceTheDate) {
  ReminderRecord daily = MakeReminder(1, "d", RepeatDaily, 8, 30);
  ReminderRecord once = MakeReminder(2, "o", RepeatOnce, 8, 30);  // 2024-03-01
  ReminderRecord other = MakeReminder(3, "x", 7, 8, 30);
  struct Case {
    LocalTime now;
    bool daily, once;
  } cases[] = {
      {MakeTime(2024, 3, 1, 8, 29, 59), false, false},
      {MakeTime(2024, 3, 1, 8, 30, 0), true, true},
      {MakeTime(2024, 3, 1, 8, 30, 59), true, true},
      {MakeTime(2024, 3, 1, 8, 31, 0), false, false},
      {MakeTime(2024, 3, 1, 20, 30, 0), false, false},
      {MakeTime(2024, 3, 2, 8, 30, 0), true, false},
      {MakeTime(2024, 4, 1, 8, 30, 0), true, false},
      {MakeTime(2025, 3, 1, 8, 30, 0), true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.now.wYear << "-" << c.now.wMonth << "-" << c.now.wDay << " "
                                    << c.now.wHour << ":" << c.now.wMinute << ":" << c.now.wSecond);
    EXPECT_EQ(IsReminderDue(daily, c.now), c.daily);
    EXPECT_EQ(IsReminderDue(once, c.now), c.once);
    EXPECT_FALSE(IsReminderDue(other, c.now));
  }
}

// The latch lets a reminder fire at the first tick inside its minute only, and
// re-arms it at the first tick outside.
TEST(ReminderSchedulerTest, LatchFiresOncePerMinute) {
  struct Tick {
    LocalTime now;
    bool fires;
    uint16_t firedAfter;
  };
  struct Case {
    const char* name;
    uint16_t repeat;
    uint16_t firedAtStart;
    std::vector<Tick> ticks;
  } cases[] = {
      {"daily",
       RepeatDaily,
       0,
       {{MakeTime(2024, 3, 1, 8, 29, 59), false, 0},
        {MakeTime(2024, 3, 1, 8, 30, 0), true, 1},
        {MakeTime(2024, 3, 1, 8, 30, 1), false, 1},
        {MakeTime(2024, 3, 1, 8, 30, 59), false, 1},
        {MakeTime(2024, 3, 1, 8, 31, 0), false, 0},
        {MakeTime(2024, 3, 2, 8, 30, 0), true, 1}}},
      {"started inside the minute", RepeatDaily, 0, {{MakeTime(2024, 3, 1, 8, 30, 40), true, 1}}},
      {"loaded with the latch set",
       RepeatDaily,
       1,
       {{MakeTime(2024, 3, 1, 8, 30, 10), false, 1},
        {MakeTime(2024, 3, 1, 8, 31, 0), false, 0},
        {MakeTime(2024, 3, 2, 8, 30, 0), true, 1}}},
      {"once",
       RepeatOnce,
       0,
       {{MakeTime(2024, 3, 1, 8, 30, 0), true, 1},
        {MakeTime(2024, 3, 1, 8, 31, 0), false, 0},
        {MakeTime(2024, 3, 2, 8, 30, 0), false, 0}}},
      {"once, time already past today", RepeatOnce, 0, {{MakeTime(2024, 3, 1, 9, 15, 0), false, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ReminderList list;
    ReminderRecord r = MakeReminder(1, "t", c.repeat, 8, 30);
    r.bFired = c.firedAtStart;
    list.Append(r);
    for (size_t i = 0; i < c.ticks.size(); ++i) {
      SCOPED_TRACE(i);
      RecordingEffects effects;
      EXPECT_EQ(CheckReminders(list, c.ticks[i].now, effects, kWaits), c.ticks[i].fires ? 1 : 0);
      EXPECT_EQ(effects.calls.empty(), !c.ticks[i].fires);
      EXPECT_EQ(list.At(0)->bFired, c.ticks[i].firedAfter);
    }
  }
}

// Disabled records and records of an unknown repetition keep their latch.
TEST(ReminderSchedulerTest, SkippedRecordsKeepTheirLatch) {
  ReminderList list;
  ReminderRecord disabled = MakeReminder(1, "off", RepeatDaily, 8, 30);
  disabled.bEnabled = 0;
  disabled.bFired = 1;
  ReminderRecord weekly = MakeReminder(2, "seven", 7, 8, 30);
  weekly.bFired = 1;
  list.Append(disabled);
  list.Append(weekly);
  RecordingEffects effects;
  for (LocalTime now : {MakeTime(2024, 3, 1, 8, 30), MakeTime(2024, 3, 1, 9, 0)}) {
    CheckReminders(list, now, effects, kWaits);
    EXPECT_EQ(list.At(0)->bFired, 1);
    EXPECT_EQ(list.At(1)->bFired, 1);
  }
  EXPECT_TRUE(effects.calls.empty());

  // Enabled again: the first tick outside the minute clears the latch, and
  // the next day's minute fires.
  list.SetEnabledById(1, 1);
  CheckReminders(list, MakeTime(2024, 3, 1, 9, 1), effects, kWaits);
  EXPECT_EQ(list.At(0)->bFired, 0);
  CheckReminders(list, MakeTime(2024, 3, 2, 8, 30), effects, kWaits);
  EXPECT_EQ(effects.Visible(), (Calls{"board:off|message|5"}));
}

TEST(ReminderSchedulerTest, LatchIsNoChangeOfTheList) {
  FakeFileSystem fs;
  ReminderList list(&fs);
  list.Append(MakeReminder(1, "t", RepeatDaily, 8, 30));
  ASSERT_TRUE(list.Save("r.rmd"));
  RecordingEffects effects;
  CheckReminders(list, MakeTime(2024, 3, 1, 8, 30), effects, kWaits);
  EXPECT_EQ(list.At(0)->bFired, 1);
  EXPECT_FALSE(list.modified());
}

TEST(ReminderSchedulerTest, RemindersDueTogetherFireInListOrder) {
  ReminderList list;
  ReminderRecord a = MakeReminder(1, "A", RepeatDaily, 8, 30, ActionNone, FlagMessage | FlagSound);
  SetFieldText(a.sPath, "a.wav");
  ReminderRecord late = MakeReminder(2, "late", RepeatDaily, 8, 31);
  ReminderRecord b = MakeReminder(3, "B", RepeatOnce, 8, 30, ActionNone, FlagMessage | FlagSound);
  SetFieldText(b.sPath, "b.wav");
  list.Append(a);
  list.Append(late);
  list.Append(b);
  RecordingEffects effects;
  EXPECT_EQ(CheckReminders(list, MakeTime(2024, 3, 1, 8, 30, 0), effects, kWaits), 2);
  EXPECT_EQ(effects.calls, (Calls{"tidy", "board:A|message|5", "sound:a.wav", "tidy",
                                  "board:B|message|5", "sound:b.wav"}));
}

TEST(ReminderSchedulerTest, FiringActsOnActionAndFlags) {
  struct Case {
    const char* name;
    uint16_t action;
    uint16_t flags;
    bool countdownRunning;
    Calls visible;
  } cases[] = {
      {"message and sound", ActionNone, FlagMessage | FlagSound, false,
       {"board:T|M|5", "sound:P"}},
      {"sound only", ActionNone, FlagNoMessage | FlagSound, false, {"sound:P"}},
      {"no message, no sound", ActionNone, FlagNoMessage, false, {}},
      {"taskbar message", ActionNone, FlagTaskbarMessage | FlagSound, false, {"taskbar:T|M|5", "sound:P"}},
      {"shutdown ignores message and sound", ActionShutdown, FlagMessage | FlagSound, false,
       {"countdown:gentle,shutdown,30"}},
      {"forced restart", ActionRestart, FlagForceAction | FlagNoMessage, false,
       {"countdown:force,restart,30"}},
      {"countdown already running", ActionShutdown, FlagForceAction, true, {}},
      {"program wins over sound", ActionRunProgram, FlagMessage | FlagSound, false, {"program:P"}},
      {"unknown action", 9, FlagMessage | FlagSound, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ReminderRecord r = MakeReminder(1, "T", RepeatDaily, 0, 0, c.action, c.flags);
    SetFieldText(r.sMessage, "M");
    SetFieldText(r.sPath, "P");
    RecordingEffects effects;
    effects.countdownRunning = c.countdownRunning;
    FireReminder(r, effects, kWaits);
    ASSERT_FALSE(effects.calls.empty());
    EXPECT_EQ(effects.calls[0], "tidy") << "boards are tidied for every action";
    EXPECT_EQ(effects.Visible(), c.visible);
  }
}

// A second shutdown reminder in the same tick finds the first countdown
// running and is dropped.
TEST(ReminderSchedulerTest, SecondShutdownWhileCountingDownIsDropped) {
  ReminderList list;
  list.Append(MakeReminder(1, "off", RepeatDaily, 22, 0, ActionShutdown, FlagNoMessage));
  list.Append(MakeReminder(2, "again", RepeatDaily, 22, 0, ActionRestart, FlagForceAction));
  RecordingEffects effects;
  EXPECT_EQ(CheckReminders(list, MakeTime(2024, 3, 1, 22, 0), effects, kWaits), 2);
  EXPECT_EQ(effects.Visible(), (Calls{"countdown:gentle,shutdown,30"}));
}

TEST(ReminderSchedulerTest, UnterminatedTextsReachEffectsCutAtTheirField) {
  ReminderRecord r = MakeReminder(1, "", RepeatDaily, 0, 0, ActionNone, FlagMessage | FlagSound);
  std::memset(r.sTitle, 'T', sizeof r.sTitle);
  std::memset(r.sMessage, 'M', sizeof r.sMessage);
  std::memset(r.sPath, 'P', sizeof r.sPath);
  RecordingEffects effects;
  FireReminder(r, effects, kWaits);
  EXPECT_EQ(effects.Visible(),
            (Calls{"board:" + std::string(64, 'T') + "|" + std::string(256, 'M') + "|5",
                   "sound:" + std::string(256, 'P')}));
}
