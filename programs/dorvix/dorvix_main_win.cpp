// Dorvix.dll: the exported functions and the library's entry point. Tests
// build this file into their own program (DORVIX_STATIC_FOR_TESTS) and
// replace the system calls behind the exports.
#include "programs/dorvix/dorvix_exports_win.h"

#include "sysutil/windows_family.h"

namespace {

#ifdef DORVIX_STATIC_FOR_TESTS
const DorvixOps* g_installedOps = nullptr;
#endif

const DorvixOps& ActiveOps() {
#ifdef DORVIX_STATIC_FOR_TESTS
  if (g_installedOps != nullptr) return *g_installedOps;
#endif
  return DorvixRealOps();
}

}  // namespace

#ifdef DORVIX_STATIC_FOR_TESTS
void DorvixInstallOps(const DorvixOps* ops) { g_installedOps = ops; }
#endif

extern "C" {

int WINAPI AdjustSystemTime(const SYSTEMTIME* time) {
  return DorvixAdjustSystemTime(ActiveOps(), time);
}

int WINAPI ShutDownComputer(int force, int restart) {
  return DorvixShutDownComputer(ActiveOps(), force, restart);
}

int WINAPI IsWindows9XMe() { return AnswerIsWindows9XMe(GetWindowsFamily(ActiveOps())); }

int WINAPI IsWindows2KXp() { return AnswerIsWindows2KXp(GetWindowsFamily(ActiveOps())); }

int WINAPI IsWindowsNT() { return AnswerIsWindowsNT(GetWindowsFamily(ActiveOps())); }

#ifndef DORVIX_STATIC_FOR_TESTS
// The library keeps no state: loading and unloading need nothing.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
#endif

}  // extern "C"
