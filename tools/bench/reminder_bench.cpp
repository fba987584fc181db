// Measures the reminder core on a large list: the per-second check of 10,000
// reminders, and loading and saving a file of 10,000 records.
// Usage: reminder_bench [scratch file path]
#include <chrono>
#include <cstdio>
#include <string>

#include "reminders/reminder_list.h"
#include "reminders/reminder_scheduler.h"

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

void Fill(ReminderList& list) {
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
    list.Append(r);
  }
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  const std::string path = argc > 1 ? argv[1] : "reminder_bench.rmd";
#else
  const std::string path = argc > 1 ? argv[1] : "/tmp/reminder_bench.rmd";
#endif
  ReminderList list;
  Fill(list);

  // One tick a second over two hours of clock time: most ticks find nothing
  // due, the first tick of each minute fires several reminders.
  CountingEffects effects;
  const ReminderSettings waits{10, 30};
  LocalTime now;
  now.wYear = 2024;
  now.wMonth = 3;
  now.wDay = 1;
  const int ticks = 2 * 3600;
  auto start = std::chrono::steady_clock::now();
  for (int t = 0; t < ticks; ++t) {
    now.wHour = static_cast<uint16_t>(t / 3600);
    now.wMinute = static_cast<uint16_t>((t / 60) % 60);
    now.wSecond = static_cast<uint16_t>(t % 60);
    CheckReminders(list, now, effects, waits);
  }
  const double checkUs = Seconds(start) * 1e6 / ticks;

  const int rounds = 10;
  double saveMs = 0, loadMs = 0;
  bool ok = true;
  for (int r = 0; r < rounds; ++r) {
    start = std::chrono::steady_clock::now();
    ok = list.Save(path.c_str()) && ok;
    saveMs += Seconds(start) * 1e3;
    ReminderList loaded;
    start = std::chrono::steady_clock::now();
    ok = loaded.Load(path.c_str()) && loaded.count() == static_cast<size_t>(kRecords) && ok;
    loadMs += Seconds(start) * 1e3;
  }
  std::remove(path.c_str());

  std::printf("CheckReminders, %d records: %.1f us per tick (%d ticks, %ld effect calls)\n", kRecords,
              checkUs, ticks, effects.calls);
  std::printf("Save, %d records (%d bytes): %.2f ms\n", kRecords, kRecords * 604, saveMs / rounds);
  std::printf("Load, %d records: %.2f ms\n", kRecords, loadMs / rounds);
  if (!ok) std::printf("a save or load failed\n");
  return ok ? 0 : 1;
}
