// The perpetual calendar in-process: opened by the clock's command once,
// the picker, buttons, keys and clicks moving the selected day, the
// description that follows them, and the range ends.
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
#include "tests/support/fixed_time.h"

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

}  // namespace
