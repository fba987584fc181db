#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "base/theme_file.h"

namespace {

// A fresh directory under /tmp, removed with its files at the end of a test.
class TempDir {
 public:
  TempDir() {
    char name[] = "/tmp/theme_file_test_XXXXXX";
    path_ = mkdtemp(name) ? name : "";
  }
  ~TempDir() {
    for (const auto& f : files_) std::remove(f.c_str());
    std::remove(path_.c_str());
  }
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) {
    files_.push_back(path_ + "/" + name);
    return files_.back();
  }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(File(name), std::ios::binary) << text;
  }

 private:
  std::string path_;
  std::vector<std::string> files_;
};

std::vector<std::string> NonEmptyLines(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

std::string SoundFor(const std::string& dir, int hour) {
  char path[kThemePathSize];
  EXPECT_TRUE(ThemeSoundPathForHour(dir.c_str(), hour, path, sizeof path));
  return path;
}

}  // namespace

TEST(ThemeFileTest, KeyForEveryHourOfBothCycles) {
  for (int hour = 0; hour < 24; ++hour) {
    SCOPED_TRACE(hour);
    const int twelve = hour % 12 == 0 ? 12 : hour % 12;
    const int twentyFour = hour == 0 ? 24 : hour;
    EXPECT_EQ(ThemeKeyForHour(hour, 12), twelve);
    EXPECT_EQ(ThemeKeyForHour(hour, 24), twentyFour);
    // Any mode but 24 is a 12-hour cycle; none of them divides by zero.
    for (int odd : {0, -12, -1, 1, 7, 13, 23, 25, 1000}) EXPECT_EQ(ThemeKeyForHour(hour, odd), twelve);
  }
  EXPECT_EQ(ThemeKeyForHour(-1, 12), 11);
  EXPECT_EQ(ThemeKeyForHour(24, 24), 24);
  EXPECT_EQ(ThemeKeyForHour(37, 24), 13);
}

TEST(ThemeFileTest, NamesOfKeysAndFiles) {
  char buf[kThemeKeySize];
  ThemeKeyName(7, buf, sizeof buf);
  EXPECT_STREQ(buf, "sClock07");
  ThemeKeyName(24, buf, sizeof buf);
  EXPECT_STREQ(buf, "sClock24");
  ThemeSoundFileName(3, buf, sizeof buf);
  EXPECT_STREQ(buf, "Hour03.wav");
}

TEST(ThemeFileTest, JoinPathAddsOneSeparatorAndRefusesToCut) {
  const std::string sep(1, kThemePathSeparator);
  char out[kThemePathSize];
  struct Case {
    const char* dir;
    const char* name;
    std::string joined;
  } cases[] = {
      {"C:\\Themes\\Bell", "Hour01.wav", "C:\\Themes\\Bell" + sep + "Hour01.wav"},
      {"C:\\", "theme.ini", "C:\\theme.ini"},
      {"/srv/themes/", "a.wav", "/srv/themes/a.wav"},
      {"dir", "", "dir" + sep},
      {"", "theme.ini", sep + "theme.ini"},
      // A folder name ending in a character whose second byte is 0x5C.
      {"C:\\\x81\x5c", "theme.ini", "C:\\\x81\x5c" + sep + "theme.ini"},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(JoinThemePath(c.dir, c.name, out, sizeof out));
    EXPECT_EQ(out, c.joined);
  }

  const std::string dir(250, 'd');
  EXPECT_TRUE(JoinThemePath(dir.c_str(), "12345678", out, sizeof out)) << "259 characters fit";
  EXPECT_EQ(std::string(out).size(), 259u);
  EXPECT_FALSE(JoinThemePath(dir.c_str(), "123456789", out, sizeof out));
  EXPECT_STREQ(out, "");
}

TEST(ThemeFileTest, SoundPathFollowsModeAndKeys) {
  TempDir dir;
  const std::string sep(1, kThemePathSeparator);
  const std::string base = dir.path() + sep;

  // Missing file: a 12-hour theme without sounds, the path is the directory.
  EXPECT_EQ(SoundFor(dir.path(), 0), base);

  // Section and key names are matched without regard to case.
  dir.Write("theme.ini", "[theme]\r\nNMODE=24\r\nsclock24=midnight.wav\r\nSCLOCK12=noon.wav\r\n"
                         "sClock13=one.wav\r\n");
  EXPECT_EQ(SoundFor(dir.path(), 0), base + "midnight.wav");
  EXPECT_EQ(SoundFor(dir.path(), 12), base + "noon.wav");
  EXPECT_EQ(SoundFor(dir.path(), 13), base + "one.wav");
  EXPECT_EQ(SoundFor(dir.path(), 14), base) << "absent key";

  // Modes that are not 24 read as 12: hour 0 and 12 take sClock12.
  for (const char* mode : {"", "nMode=12\r\n", "nMode=0\r\n", "nMode=-24\r\n", "nMode=abc\r\n", "nMode=7\r\n"}) {
    SCOPED_TRACE(mode);
    dir.Write("theme.ini", std::string("[THEME]\r\n") + mode + "sClock12=twelve.wav\r\nsClock24=x.wav\r\n"
                           "sClock01=one.wav\r\n");
    EXPECT_EQ(ReadThemeMode(dir.File("theme.ini").c_str()), 12);
    EXPECT_EQ(SoundFor(dir.path(), 0), base + "twelve.wav");
    EXPECT_EQ(SoundFor(dir.path(), 13), base + "one.wav");
  }
}

TEST(ThemeFileTest, LongValuesAreCutTo63Characters) {
  TempDir dir;
  const std::string value(70, 'v');
  dir.Write("theme.ini", "[THEME]\nsClock05=" + value + "\n");
  char out[200];
  EXPECT_EQ(ReadThemeHourFile(dir.File("theme.ini").c_str(), 5, out, sizeof out), 63u);
  EXPECT_EQ(std::string(out), value.substr(0, 63));
  char small[8];
  EXPECT_EQ(ReadThemeHourFile(dir.File("theme.ini").c_str(), 5, small, sizeof small), 7u);
  EXPECT_EQ(std::string(small), "vvvvvvv");
}

TEST(ThemeFileTest, WriteGoesInOrderAndKeepsOtherKeys) {
  TempDir dir;
  const std::string file = dir.File("theme.ini");
  std::vector<int> seen;
  ASSERT_TRUE(WriteTheme(file.c_str(), 24, [&](int n) {
    // The key of this hour is already in the file when its sound is copied.
    char value[kThemeValueSize];
    ReadThemeHourFile(file.c_str(), n, value, sizeof value);
    char expected[kThemeKeySize];
    ThemeSoundFileName(n, expected, sizeof expected);
    EXPECT_STREQ(value, expected);
    seen.push_back(n);
  }));
  ASSERT_EQ(seen.size(), 24u);
  for (int i = 0; i < 24; ++i) EXPECT_EQ(seen[i], i + 1);

  // A 12-hour theme over it replaces nMode in place and leaves sClock13..24.
  ASSERT_TRUE(WriteTheme(file.c_str(), 12));
  std::vector<std::string> lines = NonEmptyLines(file);
  std::vector<std::string> expected = {"[THEME]", "nMode=12"};
  for (int n = 1; n <= 24; ++n) {
    char line[32];
    std::snprintf(line, sizeof line, "sClock%02d=Hour%02d.wav", n, n);
    expected.push_back(line);
  }
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(ReadThemeMode(file.c_str()), 12);
  EXPECT_EQ(SoundFor(dir.path(), 13), dir.path() + kThemePathSeparator + "Hour01.wav");

  // An odd mode is written as a 12-hour theme.
  TempDir other;
  const std::string fresh = other.File("theme.ini");
  ASSERT_TRUE(WriteTheme(fresh.c_str(), 0));
  EXPECT_EQ(NonEmptyLines(fresh).size(), 14u);
  EXPECT_EQ(ReadThemeModeRaw(fresh.c_str()), 12);
}
