// The clock window in-process under Wine: preview and desktop creation, the
// tick with a fed time, dragging, closing, and no handle leaks over many ticks.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "clock/clock_window_win.h"
#include "base/program_path.h"
#include "controls/handles_win.h"
#include "tests/wine/posted_messages.h"

namespace {

class FixedTime : public TimeSource {
 public:
  LocalTime now{};
  LocalTime Now() override { return now; }
  void Set(int h, int m, int s) {
    now.wYear = 2026;
    now.wMonth = 12;
    now.wDay = 8;
    now.wDayOfWeek = 2;
    now.wHour = static_cast<uint16_t>(h);
    now.wMinute = static_cast<uint16_t>(m);
    now.wSecond = static_cast<uint16_t>(s);
  }
};

// Writes Ticora.ini beside the test program for the desktop clock and removes it afterwards.
class ProgramIni {
 public:
  explicit ProgramIni(const std::string& content) {
    ProgramPath("Ticora.ini", path_);
    FILE* f = fopen(path_, "wb");
    if (f) {
      fwrite(content.data(), 1, content.size(), f);
      fclose(f);
    }
  }
  ~ProgramIni() { DeleteFileA(path_); }
  int Get(const char* key) const { return static_cast<int>(GetPrivateProfileIntA("SYSTEM", key, -999, path_)); }

 private:
  char path_[kProgramPathSize];
};

TEST(ClockWindowPreview, IsCentredInItsTargetAndNeverEndsTheProgram) {
  FixedTime time;
  time.Set(10, 8, 30);
  ClockWindow preview(&time);
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
  ClockWindow clock(&time);
  ASSERT_TRUE(clock.CreateClock(nullptr, false, nullptr));
  RECT r{};
  GetWindowRect(clock.hwnd(), &r);
  EXPECT_EQ(33, r.left);
  EXPECT_EQ(44, r.top);
  EXPECT_TRUE(GetWindowLongA(clock.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(IsWindowVisible(clock.hwnd()));
  EXPECT_FALSE(IsIconic(clock.hwnd()));

  // Translucency as read, not clamped to the settings dialog's range.
  EXPECT_TRUE(GetWindowLongA(clock.hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED);
  typedef BOOL(WINAPI * GetAlphaFn)(HWND, COLORREF*, BYTE*, DWORD*);
  auto getAlpha = reinterpret_cast<GetAlphaFn>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetLayeredWindowAttributes")));
  if (getAlpha) {
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(getAlpha(clock.hwnd(), nullptr, &alpha, &flags));
    EXPECT_EQ(5, alpha);
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
  ClockWindow preview(&time);
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

}  // namespace
