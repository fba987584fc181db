// Ticora.exe and reminders whose minute no tick landed in: a program held
// over the minute carries the reminder out late, once; one closed over it
// lists it on the missed board and starts nothing; a snoozed board comes back
// after a restart; the taskbar message reaches the shell as a balloon, or a
// board where the shell has none.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "reminders/message_board_win.h"
#include "reminders/reminder_record.h"
#include "tests/support/bmp_bytes.h"
#include "tests/support/program_dir.h"
#include "tests/support/reminder_fakes.h"

namespace {

const DWORD kStartTimeout = 300000;

std::string WindowText(HWND w) {
  char text[128] = {};
  GetWindowTextA(w, text, sizeof text);
  return text;
}

class Clock {
 public:
  explicit Clock(const std::string& ini) {
    ok = dir.CopyFrom(BuildPath("TicoraAtTime.exe"), "Ticora.exe") &&
         dir.Write("WndBackgnd.bmp", SolidBmpBytes(320, 180, RGB(90, 140, 200))) && dir.Write("Ticora.ini", ini);
  }
  bool Start(const std::string& arguments) {
    program = std::make_unique<RunningProgram>();
    clock = nullptr;
    started = GetTickCount();
    if (!program->Start(dir.Path("Ticora.exe"), dir.Dir(), arguments)) return false;
    return RunningProgram::WaitUntil(kStartTimeout, [&] {
      for (HWND w : program->Windows())
        if (!GetWindow(w, GW_OWNER)) clock = w;
      return clock != nullptr;
    });
  }
  // The visible windows the clock owns: boards with an empty window text,
  // the missed board with its own.
  std::vector<HWND> Owned(bool missedBoard) const {
    std::vector<HWND> out;
    for (HWND w : program->Windows())
      if (GetWindow(w, GW_OWNER) == clock && !IsIconic(w) && (WindowText(w) == "错过的提醒") == missedBoard)
        out.push_back(w);
    return out;
  }
  bool Close() {
    PostMessageA(clock, WM_CLOSE, 0, 0);
    DWORD code = 77;
    return program->WaitForExit(120000, &code) && code == 0;
  }
  DWORD SecondsSinceStart() const { return (GetTickCount() - started) / 1000; }

  ProgramDir dir;
  std::unique_ptr<RunningProgram> program;
  HWND clock = nullptr;
  DWORD started = 0;
  bool ok = false;
};

// The program keeps the date it started on: stay clear of midnight.
void AwayFromMidnight() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  if (now.wHour == 23 && now.wMinute >= 55) Sleep(((60 - now.wMinute) * 60 + 5) * 1000);
}

std::string Today(const char* time) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  char text[40];
  snprintf(text, sizeof text, "%04d-%02d-%02d %s", now.wYear, now.wMonth, now.wDay, time);
  return text;
}

void Click(HWND board, const RECT& box) {
  const LPARAM at = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
  PostMessageA(board, WM_MOUSEMOVE, 0, at);
  PostMessageA(board, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(board, WM_LBUTTONUP, 0, at);
}

const char kIni[] = "[SYSTEM]\r\nbClockMode=1\r\nbAffairRemind=1\r\nnMessageWait=120\r\n";

// The program's thread is held for 75 seconds over the reminder's minute (the
// test build sleeps on a posted message), then let go: the first tick after
// carries the reminder out late, once, and lists nothing as missed.
TEST(LateRemindersEndToEnd, HeldOverTheMinuteTheReminderFiresLateOnce) {
  AwayFromMidnight();
  Clock c(kIni);
  ASSERT_TRUE(c.ok);
  ASSERT_TRUE(c.dir.Write("Ticora.rmd", ReminderFileText({MakeReminder(1, "late", RepeatDaily, 10, 31)})));
  ASSERT_TRUE(c.Start("10:30:30"));
  ASSERT_TRUE(c.program->WaitForIdle(60000));
  // The program's time is 10:30:30 plus the seconds since the start.
  if (c.SecondsSinceStart() > 20) GTEST_SKIP() << "start-up took " << c.SecondsSinceStart() << " s";
  const DWORD held = c.SecondsSinceStart();
  ASSERT_TRUE(PostMessageA(c.clock, RegisterWindowMessageA("TicoraAtTime.Hold"), 75000, 0));
  // Past 10:31 for the program, which is still held: nothing has fired.
  while (c.SecondsSinceStart() < held + 60) Sleep(500);
  EXPECT_TRUE(c.Owned(false).empty());
  EXPECT_TRUE(RunningProgram::WaitUntil(90000, [&] { return c.Owned(false).size() >= 1; }));
  Sleep(5000);
  EXPECT_EQ(1u, c.Owned(false).size());
  EXPECT_TRUE(c.Owned(true).empty());
  EXPECT_TRUE(c.Close());
}

TEST(LateRemindersEndToEnd, ClosedOverAReminderTheMissedBoardListsItAndNothingStarts) {
  AwayFromMidnight();
  Clock c(std::string(kIni) + "[STATE]\r\nsLastSeen=" + Today("10:00:00") + "\r\n");
  ASSERT_TRUE(c.ok);
  ReminderRecord run = MakeReminder(1, "closed", RepeatDaily, 10, 20, ActionRunProgram, FlagNoMessage);
  const std::string marker = c.dir.Path("fired.txt");
  ASSERT_TRUE(SetFieldText(run.sPath, ("cmd /c echo fired> \"" + marker + "\"").c_str()));
  ReminderRecord recent = MakeReminder(2, "recent", RepeatDaily, 10, 28);
  ASSERT_TRUE(c.dir.Write("Ticora.rmd", ReminderFileText({run, recent})));
  ASSERT_TRUE(c.Start("10:30:55"));
  ASSERT_TRUE(RunningProgram::WaitUntil(90000, [&] { return c.Owned(true).size() == 1; }));
  // Less than five minutes late: carried out as usual.
  EXPECT_TRUE(RunningProgram::WaitUntil(30000, [&] { return c.Owned(false).size() == 1; }));
  Sleep(8000);
  EXPECT_FALSE(c.dir.Exists("fired.txt"));
  EXPECT_EQ(1u, c.Owned(true).size());
  EXPECT_TRUE(c.Close());
  const std::string seen = c.dir.Read("Ticora.ini");
  EXPECT_NE(std::string::npos, seen.find("sLastSeen=" + Today("10:3"))) << seen;
}

TEST(LateRemindersEndToEnd, SnoozedBoardComesBackAfterARestart) {
  AwayFromMidnight();
  Clock c(std::string(kIni) + "nSnoozeMinutes=5\r\n");
  ASSERT_TRUE(c.ok);
  ASSERT_TRUE(c.dir.Write("Ticora.rmd", ReminderFileText({MakeReminder(1, "tea", RepeatDaily, 10, 31)})));
  ASSERT_TRUE(c.Start("10:30:58"));
  std::vector<HWND> boards;
  ASSERT_TRUE(RunningProgram::WaitUntil(90000, [&] { return (boards = c.Owned(false)).size() == 1; }));
  Click(boards[0], MessageBoard::kSnoozeBox);
  ASSERT_TRUE(RunningProgram::WaitUntil(30000, [&] { return !IsWindow(boards[0]); }));
  EXPECT_EQ(1, ProfileInt(c.dir.Path("Ticora.ini"), "STATE", "nSnoozes", 0));
  ASSERT_TRUE(c.Close());

  // Five minutes on (the program's time), the snooze is due: the board again.
  ASSERT_TRUE(c.Start("10:37:00"));
  EXPECT_TRUE(RunningProgram::WaitUntil(90000, [&] { return c.Owned(false).size() == 1; }));
  EXPECT_TRUE(c.Owned(true).empty());
  EXPECT_TRUE(RunningProgram::WaitUntil(10000, [&] {
    return ProfileInt(c.dir.Path("Ticora.ini"), "STATE", "nSnoozes", -1) == 0;
  }));
  EXPECT_TRUE(c.Close());
}

TEST(LateRemindersEndToEnd, TaskbarMessageIsABalloonOrABoardBelowShellFive) {
  AwayFromMidnight();
  Clock c("[SYSTEM]\r\nbClockMode=1\r\nbAffairRemind=1\r\nnMessageWait=20\r\n");
  ASSERT_TRUE(c.ok);
  ReminderRecord r = MakeReminder(1, "bar", RepeatDaily, 10, 31, ActionNone, FlagTaskbarMessage);
  SetFieldText(r.sMessage, "balloon text");
  ASSERT_TRUE(c.dir.Write("Ticora.rmd", ReminderFileText({r})));
  ASSERT_TRUE(c.Start("10:30:58 --record-tray --shell=6"));
  EXPECT_TRUE(RunningProgram::WaitUntil(90000, [&] {
    return c.dir.Read("tray.log").find("1 16 488 bar|balloon text|20000") != std::string::npos;
  })) << c.dir.Read("tray.log");
  EXPECT_TRUE(c.Owned(false).empty());
  EXPECT_TRUE(c.Close());

  Clock old("[SYSTEM]\r\nbClockMode=1\r\nbAffairRemind=1\r\nnMessageWait=20\r\n");
  ASSERT_TRUE(old.dir.Write("Ticora.rmd", ReminderFileText({r})));
  ASSERT_TRUE(old.Start("10:30:58 --record-tray --shell=4"));
  EXPECT_TRUE(RunningProgram::WaitUntil(90000, [&] { return old.Owned(false).size() == 1; }));
  const std::string log = old.dir.Read("tray.log");
  EXPECT_EQ(0u, log.find("0 7 88 ||0")) << log;
  EXPECT_EQ(std::string::npos, log.find(" 16 ")) << log;
  EXPECT_TRUE(old.Close());
}

}  // namespace
