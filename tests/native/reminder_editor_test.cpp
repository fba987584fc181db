// The reminder editor's decisions: what opens, what is enabled, the record OK
// composes or refuses, the keys that keep records apart, and the list rows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dialogs/reminder_editor.h"
#include "dialogs/reminder_rows.h"
#include "tests/support/reminder_fakes.h"

namespace {

ReminderEditorInput Input() {
  ReminderEditorInput in;
  in.title = "会议";
  in.message = "十点开会";
  in.date = MakeTime(2027, 2, 14, 0, 0);
  in.date.wDayOfWeek = 0;
  in.date.wHour = 23;  // the date picker's time part is not used
  in.time = MakeTime(1999, 1, 1, 9, 45, 12);
  in.time.wMilliseconds = 0x1234;
  return in;
}

TEST(ReminderEditor, NewReminderOpensWithItsDefaults) {
  ReminderRecord r = MakeReminder(7, "old", RepeatOnce, 1, 2, ActionRestart);
  SetFieldText(r.sPath, "x.wav");
  const ReminderEditorView view = OpenReminderEditor(r, false);
  EXPECT_FALSE(view.soundOn);
  EXPECT_FALSE(view.boardOn);
  EXPECT_TRUE(view.forceOn);
  EXPECT_EQ(RepeatDaily, r.nRepeat);
  EXPECT_EQ(ActionNone, r.nAction);
  EXPECT_EQ("新标题", FieldText(r.sTitle));
  EXPECT_EQ("", FieldText(r.sMessage));
  EXPECT_EQ("", FieldText(r.sPath));
  const ReminderEditorEnabling e = EditorEnabling(r.nRepeat, view.soundOn, r.nAction);
  EXPECT_FALSE(e.datePicker || e.soundGroup || e.programGroup);
}

TEST(ReminderEditor, ExistingReminderShowsItsPathWhereItsActionAndSoundSay) {
  struct Row {
    uint16_t action, flags;
    const char* soundShown;
    const char* programShown;
  } rows[] = {
      {ActionRunProgram, FlagSound | FlagNoMessage, "", "p"},
      {ActionNone, FlagSound | FlagTaskbarMessage, "p", ""},
      {ActionShutdown, FlagMessage | FlagForceAction, "", ""},  // shown nowhere, kept
  };
  for (const Row& row : rows) {
    ReminderRecord r = MakeReminder(1, "t", RepeatOnce, 1, 2, row.action, row.flags);
    SetFieldText(r.sPath, "p");
    const ReminderEditorView view = OpenReminderEditor(r, true);
    EXPECT_EQ(row.soundShown, view.soundPath);
    EXPECT_EQ(row.programShown, view.programPath);
    EXPECT_EQ((row.flags & FlagSound) != 0, view.soundOn);
    EXPECT_EQ((row.flags & FlagTaskbarMessage) != 0, view.boardOn);
    EXPECT_EQ((row.flags & FlagForceAction) != 0, view.forceOn);
    EXPECT_EQ("p", FieldText(r.sPath));
  }
}

TEST(ReminderEditor, OkComposesTheRecord) {
  ReminderRecord r = MakeReminder(1, "t", RepeatDaily, 1, 2);
  r.bEnabled = 0;
  r.bFired = 1;
  ReminderEditorInput in = Input();
  in.boardOn = true;
  ASSERT_EQ(EditorVerdict::Accepted, ComposeReminder(in, r));
  EXPECT_EQ("会议", FieldText(r.sTitle));
  EXPECT_EQ("十点开会", FieldText(r.sMessage));
  // A daily reminder keeps the picker's date; the time comes from the time picker.
  EXPECT_EQ(2027, r.stWhen.wYear);
  EXPECT_EQ(14, r.stWhen.wDay);
  EXPECT_EQ(9, r.stWhen.wHour);
  EXPECT_EQ(45, r.stWhen.wMinute);
  EXPECT_EQ(12, r.stWhen.wSecond);
  EXPECT_EQ(1, r.bEnabled);
  EXPECT_EQ(0, r.bFired);
  EXPECT_EQ(FlagTaskbarMessage, r.nFlags);
  // Seconds in the high byte, milliseconds modulo 256 in the low byte.
  EXPECT_EQ(0x0C34, r.nId);
}

TEST(ReminderEditor, FlagsAndPathFollowActionSoundAndMessage) {
  struct Row {
    const char* name;
    uint16_t action;
    bool soundOn, boardOn, forceOn;
    const char* message;
    const char* sound;
    const char* program;
    EditorVerdict verdict;
    uint16_t flags;
    const char* path;
  } rows[] = {
      {"run program wins over sound", ActionRunProgram, true, false, false, "m", "s.wav", "calc.exe",
       EditorVerdict::Accepted, FlagMessage, "calc.exe"},
      {"empty message, board ignored", ActionNone, false, true, true, "", "", "", EditorVerdict::Accepted,
       FlagNoMessage | FlagForceAction, "kept"},
      {"sound", ActionShutdown, true, false, false, "m", "s.wav", "", EditorVerdict::Accepted,
       FlagMessage | FlagSound, "s.wav"},
      {"no command line", ActionRunProgram, true, false, false, "m", "", "", EditorVerdict::NeedCommandLine, 0,
       nullptr},
      {"no sound file", ActionNone, true, false, false, "m", "", "x.exe", EditorVerdict::NeedSoundFile, 0,
       nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ReminderRecord r = MakeReminder(1, "t", RepeatOnce, 1, 2, row.action, FlagSound);
    SetFieldText(r.sPath, "kept");
    const ReminderRecord before = r;
    ReminderEditorInput in = Input();
    in.soundOn = row.soundOn;
    in.boardOn = row.boardOn;
    in.forceOn = row.forceOn;
    in.message = row.message;
    in.soundPath = row.sound;
    in.programPath = row.program;
    EXPECT_EQ(row.verdict, ComposeReminder(in, r));
    if (row.verdict != EditorVerdict::Accepted) {
      EXPECT_EQ(RecordBytes(before), RecordBytes(r));  // a refusal changes nothing
      EXPECT_STRNE("", EditorRefusalText(row.verdict));
      continue;
    }
    EXPECT_EQ(row.flags, r.nFlags);
    EXPECT_EQ(row.path, FieldText(r.sPath));
  }
  EXPECT_STREQ("必须指定启动任务的命令行!", EditorRefusalText(EditorVerdict::NeedCommandLine));
  EXPECT_STREQ("请选择提示的声音文件!", EditorRefusalText(EditorVerdict::NeedSoundFile));
}

TEST(ReminderEditor, LongTextsAreCutWithoutSplittingACharacter) {
  ReminderRecord r = MakeReminder(1, "t", RepeatOnce, 1, 2);
  ReminderEditorInput in = Input();
  // 62 ASCII bytes then a two-byte character: 63 bytes would split it.
  in.title = std::string(62, 't') + "字" + "尾";
  in.message = std::string(254, 'm') + "字";
  in.soundOn = true;
  in.soundPath = std::string(255, 'p');
  ASSERT_EQ(EditorVerdict::Accepted, ComposeReminder(in, r));
  EXPECT_EQ(std::string(62, 't'), FieldText(r.sTitle));
  EXPECT_EQ(std::string(254, 'm'), FieldText(r.sMessage));
  EXPECT_EQ(255u, FieldText(r.sPath).size());
  // The rest of each field is zero: no bytes of an earlier text are stored.
  for (size_t i = 62; i < kReminderTitleSize; ++i) EXPECT_EQ('\0', r.sTitle[i]);
  in.title = std::string(70, 'T');
  ASSERT_EQ(EditorVerdict::Accepted, ComposeReminder(in, r));
  EXPECT_EQ(std::string(63, 'T'), FieldText(r.sTitle));
}

TEST(ReminderEditor, APathThatDoesNotFitIsRefusedNotCut) {
  ReminderRecord r = MakeReminder(1, "t", RepeatOnce, 1, 2);
  const ReminderRecord before = r;
  ReminderEditorInput in = Input();
  in.soundOn = true;
  in.soundPath = std::string(256, 'p');
  EXPECT_EQ(EditorVerdict::PathTooLong, ComposeReminder(in, r));
  r.nAction = ActionRunProgram;
  in.programPath = "C:\\tool.exe " + std::string(300, 'a');
  EXPECT_EQ(EditorVerdict::PathTooLong, ComposeReminder(in, r));
  EXPECT_EQ(0, std::memcmp(before.sPath, r.sPath, sizeof r.sPath));
  EXPECT_NE(std::string::npos, std::string(EditorRefusalText(EditorVerdict::PathTooLong)).find("255"));
  in.programPath.resize(255);
  EXPECT_EQ(EditorVerdict::Accepted, ComposeReminder(in, r));
  EXPECT_EQ(in.programPath, FieldText(r.sPath));
}

TEST(ReminderEditor, TheLatchStaysWhileTheMinuteOfTheDayStays) {
  ReminderRecord fired = MakeReminder(1, "t", RepeatDaily, 9, 45);
  fired.bFired = 1;
  ReminderEditorInput in = Input();  // 09:45:12
  ReminderRecord r = fired;
  ASSERT_EQ(EditorVerdict::Accepted, ComposeReminder(in, r));
  EXPECT_EQ(1, r.bFired);  // it fired in this minute: not again
  r = fired;
  in.time.wMinute = 46;
  ASSERT_EQ(EditorVerdict::Accepted, ComposeReminder(in, r));
  EXPECT_EQ(0, r.bFired);
  // The stored record fired while the editor was open.
  ReminderRecord edited = MakeReminder(1, "t", RepeatDaily, 9, 45);
  KeepLatch(edited, fired);
  EXPECT_EQ(1, edited.bFired);
  edited.stWhen.wHour = 10;
  KeepLatch(edited, fired);
  EXPECT_EQ(0, edited.bFired);
}

TEST(ReminderEditor, DistinctIdsSkipKeysOtherRecordsHold) {
  ReminderList list;
  for (uint16_t id : {0x0C34, 0x0C35, 0xFFFF, 0x0000}) list.Append(MakeReminder(id, "r", RepeatDaily, 1, 2));
  EXPECT_EQ(0x0100, DistinctReminderId(list, 0x0100));
  EXPECT_EQ(0x0C36, DistinctReminderId(list, 0x0C34));
  EXPECT_EQ(0x0001, DistinctReminderId(list, 0xFFFF));  // wraps past the top
  // The record being replaced may keep its own key.
  EXPECT_EQ(0x0C34, DistinctReminderId(list, 0x0C34, list.At(0)));
  EXPECT_EQ(0x0C36, DistinctReminderId(list, 0x0C35, list.At(0)));
}

TEST(ReminderRows, RowDataTextAndColour) {
  ReminderRecord once = MakeReminder(0xABCD, "t", RepeatOnce, 1, 2);
  EXPECT_EQ(0x0001ABCDu, ReminderRowData(once));
  EXPECT_EQ(0xABCD, RowDataId(ReminderRowData(once)));
  EXPECT_STREQ("单只一次", RepeatText(RepeatOnce));
  EXPECT_STREQ("每日一次", RepeatText(RepeatDaily));
  EXPECT_EQ(0x00FF8000u, RowTextColour(0x00001234u).value());  // daily: RGB(0, 128, 255)
  EXPECT_EQ(0x000080FFu, RowTextColour(0x00011234u).value());  // once: RGB(255, 128, 0)
  EXPECT_EQ(0x00FF8000u, RowTextColour(0x00051234u).value());  // repeating kinds: the daily colour
  EXPECT_FALSE(RowTextColour(0x00061234u).has_value());
}

// The time type: what each kind opens as, what is enabled, the line beside
// the date picker, and the record OK composes from a choice.
TEST(ReminderEditor, RuleKindsOpenAndCompose) {
  struct Row {
    const char* name;
    uint16_t storedRepeat, storedMask;  // the record opened
    RepeatRadio radio;
    RepeatRule rule;
    uint16_t dayMask;
    bool dayBoxes;
    const char* line;  // on 2024-09-17
    EditorVerdict verdict;
    uint16_t repeat, dayOfWeek;  // composed on 2027-02-14 (a Sunday)
  } const rows[] = {
      {"weekly", RepeatWeekly, 0x2A, RepeatRadio::Rule, RepeatRule::Weekly, 0x2A, true, "每周 一三五",
       EditorVerdict::Accepted, RepeatWeekly, 0x2A},
      {"workdays", RepeatWeekly, 0x3E, RepeatRadio::Rule, RepeatRule::Workdays, 0x3E, false, "工作日",
       EditorVerdict::Accepted, RepeatWeekly, 0x3E},
      {"no day", RepeatWeekly, 0x00, RepeatRadio::Rule, RepeatRule::Weekly, 0x00, true, "每周",
       EditorVerdict::NeedWeekday, 0, 0},
      {"monthly", RepeatMonthly, 2, RepeatRadio::Rule, RepeatRule::Monthly, 0x04, false, "每月 17日",
       EditorVerdict::Accepted, RepeatMonthly, 0},
      {"yearly", RepeatYearly, 2, RepeatRadio::Rule, RepeatRule::Yearly, 0x04, false, "每年 9月17日",
       EditorVerdict::Accepted, RepeatYearly, 0},
      {"lunar", RepeatLunarYearly, 2, RepeatRadio::Rule, RepeatRule::LunarYearly, 0x04, false, "农历每年 八月十五",
       EditorVerdict::Accepted, RepeatLunarYearly, 0},
      {"once", RepeatOnce, 2, RepeatRadio::Once, RepeatRule::Weekly, 0x04, false, "", EditorVerdict::Accepted,
       RepeatOnce, 0},
      {"daily", RepeatDaily, 2, RepeatRadio::Daily, RepeatRule::Weekly, 0x04, false, "", EditorVerdict::Accepted,
       RepeatDaily, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ReminderRecord r = MakeReminder(1, "t", row.storedRepeat, 1, 2);
    r.stWhen = MakeTime(2024, 9, 17, 1, 2);  // a Tuesday
    r.stWhen.wDayOfWeek = row.storedMask;
    const RepeatChoice choice = RepeatChoiceOf(r, r.stWhen);
    EXPECT_EQ(row.radio, choice.radio);
    EXPECT_EQ(row.rule, choice.rule);
    EXPECT_EQ(row.dayMask, choice.dayMask);
    const ReminderEditorEnabling e = EditorEnabling(choice, false, ActionNone);
    EXPECT_EQ(row.radio != RepeatRadio::Daily, e.datePicker);
    EXPECT_EQ(row.radio == RepeatRadio::Rule, e.ruleList);
    EXPECT_EQ(row.dayBoxes, e.dayBoxes);
    EXPECT_EQ(row.line, RepeatRuleLine(choice, r.stWhen));

    // The radios write the kind at once; OK takes the date and the days.
    const ReminderRecord before = r;
    r.nRepeat = RepeatOfChoice(choice, r.nRepeat);
    ReminderEditorInput in = Input();
    in.dayMask = WeekdayMaskOf(choice);
    ASSERT_EQ(row.verdict, ComposeReminder(in, r));
    if (row.verdict != EditorVerdict::Accepted) {
      EXPECT_EQ(before.stWhen.wDay, r.stWhen.wDay);  // a refusal changes nothing
      EXPECT_STRNE("", EditorRefusalText(row.verdict));
      continue;
    }
    EXPECT_EQ(row.repeat, r.nRepeat);
    EXPECT_EQ(row.dayOfWeek, r.stWhen.wDayOfWeek);
    EXPECT_EQ(2027, r.stWhen.wYear);
    EXPECT_EQ(14, r.stWhen.wDay);
  }
  // A lunar date needs the table: refused outside 1901-2100.
  ReminderRecord lunar = MakeReminder(1, "t", RepeatLunarYearly, 1, 2);
  ReminderEditorInput in = Input();
  in.date = MakeTime(1900, 12, 31, 0, 0);
  EXPECT_EQ(EditorVerdict::NeedLunarDate, ComposeReminder(in, lunar));
  RepeatChoice choice;
  choice.radio = RepeatRadio::Rule;
  choice.rule = RepeatRule::LunarYearly;
  EXPECT_EQ("农历每年 闰六月初一", RepeatRuleLine(choice, MakeTime(2025, 7, 25, 0, 0)));
  EXPECT_NE(std::string::npos, RepeatRuleLine(choice, in.date).find("1901"));
}

// A kind this program does not know: untouched, OK stores the record as it
// was; edited, its kind and date fields stay; a chosen kind replaces it.
TEST(ReminderEditor, UnknownKindIsKeptUnlessTheUserChoosesOne) {
  ReminderRecord stored = MakeReminder(0x1234, "future", 9, 7, 45, ActionNone, 0x8021);
  stored.stWhen = MakeTime(2031, 13, 40, 7, 45, 3);
  stored.stWhen.wDayOfWeek = 0xABCD;
  stored.bEnabled = 0;
  stored.bFired = 1;
  SetFieldText(stored.sPath, "ring.wav");
  std::memset(stored.sTitle + 7, 0x55, 10);  // bytes behind the terminator
  ReminderRecord r = stored;
  const ReminderEditorView view = OpenReminderEditor(r, true);
  EXPECT_EQ(RepeatRadio::None, RepeatChoiceOf(r, r.stWhen).radio);
  EXPECT_FALSE(EditorEnabling(RepeatChoiceOf(r, r.stWhen), view.soundOn, r.nAction).datePicker);

  ReminderEditorInput in = OpenedInput(stored);
  in.date = MakeTime(2024, 1, 1, 0, 0);  // the disabled picker's value does not count
  ASSERT_EQ(EditorVerdict::Accepted, ComposeReminder(in, r, &stored));
  EXPECT_EQ(RecordBytes(stored), RecordBytes(r));

  in.title = "renamed";
  ASSERT_EQ(EditorVerdict::Accepted, ComposeReminder(in, r, &stored));
  EXPECT_EQ("renamed", FieldText(r.sTitle));
  EXPECT_EQ(9, r.nRepeat);
  EXPECT_EQ(2031, r.stWhen.wYear);
  EXPECT_EQ(13, r.stWhen.wMonth);
  EXPECT_EQ(40, r.stWhen.wDay);
  EXPECT_EQ(0xABCD, r.stWhen.wDayOfWeek);
  EXPECT_EQ(1, r.bEnabled);

  ReminderRecord chosen = stored;
  chosen.nRepeat = RepeatYearly;
  in = OpenedInput(stored);
  in.date = MakeTime(2024, 3, 8, 0, 0);
  ASSERT_EQ(EditorVerdict::Accepted, ComposeReminder(in, chosen, &stored));
  EXPECT_EQ(RepeatYearly, chosen.nRepeat);
  EXPECT_EQ(3, chosen.stWhen.wMonth);
  EXPECT_EQ(8, chosen.stWhen.wDay);
}

TEST(ReminderEditor, NewReminderOnACalendarDayIsOnceOnThatDay) {
  ReminderRecord r = MakeReminder(7, "old", RepeatDaily, 1, 2, ActionRestart);
  const ReminderEditorView view = OpenReminderEditorOnDay(r, 2024, 2, 10);
  EXPECT_TRUE(view.forceOn);
  EXPECT_EQ("新标题", FieldText(r.sTitle));
  EXPECT_EQ(ActionNone, r.nAction);
  EXPECT_EQ(RepeatOnce, r.nRepeat);
  EXPECT_EQ(2024, r.stWhen.wYear);
  EXPECT_EQ(2, r.stWhen.wMonth);
  EXPECT_EQ(10, r.stWhen.wDay);
  EXPECT_EQ(6, r.stWhen.wDayOfWeek);  // a Saturday
}

TEST(ReminderRows, TypeColumnNamesEveryKind) {
  struct Row {
    uint16_t repeat;
    LocalTime when;
    uint16_t dayOfWeek;
    const char* text;
  } const rows[] = {
      {RepeatDaily, MakeTime(2024, 3, 8, 0, 0), 5, "每日一次"},
      {RepeatOnce, MakeTime(2024, 3, 8, 0, 0), 5, "单只一次"},
      {RepeatWeekly, MakeTime(2024, 3, 8, 0, 0), 0x3E, "工作日"},
      {RepeatWeekly, MakeTime(2024, 3, 8, 0, 0), 0xBE, "工作日"},  // bits above Saturday mean nothing
      {RepeatWeekly, MakeTime(2024, 3, 8, 0, 0), 0x2A, "每周 一三五"},
      {RepeatWeekly, MakeTime(2024, 3, 8, 0, 0), 0x41, "每周 六日"},
      {RepeatWeekly, MakeTime(2024, 3, 8, 0, 0), 0x7F, "每周 一二三四五六日"},
      {RepeatMonthly, MakeTime(2024, 3, 15, 0, 0), 5, "每月 15日"},
      {RepeatYearly, MakeTime(2024, 3, 8, 0, 0), 5, "每年 3月8日"},
      {RepeatLunarYearly, MakeTime(2024, 9, 17, 0, 0), 2, "农历每年 八月十五"},
      {RepeatLunarYearly, MakeTime(2024, 12, 1, 0, 0), 0, "农历每年 冬月初一"},
      {RepeatLunarYearly, MakeTime(2025, 7, 25, 0, 0), 5, "农历每年 闰六月初一"},
      {RepeatLunarYearly, MakeTime(1900, 7, 25, 0, 0), 5, "农历每年"},
      {9, MakeTime(2024, 3, 8, 0, 0), 5, ""},
  };
  for (const Row& row : rows) {
    ReminderRecord r = MakeReminder(1, "t", row.repeat, 1, 2);
    r.stWhen = row.when;
    r.stWhen.wDayOfWeek = row.dayOfWeek;
    EXPECT_EQ(row.text, RepeatText(r)) << row.repeat << " " << row.dayOfWeek;
  }
}

TEST(ReminderRows, FolderBrowserStartDropsOneSeparatorOnly) {
  char out[260];
  struct Row {
    std::string in, out;
  } rows[] = {
      {"C:\\Themes\\", "C:\\Themes"},
      {"C:\\Themes//", "C:\\Themes/"},
      {"D:\\\xb1\x5c", "D:\\\xb1\x5c"},  // ends in a character whose second byte is 0x5C
      {"", ""},
      {std::string(300, 'a'), std::string(259, 'a')},
  };
  for (const Row& row : rows) {
    FolderBrowserStart(row.in.c_str(), out, sizeof out);
    EXPECT_EQ(row.out, out);
  }
  FolderStatusText(std::string(300, 's').c_str(), out, sizeof out);
  EXPECT_EQ(255u, std::string(out).size());
}

}  // namespace
