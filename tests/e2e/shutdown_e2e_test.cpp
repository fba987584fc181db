// A restart reminder due now, in a real Ticora with the recording Dorvix: the
// countdown opens, runs out, and the helper library is asked to restart.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reminders/reminder_record.h"
#include "resources/menu_ids.h"
#include "tests/support/program_dir.h"
#include "tests/support/reminder_fakes.h"

namespace {

// Ticora's top-level dialog window with the given title, or null.
HWND FindDialog(const RunningProgram& program, const char* title) {
  for (HWND w : program.Windows()) {
    char cls[32] = {}, text[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    GetWindowTextA(w, text, sizeof text);
    if (std::string(cls) == "#32770" && std::string(text) == title) return w;
  }
  return nullptr;
}

}  // namespace

TEST(ShutdownEndToEnd, RestartReminderCountsDownAndCallsTheHelper) {
  ProgramDir dir;
  ASSERT_TRUE(dir.CopyFromDist("Ticora.exe"));
  ASSERT_TRUE(dir.CopyFrom(BuildPath("FakeDorvix.dll"), "Dorvix.dll"));
  ASSERT_TRUE(dir.Write("Ticora.ini", "[SYSTEM]\r\nbClockMode=1\r\nbAffairRemind=1\r\nnShutdownWait=3\r\n"));

  // Process starts are slow here and may take more than a minute, so the
  // same restart reminder is due in this minute and each of the next four;
  // the first one the running clock meets opens the countdown.
  SYSTEMTIME now;
  GetLocalTime(&now);
  std::vector<ReminderRecord> records;
  for (int i = 0; i < 5; ++i) {
    const int minutes = (now.wHour * 60 + now.wMinute + i) % (24 * 60);
    // No sound or board for a restart, whatever the flags say.
    records.push_back(MakeReminder(static_cast<uint16_t>(i + 1), "重启", RepeatDaily, minutes / 60, minutes % 60,
                                   ActionRestart, FlagForceAction | FlagSound | FlagMessage));
  }
  ASSERT_TRUE(dir.Write("Ticora.rmd", ReminderFileText(records)));

  RunningProgram program;
  ASSERT_TRUE(program.Start(dir.Path("Ticora.exe"), dir.Dir()));
  HWND clock = program.WaitForWindow(240000);
  ASSERT_NE(nullptr, clock);

  HWND countdown = nullptr;
  ASSERT_TRUE(RunningProgram::WaitUntil(300000, [&] {
    countdown = FindDialog(program, "重新启动计算机...");
    return countdown != nullptr || !program.Running();
  }));
  ASSERT_NE(nullptr, countdown) << "no countdown appeared";
  EXPECT_FALSE(dir.Exists("dorvix_calls.txt"));

  const bool called = RunningProgram::WaitUntil(60000, [&] {
    return dir.Read("dorvix_calls.txt").find("ShutDownComputer 1 1\n") != std::string::npos;
  });
  EXPECT_TRUE(called) << "calls: " << dir.Read("dorvix_calls.txt");
  EXPECT_FALSE(IsWindow(countdown));
  EXPECT_EQ(0u, dir.Read("dorvix_calls.txt").find("ShutDownComputer 1 1\n"));

  // The clock window is the one that is not a dialog.
  for (HWND w : program.Windows()) {
    char cls[32] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (std::string(cls) != "#32770") clock = w;
  }
  PostMessageA(clock, WM_COMMAND, IDM_CLOSE, 0);
  DWORD code = 1234;
  ASSERT_TRUE(program.WaitForExit(120000, &code));
  EXPECT_EQ(0u, code);
}
