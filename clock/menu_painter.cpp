#include "clock/menu_painter.h"

namespace {

// Text items are at least this high, whatever the menu bar height.
constexpr int kMinTextItemHeight = 20;
// Space between the column and the text box, and the text's right margin.
constexpr int kTextGap = 4;
constexpr int kTextRightMargin = 11;
// Size of an item whose text could not be read.
constexpr int kUnreadItemHeight = 18;

MenuDrawOp Fill(const MenuRect& r, MenuColour colour) {
  MenuDrawOp op;
  op.kind = MenuDrawOp::kFill;
  op.rect = r;
  op.colour = colour;
  return op;
}

MenuDrawOp Line(int x1, int y1, int x2, int y2, MenuColour colour, MenuLineColour source, int width) {
  MenuDrawOp op;
  op.kind = MenuDrawOp::kLine;
  op.rect = {x1, y1, x2, y2};
  op.colour = colour;
  op.lineColour = source;
  op.penWidth = width;
  return op;
}

MenuDrawOp Text(const MenuRect& r, MenuColour colour, bool opaque, MenuColour background) {
  MenuDrawOp op;
  op.kind = MenuDrawOp::kText;
  op.rect = r;
  op.colour = colour;
  op.opaqueText = opaque;
  op.textBackground = background;
  return op;
}

MenuDrawOp Frame(const MenuRect& r, MenuColour colour) {
  MenuDrawOp op;
  op.kind = MenuDrawOp::kFrame;
  op.rect = r;
  op.colour = colour;
  return op;
}

// The column from x to x + width and the background from there to the right edge.
void FillColumnAndBackground(std::vector<MenuDrawOp>& ops, const MenuPalette& p, const MenuRect& item, int x) {
  ops.push_back(Fill({x, item.top, x + p.columnWidth, item.bottom}, kMenuColumnColour));
  ops.push_back(Fill({x + p.columnWidth, item.top, item.right, item.bottom}, p.background));
}

// The four lines of the raised frame around the check-mark box (L + 1, T, L + 19, T + 18):
// left and top in the highlight colour, right and bottom in the dark shadow, or
// all four in one fixed colour to erase it.
void RaisedFrame(std::vector<MenuDrawOp>& ops, const MenuRect& item, bool erase, MenuColour eraseColour) {
  const int x1 = item.left + 1, y1 = item.top, x2 = item.left + 19, y2 = item.top + 18;
  MenuLineColour light = erase ? MenuLineColour::kFixed : MenuLineColour::kButtonHighlight;
  MenuLineColour dark = erase ? MenuLineColour::kFixed : MenuLineColour::kDarkShadow;
  MenuColour c = erase ? eraseColour : 0;
  ops.push_back(Line(x1, y2, x1, y1, c, light, 1));
  ops.push_back(Line(x1, y1, x2, y1, c, light, 1));
  ops.push_back(Line(x2, y1, x2, y2 + 1, c, dark, 1));
  ops.push_back(Line(x2, y2, x1, y2, c, dark, 1));
}

}  // namespace

MenuItemSize MeasureMenuSeparator(int menuBarHeight) { return {0, menuBarHeight / 2}; }

MenuItemSize MeasureMenuText(const MenuPalette& palette, int menuBarHeight, int textWidth, bool textRead) {
  if (!textRead) return {palette.columnWidth + kTextGap, kUnreadItemHeight};
  int height = menuBarHeight < kMinTextItemHeight ? kMinTextItemHeight : menuBarHeight;
  return {palette.columnWidth + kTextGap + textWidth + kTextRightMargin, height};
}

MenuRect MenuTextBox(const MenuPalette& palette, const MenuRect& item) {
  return {item.left + palette.columnWidth + kTextGap, item.top, item.right, item.bottom};
}

MenuRect MenuTextRect(const MenuPalette& palette, const MenuRect& item) {
  return {item.left + palette.columnWidth + 8, item.top + 1, item.right - 2, item.bottom - 1};
}

std::vector<MenuDrawOp> PaintMenuItem(const MenuPalette& p, const MenuItemRequest& req) {
  std::vector<MenuDrawOp> ops;
  const MenuRect& it = req.item;
  const int W = p.columnWidth;

  if (req.separator) {
    FillColumnAndBackground(ops, p, it, it.left);
    MenuDrawOp edge;
    edge.kind = MenuDrawOp::kEtchedTop;
    edge.rect = {it.left + W, it.top + (it.bottom - it.top) / 2, it.right, it.bottom};
    ops.push_back(edge);
    return ops;
  }

  const MenuRect textBox = MenuTextBox(p, it);
  const MenuRect textRect = MenuTextRect(p, it);
  const bool plain = !req.hasBitmap && !req.checked;

  int left = it.left;  // where the selection box may start
  if (req.drawEntire) {
    FillColumnAndBackground(ops, p, it, it.left);
    if (!req.hasBitmap && req.checked) {
      ops.push_back(Line(it.left + 6, it.top + 6, it.left + 7, it.top + 11, p.text, MenuLineColour::kFixed, 2));
      ops.push_back(Line(it.left + 7, it.top + 12, it.left + 13, it.top + 6, p.text, MenuLineColour::kFixed, 2));
    }
    ops.push_back(Text(textRect, p.text, false, 0));
    left = it.left + W;
  }

  if (req.selected && (req.drawEntire || req.selectAction)) {
    MenuRect h;
    if (!plain) {
      RaisedFrame(ops, it, false, 0);
      h = textBox;
    } else {
      h = {left + 2, it.top + 1, it.right - 2, it.bottom - 1};
    }
    ops.push_back(Fill(h, p.selectedBackground));
    ops.push_back(Frame(h, kMenuFrameColour));
    ops.push_back(Text(textRect, p.selectedText, true, p.selectedBackground));
    return ops;
  }

  if (!req.selected && req.selectAction) {
    MenuRect h;
    if (plain) {
      // The column always starts at the item's left edge: when the whole item
      // was just drawn, starting it at the end of the column would paint a
      // second green band over the start of the text.
      FillColumnAndBackground(ops, p, it, it.left);
      h = {it.left + W + 2, it.top + 1, it.right - 2, it.bottom - 1};
    } else {
      RaisedFrame(ops, it, true, kMenuColumnColour);
      h = textBox;
    }
    ops.push_back(Fill(h, p.background));
    ops.push_back(Text(textRect, p.text, true, p.background));
  }
  return ops;
}
