// Test program for the end-to-end tests: calls the two bindings of the helper
// library from its own program directory, as Ticora does, and writes what it
// saw to "probe_result.txt" beside itself:
//   adjust=<result> shutdown=<result> kept=<0|1>
// kept=1 would mean the helper library stayed loaded after the calls.
#include <windows.h>

#include <cstdio>

#include "base/program_path.h"
#include "clock/runtime_bound_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // The real helper would set this machine's clock and shut it down: the probe
  // only runs where a test has prepared its directory and said so.
  char allowed[kProgramPathSize];
  ProgramPath("helper_calls_probe.ok", allowed);
  if (!allowed[0] || GetFileAttributesA(allowed) == INVALID_FILE_ATTRIBUTES) return 2;

  SYSTEMTIME when{};
  when.wYear = 2026;
  when.wMonth = 12;
  when.wDayOfWeek = 2;
  when.wDay = 8;
  when.wHour = 10;
  when.wMinute = 11;
  when.wSecond = 12;
  const BOOL adjust = CallAdjustSystemTime(&when);
  bool kept = GetModuleHandleA("Dorvix.dll") != nullptr;
  const BOOL shutdown = CallShutDownComputer(TRUE, FALSE);
  kept = kept || GetModuleHandleA("Dorvix.dll") != nullptr;

  char path[kProgramPathSize];
  ProgramPath("probe_result.txt", path);
  std::FILE* out = path[0] ? std::fopen(path, "w") : nullptr;
  if (!out) return 1;
  std::fprintf(out, "adjust=%d shutdown=%d kept=%d", adjust, shutdown, kept ? 1 : 0);
  return std::fclose(out) == 0 ? 0 : 1;
}
