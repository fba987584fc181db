// The two calls into the helper library, made from a program directory with the
// recording helper, without any helper, and with a library of that name that
// lacks the entries: the arguments arrive unchanged, a missing library or entry
// gives 0 without a message, and the library is released after each call.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/program_dir.h"

namespace {

// Runs the probe in dir and returns its result line ("" when it did not run).
std::string RunProbe(ProgramDir& dir) {
  if (!dir.CopyFrom(BuildPath("helper_calls_probe.exe"), "helper_calls_probe.exe")) return "";
  if (!dir.Write("helper_calls_probe.ok", "")) return "";
  RunningProgram probe;
  if (!probe.Start(dir.Path("helper_calls_probe.exe"), dir.Dir())) return "";
  DWORD code = 1234;
  if (!probe.WaitForExit(120000, &code) || code != 0) return "";
  return dir.Read("probe_result.txt");
}

}  // namespace

TEST(HelperCalls, ArgumentsReachTheHelperAndItIsReleasedAfterEachCall) {
  ProgramDir dir;
  ASSERT_TRUE(dir.CopyFrom(BuildPath("FakeDorvix.dll"), "Dorvix.dll"));
  EXPECT_EQ("adjust=1 shutdown=1 kept=0", RunProbe(dir));
  EXPECT_EQ("AdjustSystemTime 2026-12-08 10:11:12\nShutDownComputer 1 0\n", dir.Read("dorvix_calls.txt"));
}

TEST(HelperCalls, MissingHelperOrMissingEntriesGiveZero) {
  {
    ProgramDir dir;
    EXPECT_EQ("adjust=0 shutdown=0 kept=0", RunProbe(dir));
  }
  {
    // A library by that name without the two entries.
    ProgramDir dir;
    ASSERT_TRUE(dir.CopyFrom(BuildPath("EmptyDorvix.dll"), "Dorvix.dll"));
    EXPECT_EQ("adjust=0 shutdown=0 kept=0", RunProbe(dir));
  }
}
