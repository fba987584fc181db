// Draws the clock's popup menu itself: turns every item owner-drawn when the
// menu opens, answers the size requests and paints the items with the
// decisions of menu_painter.h.
#pragma once
#include <windows.h>

#include <map>
#include <string>

#include "clock/menu_painter.h"
#include "controls/handles_win.h"

// The menu item calls the painter makes; a seam for tests that play an older
// system.
struct MenuItemCalls {
  BOOL(WINAPI* get)(HMENU, UINT, BOOL, LPMENUITEMINFOA) = GetMenuItemInfoA;
  BOOL(WINAPI* set)(HMENU, UINT, BOOL, LPCMENUITEMINFOA) = SetMenuItemInfoA;
};

class MenuPainter {
 public:
  explicit MenuPainter(const MenuItemCalls& calls = MenuItemCalls()) : calls_(calls) {}

  // WM_INITMENU: remembers the menu and makes every item owner-drawn. Where
  // the type cannot be set alone (Windows 95, NT 4.0 know neither MIIM_FTYPE
  // nor MIIM_STRING) the older MIIM_TYPE call takes dwTypeData as the item's
  // data and drops its text: the painter then keeps the text itself and hands
  // the system a pointer to that copy.
  // It also takes the system's menu font at the screen's DPI for the items.
  void InitMenu(HMENU menu);
  // WM_EXITMENULOOP: the menu is gone.
  void ExitMenuLoop() {
    menu_ = nullptr;
    font_.Reset();
  }
  // WM_MEASUREITEM / WM_DRAWITEM: false for anything but a menu item.
  bool MeasureItem(MEASUREITEMSTRUCT* item) const;
  bool DrawItem(const DRAWITEMSTRUCT* item) const;

  HMENU CurrentMenu() const { return menu_; }
  // The text drawn for the item with command id in menu: the kept copy, or
  // what the menu holds.
  bool ItemText(HMENU menu, UINT id, std::string* text) const;
  const MenuPalette& Palette() const { return palette_; }

 private:
  MenuItemCalls calls_;
  HMENU menu_ = nullptr;
  MenuPalette palette_;
  // The items' font while the menu is open; without it the default GUI font.
  Font font_;
  // Texts kept for the items of keptFor_ whose text the system dropped, by
  // command id; a map's strings stay where they are while others are added.
  HMENU keptFor_ = nullptr;
  std::map<UINT, std::string> kept_;
};

// The text of a menu item, found by command id or by position; false when it
// cannot be read. Works for owner-drawn items too.
bool ReadMenuItemText(HMENU menu, UINT item, bool byPosition, std::string* text);
