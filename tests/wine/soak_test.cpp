// The desktop clock over a long run of ticks, each face, with the chime and a
// reminder firing through the test seams: the handles held stay flat and
// every firing happens. TICORA_SOAK_TICKS sets the number of ticks
// (scripts/soak.sh runs 100,000); the test command runs a short soak.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "clock/clock_window_win.h"
#include "controls/handles_win.h"
#include "tests/support/bmp_bytes.h"
#include "tests/support/fixed_time.h"
#include "tests/support/posted_messages.h"
#include "tests/support/program_ini.h"
#include "tests/support/reminder_fakes.h"

namespace {

BOOL WINAPI NoShell(DWORD, PNOTIFYICONDATAA) { return TRUE; }

struct Counts {
  long owned;  // the handle owners' own counter
  DWORD gdi, user;
  bool operator==(const Counts& o) const { return owned == o.owned && gdi == o.gdi && user == o.user; }
};

Counts Now() {
  return {handles::LiveCount(), GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
          GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
}

std::string TempPath(const char* name) {
  char dir[MAX_PATH];
  GetTempPathA(sizeof dir, dir);
  return std::string(dir) + name;
}

}  // namespace

TEST(Soak, EachFaceTicksWithFlatHandlesAndEveryFiring) {
  const char* env = std::getenv("TICORA_SOAK_TICKS");
  const int ticks = env ? std::atoi(env) : 4000;
  ASSERT_GT(ticks, 1000);
  const std::string theme = TempPath("ticora_soak_theme");
  CreateDirectoryA(theme.c_str(), nullptr);
  for (int n = 1; n <= 12; ++n) {
    char key[16], value[16];
    wsprintfA(key, "sClock%02d", n);
    wsprintfA(value, "Hour%02d.wav", n);
    WritePrivateProfileStringA("THEME", key, value, (theme + "\\theme.ini").c_str());
  }
  const std::string bg = TempPath("ticora_soak_bg.bmp"), digits = TempPath("ticora_soak_digits.bmp");
  ASSERT_TRUE(WriteBytes(bg, BmpBytes(160, 50, [](int x, int y) -> COLORREF {
    return (x == 20 || x == 129) && y >= 10 && y < 35 ? RGB(0, 0, 0) : RGB(30, 60, 90);
  })));
  ASSERT_TRUE(WriteBytes(digits, BmpBytes(162, 25, [](int x, int) { return RGB(x, 0, 0); })));
  // A reminder 20 minutes into the run, and one every day at 00:10.
  ProgramIni ini("[SYSTEM]\r\nbClockMode=1\r\n");
  ProgramFile reminders("Ticora.rmd", ReminderFileText({MakeReminder(1, "Tea", RepeatDaily, 0, 20),
                                                        MakeReminder(2, "Late", RepeatDaily, 0, 10)}));
  int expectedChimes = 0, expectedBoards = 0;
  for (int t = 0; t < ticks; ++t) {
    expectedChimes += t % 3600 == 0;
    expectedBoards += t % 86400 == 600 || t % 86400 == 1200;
  }

  for (int face : {1, 0}) {
    SCOPED_TRACE(face ? "analog face" : "digital face");
    RecordingEffects effects;
    FixedTime time;
    ClockServices services;
    services.time = &time;
    services.effects = &effects;
    services.shellNotify = &NoShell;
    ClockWindow clock(services);
    ASSERT_TRUE(clock.CreateClock(nullptr, false, nullptr));
    if (face == 0) {
      ASSERT_TRUE(clock.ApplyAppearance(0, bg.c_str(), digits.c_str(), true));
    }
    TimedCheckSettings on;
    on.chimeOn = on.remindersOn = true;
    on.waits.messageWait = 5;
    SetThemeDirectory(on, theme.c_str());
    clock.ApplySettings(on);

    // Every object the clock holds is a live object of its kind, as many at
    // the end as at tick 1,000.
    auto liveObjects = [&clock] {
      int live = 0;
      for (HGDIOBJ h : clock.GdiObjects()) live += GetObjectType(h) != 0;
      return live;
    };
    Counts at1000{};
    int objectsAt1000 = 0;
    for (int t = 0; t < ticks; ++t) {
      const int s = t % 86400;
      time.Set(8 + t / 86400, 2, s / 3600, s / 60 % 60, s % 60);
      SendMessageA(clock.hwnd(), WM_TIMER, kClockTimerId, 0);
      if (t % 50 == 0) UpdateWindow(clock.hwnd());
      if (t == 1000) {
        at1000 = Now();
        objectsAt1000 = liveObjects();
      }
    }
    const Counts end = Now();
    EXPECT_EQ(objectsAt1000, liveObjects());
    EXPECT_EQ(static_cast<int>(clock.GdiObjects().size()), liveObjects());
    EXPECT_GT(objectsAt1000, 0);
    EXPECT_TRUE(at1000 == end) << "owned " << at1000.owned << " -> " << end.owned << ", GDI " << at1000.gdi << " -> "
                               << end.gdi << ", user " << at1000.user << " -> " << end.user;
    int chimes = 0, boards = 0;
    for (const std::string& c : effects.calls) {
      chimes += c.rfind("sound:", 0) == 0;
      boards += c.rfind("board:", 0) == 0;
    }
    EXPECT_EQ(expectedChimes, chimes);
    EXPECT_EQ(expectedBoards, boards);
    std::printf("soak, %s face: %d ticks, handles owned %ld, GDI objects %lu, user objects %lu, clock's own "
                "objects live by GetObjectType %d at tick 1000 and at the end; %d chimes, %d boards\n",
                face ? "analog" : "digital", ticks, end.owned, static_cast<unsigned long>(end.gdi),
                static_cast<unsigned long>(end.user), objectsAt1000, chimes, boards);
    clock.CloseClock();
    DrainQuit();
  }
  DeleteFileA(bg.c_str());
  DeleteFileA(digits.c_str());
}
