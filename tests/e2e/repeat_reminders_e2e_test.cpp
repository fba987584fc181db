// Ticora.exe with reminders of every repeating kind in "Ticora.rmd", all for
// the coming minute of today: the ones that fall due today open their message
// boards, exactly those; the ones that must not fire today would start a
// program that leaves a file behind, and none does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/lunar_calendar.h"
#include "reminders/reminder_record.h"
#include "tests/support/bmp_bytes.h"
#include "tests/support/program_dir.h"
#include "tests/support/reminder_fakes.h"

namespace {

using calendar::Date;

const DWORD kStartTimeout = 300000;
const int kHour = 10, kMinute = 31;

ReminderRecord Record(uint16_t id, uint16_t repeat, const Date& date, uint16_t dayOfWeek = 0) {
  ReminderRecord r = MakeReminder(id, "r", repeat, kHour, kMinute);
  r.stWhen.wYear = static_cast<uint16_t>(date.year);
  r.stWhen.wMonth = static_cast<uint16_t>(date.month);
  r.stWhen.wDay = static_cast<uint16_t>(date.day);
  r.stWhen.wDayOfWeek = dayOfWeek;
  return r;
}

Date AddDays(const Date& d, int days) { return calendar::DateOfDayNumber(calendar::DayNumber(d) + days); }

// The boards the clock owns right now.
std::vector<HWND> Boards(const RunningProgram& program, HWND clock) {
  std::vector<HWND> boards;
  for (HWND w : program.Windows()) {
    if (GetWindow(w, GW_OWNER) == clock && !IsIconic(w)) boards.push_back(w);
  }
  return boards;
}

TEST(RepeatRemindersEndToEnd, ExactlyTheRemindersDueTodayOpenTheirBoards) {
  // The program keeps the date it started on: stay clear of midnight.
  SYSTEMTIME now{};
  GetLocalTime(&now);
  if (now.wHour == 23 && now.wMinute == 59) Sleep((62 - now.wSecond) * 1000);
  GetLocalTime(&now);
  const Date today{now.wYear, now.wMonth, now.wDay};
  const int weekday = calendar::Weekday(today);
  const uint16_t todayBit = static_cast<uint16_t>(1u << weekday);
  const bool lastDayOfMonth = AddDays(today, 1).month != today.month;
  const Date monthsAgo = AddDays(Date{today.year, today.month, 1}, -70);

  ProgramDir dir;
  ASSERT_TRUE(dir.CopyFrom(BuildPath("TicoraAtTime.exe"), "Ticora.exe"));
  ASSERT_TRUE(dir.Write("WndBackgnd.bmp", SolidBmpBytes(320, 180, RGB(90, 140, 200))));
  ASSERT_TRUE(dir.Write("Ticora.ini", "[SYSTEM]\r\nbClockMode=1\r\nbAffairRemind=1\r\nnMessageWait=90\r\n"));

  std::vector<ReminderRecord> due = {
      Record(1, RepeatWeekly, AddDays(today, -14), todayBit),
      Record(2, RepeatWeekly, AddDays(today, -1), weekday >= 1 && weekday <= 5 ? 0x3E : 0x41),
      // On the last day of a month a monthly reminder for the 31st falls due.
      Record(3, RepeatMonthly, {monthsAgo.year, monthsAgo.month, lastDayOfMonth ? 31 : today.day}),
      Record(4, RepeatYearly,
             {today.year - 1, today.month, today.month == 2 && today.day == 28 && lastDayOfMonth ? 29 : today.day}),
  };
  // Lunar: anchored on this lunar day a year ago where there was one, else today.
  calendar::LunarDate lunar;
  ASSERT_TRUE(calendar::ToLunar(today, &lunar));
  Date anchor = today;
  calendar::FromLunar({lunar.year - 1, lunar.month, lunar.leap, lunar.day}, &anchor);
  due.push_back(Record(5, RepeatLunarYearly, anchor));

  // Not today: each would start a program that writes "fired-<id>.txt".
  const Date tomorrow = AddDays(today, 1);
  std::vector<ReminderRecord> silent = {
      Record(11, RepeatWeekly, AddDays(today, -14), static_cast<uint16_t>(0x7F & ~todayBit)),
      Record(12, RepeatWeekly, AddDays(today, -14), 0),
      Record(13, RepeatWeekly, tomorrow, todayBit),
      Record(14, RepeatMonthly, {monthsAgo.year, monthsAgo.month, today.day % 28 + 1}),
      Record(15, RepeatMonthly, {AddDays(today, 31).year, AddDays(today, 31).month, today.day}),
      Record(16, RepeatYearly, {today.year - 1, tomorrow.month, tomorrow.day}),
      Record(17, RepeatYearly, {today.year + 1, today.month, today.day}),
      Record(18, RepeatLunarYearly, tomorrow),
      Record(19, 9, today),
  };
  std::vector<ReminderRecord> records;
  for (ReminderRecord r : due) {
    SetFieldText(r.sTitle, ("due " + std::to_string(r.nId)).c_str());
    records.push_back(r);
  }
  for (ReminderRecord r : silent) {
    r.nAction = ActionRunProgram;
    r.nFlags = FlagNoMessage;
    const std::string marker = dir.Path(("fired-" + std::to_string(r.nId) + ".txt").c_str());
    ASSERT_TRUE(SetFieldText(r.sPath, ("cmd /c echo fired> \"" + marker + "\"").c_str()));
    records.push_back(r);
  }
  ASSERT_TRUE(dir.Write("Ticora.rmd", ReminderFileText(records)));

  RunningProgram program;
  ASSERT_TRUE(program.Start(dir.Path("Ticora.exe"), dir.Dir(), "10:30:55"));
  HWND clock = nullptr;
  ASSERT_TRUE(RunningProgram::WaitUntil(kStartTimeout, [&] {
    for (HWND w : program.Windows()) {
      if (!GetWindow(w, GW_OWNER)) clock = w;
    }
    return clock != nullptr;
  }));
  ASSERT_TRUE(RunningProgram::WaitUntil(90000, [&] { return Boards(program, clock).size() >= due.size(); }))
      << "boards: " << Boards(program, clock).size() << " of " << due.size()
      << (program.Running() ? "" : " (the program has ended)");
  // Time for a wrongly fired one to show itself, inside the same minute.
  Sleep(10000);
  EXPECT_EQ(Boards(program, clock).size(), due.size());
  for (const ReminderRecord& r : silent) {
    EXPECT_FALSE(dir.Exists(("fired-" + std::to_string(r.nId) + ".txt").c_str())) << "record " << r.nId;
  }

  PostMessageA(clock, WM_CLOSE, 0, 0);
  DWORD code = 77;
  ASSERT_TRUE(program.WaitForExit(120000, &code));
  EXPECT_EQ(0u, code);
}

}  // namespace
