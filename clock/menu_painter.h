// Layout and colour decisions of the owner-drawn tray menu: the size of each
// item and, for every way the system asks an item to be drawn, the list of
// drawing operations (fills, lines, frames, an etched edge, text) that the
// Win32 side carries out in order.
#pragma once
#include <cstdint>
#include <vector>

// A colour as the platform's 0x00BBGGRR value.
using MenuColour = uint32_t;

constexpr MenuColour MenuRgb(int r, int g, int b) {
  return static_cast<MenuColour>((r & 0xff) | ((g & 0xff) << 8) | ((b & 0xff) << 16));
}

// Colours and the width of the left column, as the clock window keeps them.
struct MenuPalette {
  MenuColour text = MenuRgb(0, 0, 0);
  MenuColour selectedText = MenuRgb(0, 0, 0);
  MenuColour background = MenuRgb(255, 255, 220);
  MenuColour selectedBackground = MenuRgb(255, 238, 194);
  int columnWidth = 20;
};

// The left column (the light green of the dialogs) and the selection frame.
constexpr MenuColour kMenuColumnColour = MenuRgb(215, 241, 215);
constexpr MenuColour kMenuFrameColour = MenuRgb(0, 0, 128);

struct MenuRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

inline bool operator==(const MenuRect& a, const MenuRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct MenuItemSize {
  int width = 0;
  int height = 0;
};

// menuBarHeight is the system's menu bar height (SM_CYMENU).
MenuItemSize MeasureMenuSeparator(int menuBarHeight);
// textWidth: the width of the whole item text drawn as one line; textRead false
// when the text could not be read, which gives a fixed small size.
MenuItemSize MeasureMenuText(const MenuPalette& palette, int menuBarHeight, int textWidth, bool textRead);

// Where a line or frame colour comes from: a fixed colour, or one of the two
// system colours of a raised frame.
enum class MenuLineColour { kFixed, kButtonHighlight, kDarkShadow };

struct MenuDrawOp {
  enum Kind {
    kFill,        // solid fill of rect with colour
    kLine,        // line from (rect.left, rect.top) to (rect.right, rect.bottom), end point excluded
    kFrame,       // outline of rect with a 1-pixel pen of colour, inside unchanged
    kEtchedTop,   // etched edge along the top side of rect
    kText,        // the item text in rect, one vertically centred line without clipping
  };
  Kind kind = kFill;
  MenuRect rect;
  MenuColour colour = 0;  // fill, pen or text colour
  MenuLineColour lineColour = MenuLineColour::kFixed;
  int penWidth = 1;
  bool opaqueText = false;          // text drawn on textBackground rather than transparently
  MenuColour textBackground = 0;
};

// How the system asks for an item (the action and state bits of the draw request).
struct MenuItemRequest {
  MenuRect item;
  bool separator = false;
  bool drawEntire = false;  // action contains the draw-entire bit
  bool selectAction = false;  // action contains the selection bit
  bool selected = false;  // state contains the selected bit
  bool hasBitmap = false;
  bool checked = false;
};

// The drawing of one item, in order. The text operations refer to the item's
// own text; the caller supplies it.
std::vector<MenuDrawOp> PaintMenuItem(const MenuPalette& palette, const MenuItemRequest& request);

// The text box TB and the text rectangle TR of an item.
MenuRect MenuTextBox(const MenuPalette& palette, const MenuRect& item);
MenuRect MenuTextRect(const MenuPalette& palette, const MenuRect& item);
