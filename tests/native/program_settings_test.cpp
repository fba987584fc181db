// The program settings dialog's decisions: skin index stepping and range, the
// transparency clamp, the settings it reads, and where the auto-start value goes.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
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

TEST(ProgramSettingsRules, TypedValuesAreTakenOnlyWholeAndInRange) {
  struct Case {
    bool transparent;
    const char *alpha, *message, *shutdown;
    SettingsRefusal refusal;
    int storedAlpha;
  } cases[] = {
      {true, "10", "1", "1", SettingsRefusal::None, 10},
      {true, " 255 ", "36000", "60", SettingsRefusal::None, 255},
      {true, "9", "5", "5", SettingsRefusal::Transparence, 0},
      {true, "256", "5", "5", SettingsRefusal::Transparence, 0},
      {true, "", "5", "5", SettingsRefusal::Transparence, 0},
      {false, "abc", "5", "5", SettingsRefusal::None, 77},  // disabled field: the alpha stays
      {false, "3", "5", "5", SettingsRefusal::None, 10},    // brought into range
      {true, "100", "0", "5", SettingsRefusal::MessageWait, 0},
      {true, "100", "36001", "5", SettingsRefusal::MessageWait, 0},
      {true, "100", "1a", "5", SettingsRefusal::MessageWait, 0},
      {true, "100", "5", "0", SettingsRefusal::ShutdownWait, 0},
      {true, "100", "5", "61", SettingsRefusal::ShutdownWait, 0},
      {true, "100", "5", "-1", SettingsRefusal::ShutdownWait, 0},
      {true, "100", "5", "9999999999", SettingsRefusal::ShutdownWait, 0},
      {true, "1 0", "5", "5", SettingsRefusal::Transparence, 0},
  };
  for (const Case& c : cases) {
    ProgramSettings s;
    s.transparence = 77;
    s.messageWait = 8;
    s.shutdownWait = 9;
    EXPECT_EQ(c.refusal, TakeTypedSettings(c.transparent, c.alpha, c.message, c.shutdown, s))
        << c.alpha << "|" << c.message << "|" << c.shutdown;
    if (c.refusal == SettingsRefusal::None) {
      EXPECT_EQ(c.storedAlpha, s.transparence);
      EXPECT_EQ(std::atoi(c.message), s.messageWait);
      EXPECT_EQ(std::atoi(c.shutdown), s.shutdownWait);
    } else {
      EXPECT_EQ(77, s.transparence);
      EXPECT_EQ(8, s.messageWait);
      EXPECT_EQ(9, s.shutdownWait);
      EXPECT_STRNE("", SettingsRefusalText(c.refusal));
    }
  }
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
  EXPECT_EQ(10, s.transparence);
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

TEST(ProgramSettingsFile, HandEditedValuesComeInRangeForTheDialogAndTheClock) {
  struct Case {
    const char* system;
    int alpha, message, shutdown, mode;
  } cases[] = {
      {"nTransparence=0\r\nnMessageWait=0\r\nnShutdownWait=0\r\nbClockMode=256\r\n", 10, 1, 1, 0},
      {"nTransparence=999\r\nnMessageWait=90000\r\nnShutdownWait=61\r\nbClockMode=257\r\n", 255, 36000, 60, 1},
      {"nTransparence=-4\r\nnMessageWait=-1\r\nnShutdownWait=-30\r\n", 10, 1, 1, 0},
      {"nTransparence=128\r\nnMessageWait=10\r\nnShutdownWait=30\r\nbClockMode=1\r\n", 128, 10, 30, 1},
  };
  for (const Case& c : cases) {
    IniFile ini(std::string("[SYSTEM]\r\n") + c.system);
    const ProgramSettings dialog = ReadProgramSettings(ini.path.c_str());
    const ClockSettings clock = ReadClockSettings(ini.path.c_str());
    EXPECT_EQ(c.alpha, dialog.transparence) << c.system;
    EXPECT_EQ(c.message, dialog.messageWait) << c.system;
    EXPECT_EQ(c.shutdown, dialog.shutdownWait) << c.system;
    EXPECT_EQ(c.mode, dialog.clockMode) << c.system;
    EXPECT_EQ(c.alpha, clock.transparence) << c.system;
    EXPECT_EQ(c.message, clock.messageWait) << c.system;
    EXPECT_EQ(c.shutdown, clock.shutdownWait) << c.system;
    EXPECT_EQ(c.mode, clock.faceMode) << c.system;
  }
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
