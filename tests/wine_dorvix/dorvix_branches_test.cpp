// The time and shutdown operations of the helper library, run against a
// scripted system: every system call goes to the fake below, which records
// what was asked in order. The real SetLocalTime and ExitWindowsEx are never
// reached from here.
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "programs/dorvix/dorvix_exports_win.h"
#include "sysutil/dorvix_win.h"
#include "sysutil/windows_family.h"

namespace {

const HANDLE kToken = reinterpret_cast<HANDLE>(0x1100);
const HANDLE kSnapshot = reinterpret_cast<HANDLE>(0x2200);
const HANDLE kProcess = reinterpret_cast<HANDLE>(0x3300);
constexpr DWORD kTimeLuid = 12;
constexpr DWORD kShutdownLuid = 19;
constexpr DWORD kNotAllAssigned = 1300;

struct FakeProcess {
  DWORD id;
  const char* exeFile;
};

// What the scripted system answers, and what it was asked.
struct FakeSystem {
  // Version query.
  DWORD platform = VER_PLATFORM_WIN32_NT;
  DWORD major = 5;
  DWORD minor = 1;
  bool refuseExtended = false;
  bool refusePlain = false;
  // Token and privileges.
  bool openTokenFails = false;
  bool lookupFails = false;
  bool privilegeMissing = false;
  bool adjustFails = false;
  // Operations.
  BOOL setLocalTimeResult = TRUE;
  BOOL exitResult = TRUE;
  // Process list of the 9x shell step.
  bool snapshotFails = false;
  std::vector<FakeProcess> processes;
  bool openProcessFails = false;
  bool terminateFails = false;
  size_t walkPosition = 0;

  std::vector<std::string> events;
  int openHandles = 0;

  void Record(const char* format, ...) __attribute__((format(printf, 2, 3))) {
    char line[160];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    events.push_back(line);
  }
};

FakeSystem* g_fake = nullptr;

BOOL WINAPI FakeGetVersionEx(OSVERSIONINFOA* info) {
  g_fake->Record("GetVersionEx %lu", info->dwOSVersionInfoSize);
  const bool extended = info->dwOSVersionInfoSize == sizeof(OSVERSIONINFOEXA);
  if ((extended && g_fake->refuseExtended) || (!extended && g_fake->refusePlain)) return FALSE;
  info->dwPlatformId = g_fake->platform;
  info->dwMajorVersion = g_fake->major;
  info->dwMinorVersion = g_fake->minor;
  return TRUE;
}

BOOL WINAPI FakeOpenProcessToken(HANDLE process, DWORD access, HANDLE* token) {
  g_fake->Record("OpenProcessToken %s 0x%lx", process == GetCurrentProcess() ? "self" : "other",
                 access);
  if (g_fake->openTokenFails) return FALSE;
  *token = kToken;
  ++g_fake->openHandles;
  return TRUE;
}

BOOL WINAPI FakeLookupPrivilegeValue(const char* system, const char* name, LUID* luid) {
  g_fake->Record("LookupPrivilegeValue %s %s", system == nullptr ? "local" : system, name);
  if (g_fake->lookupFails) return FALSE;
  luid->HighPart = 0;
  luid->LowPart = std::strcmp(name, "SeSystemtimePrivilege") == 0 ? kTimeLuid : kShutdownLuid;
  return TRUE;
}

BOOL WINAPI FakeAdjustTokenPrivileges(HANDLE token, BOOL disableAll, TOKEN_PRIVILEGES* state,
                                      DWORD, TOKEN_PRIVILEGES* previous, DWORD*) {
  const LUID_AND_ATTRIBUTES& entry = state->Privileges[0];
  g_fake->Record("AdjustTokenPrivileges %s all=%d count=%lu luid=%lu attr=0x%lx prev=%s",
                 token == kToken ? "token" : "other", disableAll, state->PrivilegeCount,
                 entry.Luid.LowPart, entry.Attributes, previous == nullptr ? "none" : "asked");
  if (g_fake->adjustFails) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  // Without the privilege the call succeeds but says so in the last error.
  SetLastError(g_fake->privilegeMissing ? kNotAllAssigned : ERROR_SUCCESS);
  return TRUE;
}

BOOL WINAPI FakeCloseHandle(HANDLE handle) {
  const char* name = handle == kToken ? "token" : handle == kSnapshot ? "snapshot"
                                              : handle == kProcess    ? "process"
                                                                      : "other";
  g_fake->Record("CloseHandle %s", name);
  --g_fake->openHandles;
  return TRUE;
}

BOOL WINAPI FakeSetLocalTime(const SYSTEMTIME* t) {
  g_fake->Record("SetLocalTime %04u-%02u-%02u %02u:%02u:%02u", t->wYear, t->wMonth, t->wDay,
                 t->wHour, t->wMinute, t->wSecond);
  return g_fake->setLocalTimeResult;
}

BOOL WINAPI FakeExitWindowsEx(UINT flags, DWORD reason) {
  g_fake->Record("ExitWindowsEx 0x%x %lu", flags, reason);
  return g_fake->exitResult;
}

HANDLE WINAPI FakeCreateSnapshot(DWORD flags, DWORD processId) {
  g_fake->Record("CreateToolhelp32Snapshot 0x%lx %lu", flags, processId);
  if (g_fake->snapshotFails) return INVALID_HANDLE_VALUE;
  g_fake->walkPosition = 0;
  ++g_fake->openHandles;
  return kSnapshot;
}

BOOL FillEntry(PROCESSENTRY32* entry) {
  if (entry->dwSize != sizeof(PROCESSENTRY32)) return FALSE;
  if (g_fake->walkPosition >= g_fake->processes.size()) {
    SetLastError(ERROR_NO_MORE_FILES);
    return FALSE;
  }
  const FakeProcess& p = g_fake->processes[g_fake->walkPosition++];
  entry->th32ProcessID = p.id;
  std::snprintf(entry->szExeFile, sizeof entry->szExeFile, "%s", p.exeFile);
  return TRUE;
}

BOOL WINAPI FakeProcess32First(HANDLE snapshot, PROCESSENTRY32* entry) {
  g_fake->Record("Process32First %s", snapshot == kSnapshot ? "snapshot" : "other");
  g_fake->walkPosition = 0;
  return FillEntry(entry);
}

BOOL WINAPI FakeProcess32Next(HANDLE snapshot, PROCESSENTRY32* entry) {
  g_fake->Record("Process32Next %s", snapshot == kSnapshot ? "snapshot" : "other");
  return FillEntry(entry);
}

HANDLE WINAPI FakeOpenProcess(DWORD access, BOOL inherit, DWORD processId) {
  g_fake->Record("OpenProcess 0x%lx %d %lu", access, inherit, processId);
  if (g_fake->openProcessFails) return nullptr;
  ++g_fake->openHandles;
  return kProcess;
}

BOOL WINAPI FakeTerminateProcess(HANDLE process, UINT exitCode) {
  g_fake->Record("TerminateProcess %s %u", process == kProcess ? "process" : "other", exitCode);
  return g_fake->terminateFails ? FALSE : TRUE;
}

const DorvixOps kFakeOps = {
    FakeGetVersionEx,   FakeOpenProcessToken, FakeLookupPrivilegeValue, FakeAdjustTokenPrivileges,
    FakeCloseHandle,    FakeSetLocalTime,     FakeExitWindowsEx,        FakeCreateSnapshot,
    FakeProcess32First, FakeProcess32Next,    FakeOpenProcess,          FakeTerminateProcess,
};

using Events = std::vector<std::string>;

// Every test runs with the scripted system installed behind the exports, so
// that even a call of the exported functions cannot reach the real system.
class DorvixBranchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_fake = &fake_;
    DorvixInstallOps(&kFakeOps);
  }
  void TearDown() override {
    DorvixInstallOps(nullptr);
    g_fake = nullptr;
    EXPECT_EQ(0, fake_.openHandles) << "every handle opened must be closed";
  }
  void UseVersion(DWORD platform, DWORD major, DWORD minor) {
    fake_.platform = platform;
    fake_.major = major;
    fake_.minor = minor;
  }
  void UseWin98() { UseVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 10); }
  // The recorded events without the version queries.
  Events AfterVersion() const {
    Events rest;
    for (const std::string& e : fake_.events) {
      if (e.rfind("GetVersionEx", 0) != 0) rest.push_back(e);
    }
    return rest;
  }

  FakeSystem fake_;
  SYSTEMTIME time_ = {2026, 12, 2, 8, 10, 11, 12, 0};
};

const char kOpenToken[] = "OpenProcessToken self 0x28";
const char kEnableTime[] = "AdjustTokenPrivileges token all=0 count=1 luid=12 attr=0x2 prev=none";
const char kDisableTime[] = "AdjustTokenPrivileges token all=0 count=1 luid=12 attr=0x0 prev=none";
const char kEnableShutdown[] =
    "AdjustTokenPrivileges token all=0 count=1 luid=19 attr=0x2 prev=none";
const char kDisableShutdown[] =
    "AdjustTokenPrivileges token all=0 count=1 luid=19 attr=0x0 prev=none";

TEST_F(DorvixBranchTest, NtSetsTimeBetweenEnablingAndDisablingThePrivilege) {
  for (BOOL setResult : {TRUE, FALSE}) {
    fake_.events.clear();
    fake_.setLocalTimeResult = setResult;
    EXPECT_EQ(setResult, AdjustSystemTime(&time_));
    const Events expected = {"GetVersionEx 156",
                             kOpenToken,
                             "LookupPrivilegeValue local SeSystemtimePrivilege",
                             kEnableTime,
                             "SetLocalTime 2026-12-08 10:11:12",
                             kDisableTime,
                             "CloseHandle token"};
    EXPECT_EQ(expected, fake_.events);
  }
}

TEST_F(DorvixBranchTest, NtSkipsTheOperationWhenThePrivilegeCannotBeHad) {
  struct Case {
    const char* what;
    bool openTokenFails, lookupFails, privilegeMissing, adjustFails;
    Events expected;
  };
  const Case cases[] = {
      {"token cannot be opened", true, false, false, false, {kOpenToken}},
      {"privilege unknown",
       false,
       true,
       false,
       false,
       {kOpenToken, "LookupPrivilegeValue local SeSystemtimePrivilege", "CloseHandle token"}},
      {"privilege not held",
       false,
       false,
       true,
       false,
       {kOpenToken, "LookupPrivilegeValue local SeSystemtimePrivilege", kEnableTime,
        "CloseHandle token"}},
      {"adjusting refused",
       false,
       false,
       false,
       true,
       {kOpenToken, "LookupPrivilegeValue local SeSystemtimePrivilege", kEnableTime,
        "CloseHandle token"}},
  };
  for (const Case& c : cases) {
    fake_ = FakeSystem();
    fake_.openTokenFails = c.openTokenFails;
    fake_.lookupFails = c.lookupFails;
    fake_.privilegeMissing = c.privilegeMissing;
    fake_.adjustFails = c.adjustFails;
    EXPECT_EQ(0, AdjustSystemTime(&time_)) << c.what;
    EXPECT_EQ(c.expected, AfterVersion()) << c.what;
  }
}

TEST_F(DorvixBranchTest, StaleLastErrorDoesNotBlockTheOperation) {
  // A failure left over from an earlier call must not be read as a missing privilege.
  SetLastError(ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(1, DorvixAdjustSystemTime(kFakeOps, &time_));
  EXPECT_EQ(7u, fake_.events.size());
}

TEST_F(DorvixBranchTest, NineXSetsTimeDirectly) {
  UseVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 0);
  for (BOOL setResult : {TRUE, FALSE}) {
    fake_.events.clear();
    fake_.setLocalTimeResult = setResult;
    EXPECT_EQ(setResult, AdjustSystemTime(&time_));
    const Events expected = {"GetVersionEx 156", "SetLocalTime 2026-12-08 10:11:12"};
    EXPECT_EQ(expected, fake_.events);
  }
}

TEST_F(DorvixBranchTest, MissingTimeIsRefusedWithoutAnySystemCall) {
  EXPECT_EQ(0, AdjustSystemTime(nullptr));
  EXPECT_TRUE(fake_.events.empty());
}

TEST_F(DorvixBranchTest, NtShutdownFlagsAndPrivilegeForEveryForceRestartPair) {
  struct Case {
    int force, restart;
    const char* exitCall;
  };
  const Case cases[] = {{0, 0, "ExitWindowsEx 0x9 0"},
                        {0, 1, "ExitWindowsEx 0x3 0"},
                        {1, 0, "ExitWindowsEx 0xd 0"},
                        {5, -1, "ExitWindowsEx 0x7 0"}};
  for (const Case& c : cases) {
    for (BOOL exitResult : {TRUE, FALSE}) {
      fake_.events.clear();
      fake_.exitResult = exitResult;
      EXPECT_EQ(exitResult, ShutDownComputer(c.force, c.restart));
      const Events expected = {"GetVersionEx 156",
                               kOpenToken,
                               "LookupPrivilegeValue local SeShutdownPrivilege",
                               kEnableShutdown,
                               c.exitCall,
                               kDisableShutdown,
                               "CloseHandle token"};
      EXPECT_EQ(expected, fake_.events) << c.force << " " << c.restart;
    }
  }
}

TEST_F(DorvixBranchTest, NtShutdownWithoutPrivilegeIsNotRequested) {
  fake_.privilegeMissing = true;
  EXPECT_EQ(0, ShutDownComputer(1, 0));
  const Events expected = {kOpenToken, "LookupPrivilegeValue local SeShutdownPrivilege",
                           kEnableShutdown, "CloseHandle token"};
  EXPECT_EQ(expected, AfterVersion());
}

TEST_F(DorvixBranchTest, UnknownVersionsTakeTheNtBranch) {
  struct Version {
    DWORD platform, major, minor;
    bool queryFails;
  };
  const Version versions[] = {
      {VER_PLATFORM_WIN32_NT, 5, 2, false},      {VER_PLATFORM_WIN32_NT, 6, 1, false},
      {VER_PLATFORM_WIN32_NT, 10, 0, false},     {VER_PLATFORM_WIN32_WINDOWS, 4, 1, false},
      {VER_PLATFORM_WIN32_WINDOWS, 3, 0, false}, {VER_PLATFORM_WIN32s, 3, 10, false},
      {7, 4, 0, false},                          {VER_PLATFORM_WIN32_WINDOWS, 4, 10, true},
  };
  for (const Version& v : versions) {
    fake_ = FakeSystem();
    UseVersion(v.platform, v.major, v.minor);
    fake_.refuseExtended = fake_.refusePlain = v.queryFails;
    EXPECT_EQ(1, ShutDownComputer(0, 0));
    EXPECT_EQ(1, AdjustSystemTime(&time_));
    const Events after = AfterVersion();
    const std::string where = std::to_string(v.platform) + " " + std::to_string(v.major) + "." +
                              std::to_string(v.minor);
    ASSERT_EQ(12u, after.size()) << where;
    EXPECT_EQ("ExitWindowsEx 0x9 0", after[3]) << where;
    EXPECT_EQ(kEnableTime, after[8]) << where;
    EXPECT_EQ(0, IsWindows9XMe()) << where;
    EXPECT_EQ(0, IsWindows2KXp()) << where;
    EXPECT_EQ(0, IsWindowsNT()) << where;
  }
}

TEST_F(DorvixBranchTest, NineXShutdownWithoutForceHasNoShellStep) {
  UseWin98();
  for (int restart : {0, 1}) {
    for (BOOL exitResult : {TRUE, FALSE}) {
      fake_.events.clear();
      fake_.exitResult = exitResult;
      EXPECT_EQ(exitResult, ShutDownComputer(0, restart));
      const Events expected = {restart ? "ExitWindowsEx 0x3 0" : "ExitWindowsEx 0x1 0"};
      EXPECT_EQ(expected, AfterVersion());
    }
  }
}

TEST_F(DorvixBranchTest, NineXForcedShutdownEndsTheShellFirst) {
  UseWin98();
  // The 9x process list names executables by full path, in any case.
  fake_.processes = {{4, "C:\\WINDOWS\\KERNEL32.DLL"},
                     {0x11, "C:\\WINDOWS\\EXPLORER.EXE"},
                     {0x22, "C:\\WINDOWS\\explorer.exe"}};
  for (int restart : {0, 1}) {
    for (BOOL exitResult : {TRUE, FALSE}) {
      fake_.events.clear();
      fake_.exitResult = exitResult;
      EXPECT_EQ(exitResult, ShutDownComputer(1, restart));
      const Events expected = {"CreateToolhelp32Snapshot 0x2 0",
                               "Process32First snapshot",
                               "Process32Next snapshot",
                               "OpenProcess 0x1f0fff 1 17",
                               "TerminateProcess process 0",
                               "CloseHandle process",
                               "CloseHandle snapshot",
                               restart ? "ExitWindowsEx 0x7 0" : "ExitWindowsEx 0x5 0"};
      EXPECT_EQ(expected, AfterVersion());
    }
  }
}

TEST_F(DorvixBranchTest, NineXFailedShellStepStillRequestsShutdownButReportsFailure) {
  struct Case {
    const char* what;
    bool snapshotFails, openFails, terminateFails;
    std::vector<FakeProcess> processes;
    Events expected;
  };
  const std::vector<FakeProcess> withShell = {{8, "MSGSRV32.EXE"}, {9, "explorer.exe"}};
  const Case cases[] = {
      {"no shell running",
       false,
       false,
       false,
       {{8, "MSGSRV32.EXE"}, {10, "iexplorer.exe"}},
       {"CreateToolhelp32Snapshot 0x2 0", "Process32First snapshot", "Process32Next snapshot",
        "Process32Next snapshot", "CloseHandle snapshot", "ExitWindowsEx 0x5 0"}},
      {"empty process list",
       false,
       false,
       false,
       {},
       {"CreateToolhelp32Snapshot 0x2 0", "Process32First snapshot", "CloseHandle snapshot",
        "ExitWindowsEx 0x5 0"}},
      {"snapshot refused",
       true,
       false,
       false,
       withShell,
       {"CreateToolhelp32Snapshot 0x2 0", "ExitWindowsEx 0x5 0"}},
      {"shell cannot be opened",
       false,
       true,
       false,
       withShell,
       {"CreateToolhelp32Snapshot 0x2 0", "Process32First snapshot", "Process32Next snapshot",
        "OpenProcess 0x1f0fff 1 9", "CloseHandle snapshot", "ExitWindowsEx 0x5 0"}},
      {"shell cannot be ended",
       false,
       false,
       true,
       withShell,
       {"CreateToolhelp32Snapshot 0x2 0", "Process32First snapshot", "Process32Next snapshot",
        "OpenProcess 0x1f0fff 1 9", "TerminateProcess process 0", "CloseHandle process",
        "CloseHandle snapshot", "ExitWindowsEx 0x5 0"}},
  };
  for (const Case& c : cases) {
    fake_ = FakeSystem();
    UseVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 90);
    fake_.snapshotFails = c.snapshotFails;
    fake_.openProcessFails = c.openFails;
    fake_.terminateFails = c.terminateFails;
    fake_.processes = c.processes;
    EXPECT_EQ(0, ShutDownComputer(1, 0)) << c.what;
    EXPECT_EQ(c.expected, AfterVersion()) << c.what;
    EXPECT_EQ(0, fake_.openHandles) << c.what;
  }
}

TEST_F(DorvixBranchTest, VersionQueryFallsBackToThePlainRecord) {
  UseVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 0);
  fake_.refuseExtended = true;
  EXPECT_EQ(FamilyWin95, GetWindowsFamily(kFakeOps));
  const Events both = {"GetVersionEx 156", "GetVersionEx 148"};
  EXPECT_EQ(both, fake_.events);

  fake_.events.clear();
  fake_.refusePlain = true;
  EXPECT_EQ(FamilyUnknown, GetWindowsFamily(kFakeOps));
  EXPECT_EQ(both, fake_.events);
}

TEST_F(DorvixBranchTest, QueriesAnswerForEveryFamily) {
  struct Case {
    DWORD platform, major, minor;
    int is9xMe, is2kXp, isNt;
  };
  const Case cases[] = {
      {VER_PLATFORM_WIN32_WINDOWS, 4, 0, 1, 0, 0},  {VER_PLATFORM_WIN32_WINDOWS, 4, 10, 1, 0, 0},
      {VER_PLATFORM_WIN32_WINDOWS, 4, 90, 1, 0, 0}, {VER_PLATFORM_WIN32_NT, 3, 51, 0, 0, 1},
      {VER_PLATFORM_WIN32_NT, 4, 0, 0, 0, 1},       {VER_PLATFORM_WIN32_NT, 5, 0, 0, 1, 1},
      {VER_PLATFORM_WIN32_NT, 5, 1, 0, 1, 1},       {VER_PLATFORM_WIN32s, 3, 11, 0, 0, 0},
  };
  for (const Case& c : cases) {
    UseVersion(c.platform, c.major, c.minor);
    EXPECT_EQ(c.is9xMe, IsWindows9XMe()) << c.major << "." << c.minor;
    EXPECT_EQ(c.is2kXp, IsWindows2KXp()) << c.major << "." << c.minor;
    EXPECT_EQ(c.isNt, IsWindowsNT()) << c.major << "." << c.minor;
  }
}

TEST(DorvixRealOpsTest, ProcessWalkIsBoundAtRunTime) {
  // Only the walk: finds this very process in the real process list.
  const DorvixOps& ops = DorvixRealOps();
  HANDLE snapshot = ops.createToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  ASSERT_NE(INVALID_HANDLE_VALUE, snapshot);
  PROCESSENTRY32 entry;
  std::memset(&entry, 0, sizeof entry);
  entry.dwSize = sizeof entry;
  bool foundSelf = false;
  for (BOOL more = ops.process32First(snapshot, &entry); more;
       more = ops.process32Next(snapshot, &entry)) {
    if (entry.th32ProcessID == GetCurrentProcessId()) foundSelf = true;
  }
  ops.closeHandle(snapshot);
  EXPECT_TRUE(foundSelf);
}

}  // namespace
