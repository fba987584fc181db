#include "sysutil/dorvix_win.h"

#include <cstring>

#include "sysutil/windows_family.h"

namespace {

// The process snapshot functions are missing from the kernel of NT 4.0, where
// the library must still load; they are looked up when first needed.
template <typename Fn>
Fn KernelEntry(const char* name) {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (kernel == nullptr) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(kernel, name)));
}

HANDLE WINAPI BoundCreateToolhelp32Snapshot(DWORD flags, DWORD processId) {
  using Fn = HANDLE(WINAPI*)(DWORD, DWORD);
  Fn fn = KernelEntry<Fn>("CreateToolhelp32Snapshot");
  if (fn == nullptr) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return INVALID_HANDLE_VALUE;
  }
  return fn(flags, processId);
}

BOOL CallProcessWalk(const char* name, HANDLE snapshot, PROCESSENTRY32* entry) {
  using Fn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);
  Fn fn = KernelEntry<Fn>(name);
  if (fn == nullptr) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
  }
  return fn(snapshot, entry);
}

BOOL WINAPI BoundProcess32First(HANDLE snapshot, PROCESSENTRY32* entry) {
  return CallProcessWalk("Process32First", snapshot, entry);
}

BOOL WINAPI BoundProcess32Next(HANDLE snapshot, PROCESSENTRY32* entry) {
  return CallProcessWalk("Process32Next", snapshot, entry);
}

bool AnsiLeadByte(unsigned char c) { return IsDBCSLeadByte(c) != FALSE; }

// All access rights to a process as the 9x and NT 4/5 systems define them
// (newer headers define a larger mask that older systems refuse).
constexpr DWORD kProcessAllAccess = STANDARD_RIGHTS_REQUIRED | SYNCHRONIZE | 0xFFF;

// Runs operation with the named privilege enabled on the process token and
// disabled again afterwards. The operation is skipped, giving 0, when the token
// cannot be opened, the privilege is unknown, or the token does not hold it.
template <typename Operation>
int WithPrivilege(const DorvixOps& ops, const char* privilege, Operation operation) {
  HANDLE token = nullptr;
  if (!ops.openProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
    return 0;
  }
  int result = 0;
  TOKEN_PRIVILEGES set;
  std::memset(&set, 0, sizeof set);
  set.PrivilegeCount = 1;
  if (ops.lookupPrivilegeValue(nullptr, privilege, &set.Privileges[0].Luid)) {
    set.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    // A token without the privilege still "succeeds" but leaves a last-error
    // value; clearing it first keeps a stale value from an earlier call out.
    SetLastError(ERROR_SUCCESS);
    const BOOL applied = ops.adjustTokenPrivileges(token, FALSE, &set, 0, nullptr, nullptr);
    if (applied && GetLastError() == ERROR_SUCCESS) {
      result = operation();
      set.Privileges[0].Attributes = 0;
      ops.adjustTokenPrivileges(token, FALSE, &set, 0, nullptr, nullptr);
    }
  }
  ops.closeHandle(token);
  return result;
}

// Ends the first process named "explorer.exe". True only when it was found,
// opened and terminated.
bool TerminateShellProcess(const DorvixOps& ops) {
  HANDLE snapshot = ops.createToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE || snapshot == nullptr) return false;
  bool terminated = false;
  PROCESSENTRY32 entry;
  std::memset(&entry, 0, sizeof entry);
  entry.dwSize = sizeof entry;
  for (BOOL more = ops.process32First(snapshot, &entry); more;
       more = ops.process32Next(snapshot, &entry)) {
    if (!IsShellProcessName(entry.szExeFile, sizeof entry.szExeFile, AnsiLeadByte)) continue;
    HANDLE process = ops.openProcess(kProcessAllAccess, TRUE, entry.th32ProcessID);
    if (process != nullptr) {
      terminated = ops.terminateProcess(process, 0) != FALSE;
      ops.closeHandle(process);
    }
    break;
  }
  ops.closeHandle(snapshot);
  return terminated;
}

}  // namespace

const DorvixOps& DorvixRealOps() {
  static const DorvixOps real = {
      &GetVersionExA,
      &OpenProcessToken,
      &LookupPrivilegeValueA,
      &AdjustTokenPrivileges,
      &CloseHandle,
      &SetLocalTime,
      &ExitWindowsEx,
      &BoundCreateToolhelp32Snapshot,
      &BoundProcess32First,
      &BoundProcess32Next,
      &OpenProcess,
      &TerminateProcess,
  };
  return real;
}

int GetWindowsFamily(const DorvixOps& ops) {
  OSVERSIONINFOEXA info;
  std::memset(&info, 0, sizeof info);
  info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
  if (!ops.getVersionEx(reinterpret_cast<OSVERSIONINFOA*>(&info))) {
    // Systems before the extended record refuse its size; ask with the plain one.
    std::memset(&info, 0, sizeof info);
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    if (!ops.getVersionEx(reinterpret_cast<OSVERSIONINFOA*>(&info))) return FamilyUnknown;
  }
  return ClassifyWindowsFamily(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}

int DorvixAdjustSystemTime(const DorvixOps& ops, const SYSTEMTIME* time) {
  if (time == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (IsNineXBranch(GetWindowsFamily(ops))) return ops.setLocalTime(time);
  return WithPrivilege(ops, "SeSystemtimePrivilege", [&] { return ops.setLocalTime(time); });
}

int DorvixShutDownComputer(const DorvixOps& ops, int force, int restart) {
  const bool nineX = IsNineXBranch(GetWindowsFamily(ops));
  const UINT flags = ExitWindowsFlags(force != 0, restart != 0, nineX);
  if (!nineX) {
    return WithPrivilege(ops, "SeShutdownPrivilege", [&] { return ops.exitWindowsEx(flags, 0); });
  }
  // On the 9x family a forced shutdown first ends the shell, which would
  // otherwise hold the shutdown up. The request is made either way, but only
  // counts as accepted when the shell step did what it had to.
  const bool shellStepDone = force == 0 || TerminateShellProcess(ops);
  const BOOL accepted = ops.exitWindowsEx(flags, 0);
  return shellStepDone ? accepted : 0;
}
