#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "tests/support/reminder_fakes.h"
#include "reminders/hourly_chime.h"
#include "base/theme_file.h"

namespace {

// A theme directory with a theme.ini whose key n names "k<n>.wav".
class ThemeDir {
 public:
  explicit ThemeDir(int mode) {
    char name[] = "/tmp/hourly_chime_test_XXXXXX";
    path_ = mkdtemp(name) ? name : "";
    Rewrite(mode, "k");
  }
  ~ThemeDir() {
    std::remove(ini().c_str());
    std::remove(path_.c_str());
  }
  void Rewrite(int mode, const std::string& prefix) {
    std::ofstream out(ini(), std::ios::binary);
    out << "[THEME]\r\nnMode=" << mode << "\r\n";
    for (int n = 1; n <= 24; ++n) out << "sClock" << (n < 10 ? "0" : "") << n << "=" << prefix << n << ".wav\r\n";
  }
  std::string Sound(const std::string& file) const { return "sound:" + path_ + kThemePathSeparator + file; }
  const std::string& path() const { return path_; }

 private:
  std::string ini() const { return path_ + "/theme.ini"; }
  std::string path_;
};

}  // namespace

TEST(HourlyChimeTest, LatchChimesAtTheFirstTickOfEachHour) {
  struct Case {
    const char* name;
    bool latchAtStart;
    std::vector<std::pair<LocalTime, bool>> ticks;  // time, chimes
  } cases[] = {
      {"full hour",
       false,
       {{MakeTime(2024, 3, 1, 9, 59, 59), false},
        {MakeTime(2024, 3, 1, 10, 0, 0), true},
        {MakeTime(2024, 3, 1, 10, 0, 1), false},
        {MakeTime(2024, 3, 1, 10, 0, 59), false},
        {MakeTime(2024, 3, 1, 10, 1, 0), false},
        {MakeTime(2024, 3, 1, 11, 0, 0), true}}},
      {"started at 10:00:40", false, {{MakeTime(2024, 3, 1, 10, 0, 40), true}}},
      {"started at 10:01:00", false, {{MakeTime(2024, 3, 1, 10, 1, 0), false}, {MakeTime(2024, 3, 1, 11, 0, 0), true}}},
      {"latch left set by an earlier hour",
       true,
       {{MakeTime(2024, 3, 1, 10, 0, 30), false},
        {MakeTime(2024, 3, 1, 10, 1, 0), false},
        {MakeTime(2024, 3, 1, 11, 0, 0), true}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ChimeLatch latch;
    latch.played = c.latchAtStart;
    for (const auto& [now, chimes] : c.ticks) {
      SCOPED_TRACE(testing::Message() << now.wHour << ":" << now.wMinute << ":" << now.wSecond);
      EXPECT_EQ(ChimeCheck(latch, now), chimes);
      EXPECT_EQ(latch.played, now.wMinute == 0);
    }
  }
}

TEST(HourlyChimeTest, HourPicksTheKeyOfTheThemesCycle) {
  ThemeDir twelve(12);
  ThemeDir twentyFour(24);
  struct Case {
    int hour;
    int key12, key24;
  } cases[] = {{0, 12, 24}, {1, 1, 1}, {11, 11, 11}, {12, 12, 12}, {13, 1, 13}, {23, 11, 23}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hour);
    RecordingEffects effects;
    PlayHourlyChime(twelve.path().c_str(), c.hour, effects);
    PlayHourlyChime(twentyFour.path().c_str(), c.hour, effects);
    EXPECT_EQ(effects.calls, (std::vector<std::string>{twelve.Sound("k" + std::to_string(c.key12) + ".wav"),
                                                       twentyFour.Sound("k" + std::to_string(c.key24) + ".wav")}));
  }
}

TEST(HourlyChimeTest, ThemeIsReadAnewAtEveryChime) {
  ThemeDir theme(12);
  RecordingEffects effects;
  PlayHourlyChime(theme.path().c_str(), 0, effects);
  theme.Rewrite(24, "new");
  PlayHourlyChime(theme.path().c_str(), 0, effects);
  EXPECT_EQ(effects.calls, (std::vector<std::string>{theme.Sound("k12.wav"), theme.Sound("new24.wav")}));
}

TEST(HourlyChimeTest, MissingThemeAsksForTheDirectoryAndLongPathsPlayNothing) {
  RecordingEffects effects;
  PlayHourlyChime("/nonexistent/theme", 5, effects);
  EXPECT_EQ(effects.calls, (std::vector<std::string>{std::string("sound:/nonexistent/theme") + kThemePathSeparator}));

  effects.calls.clear();
  const std::string longDir(255, 'd');
  PlayHourlyChime(longDir.c_str(), 5, effects);
  EXPECT_TRUE(effects.calls.empty());
}
