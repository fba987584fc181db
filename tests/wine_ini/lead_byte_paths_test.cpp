// The path helpers with the system's lead bytes, under the code page Wine runs
// with: Chinese (936), Western (1252) and Japanese (932). The same bytes name
// different folders on each: "\xe9\x5c" is "é\" on a Western system and one
// character on the other two; 0xB1 is a half-width katakana in 932 but leads
// in 936.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "base/gbk_text.h"
#include "base/gbk_text_win.h"
#include "base/program_path.h"
#include "base/theme_file.h"

namespace {

TEST(SystemLeadBytePaths, FoldersFollowTheSystemCodePage) {
  const UINT acp = GetACP();
  if (const char* expected = std::getenv("TICORA_EXPECT_ACP")) {
    ASSERT_EQ(static_cast<UINT>(std::atoi(expected)), acp);
  }
  ASSERT_TRUE(acp == 936 || acp == 1252 || acp == 932) << acp;
  const int column = acp == 1252 ? 0 : acp == 936 ? 1 : 2;
  struct {
    const char* path;
    size_t directory[3];  // 1252, 936, 932
  } cases[] = {
      {"C:\\caf\xe9\\theme.ini", {8, 3, 3}},
      {"C:\\\xb1\\a.wav", {5, 3, 5}},
      {"C:\\plain\\d.ini", {9, 9, 9}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const size_t expected = c.directory[column];
    EXPECT_EQ(expected, gbk::DirectoryLength(c.path, SystemLeadByte));
    char joined[MAX_PATH];
    ASSERT_TRUE(JoinProgramPath(c.path, "Ticora.ini", joined, sizeof joined, SystemLeadByte));
    EXPECT_EQ(std::string(c.path, expected) + "Ticora.ini", joined);
  }
  // A folder ending in "é\" gets no second separator on a Western system.
  char theme[MAX_PATH];
  ASSERT_TRUE(JoinThemePath("C:\\caf\xe9\\", "theme.ini", theme, sizeof theme, SystemLeadByte));
  EXPECT_EQ(acp == 1252 ? std::string("C:\\caf\xe9\\theme.ini") : std::string("C:\\caf\xe9\\\\theme.ini"), theme);
}

}  // namespace
