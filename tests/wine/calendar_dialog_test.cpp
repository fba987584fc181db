// The perpetual calendar in-process: opened by the clock's command once,
// the picker, buttons, keys and clicks moving the selected day, the
// description that follows them, and the range ends; the reminders it marks,
// names and adds, and the clock settings kept shut while it is open.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "calendar/month_view.h"
#include "clock/clock_window_win.h"
#include "dialogs/calendar_dialog_win.h"
#include "dialogs/ticora_dialogs_win.h"
#include "resources/calendar_dialog_ids.h"
#include "resources/menu_ids.h"
#include "resources/reminder_editor_ids.h"
#include "tests/support/dib_surface.h"
#include "tests/support/fixed_time.h"
#include "tests/support/modal_script.h"
#include "tests/support/program_ini.h"
#include "tests/support/reminder_fakes.h"

namespace {

std::string Text(HWND dlg, int id) {
  char text[256] = {};
  GetDlgItemTextA(dlg, id, text, sizeof text);
  return text;
}

BOOL CALLBACK CountCalendars(HWND window, LPARAM count) {
  char caption[32] = {};
  GetWindowTextA(window, caption, sizeof caption);
  if (IsWindowVisible(window) && std::string(caption) == "万年历") ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int OpenCalendars() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountCalendars, reinterpret_cast<LPARAM>(&count));
  return count;
}

void Pick(HWND dlg, int year, int month, int day) {
  HWND picker = GetDlgItem(dlg, IDC_CALENDAR_PICKER);
  SYSTEMTIME value{};
  value.wYear = static_cast<WORD>(year);
  value.wMonth = static_cast<WORD>(month);
  value.wDay = static_cast<WORD>(day);
  SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
  NMDATETIMECHANGE change{};
  change.nmhdr = {picker, IDC_CALENDAR_PICKER, DTN_DATETIMECHANGE};
  change.dwFlags = GDT_VALID;
  change.st = value;
  SendMessageA(dlg, WM_NOTIFY, IDC_CALENDAR_PICKER, reinterpret_cast<LPARAM>(&change));
}

SYSTEMTIME PickerValue(HWND dlg) {
  SYSTEMTIME s{};
  SendDlgItemMessageA(dlg, IDC_CALENDAR_PICKER, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&s));
  return s;
}

bool Enabled(HWND dlg, int id) { return IsWindowEnabled(GetDlgItem(dlg, id)) != FALSE; }

TEST(CalendarDialogTest, TheClockCommandOpensOneCalendarAndBringsItForward) {
  ClockServices services;
  ClockWindow clock(services);
  TicoraDialogs dialogs;
  dialogs.Open(IDM_CALENDAR, clock, nullptr);
  ASSERT_NE(dialogs.Calendar(), nullptr);
  ASSERT_TRUE(dialogs.Calendar()->IsOpen());
  HWND first = dialogs.Calendar()->hwnd();
  dialogs.Open(IDM_CALENDAR, clock, nullptr);
  EXPECT_EQ(dialogs.Calendar()->hwnd(), first);
  EXPECT_EQ(OpenCalendars(), 1);
  EXPECT_FALSE(dialogs.Busy());  // modeless: the other dialogs still open
  SendMessageA(first, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_FALSE(IsWindow(first));
  dialogs.Open(IDM_CALENDAR, clock, nullptr);
  EXPECT_TRUE(dialogs.Calendar()->IsOpen());
  dialogs.Calendar()->Close();
}

TEST(CalendarDialogTest, PickerButtonsKeysAndClicksMoveTheDayAndItsDescription) {
  FixedTime time;  // 2026-12-08
  CalendarDialog calendar(&time);
  ASSERT_TRUE(calendar.Open(nullptr));
  HWND dlg = calendar.hwnd();
  HWND grid = GetDlgItem(dlg, IDC_CALENDAR_GRID);
  EXPECT_EQ(Text(dlg, IDC_CALENDAR_DESCRIPTION), "2026年12月8日 星期二 农历丙午马年 十月三十");

  Pick(dlg, 2024, 2, 10);
  EXPECT_EQ(Text(dlg, IDC_CALENDAR_DESCRIPTION), "2024年2月10日 星期六 农历甲辰龙年 正月初一 春节");

  SendDlgItemMessageA(dlg, IDC_CALENDAR_NEXT_MONTH, BM_CLICK, 0, 0);
  EXPECT_EQ(calendar.Selected(), (calendar::Date{2024, 3, 10}));
  EXPECT_EQ(PickerValue(dlg).wMonth, 3);
  EXPECT_EQ(Text(dlg, IDC_CALENDAR_DESCRIPTION), "2024年3月10日 星期日 农历甲辰龙年 二月初一");
  SendDlgItemMessageA(dlg, IDC_CALENDAR_PREV_YEAR, BM_CLICK, 0, 0);
  EXPECT_EQ(calendar.Selected(), (calendar::Date{2023, 3, 10}));

  struct Key {
    UINT key;
    calendar::Date after;
  } const keys[] = {
      {VK_NEXT, {2023, 4, 10}}, {VK_RIGHT, {2023, 4, 11}}, {VK_DOWN, {2023, 4, 18}},
      {VK_UP, {2023, 4, 11}},   {VK_LEFT, {2023, 4, 10}},  {VK_PRIOR, {2023, 3, 10}},
      {VK_HOME, {2026, 12, 8}},
  };
  for (const Key& k : keys) {
    SendMessageA(grid, WM_KEYDOWN, k.key, 0);
    EXPECT_EQ(calendar.Selected(), k.after) << k.key;
  }
  EXPECT_EQ(PickerValue(dlg).wYear, 2026);

  // A click on the first cell selects the Sunday that opens the page.
  RECT client{};
  GetClientRect(grid, &client);
  const calendar::CellBox first = calendar::GridLayout{client.right, client.bottom}.CellRect(0);
  SendMessageA(grid, WM_LBUTTONDOWN, 0, MAKELPARAM(first.left + 3, first.top + 3));
  EXPECT_EQ(calendar.Selected(), (calendar::Date{2026, 11, 29}));
  EXPECT_EQ(Text(dlg, IDC_CALENDAR_DESCRIPTION), "2026年11月29日 星期日 农历丙午马年 十月廿一");
  calendar.Close();
  EXPECT_FALSE(calendar.IsOpen());
}

TEST(CalendarDialogTest, TheButtonsStopAtTheEndsOfTheRange) {
  FixedTime time;
  CalendarDialog calendar(&time);
  ASSERT_TRUE(calendar.Open(nullptr));
  HWND dlg = calendar.hwnd();
  Pick(dlg, 1901, 1, 15);
  EXPECT_FALSE(Enabled(dlg, IDC_CALENDAR_PREV_MONTH));
  EXPECT_FALSE(Enabled(dlg, IDC_CALENDAR_PREV_YEAR));
  EXPECT_TRUE(Enabled(dlg, IDC_CALENDAR_NEXT_MONTH));
  SendMessageA(GetDlgItem(dlg, IDC_CALENDAR_GRID), WM_KEYDOWN, VK_PRIOR, 0);
  EXPECT_EQ(calendar.Selected(), (calendar::Date{1901, 1, 15}));
  // Clicks on the first page select the day under the pointer; a grey day
  // of December 1900 selects nothing.
  HWND grid = GetDlgItem(dlg, IDC_CALENDAR_GRID);
  RECT client{};
  GetClientRect(grid, &client);
  const calendar::GridLayout layout{client.right, client.bottom};
  const auto click = [&](int cell) {
    const calendar::CellBox b = layout.CellRect(cell);
    SendMessageA(grid, WM_LBUTTONDOWN, 0, MAKELPARAM(b.left + 3, b.top + 3));
  };
  click(10);  // the second week's Wednesday
  EXPECT_EQ(calendar.Selected(), (calendar::Date{1901, 1, 9}));
  click(0);
  EXPECT_EQ(calendar.Selected(), (calendar::Date{1901, 1, 9}));
  click(2);
  EXPECT_EQ(calendar.Selected(), calendar::kFirstDate);
  Pick(dlg, 2100, 12, 31);
  EXPECT_EQ(Text(dlg, IDC_CALENDAR_DESCRIPTION).substr(0, 14), "2100年12月31日");
  click(34);  // 1 January 2101
  EXPECT_EQ(calendar.Selected(), calendar::kLastDate);
  click(33 - 7);
  EXPECT_EQ(calendar.Selected(), (calendar::Date{2100, 12, 24}));
  Pick(dlg, 2100, 12, 31);
  EXPECT_FALSE(Enabled(dlg, IDC_CALENDAR_NEXT_MONTH));
  EXPECT_FALSE(Enabled(dlg, IDC_CALENDAR_NEXT_YEAR));
  EXPECT_TRUE(Enabled(dlg, IDC_CALENDAR_PREV_YEAR));
  SendMessageA(GetDlgItem(dlg, IDC_CALENDAR_GRID), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(calendar.Selected(), calendar::kLastDate);
}

// The pixels of the reminder mark's colour in a cell of the drawn page.
int MarkPixels(const CalendarDialog& calendar, const calendar::Date& page, int day) {
  RECT client{};
  GetClientRect(calendar.Grid().hwnd(), &client);
  DibSurface surface(client.right, client.bottom, RGB(0, 0, 0));
  calendar.Grid().Draw(surface.dc(), client.right, client.bottom);
  const int cell = calendar::DayNumber({page.year, page.month, day}) -
                   calendar::DayNumber(calendar::GridFirstDay(page.year, page.month));
  const calendar::CellBox b = calendar::GridLayout{client.right, client.bottom}.CellRect(cell);
  return surface.Count(RECT{b.left, b.top, b.right, b.bottom}, RGB(255, 140, 0));
}

TEST(CalendarDialogTest, MarksNamesAndAddsRemindersOnTheSelectedDay) {
  ReminderRecord rent = MakeReminder(1, "房租", RepeatMonthly, 8, 30);
  rent.stWhen = MakeTime(2026, 1, 15, 8, 30);
  ProgramFile rmd("Ticora.rmd", ReminderFileText({rent}));
  ReminderList list;
  ASSERT_TRUE(list.Load(rmd.Path()));
  FixedTime time;  // 2026-12-08
  CalendarDialog calendar(&time, &list);
  ASSERT_TRUE(calendar.Open(nullptr));
  HWND dlg = calendar.hwnd();
  HWND grid = GetDlgItem(dlg, IDC_CALENDAR_GRID);
  Pick(dlg, 2026, 12, 15);
  EXPECT_EQ(Text(dlg, IDC_CALENDAR_DESCRIPTION), "2026年12月15日 星期二 农历丙午马年 冬月初七 提醒：08:30 房租");
  EXPECT_GT(MarkPixels(calendar, {2026, 12, 15}, 15), 0);
  EXPECT_EQ(MarkPixels(calendar, {2026, 12, 15}, 24), 0);

  // "添加提醒..." on the 24th: a once-only reminder of that day, saved at once.
  Pick(dlg, 2026, 12, 24);
  bool once = false;
  SYSTEMTIME shown{};
  ModalScript s;
  s.Then([&](HWND d) {
     once = IsDlgButtonChecked(d, IDC_EDITOR_ONCE) == BST_CHECKED;
     SendDlgItemMessageA(d, IDC_EDITOR_DATE, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown));
   })
      .Then(SetText(IDC_EDITOR_TITLE, "平安夜"))
      .Then(Press(IDOK));
  s.Run([&] { return SendDlgItemMessageA(dlg, IDC_CALENDAR_ADD_REMINDER, BM_CLICK, 0, 0); });
  EXPECT_TRUE(s.Done());
  EXPECT_TRUE(once);
  EXPECT_EQ(24, shown.wDay);
  ASSERT_EQ(2u, list.count());
  EXPECT_EQ(RepeatOnce, list.At(1)->nRepeat);
  EXPECT_EQ(24, list.At(1)->stWhen.wDay);
  EXPECT_NE(Text(dlg, IDC_CALENDAR_DESCRIPTION).find("平安夜"), std::string::npos);
  EXPECT_GT(MarkPixels(calendar, {2026, 12, 24}, 24), 0);
  ReminderList stored;
  ASSERT_TRUE(stored.Load(rmd.Path()));
  EXPECT_EQ(2u, stored.count());

  // A double click on a day selects it and opens the editor on it.
  RECT client{};
  GetClientRect(grid, &client);
  const calendar::CellBox last = calendar::GridLayout{client.right, client.bottom}.CellRect(
      calendar::DayNumber({2026, 12, 31}) - calendar::DayNumber(calendar::GridFirstDay(2026, 12)));
  ModalScript c;
  c.Then([&](HWND d) {
     SendDlgItemMessageA(d, IDC_EDITOR_DATE, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown));
   })
      .Then(Press(IDCANCEL));
  c.Run([&] { return SendMessageA(grid, WM_LBUTTONDBLCLK, 0, MAKELPARAM(last.left + 3, last.top + 3)); });
  EXPECT_TRUE(c.Done());
  EXPECT_EQ(31, shown.wDay);
  EXPECT_EQ(calendar.Selected(), (calendar::Date{2026, 12, 31}));
  EXPECT_EQ(2u, list.count());
  calendar.Close();
}

// Only one of them edits the reminders: the clock settings command brings the
// open calendar forward instead of opening.
TEST(CalendarDialogTest, TheClockSettingsStayShutWhileTheCalendarIsOpen) {
  ClockServices services;
  ClockWindow clock(services);
  TicoraDialogs dialogs;
  dialogs.Open(IDM_CALENDAR, clock, nullptr);
  ASSERT_TRUE(dialogs.Calendar()->IsOpen());
  bool settingsOpened = false;
  ModalScript s;
  s.Then([&](HWND) { settingsOpened = true; }).Then(EndWith(IDCANCEL));
  s.Run([&] {
    dialogs.Open(IDM_CLOCK_SETTINGS, clock, nullptr);
    return 0;
  });
  EXPECT_FALSE(settingsOpened);
  EXPECT_FALSE(dialogs.Busy());
  EXPECT_TRUE(dialogs.Calendar()->IsOpen());
  dialogs.Calendar()->Close();
}

}  // namespace
