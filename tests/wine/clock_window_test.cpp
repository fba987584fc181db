// The clock window in-process under Wine: preview and desktop creation, the
// tick with a fed time, dragging, closing, and no handle leaks over many ticks.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "clock/clock_window_win.h"
#include "base/program_path.h"
#include "controls/handles_win.h"
#include "reminders/program_reminders_win.h"
#include "resources/menu_ids.h"
#include "tests/support/fixed_time.h"
#include "tests/support/posted_messages.h"
#include "tests/support/program_ini.h"
#include "tests/support/reminder_fakes.h"

namespace {

TEST(ClockWindowPreview, IsCentredInItsTargetAndNeverEndsTheProgram) {
  FixedTime time;
  time.Set(10, 8, 30);
  ClockWindow preview(ClockServices{&time});
  preview.SetFaceMode(1);
  RECT target{100, 50, 300, 350};
  ASSERT_TRUE(preview.CreateClock(nullptr, true, &target));
  RECT r{};
  GetWindowRect(preview.hwnd(), &r);
  EXPECT_EQ(100 + (200 - 136) / 2, r.left);
  EXPECT_EQ(50 + (300 - 136) / 2, r.top);
  EXPECT_EQ(136, r.right - r.left);
  LONG ex = GetWindowLongA(preview.hwnd(), GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(ex & WS_EX_TOPMOST);
  EXPECT_TRUE(IsWindowVisible(preview.hwnd()));

  // Ticks follow the fed time; the preview does not drag.
  SendMessageA(preview.hwnd(), WM_TIMER, kClockTimerId, 0);
  EXPECT_EQ(8, preview.LastTick().wMinute);
  SendMessageA(preview.hwnd(), WM_TIMER, 7, 0);  // another timer is ignored
  SendMessageA(preview.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
  EXPECT_EQ(0, TakePosted(preview.hwnd(), WM_NCLBUTTONDOWN));

  HWND h = preview.hwnd();
  SendMessageA(h, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(h));
  MSG quit;
  EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(ClockWindowDesktop, ReadsItsSettingsDragsAndSavesItsPlaceOnClose) {
  ProgramIni ini("[SYSTEM]\r\nbClockMode=1\r\nnLostPosLeft=33\r\nnLastPostop=44\r\nbTransparent=1\r\nnTransparence=5\r\n");
  FixedTime time;
  time.Set(12, 0, 0);
  ClockWindow clock(ClockServices{&time});
  ASSERT_TRUE(clock.CreateClock(nullptr, false, nullptr));
  RECT r{};
  GetWindowRect(clock.hwnd(), &r);
  EXPECT_EQ(33, r.left);
  EXPECT_EQ(44, r.top);
  EXPECT_TRUE(GetWindowLongA(clock.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(IsWindowVisible(clock.hwnd()));
  EXPECT_FALSE(IsIconic(clock.hwnd()));

  // A hand-edited alpha below the settings' range counts as its lowest value.
  EXPECT_TRUE(GetWindowLongA(clock.hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED);
  typedef BOOL(WINAPI * GetAlphaFn)(HWND, COLORREF*, BYTE*, DWORD*);
  auto getAlpha = reinterpret_cast<GetAlphaFn>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetLayeredWindowAttributes")));
  if (getAlpha) {
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(getAlpha(clock.hwnd(), nullptr, &alpha, &flags));
    EXPECT_EQ(10, alpha);
  }

  // A left press hands the move to the system as a caption press at the same point.
  SendMessageA(clock.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 9));
  MSG posted{};
  ASSERT_EQ(1, TakePosted(clock.hwnd(), WM_NCLBUTTONDOWN, &posted));
  EXPECT_EQ(static_cast<WPARAM>(HTCAPTION), posted.wParam);
  EXPECT_EQ(MAKELPARAM(7, 9), posted.lParam);

  // Hide and show again at the same place.
  clock.ToggleClockVisible();
  EXPECT_FALSE(IsWindowVisible(clock.hwnd()));
  clock.ToggleClockVisible();
  EXPECT_TRUE(IsWindowVisible(clock.hwnd()));
  GetWindowRect(clock.hwnd(), &r);
  EXPECT_EQ(33, r.left);

  SetWindowPos(clock.hwnd(), nullptr, -20, 500, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(clock.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(nullptr, clock.hwnd());
  EXPECT_EQ(-20, ini.Get("nLostPosLeft"));
  EXPECT_EQ(500, ini.Get("nLastPostop"));
  MSG quit;
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(0u, quit.wParam);
}

TEST(ClockWindowDesktop, ManyTicksLeakNoHandles) {
  FixedTime time;
  ClockWindow preview(ClockServices{&time});
  preview.SetFaceMode(1);
  RECT target{0, 0, 136, 136};
  ASSERT_TRUE(preview.CreateClock(nullptr, true, &target));
  time.Set(0, 0, 0);
  SendMessageA(preview.hwnd(), WM_TIMER, kClockTimerId, 0);
  long before = handles::LiveCount();
  for (int i = 0; i < 3000; ++i) {
    time.Set((i / 3600) % 24, (i / 60) % 60, i % 60);
    SendMessageA(preview.hwnd(), WM_TIMER, kClockTimerId, 0);
    if (i % 100 == 0) UpdateWindow(preview.hwnd());
  }
  EXPECT_EQ(before, handles::LiveCount());
  preview.CloseClock();
}

// The settings dialogs hand their results to the running clock; the next
// tick chimes from the new theme, fires reminders with the new waits, and
// stops when the switches go off.
TEST(ClockWindowDesktop, TakesNewChimeAndReminderSettingsAtTheNextTick) {
  ProgramIni ini("[SYSTEM]\r\nbClockMode=1\r\nnMessageWait=5\r\nnShutdownWait=6\r\n");
  ProgramFile reminders("Ticora.rmd",
                        ReminderFileText({MakeReminder(1, "Tea", RepeatDaily, 11, 0),
                                          MakeReminder(2, "Reboot", RepeatDaily, 11, 1, ActionRestart,
                                                       FlagForceAction)}));
  char themeDir[MAX_PATH];
  GetTempPathA(sizeof themeDir, themeDir);
  std::string theme = std::string(themeDir) + "ticora_handover_theme";
  CreateDirectoryA(theme.c_str(), nullptr);
  const std::string themeFile = theme + "\\theme.ini";
  WritePrivateProfileStringA("THEME", "nMode", "12", themeFile.c_str());
  WritePrivateProfileStringA("THEME", "sClock11", "eleven.wav", themeFile.c_str());

  RecordingEffects effects;
  FixedTime time;
  ClockServices services;
  services.time = &time;
  services.effects = &effects;
  ClockWindow clock(services);
  ASSERT_TRUE(clock.CreateClock(nullptr, false, nullptr));
  EXPECT_FALSE(clock.RunSettings().chimeOn);
  EXPECT_FALSE(clock.RunSettings().remindersOn);
  auto tick = [&](int h, int m, int s) {
    time.Set(h, m, s);
    SendMessageA(clock.hwnd(), WM_TIMER, kClockTimerId, 0);
  };
  tick(11, 0, 0);
  EXPECT_TRUE(effects.Visible().empty()) << "switched off as read at start";

  TimedCheckSettings next;
  next.chimeOn = true;
  next.remindersOn = true;
  next.waits.messageWait = 12;
  next.waits.shutdownWait = 34;
  SetThemeDirectory(next, theme.c_str());
  clock.ApplySettings(next);
  EXPECT_EQ(theme, clock.RunSettings().themeDir);
  tick(11, 0, 1);
  tick(11, 1, 0);
  const std::vector<std::string> expected = {"sound:" + theme + "\\eleven.wav", "board:Tea|message|12",
                                             "countdown:force,restart,34"};
  EXPECT_EQ(expected, effects.Visible());

  next.chimeOn = false;
  next.remindersOn = false;
  clock.ApplySettings(next);
  effects.calls.clear();
  tick(12, 0, 0);
  EXPECT_TRUE(effects.Visible().empty());

  // The theme directory keeps at most 127 bytes and never half a character.
  std::string longDir(126, 'd');
  longDir += "\xd6\xd0";
  SetThemeDirectory(next, longDir.c_str());
  clock.ApplySettings(next);
  EXPECT_EQ(std::string(126, 'd'), clock.RunSettings().themeDir);

  SendMessageA(clock.hwnd(), WM_CLOSE, 0, 0);
  DrainQuit();
  ProgramReminders().Clear();
  DeleteFileA(themeFile.c_str());
  RemoveDirectoryA(theme.c_str());
}

// The menu's dialog commands go to the dialogs the program hands in, owned by
// the active window; the preview takes no settings.
TEST(ClockWindowDesktop, DialogCommandsGoToTheProgramsDialogs) {
  struct Opened : ClockDialogs {
    void Open(int command, ClockWindow& clock, HWND owner) override {
      commands.push_back(command);
      clocks.push_back(&clock);
      owners.push_back(owner);
    }
    std::vector<int> commands;
    std::vector<ClockWindow*> clocks;
    std::vector<HWND> owners;
  } dialogs;
  ProgramIni ini("[SYSTEM]\r\nbClockMode=1\r\n");
  FixedTime time;
  ClockServices services;
  services.time = &time;
  services.dialogs = &dialogs;
  ClockWindow clock(services);
  ASSERT_TRUE(clock.CreateClock(nullptr, false, nullptr));
  for (int command : {IDM_ABOUT, IDM_PROGRAM_SETTINGS, IDM_CLOCK_SETTINGS, IDM_TIME_CORRECTION, IDM_CALENDAR})
    SendMessageA(clock.hwnd(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
  EXPECT_EQ((std::vector<int>{IDM_ABOUT, IDM_PROGRAM_SETTINGS, IDM_CLOCK_SETTINGS, IDM_TIME_CORRECTION,
                              IDM_CALENDAR}),
            dialogs.commands);
  for (ClockWindow* c : dialogs.clocks) EXPECT_EQ(&clock, c);
  for (HWND owner : dialogs.owners) EXPECT_EQ(GetActiveWindow(), owner);
  SendMessageA(clock.hwnd(), WM_CLOSE, 0, 0);
  DrainQuit();

  ClockWindow preview(ClockServices{&time});
  preview.SetFaceMode(1);
  RECT target{0, 0, 136, 136};
  ASSERT_TRUE(preview.CreateClock(nullptr, true, &target));
  TimedCheckSettings on;
  on.chimeOn = on.remindersOn = true;
  preview.ApplySettings(on);
  EXPECT_FALSE(preview.RunSettings().chimeOn);
  EXPECT_FALSE(preview.RunSettings().remindersOn);
  preview.CloseClock();
}

}  // namespace
