// Draws the clock's popup menu itself: turns every item owner-drawn when the
// menu opens, answers the size requests and paints the items with the
// decisions of menu_painter.h.
#pragma once
#include <windows.h>

#include <string>

#include "clock/menu_painter.h"

class MenuPainter {
 public:
  // WM_INITMENU: remembers the menu and makes every item owner-drawn.
  void InitMenu(HMENU menu);
  // WM_EXITMENULOOP: the menu is gone.
  void ExitMenuLoop() { menu_ = nullptr; }
  // WM_MEASUREITEM / WM_DRAWITEM: false for anything but a menu item.
  bool MeasureItem(MEASUREITEMSTRUCT* item) const;
  bool DrawItem(const DRAWITEMSTRUCT* item) const;

  HMENU CurrentMenu() const { return menu_; }
  const MenuPalette& Palette() const { return palette_; }

 private:
  HMENU menu_ = nullptr;
  MenuPalette palette_;
};

// The text of a menu item, found by command id or by position; false when it
// cannot be read. Works for owner-drawn items too.
bool ReadMenuItemText(HMENU menu, UINT item, bool byPosition, std::string* text);
