// Measures the reminder core on a large list: the per-second check of 10,000
// reminders (the current one beside the check that knew only daily and
// once-only reminders, on the same list, and the current one on a list of
// every kind), and loading and saving a file of 10,000 records.
// Usage: reminder_bench [scratch file path]
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <string>

#include "reminders/reminder_list.h"
#include "reminders/reminder_scheduler.h"
#include "tests/reference/reminder_check_reference.h"

namespace {

constexpr int kRecords = 10000;

// Counts what firing asks for and does nothing else.
class CountingEffects : public ReminderEffects {
 public:
  long calls = 0;
  void StartSound(const char*) override { ++calls; }
  void TidyMessageBoards() override { ++calls; }
  void OpenMessageBoard(const char*, const char*, int) override { ++calls; }
  void StartProgram(const char*) override { ++calls; }
  bool IsCountdownRunning() override { return true; }
  void StartShutdownCountdown(bool, bool, int) override { ++calls; }
};

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// everyKind: the kinds 0-5 in turn, with varied days; else daily and
// once-only reminders only.
void Fill(ReminderList& list, bool everyKind) {
  for (int i = 0; i < kRecords; ++i) {
    ReminderRecord r = MakeEmptyReminder();
    SetFieldText(r.sTitle, ("reminder " + std::to_string(i)).c_str());
    SetFieldText(r.sMessage, "A message of moderate length for the board.");
    SetFieldText(r.sPath, "C:\\Sounds\\ding.wav");
    r.bEnabled = static_cast<uint16_t>(i % 10 != 0);
    r.nId = static_cast<uint16_t>(i);
    r.nRepeat = static_cast<uint16_t>(i % 3 == 0 ? RepeatOnce : RepeatDaily);
    r.nAction = static_cast<uint16_t>(i % 4);
    r.nFlags = FlagMessage | FlagSound;
    r.stWhen.wYear = 2024;
    r.stWhen.wMonth = 3;
    r.stWhen.wDay = static_cast<uint16_t>(1 + i % 28);
    r.stWhen.wHour = static_cast<uint16_t>(i % 24);
    r.stWhen.wMinute = static_cast<uint16_t>((i / 24) % 60);
    if (everyKind) {
      r.nRepeat = static_cast<uint16_t>(i % 6);
      r.stWhen.wYear = static_cast<uint16_t>(2020 + i % 5);
      r.stWhen.wMonth = static_cast<uint16_t>(1 + i % 12);
      r.stWhen.wDayOfWeek = static_cast<uint16_t>(r.nRepeat == RepeatWeekly ? 1 + i % 127 : 0);
    }
    list.Append(r);
  }
}

using Check = int (*)(ReminderList&, const LocalTime&, ReminderEffects&, const ReminderSettings&);

// Microseconds per tick of one check, one tick a second over two hours of
// clock time: most ticks find nothing due, the first tick of each minute
// fires several reminders. Processor time, so that other programs on the
// machine count less.
double MeasureCheck(Check check, ReminderList& list, long* calls) {
  CountingEffects effects;
  const ReminderSettings waits{10, 30};
  LocalTime now;
  now.wYear = 2024;
  now.wMonth = 3;
  now.wDay = 1;
  const int ticks = 2 * 3600;
  const std::clock_t start = std::clock();
  for (int t = 0; t < ticks; ++t) {
    now.wHour = static_cast<uint16_t>(t / 3600);
    now.wMinute = static_cast<uint16_t>((t / 60) % 60);
    now.wSecond = static_cast<uint16_t>(t % 60);
    check(list, now, effects, waits);
  }
  *calls = effects.calls;
  return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC * 1e6 / ticks;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  const std::string path = argc > 1 ? argv[1] : "reminder_bench.rmd";
#else
  const std::string path = argc > 1 ? argv[1] : "/tmp/reminder_bench.rmd";
#endif
  // The checks take turns on the same lists, and each keeps its best of five
  // runs, so that other work on the machine weighs on both alike.
  ReminderList twoKinds, list;
  Fill(twoKinds, false);
  Fill(list, true);
  long beforeCalls = 0, nowCalls = 0, mixedCalls = 0;
  double beforeUs = 1e9, nowUs = 1e9, mixedUs = 1e9;
  for (int run = 0; run < 5; ++run) {
    beforeUs = std::min(beforeUs, MeasureCheck(&CheckRemindersDailyOrOnce, twoKinds, &beforeCalls));
    nowUs = std::min(nowUs, MeasureCheck(&CheckReminders, twoKinds, &nowCalls));
    mixedUs = std::min(mixedUs, MeasureCheck(&CheckReminders, list, &mixedCalls));
  }

  const int rounds = 10;
  double saveMs = 0, loadMs = 0;
  bool ok = true;
  for (int r = 0; r < rounds; ++r) {
    auto start = std::chrono::steady_clock::now();
    ok = list.Save(path.c_str()) && ok;
    saveMs += Seconds(start) * 1e3;
    ReminderList loaded;
    start = std::chrono::steady_clock::now();
    ok = loaded.Load(path.c_str()) && loaded.count() == static_cast<size_t>(kRecords) && ok;
    loadMs += Seconds(start) * 1e3;
  }
  std::remove(path.c_str());

  std::printf("CheckReminders, %d daily and once-only records: before %.1f us, now %.1f us per tick, "
              "ratio %.2f (%ld and %ld effect calls)\n",
              kRecords, beforeUs, nowUs, nowUs / beforeUs, beforeCalls, nowCalls);
  std::printf("CheckReminders, %d records of every kind: %.1f us per tick, %.2f times the check before on "
              "daily and once-only records (%ld effect calls)\n",
              kRecords, mixedUs, mixedUs / beforeUs, mixedCalls);
  std::printf("Save, %d records (%d bytes): %.2f ms\n", kRecords, kRecords * 604, saveMs / rounds);
  std::printf("Load, %d records: %.2f ms\n", kRecords, loadMs / rounds);
  if (!ok) std::printf("a save or load failed\n");
  return ok ? 0 : 1;
}
