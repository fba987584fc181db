// Boards that keep out of the user's way, the snooze box, the board of missed
// reminders, the taskbar message as a balloon (and its board on old shells),
// and the clock noticing a sleep through the power messages.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/program_path.h"
#include "clock/clock_window_win.h"
#include "clock/tick_effects_win.h"
#include "reminders/program_reminders_win.h"
#include "reminders/reminder_state.h"
#include "tests/support/fixed_time.h"
#include "tests/support/posted_messages.h"
#include "tests/support/program_ini.h"
#include "tests/support/reminder_fakes.h"
#include "tests/support/shell_calls.h"

namespace {

// The window the user is typing in: visible, active, in the foreground.
class UserWindow {
 public:
  UserWindow() {
    hwnd_ = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 200, 80, nullptr, nullptr,
                            nullptr, nullptr);
    SetForegroundWindow(hwnd_);
    SetActiveWindow(hwnd_);
    SetFocus(hwnd_);
  }
  ~UserWindow() { DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

struct SnoozeRecorder : BoardSnooze {
  int minutes = 10;
  std::vector<std::pair<uint16_t, int>> snoozed;
  int SnoozeMinutes() override { return minutes; }
  void ChooseSnoozeMinutes(int m) override { minutes = m; }
  void Snooze(const ReminderKey& key, int m) override { snoozed.push_back({key.id, m}); }
};

void Pump() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}

void ClickAt(HWND hwnd, const RECT& box) {
  const LPARAM at = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
  SendMessageA(hwnd, WM_MOUSEMOVE, 0, at);
  SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(hwnd, WM_LBUTTONUP, 0, at);
}

TEST(QuietBoards, BoardsLeaveTheActivationWhereItIsAndTheSnoozeBoxSnoozes) {
  UserWindow user;
  HWND owner = user.hwnd();
  SnoozeRecorder snooze;
  ClockEffects fx(&owner);
  fx.Attach(nullptr, &snooze);
  ReminderKey key;
  key.id = 42;
  fx.OpenReminderBoard(key, "tea", "time for tea", 60);
  ASSERT_EQ(1u, fx.MessageBoardCount());
  MessageBoard* board = fx.MessageBoardAt(0);
  ASSERT_TRUE(board->hwnd());
  EXPECT_TRUE(IsWindowVisible(board->hwnd()));
  EXPECT_FALSE(IsIconic(board->hwnd()));
  EXPECT_EQ(user.hwnd(), GetActiveWindow());
  EXPECT_EQ(MA_NOACTIVATE, SendMessageA(board->hwnd(), WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(board->hwnd()),
                                        MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)));
  EXPECT_TRUE(board->CanSnooze());

  ClickAt(board->hwnd(), MessageBoard::kSnoozeBox);
  ASSERT_EQ(1u, snooze.snoozed.size());
  EXPECT_EQ(42, snooze.snoozed[0].first);
  EXPECT_EQ(10, snooze.snoozed[0].second);
  HWND gone = board->hwnd();
  Pump();
  EXPECT_FALSE(IsWindow(gone));

  // A plain board (nothing to snooze) has no snooze box: a click there does nothing.
  fx.TidyMessageBoards();
  fx.OpenMessageBoard("plain", "m", 60);
  MessageBoard* plain = fx.MessageBoardAt(0);
  EXPECT_FALSE(plain->CanSnooze());
  ClickAt(plain->hwnd(), MessageBoard::kSnoozeBox);
  Pump();
  EXPECT_TRUE(IsWindow(plain->hwnd()));
  EXPECT_EQ(1u, snooze.snoozed.size());
  fx.CloseAll();
}

TEST(QuietBoards, MissedRemindersShareOneBoardThatStaysUntilClosed) {
  UserWindow user;
  HWND owner = user.hwnd();
  ClockEffects fx(&owner);
  ReminderRecord off = MakeReminder(1, "关机", RepeatDaily, 8, 30, ActionShutdown, FlagNoMessage);
  ReminderRecord tea = MakeReminder(2, "tea", RepeatDaily, 9, 0);
  const int64_t day = SecondStamp(MakeTime(2026, 12, 9, 0, 0));
  const MissedReminder first[] = {MakeMissed(off, day + 8 * 3600 + 1800)};
  fx.ReportMissed(first, 1);
  MessageBoard* board = fx.Missed();
  ASSERT_TRUE(board && !board->Closed());
  HWND hwnd = board->hwnd();
  char text[64] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  EXPECT_STREQ("错过的提醒", text);
  EXPECT_STREQ("错过的提醒", board->Caption());
  EXPECT_FALSE(board->CanSnooze());
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_NE(hwnd, GetActiveWindow());
  EXPECT_NE(hwnd, GetForegroundWindow());
  EXPECT_EQ(owner, GetWindow(hwnd, GW_OWNER));

  // A second gap adds to the open board; the same reminder keeps one line.
  const MissedReminder second[] = {MakeMissed(tea, day + 86400 + 9 * 3600), MakeMissed(off, day + 86400 + 8 * 3600 + 1800)};
  fx.ReportMissed(second, 2);
  EXPECT_EQ(board, fx.Missed());
  EXPECT_EQ(hwnd, board->hwnd());
  EXPECT_EQ(2u, fx.MissedItems().size());
  EXPECT_STREQ("12-10 08:30 关机 未执行：关闭计算机：message\r\n12-10 09:00 tea：message", board->Message());
  // No countdown: time passes and it stays; "确定" closes it.
  Sleep(1500);
  Pump();
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_STREQ("错过的提醒", board->Caption());
  ClickAt(hwnd, MessageBoard::kOkBox);
  Pump();
  EXPECT_FALSE(IsWindow(hwnd));
  // After it closed, the next gap opens it anew.
  fx.ReportMissed(first, 1);
  EXPECT_FALSE(fx.Missed()->Closed());
  EXPECT_EQ(1u, fx.MissedItems().size());
  fx.CloseAll();
}

TEST(TaskbarMessage, BalloonFromTheIconWithCutTextsOrABoardOnOldShells) {
  UserWindow user;
  HWND owner = user.hwnd();
  // 35 two-byte characters: 70 bytes, cut to 62 for the 63-byte title.
  std::string title;
  for (int i = 0; i < 35; ++i) title += "提";
  {
    g_shellCalls.clear();
    TrayIcon tray(&RecordShellCall, 6);
    tray.Add(owner, nullptr, WM_USER + 17, MakeTime(2026, 12, 9, 8, 0));
    ClockEffects fx(&owner);
    fx.Attach(&tray, nullptr);
    fx.ShowTaskbarMessage(ReminderKey(), title.c_str(), "message", 12);
    EXPECT_EQ(0u, fx.MessageBoardCount());
    ASSERT_EQ(2u, g_shellCalls.size());
    const NOTIFYICONDATAA& d = g_shellCalls[1].data;
    EXPECT_EQ(static_cast<DWORD>(NIM_MODIFY), g_shellCalls[1].message);
    EXPECT_EQ(static_cast<UINT>(NIF_INFO), d.uFlags);
    EXPECT_EQ(488u, d.cbSize);
    EXPECT_EQ(title.substr(0, 62), d.szInfoTitle);
    EXPECT_STREQ("message", d.szInfo);
    EXPECT_EQ(12000u, d.uTimeout);
    EXPECT_EQ(static_cast<DWORD>(NIIF_INFO), d.dwInfoFlags);
    // A later tooltip change does not bring the balloon back.
    tray.UpdateTip(MakeTime(2026, 12, 10, 0, 0));
    EXPECT_EQ(static_cast<UINT>(NIF_TIP), g_shellCalls.back().data.uFlags);
    EXPECT_EQ('\0', g_shellCalls.back().data.szInfo[0]);
  }
  {
    g_shellCalls.clear();
    TrayIcon tray(&RecordShellCall, 4);
    tray.Add(owner, nullptr, WM_USER + 17, MakeTime(2026, 12, 9, 8, 0));
    ASSERT_EQ(1u, g_shellCalls.size());
    EXPECT_EQ(88u, g_shellCalls[0].data.cbSize);
    ClockEffects fx(&owner);
    fx.Attach(&tray, nullptr);
    fx.ShowTaskbarMessage(ReminderKey(), "old", "shell", 12);
    EXPECT_EQ(1u, g_shellCalls.size()) << "nothing more for the shell";
    ASSERT_EQ(1u, fx.MessageBoardCount());
    EXPECT_STREQ("shell", fx.MessageBoardAt(0)->Message());
    fx.CloseAll();
  }
}

// The clock writes its last-seen moment before a sleep, looks at the gap as
// soon as it wakes, and keeps snoozes beside its settings.
TEST(ClockGaps, SleepOverAReminderListsItOnWaking) {
  ProgramIni ini("[SYSTEM]\r\nbClockMode=1\r\nbAffairRemind=1\r\nnMessageWait=30\r\n");
  FixedTime time;
  time.Set(9, 3, 8, 0, 0);
  ClockServices services;
  services.time = &time;
  services.shellNotify = &RecordShellCall;
  ClockWindow clock(services);
  ASSERT_TRUE(clock.CreateClock(nullptr, false, nullptr));
  ProgramReminders().Append(MakeReminder(7, "stand-up", RepeatDaily, 8, 30, ActionRunProgram, FlagNoMessage));
  SendMessageA(clock.hwnd(), WM_TIMER, kClockTimerId, 0);
  time.Set(9, 3, 8, 5, 0);
  SendMessageA(clock.hwnd(), WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
  EXPECT_EQ(SecondStamp(MakeTime(2026, 12, 9, 8, 5, 0)), ReadLastSeen(ini.Path()));
  time.Set(9, 3, 9, 0, 0);
  SendMessageA(clock.hwnd(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
  MessageBoard* missed = clock.OwnEffects()->Missed();
  ASSERT_TRUE(missed && !missed->Closed());
  ASSERT_EQ(1u, clock.OwnEffects()->MissedItems().size());
  EXPECT_STREQ("stand-up", clock.OwnEffects()->MissedItems()[0].title);
  SendMessageA(clock.hwnd(), WM_CLOSE, 0, 0);
  DrainQuit();
  EXPECT_EQ(SecondStamp(MakeTime(2026, 12, 9, 9, 0, 0)), ReadLastSeen(ini.Path()));
  ProgramReminders().Clear();
}

}  // namespace
