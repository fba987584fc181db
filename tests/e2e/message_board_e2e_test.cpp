// Ticora.exe with a daily reminder due now: the message board appears on top,
// owned by the clock, and goes away with the clock.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "reminders/reminder_record.h"
#include "resources/menu_ids.h"
#include "tests/support/bmp_bytes.h"
#include "tests/support/program_dir.h"
#include "tests/support/reminder_fakes.h"

namespace {

const DWORD kStartTimeout = 300000;

struct Found {
  DWORD pid;
  HWND owner;
  HWND board;
};

BOOL CALLBACK FindBoard(HWND hwnd, LPARAM data) {
  auto* f = reinterpret_cast<Found*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != f->pid || !IsWindowVisible(hwnd) || IsIconic(hwnd) || GetWindow(hwnd, GW_OWNER) != f->owner) return TRUE;
  f->board = hwnd;
  return FALSE;
}

TEST(MessageBoardEndToEnd, DueReminderShowsATopmostBoardOwnedByTheClock) {
  ProgramDir dir;
  ASSERT_TRUE(dir.CopyFrom(BuildPath("TicoraAtTime.exe"), "Ticora.exe"));
  ASSERT_TRUE(dir.Write("WndBackgnd.bmp", SolidBmpBytes(320, 180, RGB(90, 140, 200))));
  ASSERT_TRUE(dir.Write("Ticora.ini", "[SYSTEM]\r\nbClockMode=1\r\nbAffairRemind=1\r\nnMessageWait=30\r\n"));

  // The clock starts 5 seconds before the reminder's minute, whatever the
  // wall clock says.
  const int hour = 10, minute = 31;
  ReminderRecord record = MakeReminder(1, "Stand up", RepeatDaily, hour, minute);
  SetFieldText(record.sMessage, "Time to stretch.");
  ASSERT_TRUE(dir.Write("Ticora.rmd", ReminderFileText({record})));

  RunningProgram program;
  ASSERT_TRUE(program.Start(dir.Path("Ticora.exe"), dir.Dir(), "10:30:55"));
  HWND clock = nullptr;
  ASSERT_TRUE(RunningProgram::WaitUntil(kStartTimeout, [&] {
    for (HWND w : program.Windows()) {
      if (!GetWindow(w, GW_OWNER)) clock = w;
    }
    return clock != nullptr;
  }));

  Found found{program.Pid(), clock, nullptr};
  ASSERT_TRUE(RunningProgram::WaitUntil(90000, [&] {
    EnumWindows(&FindBoard, reinterpret_cast<LPARAM>(&found));
    return found.board != nullptr;
  })) << "no message board; reminder at " << hour << ":" << minute << ", windows of the program: "
       << program.Windows(false).size() << (program.Running() ? "" : " (the program has ended)");
  HWND board = found.board;
  RECT r{};
  GetWindowRect(board, &r);
  EXPECT_EQ(320, r.right - r.left);
  EXPECT_EQ(180, r.bottom - r.top);
  EXPECT_EQ((GetSystemMetrics(SM_CXFULLSCREEN) - 320) / 2, r.left);
  EXPECT_EQ((GetSystemMetrics(SM_CYFULLSCREEN) - 180) / 2, r.top);
  EXPECT_TRUE(GetWindowLongA(board, GWL_EXSTYLE) & WS_EX_TOPMOST);
  LONG style = GetWindowLongA(board, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & WS_CAPTION);

  // Closing the clock takes the open board with it and ends the program cleanly.
  PostMessageA(clock, WM_COMMAND, IDM_CLOSE, 0);
  DWORD code = 77;
  ASSERT_TRUE(program.WaitForExit(120000, &code));
  EXPECT_EQ(0u, code);
  EXPECT_FALSE(IsWindow(board));
}

}  // namespace
