// The kernel calls that the runtime imports through the program's own slots:
// on a system that has them (as here) the slots reach the real functions; the
// stand-ins that replace them on older systems behave as documented.
#include <gtest/gtest.h>
#include <windows.h>

#include "controls/legacy_imports_win.h"

// Declared by the headers only for newer target versions than this build's.
extern "C" __declspec(dllimport) ULONGLONG WINAPI GetTickCount64();

TEST(LegacyImports, SlotsReachTheSystemsOwnFunctions) {
  // These calls go through the slots this program defines.
  const ULONGLONG ticks64 = GetTickCount64();
  const DWORD ticks = GetTickCount();
  EXPECT_LT(static_cast<DWORD>(ticks - static_cast<DWORD>(ticks64)), 1000u);

  CRITICAL_SECTION section;
  InitializeCriticalSection(&section);
  EXPECT_TRUE(TryEnterCriticalSection(&section));
  LeaveCriticalSection(&section);
  DeleteCriticalSection(&section);

  DWORD flags = 0xFFFF;
  EXPECT_TRUE(GetHandleInformation(GetCurrentProcess(), &flags));
  DWORD_PTR processMask = 0, systemMask = 0;
  EXPECT_TRUE(GetProcessAffinityMask(GetCurrentProcess(), &processMask, &systemMask));
  EXPECT_NE(0u, processMask);
  EXPECT_FALSE(IsDebuggerPresent());
}

TEST(LegacyImports, StandInsForOlderSystems) {
  // The 64-bit count carries over the 32-bit count's wrap-around.
  const ULONGLONG before = legacy_imports::ExtendTickCount(0xFFFFFF00u);
  const ULONGLONG after = legacy_imports::ExtendTickCount(0x10u);
  EXPECT_EQ(0x110u, after - before);
  EXPECT_EQ(after, legacy_imports::ExtendTickCount(0x10u));
  EXPECT_EQ(after + 5, legacy_imports::ExtendTickCount(0x15u));

  // Without other threads, trying to enter always enters (and may nest).
  CRITICAL_SECTION section;
  InitializeCriticalSection(&section);
  EXPECT_TRUE(legacy_imports::TryEnterCriticalSectionStandIn(&section));
  EXPECT_TRUE(legacy_imports::TryEnterCriticalSectionStandIn(&section));
  LeaveCriticalSection(&section);
  LeaveCriticalSection(&section);
  DeleteCriticalSection(&section);

  DWORD flags = 0xFFFF;
  EXPECT_TRUE(legacy_imports::GetHandleInformationStandIn(GetCurrentProcess(), &flags));
  EXPECT_EQ(0u, flags);
  EXPECT_FALSE(legacy_imports::GetHandleInformationStandIn(nullptr, &flags));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
}
