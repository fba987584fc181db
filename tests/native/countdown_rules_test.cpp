// The shutdown countdown's seconds and texts, and dialog placement on the screen.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "base/dialog_placement.h"
#include "reminders/countdown_rules.h"

namespace {

// The seconds shown after each tick until the action is due.
std::vector<int> RunDown(int start) {
  CountdownClock clock;
  clock.Start(start);
  std::vector<int> shown;
  for (int guard = 0; guard < 100; ++guard) {
    const bool due = clock.Tick();
    shown.push_back(clock.SecondsLeft());
    if (due) break;
  }
  return shown;
}

}  // namespace

TEST(CountdownRules, RunsFromTheWaitDownToZero) {
  EXPECT_EQ((std::vector<int>{2, 1, 0}), RunDown(3));
  EXPECT_EQ((std::vector<int>{0}), RunDown(1));
  EXPECT_EQ(30u, RunDown(30).size());
  // A wait of zero or less acts at the first tick.
  EXPECT_EQ((std::vector<int>{-1}), RunDown(0));
  EXPECT_EQ((std::vector<int>{-6}), RunDown(-5));
  EXPECT_EQ(1u, RunDown(INT_MIN).size());
}

TEST(CountdownRules, ActNowMakesTheNextTickDue) {
  CountdownClock clock;
  clock.Start(12);
  EXPECT_FALSE(clock.Tick());
  EXPECT_EQ(11, clock.SecondsLeft());
  clock.ActNow();
  EXPECT_TRUE(clock.Tick());
}

TEST(CountdownRules, Texts) {
  char text[32];
  FormatCountdownSeconds(text, sizeof text, 12);
  EXPECT_EQ(std::string("12 秒种后"), text);
  FormatCountdownSeconds(text, sizeof text, -1);
  EXPECT_EQ(std::string("-1 秒种后"), text);
  // A small buffer is cut, never overrun.
  char small[4] = {'x', 'x', 'x', 'x'};
  FormatCountdownSeconds(small, 3, 123456);
  EXPECT_EQ(std::string("12"), small);
  FormatCountdownSeconds(nullptr, 10, 1);
  EXPECT_EQ(std::string("重新启动计算机..."), CountdownActionText(true));
  EXPECT_EQ(std::string("关闭计算机..."), CountdownActionText(false));
}

TEST(DialogPlacement, CentresAndKeepsInsideTheWorkArea) {
  struct Case {
    const char* name;
    PlacementRect ref;
    int width, height;
    PlacementRect work;
    PlacementPoint expected;
  };
  const Case cases[] = {
      {"centred", {0, 0, 1024, 768}, 280, 190, {0, 0, 1024, 740}, {372, 289}},
      {"odd sizes use integer halves", {0, 0, 1025, 769}, 281, 191, {0, 0, 1025, 769}, {372, 289}},
      {"task bar on top pushes down", {0, 0, 800, 600}, 300, 590, {0, 30, 800, 600}, {250, 30}},
      {"task bar at the bottom pushes up", {0, 0, 800, 600}, 300, 590, {0, 0, 800, 560}, {250, -30}},
      {"left edge wins over the right", {0, 0, 400, 300}, 600, 100, {50, 0, 400, 300}, {50, 100}},
      {"off-centre reference", {500, 500, 700, 600}, 100, 50, {0, 0, 640, 480}, {540, 430}},
  };
  for (const Case& c : cases) {
    const PlacementPoint p = PlaceDialog(c.ref, c.width, c.height, c.work);
    EXPECT_EQ(c.expected.x, p.x) << c.name;
    EXPECT_EQ(c.expected.y, p.y) << c.name;
  }
}
