// The time correction dialog in-process: the live date and time, the pickers,
// what a confirmation asks the helper library to set, the tooltip after a
// success and the warning after a failure. The time is never really set: the
// dialog gets a recording stand-in for the helper's call.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "clock/formatters.h"
#include "dialogs/time_correction_dialog_win.h"
#include "resources/time_correction_dialog_ids.h"
#include "tests/support/fixed_time.h"
#include "tests/support/modal_script.h"
#include "tests/support/posted_messages.h"
#include "tests/support/program_ini.h"

namespace {

std::vector<SYSTEMTIME> g_set;
BOOL g_answer = TRUE;

BOOL RecordAdjust(const SYSTEMTIME* time) {
  g_set.push_back(*time);
  return g_answer;
}

std::string Text(HWND dlg, int id) {
  char text[128] = {};
  GetDlgItemTextA(dlg, id, text, sizeof text);
  return text;
}

// Sets a picker as a user would: its value, then its change notification.
ModalScript::Step Pick(int id, SYSTEMTIME value) {
  return [id, value](HWND dlg) {
    HWND picker = GetDlgItem(dlg, id);
    SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
    NMDATETIMECHANGE change{};
    change.nmhdr.hwndFrom = picker;
    change.nmhdr.idFrom = static_cast<UINT_PTR>(id);
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = GDT_VALID;
    change.st = value;
    SendMessageA(dlg, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&change));
  };
}

struct TimeCorrectionTest : ::testing::Test {
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
  }
  void SetUp() override {
    g_set.clear();
    g_answer = TRUE;
    time.Set(8, 2, 10, 11, 12);  // Tuesday 8 December 2026, 10:11:12
    time.now.wMilliseconds = 345;
    ASSERT_TRUE(clock.CreateClock(nullptr, false, nullptr));
  }
  void TearDown() override {
    clock.CloseClock();
    DrainQuit();
  }
  std::string Tip() const { return clock.Tray().Record().szTip; }

  ProgramIni ini{"[SYSTEM]\r\nbClockMode=1\r\n"};
  FixedTime time;
  ClockWindow clock{ClockServices{&time}};
  ModalScript script;
};

TEST_F(TimeCorrectionTest, ShowsTheTimeLiveWithTheTimePickerOffUntilTicked) {
  script.Then([](HWND dlg) {
    EXPECT_EQ("2026年12月 8日,星期二", Text(dlg, IDC_CURRENT_DATE));
    EXPECT_EQ("10:11:12", Text(dlg, IDC_CURRENT_TIME));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_NEW_TIME)));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dlg, IDC_CORRECT_TIME));
    SYSTEMTIME shown{};
    SendDlgItemMessageA(dlg, IDC_NEW_DATE, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown));
    EXPECT_EQ(8, shown.wDay);
  });
  script.Then([this](HWND dlg) {
    time.Set(10, 11, 13);
    SendMessageA(dlg, WM_TIMER, kTimeCorrectionTimerId, 0);
    EXPECT_EQ("10:11:13", Text(dlg, IDC_CURRENT_TIME));
  });
  script.Then(Press(IDC_CORRECT_TIME)).Then([](HWND dlg) {
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_NEW_TIME)));
  });
  script.Then(Press(IDC_CORRECT_TIME)).Then([](HWND dlg) {
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_NEW_TIME)));
  });
  script.Then(Press(IDCANCEL));
  EXPECT_EQ(IDCANCEL, script.Run([&] { return RunTimeCorrection(clock, nullptr, {&time, &RecordAdjust}); }));
  EXPECT_TRUE(script.Done());
}

TEST_F(TimeCorrectionTest, ConfirmationSetsThePickedDateAndTimeOrNothing) {
  const SYSTEMTIME newDate{2027, 3, 1, 15, 1, 2, 3, 4};
  const SYSTEMTIME newTime{2000, 1, 6, 1, 23, 45, 6, 7};
  enum Picks { kNone, kDate, kDateAndTime, kTickOnly };
  struct Case {
    const char* name;
    Picks picks;
    int button;
    BOOL answer;
    bool sets;
    SYSTEMTIME expected;  // the moment of confirmation is 10:20:30.345
    bool warns;
  } cases[] = {
      {"date only", kDate, IDOK, TRUE, true, {2027, 3, 1, 15, 10, 20, 30, 345}, false},
      {"date and time", kDateAndTime, IDOK, TRUE, true, {2027, 3, 1, 15, 23, 45, 6, 7}, false},
      {"untouched pickers", kTickOnly, IDOK, TRUE, false, {}, false},
      {"cancel", kDateAndTime, IDCANCEL, TRUE, false, {}, false},
      {"refused", kDate, IDOK, FALSE, true, {2027, 3, 1, 15, 10, 20, 30, 345}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_set.clear();
    g_answer = c.answer;
    time.Set(8, 2, 10, 11, 12);
    clock.UpdateTrayTip();
    const std::string tipBefore = Tip();
    if (c.picks == kDate || c.picks == kDateAndTime) script.Then(Pick(IDC_NEW_DATE, newDate));
    if (c.picks == kDateAndTime || c.picks == kTickOnly) script.Then(Press(IDC_CORRECT_TIME));
    if (c.picks == kDateAndTime) script.Then(Pick(IDC_NEW_TIME, newTime));
    script.Then([this](HWND) { time.Set(10, 20, 30); }).Then(Press(c.button));
    if (c.warns) script.Then(AnswerMessageBox(script, IDOK));
    const size_t boxes = script.MessageBoxTexts().size();
    EXPECT_EQ(c.button, script.Run([&] { return RunTimeCorrection(clock, nullptr, {&time, &RecordAdjust}); }));
    EXPECT_TRUE(script.Done());
    ASSERT_EQ(c.sets ? 1u : 0u, g_set.size());
    if (c.sets) {
      const SYSTEMTIME& s = g_set[0];
      const SYSTEMTIME& e = c.expected;
      EXPECT_EQ(e.wYear, s.wYear);
      EXPECT_EQ(e.wMonth, s.wMonth);
      EXPECT_EQ(e.wDay, s.wDay);
      EXPECT_EQ(e.wHour, s.wHour);
      EXPECT_EQ(e.wMinute, s.wMinute);
      EXPECT_EQ(e.wSecond, s.wSecond);
    }
    // The tooltip shows the new date after a success, and only then.
    char tip[128];
    LocalTime set{};
    set.wYear = 2027;
    set.wMonth = 3;
    set.wDay = 15;
    set.wDayOfWeek = 1;
    FormatDate(tip, sizeof tip, set);
    EXPECT_EQ(c.sets && c.answer ? std::string(tip) : tipBefore, Tip());
    ASSERT_EQ(boxes + (c.warns ? 1 : 0), script.MessageBoxTexts().size());
    if (c.warns) {
      EXPECT_EQ("无法完成操作，请下载Ticora的完整模块或检查是否有此权限!", script.MessageBoxTexts().back());
    }
  }
}

TEST_F(TimeCorrectionTest, OnlyTheTimePickedAcrossMidnightKeepsTodaysDate) {
  time.Set(8, 2, 23, 59, 50);
  script.Then(Press(IDC_CORRECT_TIME)).Then(Pick(IDC_NEW_TIME, SYSTEMTIME{2000, 1, 6, 1, 0, 0, 30, 0}));
  script.Then([this](HWND) { time.Set(9, 3, 0, 0, 5); }).Then(Press(IDOK));
  EXPECT_EQ(IDOK, script.Run([&] { return RunTimeCorrection(clock, nullptr, {&time, &RecordAdjust}); }));
  EXPECT_TRUE(script.Done());
  ASSERT_EQ(1u, g_set.size());
  EXPECT_EQ(9, g_set[0].wDay);  // not the 8th the date picker still shows
  EXPECT_EQ(0, g_set[0].wHour);
  EXPECT_EQ(30, g_set[0].wSecond);
}

}  // namespace
