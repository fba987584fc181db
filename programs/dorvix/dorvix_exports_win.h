// Dorvix.dll's exported functions (numbered in dorvix.def), each one of the
// library's operations on the real system calls.
#pragma once
#include <windows.h>

#include "sysutil/dorvix_win.h"

#ifdef DORVIX_STATIC_FOR_TESTS
// Replaces the table that the exported functions use; nullptr restores the real one.
void DorvixInstallOps(const DorvixOps* ops);
#endif

extern "C" {
int WINAPI AdjustSystemTime(const SYSTEMTIME* time);
int WINAPI ShutDownComputer(int force, int restart);
int WINAPI IsWindows9XMe();
int WINAPI IsWindows2KXp();
int WINAPI IsWindowsNT();
}
