#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "themeedit/theme_rows.h"
#include "themeedit/theme_save_plan.h"

namespace {

std::string TempTheme(const std::string& text) {
  char name[] = "/tmp/theme_editor_test_XXXXXX";
  const std::string dir = mkdtemp(name) ? name : "";
  std::ofstream(dir + "/theme.ini", std::ios::binary) << text;
  return dir;
}

void RemoveTheme(const std::string& dir) {
  std::remove((dir + "/theme.ini").c_str());
  std::remove(dir.c_str());
}

}  // namespace

TEST(ThemeEditorTest, DirectoryOfKeepsTheLastSeparatorOfItsOwn) {
  struct Case {
    std::string path, expected;
  } cases[] = {
      {"C:\\主题\\theme.ini", "C:\\主题\\"},
      {"C:\\a/b\\c", "C:\\a/b\\"},
      {"/tmp/x/theme.ini", "/tmp/x/"},
      {"theme.ini", ""},
      // "表" ends in the byte 0x5C: no separator of its own.
      {"C:\\表theme.ini", "C:\\"},
      // Only the first 259 bytes count.
      {std::string(258, 'a') + "\\b\\c", std::string(258, 'a') + "\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(DirectoryOf(c.path.c_str()), c.expected) << c.path;
}

TEST(ThemeEditorTest, RowsTitlesAndColours) {
  EXPECT_EQ(HourRowTitle(0), " 1 点钟");
  EXPECT_EQ(HourRowTitle(23), " 24 点钟");
  EXPECT_EQ(RowDataFor(11, 12), kRowActive);
  EXPECT_EQ(RowDataFor(12, 12), kRowInactive);
  EXPECT_EQ(RowDataFor(23, 24), kRowActive);
  uint32_t colour = 0;
  EXPECT_TRUE(RowColour(kRowActive, &colour));
  EXPECT_EQ(colour, 0xFF8000u);  // RGB(0, 128, 255)
  EXPECT_TRUE(RowColour(kRowInactive | 0x1234, &colour));
  EXPECT_EQ(colour, 0x0080FFu);  // RGB(255, 128, 0)
  colour = 7;
  EXPECT_FALSE(RowColour(0x20000, &colour));
  EXPECT_EQ(colour, 7u);
}

TEST(ThemeEditorTest, FileDialogStructureSizeBySystemVersion) {
  struct Case {
    bool known;
    unsigned long major, minor, size;
  } cases[] = {
      {true, 4, 0, 76}, {true, 4, 10, 76}, {true, 4, 90, 88}, {true, 5, 0, 88},
      {true, 6, 1, 88}, {true, 3, 95, 76}, {false, 6, 0, 76},
  };
  for (const Case& c : cases) EXPECT_EQ(FileDialogStructSize(c.known, c.major, c.minor), c.size);
}

TEST(ThemeEditorTest, OpeningSetsModeRowsAndSounds) {
  struct Case {
    const char* text;
    int mode, active;
  } cases[] = {
      {"[THEME]\r\nnMode=24\r\nsClock01=a.wav\r\nsClock24=z.wav\r\n", 24, 24},
      {"[theme]\r\nsClock01=a.wav\r\nsClock13=m.wav\r\n", 12, 12},  // no nMode
      {"[THEME]\r\nnMode=18\r\nsClock01=a.wav\r\n", 18, 18},  // taken unchanged
      {"[THEME]\r\nnMode=30\r\nsClock01=a.wav\r\n", 30, 24},
      {"[OTHER]\r\nx=1\r\n", 12, 12},
  };
  for (const Case& c : cases) {
    const std::string dir = TempTheme(c.text);
    const OpenedTheme t = OpenThemeFile((dir + "/theme.ini").c_str());
    EXPECT_EQ(t.mode, c.mode) << c.text;
    for (int r = 0; r < kHourRows; ++r) {
      EXPECT_EQ(t.rowData[r], r < c.active ? kRowActive : kRowInactive) << c.text << r;
      if (r >= c.active) {
        EXPECT_EQ(t.sounds[r], "") << c.text << r;
      }
    }
    // An active row without a key shows the directory itself.
    EXPECT_EQ(t.sounds[1], dir + "/") << c.text;
    if (std::string(c.text).find("sClock01") != std::string::npos) {
      EXPECT_EQ(t.sounds[0], dir + "/a.wav");
    }
    RemoveTheme(dir);
  }
}

TEST(ThemeEditorTest, SavePlanCopiesEachHourOfTheModeOnce) {
  std::string sounds[kHourRows];
  sounds[0] = "D:\\s\\one.wav";
  sounds[1] = "C:\\T\\hour02.WAV";  // already the target, other case
  sounds[2] = "";                   // no sound
  sounds[3] = "D:\\s\\four.wav";    // target exists: ask first
  sounds[12] = "D:\\s\\13.wav";
  const std::set<std::string> existing = {"C:\\T\\Hour02.wav", "C:\\T\\Hour04.wav"};
  auto exists = [&](const char* p) { return existing.count(p) > 0; };

  const ThemeSavePlan plan = PlanThemeSave(12, sounds, "C:\\T\\any name.ini", exists);
  ASSERT_TRUE(plan.fits);
  EXPECT_EQ(plan.themeFile, "C:\\T\\theme.ini");
  EXPECT_EQ(plan.mode, 12);
  ASSERT_EQ(plan.hours.size(), 12u);  // row 13 is left out in 12-hour mode
  const CopyAction expected[] = {CopyAction::Copy, CopyAction::AlreadyThere, CopyAction::NoSound,
                                 CopyAction::AskThenCopy};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(plan.hours[i].action, expected[i]) << i;
  EXPECT_EQ(plan.hours[0].target, "C:\\T\\Hour01.wav");
  EXPECT_EQ(plan.hours[0].source, "D:\\s\\one.wav");
  EXPECT_EQ(plan.hours[11].target, "C:\\T\\Hour12.wav");

  EXPECT_EQ(PlanThemeSave(24, sounds, "C:\\T\\theme.ini", exists).hours.size(), 24u);
}

TEST(ThemeEditorTest, SavedModeAndPathsThatDoNotFit) {
  std::string sounds[kHourRows];
  auto none = [](const char*) { return false; };
  // The mode the radios show: 12 only for a 12-hour theme, 24 for every other
  // value an opened file may bring, with a copy for each of its rows.
  EXPECT_EQ(PlanThemeSave(12, sounds, "C:\\t.ini", none).mode, 12);
  for (int mode : {24, 0, 5, 7, 13, 18, 30}) {
    EXPECT_EQ(PlanThemeSave(mode, sounds, "C:\\t.ini", none).mode, 24) << mode;
    EXPECT_EQ(PlanThemeSave(mode, sounds, "C:\\t.ini", none).hours.size(), 24u) << mode;
  }

  const std::string deep = "C:\\" + std::string(246, 'd') + "\\t.ini";  // "Hour01.wav" no longer fits
  EXPECT_FALSE(PlanThemeSave(12, sounds, deep.c_str(), none).fits);
  EXPECT_FALSE(PlanThemeSave(12, sounds, "no directory", none).fits);
}

TEST(ThemeEditorTest, PathComparisonFoldsOnlyAsciiLetters) {
  EXPECT_TRUE(SamePathIgnoringCase("C:\\T\\Hour01.WAV", "c:\\t\\hour01.wav"));
  EXPECT_TRUE(SamePathIgnoringCase("C:\\主题\\a", "c:\\主题\\A"));
  EXPECT_FALSE(SamePathIgnoringCase("C:\\T\\Hour01.wav", "C:\\T\\Hour01.wa"));
  // 0xC4 0x41 and 0xC4 0x61 are two different characters, not one letter in two cases.
  EXPECT_FALSE(SamePathIgnoringCase("\xc4\x41", "\xc4\x61"));
}

TEST(ThemeEditorTest, SaveReportsNameWhatFailed) {
  EXPECT_EQ(SaveFailureText("C:\\T\\theme.ini", true, {}), "");
  EXPECT_EQ(OverwriteQuestion("C:\\T\\Hour01.wav"), "目标文件：\n  C:\\T\\Hour01.wav\n已经存在，是否覆盖此文件?");
  const std::string both = SaveFailureText("C:\\T\\theme.ini", false, {"C:\\T\\Hour03.wav"});
  EXPECT_NE(both.find("C:\\T\\theme.ini"), std::string::npos);
  EXPECT_NE(both.find("C:\\T\\Hour03.wav"), std::string::npos);
}
