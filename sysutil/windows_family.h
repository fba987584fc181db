// Decisions of the system helper library that do not need the platform:
// which Windows family a version belongs to, what the library's queries answer
// for a family, the flags of a shutdown request, and how the shell process is
// recognised in a process list.
#pragma once
#include <cstddef>

// Windows family codes, one bit per family.
enum WindowsFamily : int {
  FamilyUnknown = 0,
  FamilyWin32s = 1,
  FamilyWin95 = 2,
  FamilyWin98 = 4,
  FamilyWinMe = 8,
  FamilyNT3 = 16,
  FamilyNT4 = 32,
  FamilyWin2K = 64,
  FamilyWinXP = 128,
};

// Platform identifiers as the version query reports them.
constexpr unsigned long kPlatformWin32s = 0;
constexpr unsigned long kPlatformWindows9x = 1;
constexpr unsigned long kPlatformNT = 2;

// The family of a version as reported by the system (platform identifier,
// major and minor version). Versions the table does not know give FamilyUnknown.
WindowsFamily ClassifyWindowsFamily(unsigned long platformId, unsigned long major,
                                    unsigned long minor);

// True for the 9x families (95, 98, Me). Every other code, FamilyUnknown and
// FamilyWin32s included, is handled like NT.
bool IsNineXBranch(int family);

// Answers of the three exported queries for a family code: 1 or 0.
int AnswerIsWindows9XMe(int family);
int AnswerIsWindows2KXp(int family);
int AnswerIsWindowsNT(int family);

// Shutdown request flags (the platform's EWX_* values).
constexpr unsigned kExitShutdown = 0x1;
constexpr unsigned kExitReboot = 0x2;
constexpr unsigned kExitForce = 0x4;
constexpr unsigned kExitPowerOff = 0x8;

// Flags of the shutdown request: always a shutdown; force adds the force flag;
// restart asks for a reboot, otherwise NT asks for a power-off and 9x for a
// plain shutdown.
unsigned ExitWindowsFlags(bool force, bool restart, bool nineXBranch);

// Tells whether a byte of a multi-byte string starts a two-byte character.
using LeadBytePredicate = bool (*)(unsigned char);

// True when the executable named in exeFile (a bare file name, or a full path
// as the 9x process list reports it) is "explorer.exe", ignoring ASCII case.
// exeFile holds at most size bytes and need not be terminated within them.
// isLeadByte, when given, keeps the trail byte of a double-byte character from
// being taken for a path separator.
bool IsShellProcessName(const char* exeFile, size_t size, LeadBytePredicate isLeadByte);
