// The clock settings dialog and the reminder editor in-process under Wine,
// driven as a user would: rows shown, reminders added, edited, deleted and
// switched on the live list, what OK and Cancel store, the editor's refusals
// and browse buttons, and a reminder added through the tray command firing.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "clock/clock_window_win.h"
#include "dialogs/clock_settings_dialog_win.h"
#include "dialogs/reminder_editor_dialog_win.h"
#include "dialogs/ticora_dialogs_win.h"
#include "reminders/program_reminders_win.h"
#include "resources/clock_settings_ids.h"
#include "resources/menu_ids.h"
#include "resources/reminder_editor_ids.h"
#include "tests/support/fixed_time.h"
#include "tests/support/modal_script.h"
#include "tests/support/posted_messages.h"
#include "tests/support/program_ini.h"
#include "tests/support/reminder_fakes.h"

namespace {

struct Row {
  std::string title;
  std::string repeat;
  bool checked;
  uint32_t data;
};

std::string ItemText(HWND list, int row, int column) {
  char text[256] = {};
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return text;
}

std::vector<Row> Rows(HWND dlg) {
  HWND list = GetDlgItem(dlg, IDC_REMINDER_LIST);
  std::vector<Row> rows;
  const int n = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = i;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    const UINT state = static_cast<UINT>(SendMessageA(list, LVM_GETITEMSTATE, i, LVIS_STATEIMAGEMASK));
    rows.push_back({ItemText(list, i, 1), ItemText(list, i, 2), (state >> 12) == 2, static_cast<uint32_t>(item.lParam)});
  }
  return rows;
}

std::vector<std::string> Titles(const std::vector<Row>& rows) {
  std::vector<std::string> out;
  for (const Row& r : rows) out.push_back(r.title);
  return out;
}

std::vector<std::string> Titles(const ReminderList& list) {
  std::vector<std::string> out;
  for (size_t i = 0; i < list.count(); ++i) out.push_back(FieldText(list.At(i)->sTitle));
  return out;
}

ModalScript::Step SelectRow(int row) {
  return [row](HWND dlg) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendDlgItemMessageA(dlg, IDC_REMINDER_LIST, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
  };
}

ModalScript::Step CheckRow(int row, bool checked) {
  return [row, checked](HWND dlg) {
    LVITEMA item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    SendDlgItemMessageA(dlg, IDC_REMINDER_LIST, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
  };
}

ModalScript::Step SetPickerTime(int id, int hour, int minute, int second) {
  return [=](HWND dlg) {
    SYSTEMTIME t{};
    SendDlgItemMessageA(dlg, id, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
    t.wHour = static_cast<WORD>(hour);
    t.wMinute = static_cast<WORD>(minute);
    t.wSecond = static_cast<WORD>(second);
    t.wMilliseconds = 0;
    SendDlgItemMessageA(dlg, id, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&t));
  };
}

std::string FileBytes(const char* path) {
  std::string out;
  if (FILE* f = std::fopen(path, "rb")) {
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) out.append(buffer, n);
    std::fclose(f);
  }
  return out;
}

// What the dialogs asked of the file dialog, the sound and the help page.
struct Recorder {
  static inline std::vector<std::string> calls;
  static inline std::string chosen;
  static BOOL OpenFile(HWND, const char* filter, char* buffer) {
    std::string list;
    for (const char* p = filter; *p; p += std::strlen(p) + 1) list += std::string(p) + "|";
    calls.push_back("open:" + list + "initial=" + buffer);
    if (chosen.empty()) return FALSE;
    lstrcpynA(buffer, chosen.c_str(), MAX_PATH);
    return TRUE;
  }
  static BOOL Play(const char* path) {
    calls.push_back(std::string("play:") + path);
    return TRUE;
  }
  static bool Help(HWND, const char* anchor) {
    calls.push_back(std::string("help:") + anchor);
    return true;
  }
  static DialogActions Actions() {
    calls.clear();
    chosen.clear();
    DialogActions a;
    a.openFile = &OpenFile;
    a.playSound = &Play;
    a.openHelp = &Help;
    return a;
  }
};

TEST(ClockSettingsDialog, ShowsTheListReversedAddsAtTheBottomAndStoresOnOk) {
  ProgramIni ini("[SYSTEM]\r\nsSignalFile=C:\\themes\\bells\r\n");
  ProgramFile rmd("Ticora.rmd", ReminderFileText({MakeReminder(1, "A", RepeatDaily, 8, 0),
                                                  MakeReminder(2, "B", RepeatOnce, 9, 0),
                                                  MakeReminder(3, "C", RepeatDaily, 10, 0)}));
  ReminderList list;
  ASSERT_TRUE(list.Load(rmd.Path()));
  ClockSettingsDialog dialog(list, Recorder::Actions());
  const std::string longTitle = std::string(60, 'x') + "长标题";  // 66 bytes: cut to 62
  std::vector<Row> before, after;
  char shownTheme[128] = {};
  LRESULT prepaint = 0, itemPaint = 0;
  COLORREF onceColour = 0;
  ModalScript s;
  s.Then([&](HWND d) {
     before = Rows(d);
     GetDlgItemTextA(d, IDC_THEME_DIRECTORY, shownTheme, sizeof shownTheme);
     // The list's custom draw, as the list sends it: the dialog reflects it.
     NMLVCUSTOMDRAW draw{};
     draw.nmcd.hdr.hwndFrom = GetDlgItem(d, IDC_REMINDER_LIST);
     draw.nmcd.hdr.idFrom = IDC_REMINDER_LIST;
     draw.nmcd.hdr.code = NM_CUSTOMDRAW;
     draw.nmcd.dwDrawStage = CDDS_PREPAINT;
     prepaint = SendMessageA(d, WM_NOTIFY, IDC_REMINDER_LIST, reinterpret_cast<LPARAM>(&draw));
     draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
     draw.nmcd.lItemlParam = 0x00010002;
     itemPaint = SendMessageA(d, WM_NOTIFY, IDC_REMINDER_LIST, reinterpret_cast<LPARAM>(&draw));
     onceColour = draw.clrText;
   })
      .Then(Press(IDC_REMINDER_ADD))
      .Then(SetText(IDC_EDITOR_TITLE, longTitle.c_str()))
      .Then(SetText(IDC_EDITOR_MESSAGE, "提醒内容"))
      .Then(Press(IDOK))
      .Then([&](HWND d) { after = Rows(d); })
      .Then(Press(IDC_CLOCK_SETTINGS_HELP))
      .Then(SetText(IDC_THEME_DIRECTORY, "D:\\新主题"))
      .Then(Press(IDOK));
  EXPECT_EQ(IDOK, s.Run([&] { return dialog.Run(nullptr); }));
  EXPECT_TRUE(s.Done());
  EXPECT_STREQ("C:\\themes\\bells", shownTheme);
  EXPECT_EQ(CDRF_NOTIFYITEMDRAW, prepaint);
  EXPECT_EQ(CDRF_DODEFAULT, itemPaint);
  EXPECT_EQ(RGB(255, 128, 0), onceColour);
  EXPECT_EQ((std::vector<std::string>{"C", "B", "A"}), Titles(before));
  ASSERT_EQ(3u, before.size());
  EXPECT_EQ("单只一次", before[1].repeat);
  EXPECT_EQ(0x00010002u, before[1].data);
  EXPECT_TRUE(before[0].checked);
  const std::string cut = std::string(60, 'x') + "长";
  EXPECT_EQ((std::vector<std::string>{"C", "B", "A", cut}), Titles(after));
  EXPECT_TRUE(after[3].checked);
  EXPECT_EQ("每日一次", after[3].repeat);

  // The file holds the four records in list order; the theme is stored.
  ReminderList stored;
  ASSERT_TRUE(stored.Load(rmd.Path()));
  EXPECT_EQ((std::vector<std::string>{"A", "B", "C", cut}), Titles(stored));
  EXPECT_EQ(FlagMessage | FlagForceAction, stored.At(3)->nFlags);
  EXPECT_EQ(after[3].data & 0xFFFF, stored.At(3)->nId);
  EXPECT_FALSE(list.modified());
  EXPECT_STREQ("D:\\新主题", dialog.themeDirectory);
  char value[128] = {};
  GetPrivateProfileStringA("SYSTEM", "sSignalFile", "?", value, sizeof value, ini.Path());
  EXPECT_STREQ("D:\\新主题", value);
  EXPECT_EQ((std::vector<std::string>{"help:#remind"}), Recorder::calls);
}

TEST(ClockSettingsDialog, EditDeleteAndTheCheckBoxesActOnTheLiveList) {
  ProgramIni ini("");
  ReminderRecord a = MakeReminder(1, "A", RepeatDaily, 8, 0);
  a.bEnabled = 0;
  ProgramFile rmd("Ticora.rmd", ReminderFileText({a, MakeReminder(2, "B", RepeatOnce, 9, 0),
                                                  MakeReminder(3, "C", RepeatDaily, 10, 0)}));
  const std::string original = FileBytes(rmd.Path());
  ReminderList list;
  ASSERT_TRUE(list.Load(rmd.Path()));
  std::vector<Row> edited, deleted;
  {
    ClockSettingsDialog dialog(list, Recorder::Actions());
    ModalScript s;
    s.Then(SelectRow(2))  // A, unchecked
        .Then(Press(IDC_REMINDER_EDIT))
        .Then(SetText(IDC_EDITOR_TITLE, "A2"))
        .Then(SetPickerTime(IDC_EDITOR_TIME, 8, 0, 7))
        .Then(Press(IDOK))
        .Then([&](HWND d) { edited = Rows(d); })
        .Then(SelectRow(0))  // C
        .Then(Press(IDC_REMINDER_DELETE))
        .Then([&](HWND d) { deleted = Rows(d); })
        .Then(Press(IDCANCEL));
    EXPECT_EQ(IDCANCEL, s.Run([&] { return dialog.Run(nullptr); }));
    EXPECT_TRUE(s.Done());
  }
  ASSERT_EQ(3u, edited.size());
  // The row stays in its place, checked again, with the new key.
  EXPECT_EQ("A2", edited[2].title);
  EXPECT_TRUE(edited[2].checked);
  EXPECT_EQ(0x0700u, edited[2].data);
  EXPECT_EQ((std::vector<std::string>{"B", "A2"}), Titles(deleted));
  // Cancel keeps the edits in the running list and the file as it was.
  EXPECT_EQ((std::vector<std::string>{"A2", "B"}), Titles(list));
  EXPECT_TRUE(list.modified());
  EXPECT_EQ(original, FileBytes(rmd.Path()));

  // The next OK writes them, with the unchecked row disabled.
  ClockSettingsDialog again(list, Recorder::Actions());
  ModalScript s;
  s.Then(CheckRow(0, false)).Then(Press(IDOK));  // B
  EXPECT_EQ(IDOK, s.Run([&] { return again.Run(nullptr); }));
  ReminderList stored;
  ASSERT_TRUE(stored.Load(rmd.Path()));
  EXPECT_EQ((std::vector<std::string>{"A2", "B"}), Titles(stored));
  EXPECT_EQ(1, stored.At(0)->bEnabled);
  EXPECT_EQ(0, stored.At(1)->bEnabled);
}

TEST(ClockSettingsDialog, KeepsTwoRemindersOfTheSameSecondApart) {
  ProgramIni ini("");
  ProgramFile rmd("Ticora.rmd", "");
  ReminderList list;
  list.Append(MakeReminder(0x0700, "first", RepeatDaily, 8, 0));
  ClockSettingsDialog dialog(list, Recorder::Actions());
  ModalScript s;
  s.Then(Press(IDC_REMINDER_ADD)).Then(SetPickerTime(IDC_EDITOR_TIME, 9, 0, 7)).Then(Press(IDOK)).Then(Press(IDOK));
  EXPECT_EQ(IDOK, s.Run([&] { return dialog.Run(nullptr); }));
  ASSERT_EQ(2u, list.count());
  EXPECT_EQ(0x0701, list.At(1)->nId);
  EXPECT_EQ("first", FieldText(list.FindById(0x0700)->sTitle));
}

TEST(ClockSettingsDialog, AFailedSaveSaysSoClosesAndTheNextOkSavesAgain) {
  ProgramIni ini("[SYSTEM]\r\nsSignalFile=old\r\n");
  FakeFileSystem fs;
  fs.failCreate = true;
  ReminderList list(&fs);
  list.Append(MakeReminder(1, "A", RepeatDaily, 8, 0));
  char value[160] = {};
  {
    ClockSettingsDialog dialog(list, Recorder::Actions());
    ModalScript s;
    s.Then(SetText(IDC_THEME_DIRECTORY, "new")).Then(Press(IDOK)).Then(AnswerMessageBox(s, IDOK));
    EXPECT_EQ(IDOK, s.Run([&] { return dialog.Run(nullptr); }));
    EXPECT_TRUE(s.Done());
    ASSERT_EQ(1u, s.MessageBoxTexts().size());
    EXPECT_NE(std::string::npos, s.MessageBoxTexts()[0].find("Ticora.rmd"));
    EXPECT_TRUE(list.modified());
    EXPECT_EQ(1u, list.count());
    GetPrivateProfileStringA("SYSTEM", "sSignalFile", "?", value, sizeof value, ini.Path());
    EXPECT_STREQ("new", value);
  }
  // A theme folder longer than sSignalFile holds is refused, not cut; once
  // the file can be written, OK saves what the failed save left.
  fs.failCreate = false;
  ClockSettingsDialog dialog(list, Recorder::Actions());
  ModalScript s;
  const std::string longFolder = "C:\\" + std::string(125, 'x');  // 128 bytes
  s.Then(SetText(IDC_THEME_DIRECTORY, longFolder.c_str())).Then(Press(IDOK)).Then(AnswerMessageBox(s, IDOK));
  s.Then([&](HWND dlg) {
    EXPECT_TRUE(list.modified());  // nothing saved by the refused OK
    SetDlgItemTextA(dlg, IDC_THEME_DIRECTORY, longFolder.substr(0, 127).c_str());
  });
  s.Then(Press(IDOK));
  EXPECT_EQ(IDOK, s.Run([&] { return dialog.Run(nullptr); }));
  EXPECT_TRUE(s.Done());
  ASSERT_EQ(1u, s.MessageBoxTexts().size());
  EXPECT_NE(std::string::npos, s.MessageBoxTexts()[0].find("127"));
  EXPECT_FALSE(list.modified());
  GetPrivateProfileStringA("SYSTEM", "sSignalFile", "?", value, sizeof value, ini.Path());
  EXPECT_EQ(longFolder.substr(0, 127), value);
}

TEST(ReminderEditorDialog, NewReminderRefusesUntilItsActionHasWhatItNeeds) {
  ReminderEditorDialog editor(Recorder::Actions());
  Recorder::chosen = "C:\\sounds\\bell.wav";
  bool dateEnabled = true, soundPathEnabled = true, programEnabled = true, forceChecked = false;
  char title[64] = {};
  ModalScript s;
  s.Then([&](HWND d) {
     dateEnabled = IsWindowEnabled(GetDlgItem(d, IDC_EDITOR_DATE));
     soundPathEnabled = IsWindowEnabled(GetDlgItem(d, IDC_EDITOR_SOUND_PATH));
     programEnabled = IsWindowEnabled(GetDlgItem(d, IDC_EDITOR_PROGRAM_BROWSE));
     forceChecked = IsDlgButtonChecked(d, IDC_EDITOR_FORCE) == BST_CHECKED;
     GetDlgItemTextA(d, IDC_EDITOR_TITLE, title, sizeof title);
   })
      .Then(Press(IDC_EDITOR_ONCE))
      .Then(Press(IDC_EDITOR_ACTION_PROGRAM))
      .Then(Press(IDC_EDITOR_SOUND))
      .Then(Press(IDOK))
      .Then(AnswerMessageBox(s, IDOK))
      .Then(Press(IDC_EDITOR_ACTION_SHUTDOWN))
      .Then(Press(IDOK))
      .Then(AnswerMessageBox(s, IDOK))
      .Then(Press(IDC_EDITOR_SOUND_BROWSE))
      .Then(Press(IDC_EDITOR_SOUND_TRY))
      .Then(Press(IDC_EDITOR_HELP))
      .Then(Press(IDOK));
  EXPECT_EQ(IDOK, s.Run([&] { return editor.Run(nullptr); }));
  EXPECT_TRUE(s.Done());
  EXPECT_FALSE(dateEnabled);
  EXPECT_FALSE(soundPathEnabled);
  EXPECT_FALSE(programEnabled);
  EXPECT_TRUE(forceChecked);
  EXPECT_STREQ("新标题", title);
  EXPECT_EQ((std::deque<std::string>{"必须指定启动任务的命令行!", "请选择提示的声音文件!"}), s.MessageBoxTexts());
  EXPECT_EQ(RepeatOnce, editor.record.nRepeat);
  EXPECT_EQ(ActionShutdown, editor.record.nAction);
  EXPECT_EQ(FlagNoMessage | FlagSound | FlagForceAction, editor.record.nFlags);
  EXPECT_EQ("C:\\sounds\\bell.wav", FieldText(editor.record.sPath));
  EXPECT_EQ((std::vector<std::string>{"open:Wave Files|*.wav|All Files|*.*|initial=",
                                      "play:C:\\sounds\\bell.wav", "help:#event"}),
            Recorder::calls);
}

// Text put in at the caret as a paste puts it (the edit's own limit applies).
ModalScript::Step Paste(int id, std::string text) {
  return [id, text](HWND dlg) {
    SendDlgItemMessageA(dlg, id, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  };
}

std::string DlgText(HWND dlg, int id) {
  char text[1100] = {};
  GetDlgItemTextA(dlg, id, text, sizeof text);
  return text;
}

TEST(ReminderEditorDialog, TextsHoldWhatTheirFieldsHoldAndALongCommandLineIsRefused) {
  ReminderEditorDialog editor(Recorder::Actions());
  std::string zh;
  for (int i = 0; i < 40; ++i) zh += "中";  // 80 bytes
  std::vector<std::string> titles;
  const std::string commandLine = "C:\\tool.exe " + std::string(345, 'a');  // 358 bytes
  ModalScript s;
  s.Then(SetText(IDC_EDITOR_TITLE, "")).Then(Paste(IDC_EDITOR_TITLE, zh)).Then([&](HWND d) {
    titles.push_back(DlgText(d, IDC_EDITOR_TITLE));
  });
  s.Then(Paste(IDC_EDITOR_TITLE, "字")).Then(Paste(IDC_EDITOR_TITLE, "ab")).Then([&](HWND d) {
    titles.push_back(DlgText(d, IDC_EDITOR_TITLE));
  });
  // In the middle: the text after the caret stays.
  s.Then([](HWND d) { SendDlgItemMessageA(d, IDC_EDITOR_TITLE, EM_SETSEL, 0, 0); });
  s.Then(SetText(IDC_EDITOR_MESSAGE, "end")).Then([](HWND d) {
    SendDlgItemMessageA(d, IDC_EDITOR_MESSAGE, EM_SETSEL, 0, 0);
  });
  s.Then(Paste(IDC_EDITOR_MESSAGE, std::string(300, 'm'))).Then([&](HWND d) {
    titles.push_back(DlgText(d, IDC_EDITOR_MESSAGE));
  });
  s.Then(Press(IDC_EDITOR_ACTION_PROGRAM)).Then(SetText(IDC_EDITOR_PROGRAM_PATH, commandLine.c_str()));
  s.Then([&](HWND d) { EXPECT_EQ(commandLine, DlgText(d, IDC_EDITOR_PROGRAM_PATH)); });  // not cut
  s.Then(Press(IDOK)).Then(AnswerMessageBox(s, IDOK)).Then(Press(IDCANCEL));
  EXPECT_EQ(IDCANCEL, s.Run([&] { return editor.Run(nullptr); }));
  EXPECT_TRUE(s.Done());
  ASSERT_EQ(3u, titles.size());
  EXPECT_EQ(zh.substr(0, 62), titles[0]);   // 31 characters, not half of the 32nd
  EXPECT_EQ(zh.substr(0, 62) + "a", titles[1]);
  EXPECT_EQ(std::string(252, 'm') + "end", titles[2]);
  EXPECT_EQ((std::deque<std::string>{"所选文件的路径超过 255 个字符，无法保存在提醒事件中，请选择其他位置的文件。"}),
            s.MessageBoxTexts());
}

TEST(ReminderEditorDialog, ExistingReminderOpensAsStoredAndCancelKeepsIt) {
  ReminderEditorDialog editor(Recorder::Actions());
  editor.isExisting = TRUE;
  editor.record = MakeReminder(9, "Run", RepeatOnce, 7, 30, ActionRunProgram, FlagNoMessage);
  SetFieldText(editor.record.sPath, "notepad.exe");
  editor.record.stWhen.wSecond = 5;
  const ReminderRecord before = editor.record;
  char program[64] = {};
  SYSTEMTIME date{}, time{};
  bool dateEnabled = false;
  ModalScript s;
  s.Then([&](HWND d) {
     GetDlgItemTextA(d, IDC_EDITOR_PROGRAM_PATH, program, sizeof program);
     SendDlgItemMessageA(d, IDC_EDITOR_DATE, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date));
     SendDlgItemMessageA(d, IDC_EDITOR_TIME, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
     dateEnabled = IsWindowEnabled(GetDlgItem(d, IDC_EDITOR_DATE));
   })
      .Then(Press(IDC_EDITOR_PROGRAM_BROWSE))
      .Then(SetText(IDC_EDITOR_TITLE, "changed"))
      .Then(Press(IDCANCEL));
  EXPECT_EQ(IDCANCEL, s.Run([&] { return editor.Run(nullptr); }));
  EXPECT_STREQ("notepad.exe", program);
  EXPECT_EQ(2024, date.wYear);
  EXPECT_EQ(7, time.wHour);
  EXPECT_EQ(30, time.wMinute);
  EXPECT_EQ(5, time.wSecond);
  EXPECT_TRUE(dateEnabled);
  EXPECT_EQ((std::vector<std::string>{"open:Execute Files|*.exe;*.com|All Files|*.*|initial=notepad.exe"}),
            Recorder::calls);
  EXPECT_EQ(RecordBytes(before), RecordBytes(editor.record));
}

// The ticked day boxes, bit 0 Monday.
int TickedDays(HWND d) {
  int ticked = 0;
  for (int box = 0; box < 7; ++box)
    if (IsDlgButtonChecked(d, IDC_EDITOR_DAY_FIRST + box) == BST_CHECKED) ticked |= 1 << box;
  return ticked;
}

bool Enabled(HWND d, int id) { return IsWindowEnabled(GetDlgItem(d, id)) != FALSE; }

TEST(ReminderEditorDialog, TheRuleRadioComposesEachKindAndRefusesAWeekWithoutDays) {
  ReminderEditorDialog editor(Recorder::Actions());
  bool ruleListAtFirst = true, boxesWeekly = false, boxesLunar = true;
  std::string weeklyLine, lunarLine, leapLine;
  ModalScript s;
  s.Then([&](HWND d) { ruleListAtFirst = Enabled(d, IDC_EDITOR_RULE_LIST); })
      .Then(SetPickerDate(IDC_EDITOR_DATE, 2025, 7, 25))  // 闰六月初一
      .Then(Press(IDC_EDITOR_RULE))
      .Then([&](HWND d) {
        boxesWeekly = Enabled(d, IDC_EDITOR_DAY_FIRST + 6);
        for (int box = 0; box < 7; ++box)  // untick whatever the start ticked
          if (TickedDays(d) >> box & 1) SendDlgItemMessageA(d, IDC_EDITOR_DAY_FIRST + box, BM_CLICK, 0, 0);
      })
      .Then(Press(IDOK))
      .Then(AnswerMessageBox(s, IDOK))
      .Then(Press(IDC_EDITOR_DAY_FIRST))
      .Then(Press(IDC_EDITOR_DAY_FIRST + 2))
      .Then(Press(IDC_EDITOR_DAY_FIRST + 4))
      .Then([&](HWND d) {
        char line[64] = {};
        GetDlgItemTextA(d, IDC_EDITOR_RULE_LINE, line, sizeof line);
        weeklyLine = line;
      })
      .Then(ChooseItem(IDC_EDITOR_RULE_LIST, 4))
      .Then([&](HWND d) {
        char line[64] = {};
        GetDlgItemTextA(d, IDC_EDITOR_RULE_LINE, line, sizeof line);
        leapLine = line;
        boxesLunar = Enabled(d, IDC_EDITOR_DAY_FIRST);
      })
      .Then(SetPickerDate(IDC_EDITOR_DATE, 2024, 9, 17))  // 八月十五
      .Then([&](HWND d) {
        char line[64] = {};
        GetDlgItemTextA(d, IDC_EDITOR_RULE_LINE, line, sizeof line);
        lunarLine = line;
      })
      .Then(Press(IDOK));
  EXPECT_EQ(IDOK, s.Run([&] { return editor.Run(nullptr); }));
  EXPECT_TRUE(s.Done());
  EXPECT_FALSE(ruleListAtFirst);
  EXPECT_TRUE(boxesWeekly);
  EXPECT_FALSE(boxesLunar);
  EXPECT_EQ((std::deque<std::string>{"每周重复的提醒至少要选择星期中的一天!"}), s.MessageBoxTexts());
  EXPECT_EQ("每周 一三五", weeklyLine);
  EXPECT_EQ("农历每年 闰六月初一", leapLine);
  EXPECT_EQ("农历每年 八月十五", lunarLine);
  EXPECT_EQ(RepeatLunarYearly, editor.record.nRepeat);
  EXPECT_EQ(2024, editor.record.stWhen.wYear);
  EXPECT_EQ(9, editor.record.stWhen.wMonth);
  EXPECT_EQ(17, editor.record.stWhen.wDay);
}

// A stored weekly reminder shows its days; 工作日 ticks Monday to Friday. A
// kind this program does not know checks no radio and comes back untouched
// from OK, until the user picks a kind.
TEST(ReminderEditorDialog, OpensStoredKindsAndKeepsAnUnknownOneUntilAKindIsChosen) {
  ReminderEditorDialog weekly(Recorder::Actions());
  weekly.isExisting = TRUE;
  weekly.record = MakeReminder(4, "W", RepeatWeekly, 7, 30);
  weekly.record.stWhen.wDayOfWeek = 0x41;  // Saturday and Sunday
  int openedDays = 0, workdays = 0;
  bool ruleChecked = false, boxesWorkdays = true;
  ModalScript s;
  s.Then([&](HWND d) {
     openedDays = TickedDays(d);
     ruleChecked = IsDlgButtonChecked(d, IDC_EDITOR_RULE) == BST_CHECKED;
   })
      .Then(ChooseItem(IDC_EDITOR_RULE_LIST, 1))
      .Then([&](HWND d) {
        workdays = TickedDays(d);
        boxesWorkdays = Enabled(d, IDC_EDITOR_DAY_FIRST);
      })
      .Then(Press(IDOK));
  EXPECT_EQ(IDOK, s.Run([&] { return weekly.Run(nullptr); }));
  EXPECT_TRUE(ruleChecked);
  EXPECT_EQ(0x60, openedDays);
  EXPECT_EQ(0x1F, workdays);
  EXPECT_FALSE(boxesWorkdays);
  EXPECT_EQ(RepeatWeekly, weekly.record.nRepeat);
  EXPECT_EQ(0x3E, weekly.record.stWhen.wDayOfWeek);

  ReminderRecord future = MakeReminder(5, "F", 9, 6, 15);
  future.stWhen.wDayOfWeek = 0x1234;
  future.nFlags = 0x8000 | FlagMessage;
  ReminderEditorDialog unknown(Recorder::Actions());
  unknown.isExisting = TRUE;
  unknown.record = future;
  bool anyRadio = true, dateEnabled = true;
  ModalScript u;
  u.Then([&](HWND d) {
     anyRadio = IsDlgButtonChecked(d, IDC_EDITOR_DAILY) || IsDlgButtonChecked(d, IDC_EDITOR_ONCE) ||
                IsDlgButtonChecked(d, IDC_EDITOR_RULE);
     dateEnabled = Enabled(d, IDC_EDITOR_DATE);
   })
      .Then(Press(IDOK));
  EXPECT_EQ(IDOK, u.Run([&] { return unknown.Run(nullptr); }));
  EXPECT_FALSE(anyRadio);
  EXPECT_FALSE(dateEnabled);
  EXPECT_EQ(RecordBytes(future), RecordBytes(unknown.record));

  ReminderEditorDialog chosen(Recorder::Actions());
  chosen.isExisting = TRUE;
  chosen.record = future;
  ModalScript c;
  c.Then(Press(IDC_EDITOR_ONCE)).Then(Press(IDOK));
  EXPECT_EQ(IDOK, c.Run([&] { return chosen.Run(nullptr); }));
  EXPECT_EQ(RepeatOnce, chosen.record.nRepeat);
}

// The list names every kind and colours the repeating ones like the daily.
TEST(ClockSettingsDialog, TheListNamesEveryKind) {
  ProgramIni ini("");
  ReminderRecord weekly = MakeReminder(3, "W", RepeatWeekly, 8, 0);
  weekly.stWhen.wDayOfWeek = 0x15;  // Sunday, Tuesday, Thursday
  ReminderRecord workdays = weekly;
  workdays.nId = 4;
  workdays.stWhen.wDayOfWeek = 0x3E;
  ReminderRecord monthly = MakeReminder(5, "M", RepeatMonthly, 8, 0);
  monthly.stWhen = MakeTime(2024, 1, 31, 8, 0);
  ReminderRecord yearly = MakeReminder(6, "Y", RepeatYearly, 8, 0);
  yearly.stWhen = MakeTime(2024, 3, 8, 8, 0);
  ReminderRecord lunar = MakeReminder(7, "L", RepeatLunarYearly, 8, 0);
  lunar.stWhen = MakeTime(2024, 12, 1, 8, 0);  // 冬月初一
  ProgramFile rmd("Ticora.rmd", ReminderFileText({MakeReminder(1, "D", RepeatDaily, 8, 0),
                                                  MakeReminder(2, "O", RepeatOnce, 8, 0), weekly, workdays,
                                                  monthly, yearly, lunar, MakeReminder(8, "X", 9, 8, 0)}));
  ReminderList list;
  ASSERT_TRUE(list.Load(rmd.Path()));
  ClockSettingsDialog dialog(list, Recorder::Actions());
  std::vector<Row> rows;
  std::vector<COLORREF> colours;
  ModalScript s;
  s.Then([&](HWND d) {
     rows = Rows(d);
     for (const Row& row : rows) {
       NMLVCUSTOMDRAW draw{};
       draw.nmcd.hdr = {GetDlgItem(d, IDC_REMINDER_LIST), IDC_REMINDER_LIST, static_cast<UINT>(NM_CUSTOMDRAW)};
       draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
       draw.nmcd.lItemlParam = row.data;
       draw.clrText = 0x123456;
       SendMessageA(d, WM_NOTIFY, IDC_REMINDER_LIST, reinterpret_cast<LPARAM>(&draw));
       colours.push_back(draw.clrText);
     }
   })
      .Then(Press(IDCANCEL));
  EXPECT_EQ(IDCANCEL, s.Run([&] { return dialog.Run(nullptr); }));
  std::vector<std::string> names;
  for (const Row& row : rows) names.push_back(row.repeat);
  EXPECT_EQ((std::vector<std::string>{"", "农历每年 冬月初一", "每年 3月8日", "每月 31日", "工作日", "每周 二四日",
                                      "单只一次", "每日一次"}),
            names);
  const COLORREF daily = RGB(0, 128, 255), once = RGB(255, 128, 0);
  EXPECT_EQ((std::vector<COLORREF>{0x123456, daily, daily, daily, daily, daily, once, daily}), colours);
}

// From the tray command to the file and the firing: a reminder added through
// the dialogs is written to "Ticora.rmd" and fires in its minute.
TEST(ClockSettingsCommand, AReminderAddedThroughTheDialogIsSavedAndFires) {
  ProgramIni ini("[SYSTEM]\r\nbClockMode=1\r\nbAffairRemind=1\r\nnMessageWait=9\r\n");
  ProgramFile rmd("Ticora.rmd", "");
  RecordingEffects effects;
  FixedTime time;
  time.Set(10, 0, 0);
  TicoraDialogs dialogs;
  ClockServices services;
  services.time = &time;
  services.effects = &effects;
  services.dialogs = &dialogs;
  ClockWindow clock(services);
  ASSERT_TRUE(clock.CreateClock(nullptr, false, nullptr));
  ModalScript s;
  s.Then(Press(IDC_REMINDER_ADD))
      .Then(SetText(IDC_EDITOR_TITLE, "喝茶"))
      .Then(SetText(IDC_EDITOR_MESSAGE, "泡一壶茶"))
      .Then(SetPickerTime(IDC_EDITOR_TIME, 10, 1, 0))
      .Then(Press(IDOK))
      .Then(SetText(IDC_THEME_DIRECTORY, "C:\\chimes"))
      .Then(Press(IDOK));
  s.Run([&] { return SendMessageA(clock.hwnd(), WM_COMMAND, IDM_CLOCK_SETTINGS, 0); });
  EXPECT_TRUE(s.Done());
  EXPECT_FALSE(dialogs.Busy());
  EXPECT_STREQ("C:\\chimes", clock.RunSettings().themeDir);
  ReminderList stored;
  ASSERT_TRUE(stored.Load(rmd.Path()));
  ASSERT_EQ(1u, stored.count());
  EXPECT_EQ("喝茶", FieldText(stored.At(0)->sTitle));

  time.Set(10, 1, 0);
  SendMessageA(clock.hwnd(), WM_TIMER, kClockTimerId, 0);
  EXPECT_EQ((std::vector<std::string>{"board:喝茶|泡一壶茶|9"}), effects.Visible());
  SendMessageA(clock.hwnd(), WM_CLOSE, 0, 0);
  DrainQuit();
  ProgramReminders().Clear();
}

}  // namespace
