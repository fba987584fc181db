// Dorvix's operations: setting the local time, shutting down or restarting,
// and telling the Windows family. Every system call they make goes through one
// table of operations, so that the branches can be exercised without touching
// the machine; the library's exported functions always use the real calls.
#pragma once
#include <windows.h>
#include <tlhelp32.h>

static_assert(sizeof(OSVERSIONINFOEXA) == 156, "extended version record");
static_assert(sizeof(OSVERSIONINFOA) == 148, "plain version record");
static_assert(sizeof(PROCESSENTRY32) == 296, "process entry record");

struct DorvixOps {
  BOOL(WINAPI* getVersionEx)(OSVERSIONINFOA* info);
  BOOL(WINAPI* openProcessToken)(HANDLE process, DWORD access, HANDLE* token);
  BOOL(WINAPI* lookupPrivilegeValue)(const char* system, const char* name, LUID* luid);
  // Applies the privilege set; the thread's last-error value afterwards tells
  // whether every privilege of the set was assigned.
  BOOL(WINAPI* adjustTokenPrivileges)(HANDLE token, BOOL disableAll, TOKEN_PRIVILEGES* state,
                                      DWORD previousSize, TOKEN_PRIVILEGES* previous,
                                      DWORD* returnedSize);
  BOOL(WINAPI* closeHandle)(HANDLE handle);
  BOOL(WINAPI* setLocalTime)(const SYSTEMTIME* time);
  BOOL(WINAPI* exitWindowsEx)(UINT flags, DWORD reason);
  HANDLE(WINAPI* createToolhelp32Snapshot)(DWORD flags, DWORD processId);
  BOOL(WINAPI* process32First)(HANDLE snapshot, PROCESSENTRY32* entry);
  BOOL(WINAPI* process32Next)(HANDLE snapshot, PROCESSENTRY32* entry);
  HANDLE(WINAPI* openProcess)(DWORD access, BOOL inherit, DWORD processId);
  BOOL(WINAPI* terminateProcess)(HANDLE process, UINT exitCode);
};

// The table of the real system calls.
const DorvixOps& DorvixRealOps();

// The family of the running system (a WindowsFamily code), from the extended
// version record, or the plain one where the extended one is refused.
int GetWindowsFamily(const DorvixOps& ops);

// The operations behind the exports, on an explicit table.
int DorvixAdjustSystemTime(const DorvixOps& ops, const SYSTEMTIME* time);
int DorvixShutDownComputer(const DorvixOps& ops, int force, int restart);
