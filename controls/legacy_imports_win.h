// Kernel calls that the C++ runtime's thread support (linked statically)
// imports, but that Windows 95, 98, Me, NT 4 or 2000 do not have. A program
// that imported them directly would not start there at all ("entry point not
// found"). Instead this file defines their import slots itself: each slot
// calls the system's function when the running system has it, bound at run
// time, and otherwise a stand-in good enough for a program that starts no
// threads of its own.
#pragma once
#include <windows.h>

namespace legacy_imports {

// Called at program start-up (module::Init) so that the slots are always
// linked into the program; does nothing at run time.
void Link();

// The stand-ins, used where the system lacks the function (tested directly).
// A 64-bit millisecond count built from GetTickCount, carried over its
// wrap-around every 49.7 days; `now` is the current 32-bit count.
ULONGLONG ExtendTickCount(DWORD now);
// Without threads a critical section is never held by another thread: enter
// it and report success.
BOOL WINAPI TryEnterCriticalSectionStandIn(CRITICAL_SECTION* section);
// No handle flags to report; true for any handle but null.
BOOL WINAPI GetHandleInformationStandIn(HANDLE handle, DWORD* flags);

}  // namespace legacy_imports
