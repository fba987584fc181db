#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "clock/clock_settings.h"
#include "reminders/late_reminders.h"
#include "reminders/timed_checks.h"
#include "tests/support/reminder_fakes.h"

namespace {

using Calls = std::vector<std::string>;
const ReminderSettings kWaits{5, 30};

int64_t At(int year, int month, int day, int hour, int minute, int second = 0) {
  return SecondStamp(MakeTime(year, month, day, hour, minute, second));
}

ReminderRecord Dated(const char* title, uint16_t repeat, int month, int day, uint16_t weekdays = 0) {
  ReminderRecord r = MakeReminder(0, title, repeat, 8, 30);
  r.stWhen.wMonth = static_cast<uint16_t>(month);
  r.stWhen.wDay = static_cast<uint16_t>(day);
  r.stWhen.wDayOfWeek = weekdays;
  return r;
}

// One reminder of every kind at 08:30, each due on Monday 2024-03-04 and,
// from its start on 2024-03-01 on, not before it.
void FillEveryKind(ReminderList& list) {
  uint16_t id = 1;
  for (ReminderRecord r : {Dated("daily", RepeatDaily, 3, 1), Dated("once", RepeatOnce, 3, 4),
                           Dated("weekly", RepeatWeekly, 3, 1, 1u << 1), Dated("monthly", RepeatMonthly, 3, 4),
                           Dated("yearly", RepeatYearly, 3, 4), Dated("lunar", RepeatLunarYearly, 3, 4)}) {
    r.nId = id++;
    list.Append(r);
  }
}

// Ticks once at previous, then once at now, and returns what the second did.
Calls TickAcross(ReminderList& list, int64_t previous, int64_t now) {
  ReminderWatch watch;
  RecordingEffects first;
  watch.Tick(list, TimeOfStamp(previous), true, first, kWaits);
  RecordingEffects effects;
  watch.Tick(list, TimeOfStamp(now), true, effects, kWaits);
  return effects.Visible();
}

}  // namespace

TEST(LateRemindersTest, StampsRoundTripAndRefuseNonsense) {
  for (int64_t s : {At(1970, 1, 1, 0, 0), At(2024, 2, 29, 23, 59, 59), At(2100, 12, 31, 12, 0, 1)}) {
    char text[24];
    FormatStamp(s, text, sizeof text);
    EXPECT_EQ(ParseStamp(text), s) << text;
    EXPECT_EQ(SecondStamp(TimeOfStamp(s)), s);
  }
  EXPECT_EQ(TimeOfStamp(At(2024, 3, 4, 8, 30)).wDayOfWeek, 1);
  for (const char* bad : {"", "2024-03-04 08:30", "2024-02-30 08:30:00", "2024-03-04 24:00:00",
                          "2024-03-04T08:30:00", "2024-03-04 08:30:00x", "20x4-03-04 08:30:00"})
    EXPECT_EQ(ParseStamp(bad), -1) << bad;
  EXPECT_EQ(SecondStamp(MakeTime(2024, 13, 1, 0, 0)), -1);
}

// Every kind over gaps from half a minute to eight days: at most five minutes
// late fires once (with its board), older is listed once at its latest due
// time, beyond seven days nothing.
TEST(LateRemindersTest, GapsOfEveryLengthOverEveryKind) {
  const std::string kAll[] = {"daily", "once", "weekly", "monthly", "yearly", "lunar"};
  auto fireAll = [&] {
    Calls c;
    for (const std::string& k : kAll) c.push_back("board:" + k + "|message|5");
    return c;
  };
  auto missAll = [&](const char* when) {
    Calls c;
    for (const std::string& k : kAll) c.push_back("missed:" + k + "@" + when);
    return c;
  };
  struct Case {
    const char* name;
    int64_t previous, now;
    Calls expected;
  } cases[] = {
      {"half a minute, ordinary tick", At(2024, 3, 4, 8, 29, 40), At(2024, 3, 4, 8, 30, 10), fireAll()},
      {"timer held 70 s over the minute", At(2024, 3, 4, 8, 29, 50), At(2024, 3, 4, 8, 31, 0), fireAll()},
      {"five minutes late to the second", At(2024, 3, 4, 8, 0), At(2024, 3, 4, 8, 35, 0), fireAll()},
      {"one second more is missed", At(2024, 3, 4, 8, 0), At(2024, 3, 4, 8, 35, 1), missAll("2024-03-04 08:30")},
      {"due minute is the previous tick's", At(2024, 3, 4, 8, 30, 5), At(2024, 3, 4, 8, 40), {}},
      {"night's sleep", At(2024, 3, 3, 23, 0), At(2024, 3, 4, 9, 0), missAll("2024-03-04 08:30")},
      {"gap ends before the minute", At(2024, 3, 3, 8, 0), At(2024, 3, 4, 8, 29, 59), {"missed:daily@2024-03-03 08:30"}},
      {"a week, each listed once at its latest",
       At(2024, 3, 3, 9, 0),
       At(2024, 3, 11, 8, 0),
       {"missed:daily@2024-03-10 08:30", "missed:once@2024-03-04 08:30", "missed:weekly@2024-03-04 08:30",
        "missed:monthly@2024-03-04 08:30", "missed:yearly@2024-03-04 08:30", "missed:lunar@2024-03-04 08:30"}},
      {"eight days: only the last seven are looked at",
       At(2024, 3, 3, 9, 0),
       At(2024, 3, 12, 8, 31, 0),
       {"board:daily|message|5", "missed:weekly@2024-03-11 08:30"}},
      {"clock set back", At(2024, 3, 4, 9, 0), At(2024, 3, 4, 8, 0), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ReminderList list;
    FillEveryKind(list);
    EXPECT_EQ(TickAcross(list, c.previous, c.now), c.expected);
  }
}

TEST(LateRemindersTest, SevenDayEdgeOfTheLookBack) {
  ReminderList list;
  list.Append(Dated("once", RepeatOnce, 3, 4));
  EXPECT_EQ(TickAcross(list, At(2024, 2, 1, 0, 0), At(2024, 3, 11, 8, 30, 59)),
            (Calls{"missed:once@2024-03-04 08:30"}));
  EXPECT_EQ(TickAcross(list, At(2024, 2, 1, 0, 0), At(2024, 3, 11, 8, 31, 0)), Calls{});
}

// A late reminder fires once; setting the clock back to a once reminder's
// minute makes it match again; a disabled one is neither fired nor listed.
TEST(LateRemindersTest, LateFiresOnceAndSetBackMatchesAgain) {
  ReminderList list;
  list.Append(Dated("once", RepeatOnce, 3, 4));
  ReminderRecord off = Dated("off", RepeatDaily, 3, 1);
  off.bEnabled = 0;
  list.Append(off);
  ReminderWatch watch;
  RecordingEffects effects;
  for (int64_t t : {At(2024, 3, 4, 8, 28), At(2024, 3, 4, 8, 32), At(2024, 3, 4, 8, 32, 1), At(2024, 3, 4, 8, 33),
                    At(2024, 3, 4, 8, 30, 0), At(2024, 3, 4, 8, 30, 1)})
    watch.Tick(list, TimeOfStamp(t), true, effects, kWaits);
  EXPECT_EQ(effects.Visible(), (Calls{"board:once|message|5", "board:once|message|5"}));
}

// A late shutdown reminder counts down as usual; a missed one only says so.
TEST(LateRemindersTest, MissedActionsAreNeverCarriedOut) {
  ReminderList list;
  ReminderRecord r = Dated("off", RepeatDaily, 3, 1);
  r.nAction = ActionShutdown;
  list.Append(r);
  r.nAction = ActionRunProgram;
  SetFieldText(r.sTitle, "run");
  list.Append(r);
  EXPECT_EQ(TickAcross(list, At(2024, 3, 4, 8, 29), At(2024, 3, 4, 8, 33)),
            (Calls{"countdown:gentle,shutdown,30", "program:"}));
  EXPECT_EQ(TickAcross(list, At(2024, 3, 4, 7, 0), At(2024, 3, 4, 9, 0)),
            (Calls{"missed:off@2024-03-04 08:30", "missed:run@2024-03-04 08:30"}));
}

// With the switch off nothing is looked at, and the time it was off is no gap.
TEST(LateRemindersTest, SwitchOffDuringTheGapReportsNothing) {
  ReminderList list;
  FillEveryKind(list);
  ReminderWatch watch;
  RecordingEffects effects;
  watch.Tick(list, TimeOfStamp(At(2024, 3, 4, 7, 0)), true, effects, kWaits);
  watch.Tick(list, TimeOfStamp(At(2024, 3, 4, 8, 0)), false, effects, kWaits);
  watch.Tick(list, TimeOfStamp(At(2024, 3, 4, 9, 0)), true, effects, kWaits);
  watch.Tick(list, TimeOfStamp(At(2024, 3, 4, 9, 0, 1)), true, effects, kWaits);
  EXPECT_EQ(effects.Visible(), Calls{});
  // Started with a last-seen moment: the time closed is a gap.
  ReminderWatch restarted;
  restarted.Start(At(2024, 3, 4, 8, 0));
  restarted.Tick(list, TimeOfStamp(At(2024, 3, 4, 8, 33)), true, effects, kWaits);
  EXPECT_EQ(effects.Visible().size(), 6u);
}

TEST(LateRemindersTest, MergingKeepsOneLinePerReminderAtItsLatest) {
  ReminderRecord a = Dated("a", RepeatDaily, 3, 1), b = Dated("b", RepeatDaily, 3, 1);
  b.nId = 2;
  std::vector<MissedReminder> shown = {MakeMissed(a, At(2024, 3, 4, 8, 30))};
  MergeMissed(shown, {MakeMissed(b, At(2024, 3, 4, 8, 30)), MakeMissed(a, At(2024, 3, 5, 8, 30))});
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].due.wDay, 5);
  EXPECT_STREQ(shown[1].title, "b");
  MergeMissed(shown, {MakeMissed(a, At(2024, 3, 3, 8, 30))});
  EXPECT_EQ(shown[0].due.wDay, 5) << "an older time does not replace a later one";
}

TEST(LateRemindersTest, MissedLineKeepsDateTitleAndNoteAndCutsTheMessage) {
  ReminderRecord r = Dated("开会", RepeatDaily, 3, 1);
  r.nAction = ActionShutdown;
  SetFieldText(r.sMessage, "第一行\r\n第二行");
  char line[128];
  FormatMissedLine(MakeMissed(r, At(2024, 3, 4, 8, 30)), line, sizeof line);
  EXPECT_STREQ(line, "03-04 08:30 开会 未执行：关闭计算机：第一行  第二行");
  std::string longMessage(200, '\0');
  for (size_t i = 0; i < longMessage.size(); i += 2) longMessage.replace(i, 2, "字");
  SetFieldText(r.sMessage, longMessage.c_str());
  r.nAction = ActionNone;
  char cut[40];
  FormatMissedLine(MakeMissed(r, At(2024, 3, 4, 8, 30)), cut, sizeof cut);
  EXPECT_EQ(std::strlen(cut) % 2, 0u) << "no half character at the end";
  EXPECT_EQ(std::string(cut).rfind("03-04 08:30 开会：", 0), 0u);

  // The board: one short line each, at most six, the sixth counting the rest.
  std::vector<MissedReminder> many;
  for (int i = 0; i < 8; ++i) many.push_back(MakeMissed(r, At(2024, 3, 4, 8, i)));
  char board[512];
  FormatMissedBoard({many.begin(), many.begin() + 2}, board, sizeof board);
  const std::string two = board;
  EXPECT_EQ(two.find("\r\n"), kMissedLineBytes - (kMissedLineBytes % 2)) << two;
  EXPECT_EQ(two.find("03-04 08:01 开会：字"), two.find("\r\n") + 2);
  FormatMissedBoard(many, board, sizeof board);
  const std::string eight = board;
  EXPECT_EQ(eight.substr(eight.rfind("\r\n") + 2), "……另有 3 条");
}

TEST(LateRemindersTest, LastSeenIsWrittenEveryTenMinutesAndAfterASetBack) {
  struct Case {
    int64_t written, now;
    bool due;
  } cases[] = {{-1, 1000, true}, {1000, 1000, false}, {1000, 1599, false},
               {1000, 1600, true}, {1000, 999, true},  {1000, -1, false}};
  for (const Case& c : cases) EXPECT_EQ(LastSeenDue(c.written, c.now), c.due) << c.written << " " << c.now;
}

TEST(QuietHoursTest, RangesWrapMidnightAndEqualHoursMeanAllDay) {
  struct Case {
    QuietHours quiet;
    std::string quietHours;  // one character per hour 0..23
  } cases[] = {
      {{false, 22, 7}, "........................"},
      {{true, 22, 7}, "qqqqqqq...............qq"},
      {{true, 9, 17}, ".........qqqqqqqq......."},
      {{true, 5, 5}, "qqqqqqqqqqqqqqqqqqqqqqqq"},
      {{true, 0, 23}, "qqqqqqqqqqqqqqqqqqqqqqq."},
      {{true, 23, 0}, ".......................q"},
  };
  for (const Case& c : cases) {
    std::string got;
    for (int h = 0; h < 24; ++h) got += InQuietHours(c.quiet, h) ? 'q' : '.';
    EXPECT_EQ(got, c.quietHours) << c.quiet.on << " " << c.quiet.from << "-" << c.quiet.to;
  }
}

// The chime keeps silent in the quiet hours; reminders in them still fire.
TEST(QuietHoursTest, ChimeIsSilentButRemindersFire) {
  ReminderList list;
  ReminderRecord r = MakeReminder(1, "night", RepeatDaily, 23, 0, ActionNone, FlagSound);
  SetFieldText(r.sPath, "r.wav");
  list.Append(r);
  TimedCheckSettings settings;
  settings.chimeOn = settings.remindersOn = true;
  settings.quiet = QuietHours{true, 22, 7};
  SetThemeDirectory(settings, "theme");
  TimedCheckState state;
  RecordingEffects effects;
  RunTimedChecks(MakeTime(2024, 3, 4, 23, 0, 0), settings, state, list, effects);
  EXPECT_EQ(effects.Visible(), (Calls{"sound:r.wav"}));
  settings.quiet.on = false;
  RunTimedChecks(MakeTime(2024, 3, 4, 23, 30, 0), settings, state, list, effects);
  RecordingEffects later;
  RunTimedChecks(MakeTime(2024, 3, 5, 0, 0, 0), settings, state, list, later);
  ASSERT_EQ(later.Visible().size(), 1u);
  EXPECT_EQ(later.Visible()[0].rfind("sound:", 0), 0u);
}

TEST(QuietHoursTest, StoredHoursAndTypedHours) {
  struct Case {
    const char* text;
    int hour;
  } cases[] = {{"0", 0}, {"7", 7}, {" 23 ", 23}, {"07", 7}, {"24", -1}, {"", -1}, {"-1", -1}, {"1a", -1}, {"999", -1}};
  for (const Case& c : cases) EXPECT_EQ(HourFromText(c.text, -1), c.hour) << "'" << c.text << "'";

  char dir[] = "/tmp/quiet_hours_XXXXXX";
  ASSERT_TRUE(mkdtemp(dir));
  const std::string ini = std::string(dir) + "/Ticora.ini";
  QuietHours q = ReadQuietHours(ini.c_str());
  EXPECT_FALSE(q.on);
  EXPECT_EQ(q.from, 22);
  EXPECT_EQ(q.to, 7);
  FILE* f = fopen(ini.c_str(), "wb");
  ASSERT_TRUE(f);
  fputs("[SYSTEM]\r\nbSignalClock=1\r\nbQuietHours=1\r\nnQuietFrom=25\r\nnQuietTo=6\r\n", f);
  fclose(f);
  q = ReadQuietHours(ini.c_str());
  EXPECT_TRUE(q.on);
  EXPECT_EQ(q.from, 22) << "an hour out of range falls back";
  EXPECT_EQ(q.to, 6);
  ASSERT_TRUE(WriteQuietHours(ini.c_str(), QuietHours{false, 0, 0}));
  q = ReadQuietHours(ini.c_str());
  EXPECT_FALSE(q.on);
  EXPECT_EQ(q.from, 0);
  std::remove(ini.c_str());
  std::remove(dir);
}
