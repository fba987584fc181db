// Which buttons become flat, how hover tracking moves, and where the edges,
// text and focus marks of a flat button go.
#include <gtest/gtest.h>

#include <string>

#include "controls/flat_button_rules.h"

using namespace flat_button;

namespace {

const SystemColours kSys{0x111111, 0x222222, 0x333333, 0x444444, 0x555555};

bool SamePolyline(const Polyline& line, Point a, Point b, Point c) {
  return line.points[0].x == a.x && line.points[0].y == a.y && line.points[1].x == b.x &&
         line.points[1].y == b.y && line.points[2].x == c.x && line.points[2].y == c.y;
}

}  // namespace

TEST(FlatButtonRules, ClassNameMatchesButtonInAnyCase) {
  EXPECT_TRUE(IsButtonClass("Button"));
  EXPECT_TRUE(IsButtonClass("BUTTON"));
  EXPECT_TRUE(IsButtonClass("bUtToN"));
  EXPECT_FALSE(IsButtonClass("Buttons"));
  EXPECT_FALSE(IsButtonClass("Butto"));
  EXPECT_FALSE(IsButtonClass("Static"));
  EXPECT_FALSE(IsButtonClass(""));
  EXPECT_FALSE(IsButtonClass(nullptr));
}

TEST(FlatButtonRules, OnlyPushButtonTypesAreConverted) {
  // Every one of the sixteen button types, with other style bits around them.
  for (uint32_t high : {0u, 0x50010000u, 0x00000F00u}) {
    for (uint32_t type = 0; type < 16; ++type) {
      const bool expected = type == 0 || type == 1 || type == 8;
      EXPECT_EQ(expected, IsConvertibleStyle(high | type)) << "type " << type << " high " << high;
    }
  }
}

TEST(FlatButtonRules, OwnerDrawStyleKeepsTheLowByteFlagsOnly) {
  EXPECT_EQ(0x0Bu, OwnerDrawStyle(0x50010000u));          // push button
  EXPECT_EQ(0x0Bu, OwnerDrawStyle(0x50010001u));          // default push button
  EXPECT_EQ(0x2Bu, OwnerDrawStyle(0x50010021u));          // BS_LEFTTEXT kept
  EXPECT_EQ(0xFBu, OwnerDrawStyle(0x500100F8u));          // every flag bit of the low byte
}

TEST(FlatButtonRules, HoverTracking) {
  struct Case {
    const char* name;
    MouseMoveInput in;
    MouseMoveResult out;
  };
  // in: hover, leftDown, hasCapture, hasParent, inside
  // out: hover, setCapture, releaseCapture, invalidate
  const Case cases[] = {
      {"first move captures", {false, false, false, true, true}, {true, true, false, true}},
      {"drag entering does nothing", {false, true, false, true, true}, {false, false, false, false}},
      {"drag entering outside does nothing", {false, true, true, true, false}, {false, false, false, false}},
      {"no parent: never hovers", {false, false, false, false, true}, {false, false, false, false}},
      {"move inside while hovering", {true, false, true, true, true}, {true, false, false, false}},
      {"press and move inside", {true, true, true, true, true}, {true, false, false, false}},
      {"leaving releases", {true, false, true, true, false}, {false, false, true, true}},
      {"leaving pressed keeps capture", {true, true, true, true, false}, {false, false, false, true}},
      {"after capture was taken away, move recaptures", {true, false, false, true, true}, {true, true, false, true}},
      {"focus lost, still captured, move outside", {false, false, true, true, false}, {false, false, true, false}},
  };
  for (const Case& c : cases) {
    const MouseMoveResult r = TrackMouseMove(c.in);
    EXPECT_EQ(c.out.hover, r.hover) << c.name;
    EXPECT_EQ(c.out.setCapture, r.setCapture) << c.name;
    EXPECT_EQ(c.out.releaseCapture, r.releaseCapture) << c.name;
    EXPECT_EQ(c.out.invalidate, r.invalidate) << c.name;
  }
}

TEST(FlatButtonRules, ColoursAndEdgeByState) {
  struct Case {
    ButtonState state;
    FaceColours colours;
    Edge edge;
  };
  // state: pressed, disabled, hover, focused
  const Case cases[] = {
      {{false, false, false, false}, {kFaceNormal, kTextNormal, kBorder}, Edge::Border},
      {{false, false, false, true}, {kFaceNormal, kTextNormal, kBorder}, Edge::Border},
      {{false, false, true, false}, {kFaceHover, kSys.highlightText, kBorder}, Edge::Raised},
      {{true, false, false, false}, {kFaceHover, kSys.highlightText, kBorder}, Edge::Sunken},
      {{true, false, true, false}, {kFaceHover, kSys.highlightText, kBorder}, Edge::Sunken},
      {{false, true, false, false}, {kFaceNormal, kSys.grayText, kSys.inactiveBorder}, Edge::Border},
      // Disabled wins for the colours; the edge still follows press and hover.
      {{false, true, true, false}, {kFaceNormal, kSys.grayText, kSys.inactiveBorder}, Edge::Raised},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    const FaceColours c = ChooseColours(cases[i].state, kSys);
    EXPECT_EQ(cases[i].colours.face, c.face) << i;
    EXPECT_EQ(cases[i].colours.text, c.text) << i;
    EXPECT_EQ(cases[i].colours.border, c.border) << i;
    EXPECT_EQ(cases[i].edge, ChooseEdge(cases[i].state)) << i;
  }
  EXPECT_EQ(Rgb(215, 241, 215), 0x00D7F1D7u);
  EXPECT_EQ(Rgb(254, 128, 62), 0x003E80FEu);
}

TEST(FlatButtonRules, EdgeLinesEndPoints) {
  const Rect r{10, 20, 60, 40};
  Polyline lines[2];
  EdgeLines(r, Edge::Sunken, kSys, lines);
  EXPECT_TRUE(SamePolyline(lines[0], {10, 39}, {10, 20}, {60, 20}));
  EXPECT_EQ(kSys.shadow, lines[0].colour);
  EXPECT_TRUE(SamePolyline(lines[1], {10, 39}, {59, 39}, {59, 19}));
  EXPECT_EQ(kSys.highlight, lines[1].colour);

  EdgeLines(r, Edge::Raised, kSys, lines);
  EXPECT_TRUE(SamePolyline(lines[0], {10, 39}, {10, 20}, {60, 20}));
  EXPECT_EQ(kSys.highlight, lines[0].colour);
  EXPECT_TRUE(SamePolyline(lines[1], {10, 39}, {59, 39}, {59, 19}));
  EXPECT_EQ(kSys.shadow, lines[1].colour);
}

TEST(FlatButtonRules, TextIsCentredAndShiftedWhenPressed) {
  const Rect r{0, 0, 75, 23};
  Rect t = TextRect(r, false, 40, 12);
  EXPECT_EQ(17, t.left);  // (75 - 40) / 2
  EXPECT_EQ(5, t.top);    // (23 - 12) / 2
  EXPECT_EQ(57, t.right);
  EXPECT_EQ(17, t.bottom);
  t = TextRect(r, true, 40, 12);
  EXPECT_EQ(18, t.left);
  EXPECT_EQ(6, t.top);
  // A text wider than the button: the offset rounds toward zero.
  t = TextRect({5, 5, 25, 15}, false, 25, 13);
  EXPECT_EQ(3, t.left);  // 5 + (20 - 25) / 2 = 5 - 2
  EXPECT_EQ(4, t.top);   // 5 + (10 - 13) / 2 = 5 - 1
}

TEST(FlatButtonRules, FocusMarksSitInsideTheCorners) {
  Polyline marks[4];
  FocusMarks({0, 0, 75, 23}, marks);
  // Inner rectangle: 4, 3, 71, 20.
  EXPECT_TRUE(SamePolyline(marks[0], {8, 3}, {4, 3}, {4, 7}));
  EXPECT_TRUE(SamePolyline(marks[1], {67, 3}, {71, 3}, {71, 7}));
  EXPECT_TRUE(SamePolyline(marks[2], {4, 16}, {4, 20}, {8, 20}));
  EXPECT_TRUE(SamePolyline(marks[3], {67, 20}, {71, 20}, {71, 16}));
  for (const auto& m : marks) EXPECT_EQ(kFocusMark, m.colour);
}

TEST(FlatButtonRules, VisibleTextIsCutAt63BytesWithoutSplittingACharacter) {
  EXPECT_EQ(0u, VisibleTextLength(nullptr));
  EXPECT_EQ(0u, VisibleTextLength(""));
  EXPECT_EQ(2u, VisibleTextLength("OK"));
  EXPECT_EQ(63u, VisibleTextLength(std::string(63, 'a').c_str()));
  EXPECT_EQ(63u, VisibleTextLength(std::string(200, 'a').c_str()));
  // "取" is two bytes in the Chinese code page: 31 of them fill 62 bytes; the
  // 32nd would end at byte 64 and is left out, a single byte still fits.
  std::string wide;
  for (int i = 0; i < 40; ++i) wide += "取";
  EXPECT_EQ(62u, VisibleTextLength(wide.c_str()));
  EXPECT_EQ(63u, VisibleTextLength((std::string(1, 'x') + wide).c_str()));
  // A lone lead byte at the end counts as one byte.
  EXPECT_EQ(3u, VisibleTextLength("ab\xB0"));
}
