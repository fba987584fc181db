// A second start of Ticora.exe in the same program directory hands over to
// the running clock and ends; a copy in another directory runs beside it.
#include <gtest/gtest.h>

#include "resources/menu_ids.h"
#include "tests/support/program_dir.h"

namespace {

const DWORD kTimeout = 300000;
const char kAnalog[] = "[SYSTEM]\r\nbClockMode=1\r\n";

struct Clock {
  ProgramDir dir;
  RunningProgram program;
  HWND window = nullptr;
  Clock() {
    EXPECT_TRUE(dir.CopyFromDist("Ticora.exe"));
    EXPECT_TRUE(dir.Write("Ticora.ini", kAnalog));
  }
  bool Start() {
    if (!program.Start(dir.Path("Ticora.exe"), dir.Dir())) return false;
    window = program.WaitForWindow(kTimeout);
    return window && program.WaitForIdle(kTimeout);
  }
  long Close() {
    PostMessageA(window, WM_COMMAND, IDM_CLOSE, 0);
    DWORD code = 0;
    return program.WaitForExit(kTimeout, &code) ? static_cast<long>(code) : -1;
  }
};

TEST(SingleInstance, SecondStartShowsTheRunningClockAndEndsWithoutWriting) {
  Clock first;
  ASSERT_TRUE(first.Start());
  PostMessageA(first.window, WM_COMMAND, IDM_SHOW_HIDE, 0);
  ASSERT_TRUE(RunningProgram::WaitUntil(kTimeout, [&] { return !IsWindowVisible(first.window); }));
  // The clock notes its last-seen moment at its first tick: the file is
  // taken after that.
  ASSERT_TRUE(RunningProgram::WaitUntil(
      kTimeout, [&] { return first.dir.Read("Ticora.ini").find("sLastSeen") != std::string::npos; }));
  const std::string ini = first.dir.Read("Ticora.ini");
  const bool hadReminders = first.dir.Exists("Ticora.rmd");

  RunningProgram second;
  ASSERT_TRUE(second.Start(first.dir.Path("Ticora.exe"), first.dir.Dir()));
  DWORD code = 1234;
  ASSERT_TRUE(second.WaitForExit(kTimeout, &code));
  EXPECT_EQ(0u, code);
  EXPECT_TRUE(RunningProgram::WaitUntil(kTimeout, [&] { return IsWindowVisible(first.window) != FALSE; }));
  EXPECT_TRUE(first.program.Running());
  EXPECT_EQ(ini, first.dir.Read("Ticora.ini"));
  EXPECT_EQ(hadReminders, first.dir.Exists("Ticora.rmd"));

  // A copy in another directory is a clock of its own.
  Clock other;
  ASSERT_TRUE(other.Start());
  EXPECT_TRUE(first.program.Running());
  EXPECT_TRUE(other.program.Running());
  EXPECT_EQ(0, other.Close());
  EXPECT_EQ(0, first.Close());

  // Once the clock has ended, the next start is the clock again.
  RunningProgram third;
  ASSERT_TRUE(third.Start(first.dir.Path("Ticora.exe"), first.dir.Dir()));
  EXPECT_NE(nullptr, third.WaitForWindow(kTimeout));
  EXPECT_TRUE(third.Running());
}

}  // namespace
