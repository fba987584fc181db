// The program settings dialog's decisions: skin index stepping and range, the
// transparency clamp, the settings it reads, and where the auto-start value goes.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "dialogs/auto_start.h"
#include "dialogs/program_settings.h"

namespace {

TEST(ProgramSettingsRules, SkinIndexSteppingWrapsAtBothEnds) {
  struct Case {
    int position, delta, total, next;
  } cases[] = {
      {3, 1, 3, 1},  {1, -1, 3, 3}, {2, 1, 3, 3},  {2, -1, 3, 1}, {1, 1, 3, 2},
      {1, 1, 1, 1},  {1, -1, 1, 1},  // a list of one stays on it
      {0, 1, 4, 1},  {9, -1, 4, 4},  // a position outside the list lands inside
      {1, 1, 0, 1},  {0, -1, 0, 0},  // an empty list keeps its position
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.next, NextSkinIndex(c.position, c.delta, c.total))
        << c.position << " " << c.delta << " of " << c.total;
}

TEST(ProgramSettingsRules, IndexAndTransparenceRanges) {
  struct Range {
    int in, total, index;
  } indexes[] = {{0, 4, 1}, {-3, 4, 1}, {2, 4, 2}, {4, 4, 4}, {7, 4, 4}, {0, 0, 0}, {3, 0, 0}, {1, -2, 0}};
  for (const Range& r : indexes) EXPECT_EQ(r.index, SkinIndexInRange(r.in, r.total)) << r.in << " of " << r.total;
  const int alphas[][2] = {{5, 10}, {0, 10}, {-1, 10}, {10, 10}, {11, 11}, {254, 254}, {255, 255}, {300, 255}};
  for (const auto& a : alphas) EXPECT_EQ(a[1], ClampTransparence(a[0])) << a[0];
}

struct IniFile {
  explicit IniFile(const std::string& text) : path(::testing::TempDir() + "program_settings_test.ini") {
    std::ofstream(path, std::ios::binary) << text;
  }
  ~IniFile() { std::remove(path.c_str()); }
  std::string Text() const {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::string path;
};

TEST(ProgramSettingsFile, MissingIndexesComeIntoTheListAndAnEmptyListIsNotWritten) {
  IniFile ini("[SYSTEM]\r\nnTransparence=5\r\n[BACKGROUND]\r\nnTotal=3\r\n[NUMBER]\r\nnTotal=2\r\nnCurrent=9\r\n");
  ProgramSettings s = ReadProgramSettings(ini.path.c_str());
  EXPECT_EQ(5, s.transparence);  // as read; the dialog clamps only what it stores
  EXPECT_EQ(1, s.background.current);
  EXPECT_EQ(2, s.digits.current);

  IniFile empty("[BACKGROUND]\r\nnCurrent=4\r\n");
  s = ReadProgramSettings(empty.path.c_str());
  EXPECT_EQ(0, s.background.total);
  EXPECT_EQ(0, s.background.current);
  s.background.current = 0;
  WriteProgramSettings(empty.path.c_str(), s);
  EXPECT_NE(std::string::npos, empty.Text().find("[BACKGROUND]\r\nnCurrent=4\r\n")) << empty.Text();
  EXPECT_EQ(std::string::npos, empty.Text().find("[NUMBER]")) << empty.Text();
}

TEST(ProgramSettingsFile, FaceScaleRoundTripsAndAnUnknownOneIsAutomatic) {
  for (const char* stored : {"0", "1", "2", "3", "4", "-1", "x"}) {
    IniFile ini(std::string("[SYSTEM]\r\nnFaceScale=") + stored + "\r\n");
    const int expected = stored[0] >= '0' && stored[0] <= '3' ? stored[0] - '0' : 0;
    ProgramSettings s = ReadProgramSettings(ini.path.c_str());
    EXPECT_EQ(expected, s.faceScale) << stored;
    s.faceScale = 2;
    WriteProgramSettings(ini.path.c_str(), s);
    EXPECT_EQ(2, ReadProgramSettings(ini.path.c_str()).faceScale);
  }
}

// Run values in memory; a hive can refuse writing.
class FakeRunValues : public RunValueStore {
 public:
  bool Write(RunHive hive, const char* command) override {
    if (readOnly.count(hive)) return false;
    values[hive] = command;
    return true;
  }
  bool Remove(RunHive hive) override {
    if (readOnly.count(hive)) return values.count(hive) == 0;
    values.erase(hive);
    return true;
  }
  bool Holds(RunHive hive) override { return values.count(hive) != 0; }
  std::map<RunHive, std::string> values;
  std::map<RunHive, bool> readOnly;
};

TEST(AutoStart, MachineFirstUserWhereTheMachineRefusesRemovedEverywhere) {
  const char* cmd = "\"C:\\Program Files\\Ticora\\Ticora.exe\"";
  FakeRunValues store;
  store.values[RunHive::User] = "old";
  EXPECT_TRUE(StoreAutoStart(store, true, cmd));
  EXPECT_EQ(cmd, store.values[RunHive::Machine]);
  EXPECT_FALSE(store.Holds(RunHive::User));  // one entry, one start

  FakeRunValues user;
  user.readOnly[RunHive::Machine] = true;
  EXPECT_FALSE(AutoStartStored(user));
  EXPECT_TRUE(StoreAutoStart(user, true, cmd));
  EXPECT_EQ(cmd, user.values[RunHive::User]);
  EXPECT_TRUE(AutoStartStored(user));
  EXPECT_TRUE(StoreAutoStart(user, false, cmd));
  EXPECT_FALSE(AutoStartStored(user));

  // A machine value the user cannot remove stays, and says so.
  FakeRunValues stuck;
  stuck.values[RunHive::Machine] = cmd;
  stuck.values[RunHive::User] = cmd;
  stuck.readOnly[RunHive::Machine] = true;
  EXPECT_FALSE(StoreAutoStart(stuck, false, cmd));
  EXPECT_FALSE(stuck.Holds(RunHive::User));
  EXPECT_TRUE(AutoStartStored(stuck));
}

TEST(AutoStart, TheCommandIsThePathInQuotes) {
  char out[64];
  ASSERT_TRUE(AutoStartCommand("C:\\Program Files\\T.exe", out, sizeof out));
  EXPECT_STREQ("\"C:\\Program Files\\T.exe\"", out);
  EXPECT_TRUE(AutoStartCommand("C:\\a.exe", out, 11));  // exactly fits
  EXPECT_FALSE(AutoStartCommand("C:\\a.exe", out, 10));
  EXPECT_STREQ("", out);
  EXPECT_FALSE(AutoStartCommand("", out, sizeof out));
  EXPECT_FALSE(AutoStartCommand(nullptr, out, sizeof out));
}

}  // namespace
