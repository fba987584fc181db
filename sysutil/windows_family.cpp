#include "sysutil/windows_family.h"

WindowsFamily ClassifyWindowsFamily(unsigned long platformId, unsigned long major,
                                    unsigned long minor) {
  switch (platformId) {
    case kPlatformWin32s:
      return FamilyWin32s;
    case kPlatformWindows9x:
      if (major != 4) return FamilyUnknown;
      if (minor == 0) return FamilyWin95;
      if (minor == 10) return FamilyWin98;
      if (minor == 90) return FamilyWinMe;
      return FamilyUnknown;
    case kPlatformNT:
      if (major < 4) return FamilyNT3;
      if (major == 4) return FamilyNT4;
      if (major == 5 && minor == 0) return FamilyWin2K;
      if (major == 5 && minor == 1) return FamilyWinXP;
      return FamilyUnknown;
    default:
      return FamilyUnknown;
  }
}

bool IsNineXBranch(int family) {
  return family == FamilyWin95 || family == FamilyWin98 || family == FamilyWinMe;
}

int AnswerIsWindows9XMe(int family) { return IsNineXBranch(family) ? 1 : 0; }

int AnswerIsWindows2KXp(int family) {
  return (family == FamilyWin2K || family == FamilyWinXP) ? 1 : 0;
}

int AnswerIsWindowsNT(int family) {
  return (family == FamilyNT3 || family == FamilyNT4 || family == FamilyWin2K ||
          family == FamilyWinXP)
             ? 1
             : 0;
}

unsigned ExitWindowsFlags(bool force, bool restart, bool nineXBranch) {
  unsigned flags = kExitShutdown;
  if (force) flags |= kExitForce;
  if (restart) {
    flags |= kExitReboot;
  } else if (!nineXBranch) {
    flags |= kExitPowerOff;
  }
  return flags;
}

namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool IsShellProcessName(const char* exeFile, size_t size, LeadBytePredicate isLeadByte) {
  if (exeFile == nullptr) return false;
  // The name starts after the last separator; trail bytes of double-byte
  // characters are skipped so that they are never taken for one.
  size_t end = 0;
  size_t start = 0;
  while (end < size && exeFile[end] != '\0') {
    const unsigned char c = static_cast<unsigned char>(exeFile[end]);
    if (isLeadByte != nullptr && isLeadByte(c) && end + 1 < size && exeFile[end + 1] != '\0') {
      end += 2;
      continue;
    }
    if (c == '\\' || c == '/' || c == ':') start = end + 1;
    ++end;
  }
  static const char kShell[] = "explorer.exe";
  const size_t shellLength = sizeof(kShell) - 1;
  if (end - start != shellLength) return false;
  for (size_t i = 0; i < shellLength; ++i) {
    if (AsciiLower(exeFile[start + i]) != kShell[i]) return false;
  }
  return true;
}
