#include "sysutil/windows_family.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct VersionCase {
  unsigned long platform;
  unsigned long major;
  unsigned long minor;
  int family;
};

// Every known row, and the versions around them that must not be mistaken for one.
const VersionCase kVersionCases[] = {
    {kPlatformWin32s, 3, 10, FamilyWin32s},
    {kPlatformWin32s, 0, 0, FamilyWin32s},
    {kPlatformWindows9x, 4, 0, FamilyWin95},
    {kPlatformWindows9x, 4, 10, FamilyWin98},
    {kPlatformWindows9x, 4, 90, FamilyWinMe},
    {kPlatformWindows9x, 4, 1, FamilyUnknown},
    {kPlatformWindows9x, 4, 9, FamilyUnknown},
    {kPlatformWindows9x, 4, 91, FamilyUnknown},
    {kPlatformWindows9x, 3, 0, FamilyUnknown},
    {kPlatformWindows9x, 3, 10, FamilyUnknown},
    {kPlatformWindows9x, 5, 0, FamilyUnknown},
    {kPlatformNT, 3, 51, FamilyNT3},
    {kPlatformNT, 3, 1, FamilyNT3},
    {kPlatformNT, 0, 0, FamilyNT3},
    {kPlatformNT, 4, 0, FamilyNT4},
    {kPlatformNT, 4, 10, FamilyNT4},
    {kPlatformNT, 5, 0, FamilyWin2K},
    {kPlatformNT, 5, 1, FamilyWinXP},
    {kPlatformNT, 5, 2, FamilyUnknown},
    {kPlatformNT, 6, 0, FamilyUnknown},
    {kPlatformNT, 6, 1, FamilyUnknown},
    {kPlatformNT, 6, 3, FamilyUnknown},
    {kPlatformNT, 10, 0, FamilyUnknown},
    {3, 5, 1, FamilyUnknown},
    {0xFFFFFFFFul, 4, 0, FamilyUnknown},
};

TEST(WindowsFamilyTest, ClassifiesEveryVersionRow) {
  for (const VersionCase& c : kVersionCases) {
    EXPECT_EQ(c.family, ClassifyWindowsFamily(c.platform, c.major, c.minor))
        << "platform " << c.platform << " version " << c.major << "." << c.minor;
  }
}

struct AnswerCase {
  int family;
  int is9xMe;
  int is2kXp;
  int isNt;
  bool nineXBranch;
};

TEST(WindowsFamilyTest, QueryAnswersAndBranchPerFamily) {
  const AnswerCase cases[] = {
      {FamilyUnknown, 0, 0, 0, false}, {FamilyWin32s, 0, 0, 0, false},
      {FamilyWin95, 1, 0, 0, true},    {FamilyWin98, 1, 0, 0, true},
      {FamilyWinMe, 1, 0, 0, true},    {FamilyNT3, 0, 0, 1, false},
      {FamilyNT4, 0, 0, 1, false},     {FamilyWin2K, 0, 1, 1, false},
      {FamilyWinXP, 0, 1, 1, false},
      // Codes that no version produces are answered like an unknown version.
      {3, 0, 0, 0, false},             {255, 0, 0, 0, false},
      {-1, 0, 0, 0, false},
  };
  for (const AnswerCase& c : cases) {
    EXPECT_EQ(c.is9xMe, AnswerIsWindows9XMe(c.family)) << "family " << c.family;
    EXPECT_EQ(c.is2kXp, AnswerIsWindows2KXp(c.family)) << "family " << c.family;
    EXPECT_EQ(c.isNt, AnswerIsWindowsNT(c.family)) << "family " << c.family;
    EXPECT_EQ(c.nineXBranch, IsNineXBranch(c.family)) << "family " << c.family;
  }
}

TEST(WindowsFamilyTest, ExitFlagsForEveryForceRestartPairInBothBranches) {
  struct FlagCase {
    bool force;
    bool restart;
    unsigned nt;
    unsigned nineX;
  };
  const FlagCase cases[] = {
      {false, false, 0x9, 0x1},
      {false, true, 0x3, 0x3},
      {true, false, 0xD, 0x5},
      {true, true, 0x7, 0x7},
  };
  for (const FlagCase& c : cases) {
    EXPECT_EQ(c.nt, ExitWindowsFlags(c.force, c.restart, false))
        << "force " << c.force << " restart " << c.restart;
    EXPECT_EQ(c.nineX, ExitWindowsFlags(c.force, c.restart, true))
        << "force " << c.force << " restart " << c.restart;
  }
}

// Lead bytes of the Chinese code page.
bool GbkLead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

TEST(WindowsFamilyTest, RecognisesTheShellByItsFileName) {
  struct NameCase {
    const char* name;
    bool shell;
  };
  const NameCase cases[] = {
      {"explorer.exe", true},
      {"EXPLORER.EXE", true},
      {"Explorer.Exe", true},
      {"C:\\WINDOWS\\EXPLORER.EXE", true},  // the 9x process list gives full paths
      {"c:/windows/explorer.exe", true},
      {"C:explorer.exe", true},
      {"iexplorer.exe", false},
      {"explorer.exe.bak", false},
      {"explorer", false},
      {"C:\\explorer.exe\\other.exe", false},
      {"", false},
      {"C:\\WINDOWS\\", false},
  };
  for (const NameCase& c : cases) {
    EXPECT_EQ(c.shell, IsShellProcessName(c.name, std::strlen(c.name) + 1, nullptr)) << c.name;
    EXPECT_EQ(c.shell, IsShellProcessName(c.name, std::strlen(c.name) + 1, GbkLead)) << c.name;
  }
  EXPECT_FALSE(IsShellProcessName(nullptr, 10, nullptr));
}

TEST(WindowsFamilyTest, ShellNameReadsOnlyWithinTheBuffer) {
  // Unterminated: only the bytes inside the given size count.
  const char exact[12] = {'e', 'x', 'p', 'l', 'o', 'r', 'e', 'r', '.', 'e', 'x', 'e'};
  EXPECT_TRUE(IsShellProcessName(exact, sizeof(exact), nullptr));
  const char longer[] = "explorer.exe2";
  EXPECT_TRUE(IsShellProcessName(longer, 12, nullptr));
  EXPECT_FALSE(IsShellProcessName(longer, 13, nullptr));
  EXPECT_FALSE(IsShellProcessName(longer, 0, nullptr));
  // A lead byte as the very last byte of the buffer must not reach past it.
  const char leadAtEnd[] = {'a', '\\', static_cast<char>(0xB1)};
  EXPECT_FALSE(IsShellProcessName(leadAtEnd, sizeof(leadAtEnd), GbkLead));
}

TEST(WindowsFamilyTest, DoubleByteTrailIsNotASeparator) {
  // 0x95 0x5C is one character whose second byte equals a backslash: with the
  // lead-byte rule the name is the whole string and no match.
  const char tricky[] = "\x95\\explorer.exe";
  EXPECT_FALSE(IsShellProcessName(tricky, sizeof(tricky), GbkLead));
  EXPECT_TRUE(IsShellProcessName(tricky, sizeof(tricky), nullptr));
  // A real separator after a double-byte directory name still counts.
  const char chineseDir[] = "C:\\\xD7\xC0\xC3\xE6\\explorer.exe";
  EXPECT_TRUE(IsShellProcessName(chineseDir, sizeof(chineseDir), GbkLead));
}

}  // namespace
