// Start-up benchmark under Wine or Windows: the time from CreateProcess to the
// first visible, restored top-level window of the started process, for a bare
// program that only registers a class and shows a window (bare_window.exe of
// the build tree) and for Ticora, started alternately in the same session;
// and, to tell what Ticora's start spends its time on, the bare program again
// with the system libraries Ticora imports loaded before its window.
// Ticora runs in a temporary program directory with the distribution's
// settings and skins, its chime and reminders switched off, so that nothing
// it does reaches the user's files. Each program is closed with WM_CLOSE after
// its window appeared, and waited for before the next start. Prints every
// time, the medians and the ratio of the medians.
// Usage: start_bench [starts of each program, default 15]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "clock/clock_settings.h"
#include "tests/support/program_dir.h"
#include "tests/support/stopwatch_win.h"

namespace {

// The process's first visible top-level window that is not minimised.
HWND ShownWindow(const RunningProgram& run) {
  for (HWND hwnd : run.Windows())
    if (!IsIconic(hwnd)) return hwnd;
  return nullptr;
}

// Milliseconds from CreateProcess to the visible window; negative on failure.
double TimeStart(const std::string& exe, const std::string& dir, const std::string& arguments) {
  RunningProgram run;
  const double t0 = MillisecondsNow();
  if (!run.Start(exe, dir, arguments)) return -1;
  double elapsed = -1;
  HWND shown = nullptr;
  // Polls every millisecond: a busy loop would take a core from the program
  // it measures on a small machine.
  while (run.Running() && MillisecondsNow() - t0 < 60000) {
    if ((shown = ShownWindow(run)) != nullptr) {
      elapsed = MillisecondsNow() - t0;
      break;
    }
    Sleep(1);
  }
  // Closed as a user closes it; killed only if it does not end.
  if (shown) PostMessageA(shown, WM_CLOSE, 0, 0);
  run.WaitForExit(10000, nullptr);
  return elapsed;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  const int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  ProgramDir dir;
  for (const char* f : {"Ticora.exe", "Dorvix.dll", "Ticora.ini", "skin_capsule.bmp", "skin_panel.bmp",
                        "skin_alarm.bmp", "skin_cloud.bmp", "digits_lcd_green.bmp", "digits_led_blue.bmp",
                        "digits_lcd_amber.bmp", "clockIcons_combin.bmp"}) {
    if (!dir.CopyFromDist(f)) {
      std::printf("start_bench: cannot copy %s from the distribution folder\n", f);
      return 1;
    }
  }
  const std::string ini = dir.Path("Ticora.ini");
  WritePrivateProfileStringA(ini_keys::kSystem, ini_keys::kSignalClock, "0", ini.c_str());
  WritePrivateProfileStringA(ini_keys::kSystem, ini_keys::kAffairRemind, "0", ini.c_str());
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.c_str());  // flushes the profile cache

  struct Program {
    const char* name;
    std::string exe, dir, arguments;
    std::vector<double> times;
  };
  // The system libraries in Ticora's import table besides the bare program's.
  const char* kTicoraLibraries = "comctl32.dll shell32.dll advapi32.dll gdi32.dll";
  Program programs[] = {{"bare window", BuildPath("bare_window.exe"), BuildPath(""), "", {}},
                        {"Ticora", dir.Path("Ticora.exe"), dir.Dir(), "", {}},
                        {"bare+libs", BuildPath("bare_window.exe"), BuildPath(""), kTicoraLibraries, {}}};
  const int kinds = sizeof programs / sizeof programs[0];
  // One start of each first, not counted: the first start of a program reads
  // its files from the disk and Wine's own libraries into its caches.
  for (Program& p : programs) TimeStart(p.exe, p.dir, p.arguments);
  for (int i = 0; i < n; ++i) {
    // The order rotates too, so that a drift of the machine's load does not
    // fall on one program only.
    for (int k = 0; k < kinds; ++k) {
      Program& p = programs[(i + k) % kinds];
      const double ms = TimeStart(p.exe, p.dir, p.arguments);
      if (ms < 0) {
        std::printf("start_bench: %s did not show its window\n", p.name);
        return 1;
      }
      p.times.push_back(ms);
      std::printf("%2d %-12s %8.1f ms\n", i + 1, p.name, ms);
      std::fflush(stdout);
    }
  }
  const double bare = Median(programs[0].times), ticora = Median(programs[1].times);
  const double libs = Median(programs[2].times);
  std::printf("median start to visible window over %d starts each: bare window %.1f ms, Ticora %.1f ms, ratio %.2f\n",
              n, bare, ticora, ticora / bare);
  std::printf("bare window with Ticora's system libraries loaded first: %.1f ms (ratio %.2f)\n", libs, libs / bare);
  return 0;
}
