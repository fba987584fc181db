// The reminder editor's decisions: what opens, what is enabled, the record OK
// composes or refuses, the keys that keep records apart, and the list rows.
#include <gtest/gtest.h>

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
  in.soundPath = std::string(300, 'p');
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
  EXPECT_FALSE(RowTextColour(0x00021234u).has_value());
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
