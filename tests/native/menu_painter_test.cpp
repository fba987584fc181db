// Sizes and drawing decisions of the owner-drawn tray menu.
#include "clock/menu_painter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const MenuPalette kPalette;
const MenuColour kColumn = MenuRgb(215, 241, 215);
const MenuColour kBack = MenuRgb(255, 255, 220);
const MenuColour kSelBack = MenuRgb(255, 238, 194);
const MenuColour kNavy = MenuRgb(0, 0, 128);
// An item 100 pixels wide and 20 high, 5 pixels from the menu's left and 40 from its top.
const MenuRect kItem{5, 40, 105, 60};

std::vector<MenuDrawOp> OpsOf(const std::vector<MenuDrawOp>& ops, MenuDrawOp::Kind kind) {
  std::vector<MenuDrawOp> out;
  for (const MenuDrawOp& op : ops)
    if (op.kind == kind) out.push_back(op);
  return out;
}

MenuItemRequest Request(bool entire, bool select, bool selected, bool bitmap = false, bool checked = false) {
  MenuItemRequest r;
  r.item = kItem;
  r.drawEntire = entire;
  r.selectAction = select;
  r.selected = selected;
  r.hasBitmap = bitmap;
  r.checked = checked;
  return r;
}

TEST(MenuPainterMeasure, SeparatorsAreHalfAMenuBarAndTextItemsAtLeastTwentyHigh) {
  EXPECT_EQ(0, MeasureMenuSeparator(19).width);
  EXPECT_EQ(9, MeasureMenuSeparator(19).height);
  EXPECT_EQ(10, MeasureMenuSeparator(20).height);

  MenuItemSize s = MeasureMenuText(kPalette, 19, 80, true);
  EXPECT_EQ(35 + 80, s.width);
  EXPECT_EQ(20, s.height);
  EXPECT_EQ(26, MeasureMenuText(kPalette, 26, 80, true).height);

  MenuItemSize unread = MeasureMenuText(kPalette, 26, 80, false);
  EXPECT_EQ(24, unread.width);
  EXPECT_EQ(18, unread.height);
}

TEST(MenuPainterDraw, SeparatorIsColumnBackgroundAndEtchedLineAtHalfHeight) {
  MenuItemRequest r;
  r.item = {0, 10, 120, 19};
  r.separator = true;
  r.drawEntire = true;
  r.selected = true;  // a separator looks the same whatever its state
  std::vector<MenuDrawOp> ops = PaintMenuItem(kPalette, r);
  ASSERT_EQ(3u, ops.size());
  EXPECT_EQ(MenuDrawOp::kFill, ops[0].kind);
  EXPECT_EQ((MenuRect{0, 10, 20, 19}), ops[0].rect);
  EXPECT_EQ(kColumn, ops[0].colour);
  EXPECT_EQ((MenuRect{20, 10, 120, 19}), ops[1].rect);
  EXPECT_EQ(kBack, ops[1].colour);
  EXPECT_EQ(MenuDrawOp::kEtchedTop, ops[2].kind);
  EXPECT_EQ(20, ops[2].rect.left);
  EXPECT_EQ(10 + 9 / 2, ops[2].rect.top);
  EXPECT_EQ(120, ops[2].rect.right);
  EXPECT_TRUE(OpsOf(ops, MenuDrawOp::kText).empty());
}

// The highlight rectangle and text colours for every combination of action,
// state, bitmap and check mark.
TEST(MenuPainterDraw, HighlightRectangleForEveryCase) {
  const MenuRect none{0, 0, 0, 0};
  const MenuRect textBox{29, 40, 105, 60};
  const MenuRect fromEdge{7, 41, 103, 59};      // L + 2
  const MenuRect fromColumn{27, 41, 103, 59};   // L + W + 2
  struct Case {
    const char* name;
    MenuItemRequest req;
    MenuRect highlight;      // the last fill of the selected or the plain background
    MenuColour fillColour;
    bool framed;
    bool raisedFrame;        // frame drawn in system colours
    bool erasedFrame;        // frame drawn in the column colour
    int texts;
  } cases[] = {
      {"entire, normal", Request(true, false, false), none, 0, false, false, false, 1},
      {"entire, selected", Request(true, false, true), fromColumn, kSelBack, true, false, false, 2},
      {"select, selected", Request(false, true, true), fromEdge, kSelBack, true, false, false, 1},
      {"entire+select, selected", Request(true, true, true), fromColumn, kSelBack, true, false, false, 2},
      {"select, unselected", Request(false, true, false), fromColumn, kBack, false, false, false, 1},
      {"entire+select, unselected", Request(true, true, false), fromColumn, kBack, false, false, false, 2},
      {"select, selected, checked", Request(false, true, true, false, true), textBox, kSelBack, true, true, false, 1},
      {"select, selected, bitmap", Request(false, true, true, true, false), textBox, kSelBack, true, true, false, 1},
      {"entire, selected, bitmap", Request(true, false, true, true, false), textBox, kSelBack, true, true, false, 2},
      {"select, unselected, checked", Request(false, true, false, false, true), textBox, kBack, false, false, true, 1},
      {"select, unselected, bitmap", Request(false, true, false, true, false), textBox, kBack, false, false, true, 1},
      {"neither bit", Request(false, false, true), none, 0, false, false, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<MenuDrawOp> ops = PaintMenuItem(kPalette, c.req);
    std::vector<MenuDrawOp> fills = OpsOf(ops, MenuDrawOp::kFill);
    std::vector<MenuDrawOp> frames = OpsOf(ops, MenuDrawOp::kFrame);
    std::vector<MenuDrawOp> lines = OpsOf(ops, MenuDrawOp::kLine);
    std::vector<MenuDrawOp> texts = OpsOf(ops, MenuDrawOp::kText);
    if (!(c.highlight == none)) {
      ASSERT_FALSE(fills.empty());
      EXPECT_EQ(c.highlight, fills.back().rect);
      EXPECT_EQ(c.fillColour, fills.back().colour);
    }
    ASSERT_EQ(c.framed ? 1u : 0u, frames.size());
    if (c.framed) {
      EXPECT_EQ(c.highlight, frames[0].rect);
      EXPECT_EQ(kNavy, frames[0].colour);
    }
    int raised = 0, erased = 0;
    for (const MenuDrawOp& l : lines) {
      if (l.lineColour != MenuLineColour::kFixed) ++raised;
      else if (l.colour == kColumn) ++erased;
    }
    EXPECT_EQ(c.raisedFrame ? 4 : 0, raised);
    EXPECT_EQ(c.erasedFrame ? 4 : 0, erased);
    ASSERT_EQ(static_cast<size_t>(c.texts), texts.size());
    for (const MenuDrawOp& t : texts) EXPECT_EQ((MenuRect{33, 41, 103, 59}), t.rect);
    if (c.texts > 0) {
      const MenuDrawOp& last = texts.back();
      bool selectedLook = c.framed;
      bool drawnEntireOnly = c.req.drawEntire && !c.framed && !c.req.selectAction;
      EXPECT_EQ(!drawnEntireOnly, last.opaqueText);
      if (last.opaqueText) {
        EXPECT_EQ(selectedLook ? kSelBack : kBack, last.textBackground);
      }
    }
  }
}

TEST(MenuPainterDraw, EntireItemFillsColumnAndBackgroundFirst) {
  std::vector<MenuDrawOp> ops = PaintMenuItem(kPalette, Request(true, false, false));
  ASSERT_GE(ops.size(), 3u);
  EXPECT_EQ((MenuRect{5, 40, 25, 60}), ops[0].rect);
  EXPECT_EQ(kColumn, ops[0].colour);
  EXPECT_EQ((MenuRect{25, 40, 105, 60}), ops[1].rect);
  EXPECT_EQ(kBack, ops[1].colour);
  EXPECT_FALSE(ops.back().opaqueText);
}

// A repaint of an unselected item after the whole item was drawn must not paint
// the column a second time inside the text area.
TEST(MenuPainterDraw, UnselectRepaintKeepsTheColumnAtTheLeftEdge) {
  for (bool entire : {false, true}) {
    SCOPED_TRACE(entire);
    for (const MenuDrawOp& op : PaintMenuItem(kPalette, Request(entire, true, false)))
      if (op.kind == MenuDrawOp::kFill && op.colour == kColumn) {
        EXPECT_EQ((MenuRect{5, 40, 25, 60}), op.rect);
      }
  }
}

TEST(MenuPainterDraw, CheckMarkOnlyForCheckedItemsWithoutBitmap) {
  std::vector<MenuDrawOp> checked = OpsOf(PaintMenuItem(kPalette, Request(true, false, false, false, true)),
                                          MenuDrawOp::kLine);
  ASSERT_EQ(2u, checked.size());
  EXPECT_EQ((MenuRect{11, 46, 12, 51}), checked[0].rect);
  EXPECT_EQ((MenuRect{12, 52, 18, 46}), checked[1].rect);
  for (const MenuDrawOp& l : checked) {
    EXPECT_EQ(2, l.penWidth);
    EXPECT_EQ(kPalette.text, l.colour);
  }
  EXPECT_TRUE(OpsOf(PaintMenuItem(kPalette, Request(true, false, false, true, true)), MenuDrawOp::kLine).empty());
  EXPECT_TRUE(OpsOf(PaintMenuItem(kPalette, Request(true, false, false)), MenuDrawOp::kLine).empty());
}

TEST(MenuPainterDraw, RaisedFrameOutlinesTheCheckBox) {
  std::vector<MenuDrawOp> lines = OpsOf(PaintMenuItem(kPalette, Request(false, true, true, false, true)),
                                        MenuDrawOp::kLine);
  ASSERT_EQ(4u, lines.size());
  int light = 0, dark = 0;
  for (const MenuDrawOp& l : lines) {
    // Every line lies on the box (L + 1, T) - (L + 19, T + 18).
    for (int x : {l.rect.left, l.rect.right}) EXPECT_TRUE(x >= 6 && x <= 24);
    for (int y : {l.rect.top, l.rect.bottom}) EXPECT_TRUE(y >= 40 && y <= 59);
    EXPECT_TRUE(l.rect.left == l.rect.right || l.rect.top == l.rect.bottom);
    if (l.lineColour == MenuLineColour::kButtonHighlight) {
      ++light;
      EXPECT_TRUE(l.rect.left == 6 && (l.rect.right == 6 || l.rect.top == 40));
    } else if (l.lineColour == MenuLineColour::kDarkShadow) {
      ++dark;
      EXPECT_TRUE(l.rect.left == 24 || l.rect.top == 58);
    }
  }
  EXPECT_EQ(2, light);
  EXPECT_EQ(2, dark);
}

}  // namespace
