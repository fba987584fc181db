#include "clock/menu_painter_win.h"

#include <cstddef>
#include <vector>

#include "controls/dpi_win.h"
#include "controls/handles_win.h"

namespace {

// The record size that every system since Windows 95 accepts (without the
// item bitmap field of later versions).
constexpr UINT kMenuInfoSize = offsetof(MENUITEMINFOA, hbmpItem);

MENUITEMINFOA MenuInfo(UINT mask) {
  MENUITEMINFOA mii{};
  mii.cbSize = kMenuInfoSize;
  mii.fMask = mask;
  return mii;
}

using GetItemFn = BOOL(WINAPI*)(HMENU, UINT, BOOL, LPMENUITEMINFOA);

bool ReadType(GetItemFn get, HMENU menu, UINT item, bool byPosition, UINT* type, UINT* id = nullptr) {
  MENUITEMINFOA mii = MenuInfo(MIIM_TYPE | MIIM_ID);
  if (!menu || !get(menu, item, byPosition, &mii)) return false;
  if (id) *id = mii.wID;
  *type = mii.fType;
  return true;
}

// Reads the item text with the given mask (MIIM_STRING where the system knows
// it, MIIM_TYPE otherwise): first its length, then the text itself.
bool ReadTextWith(GetItemFn get, HMENU menu, UINT item, bool byPosition, UINT mask, std::string* text) {
  MENUITEMINFOA mii = MenuInfo(mask);
  if (!get(menu, item, byPosition, &mii)) return false;
  // An owner-drawn item set with MIIM_TYPE has data, not text, in dwTypeData.
  if (mask == MIIM_TYPE && (mii.fType & MFT_OWNERDRAW)) return false;
  std::vector<char> buffer(mii.cch + 1, '\0');
  mii = MenuInfo(mask);
  mii.dwTypeData = buffer.data();
  mii.cch = static_cast<UINT>(buffer.size());
  if (!get(menu, item, byPosition, &mii)) return false;
  buffer.back() = '\0';
  text->assign(buffer.data());
  return true;
}

COLORREF LineColour(const MenuDrawOp& op) {
  switch (op.lineColour) {
    case MenuLineColour::kButtonHighlight: return GetSysColor(COLOR_BTNHIGHLIGHT);
    case MenuLineColour::kDarkShadow: return GetSysColor(COLOR_3DDKSHADOW);
    case MenuLineColour::kFixed: break;
  }
  return op.colour;
}

RECT ToRect(const MenuRect& r) { return {r.left, r.top, r.right, r.bottom}; }

void Execute(HDC dc, const MenuDrawOp& op, const std::string& text) {
  RECT r = ToRect(op.rect);
  switch (op.kind) {
    case MenuDrawOp::kFill: {
      Brush brush(CreateSolidBrush(op.colour));
      if (brush) FillRect(dc, &r, brush.get());
      break;
    }
    case MenuDrawOp::kLine: {
      Pen pen(CreatePen(PS_SOLID, op.penWidth, LineColour(op)));
      SelectGuard select(dc, pen.get());
      MoveToEx(dc, op.rect.left, op.rect.top, nullptr);
      LineTo(dc, op.rect.right, op.rect.bottom);
      break;
    }
    case MenuDrawOp::kFrame: {
      Pen pen(CreatePen(PS_SOLID, 1, op.colour));
      SelectGuard selectPen(dc, pen.get());
      SelectGuard selectBrush(dc, GetStockObject(NULL_BRUSH));
      Rectangle(dc, r.left, r.top, r.right, r.bottom);
      break;
    }
    case MenuDrawOp::kEtchedTop:
      DrawEdge(dc, &r, EDGE_ETCHED, BF_TOP);
      break;
    case MenuDrawOp::kText:
      SetTextColor(dc, op.colour);
      SetBkMode(dc, op.opaqueText ? OPAQUE : TRANSPARENT);
      if (op.opaqueText) SetBkColor(dc, op.textBackground);
      DrawTextA(dc, text.c_str(), -1, &r, DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
      break;
  }
}

bool ReadItemText(GetItemFn get, HMENU menu, UINT item, bool byPosition, std::string* text) {
  if (!menu) return false;
  return ReadTextWith(get, menu, item, byPosition, MIIM_STRING, text) ||
         ReadTextWith(get, menu, item, byPosition, MIIM_TYPE, text);
}

}  // namespace

bool ReadMenuItemText(HMENU menu, UINT item, bool byPosition, std::string* text) {
  return ReadItemText(GetMenuItemInfoA, menu, item, byPosition, text);
}

bool MenuPainter::ItemText(HMENU menu, UINT id, std::string* text) const {
  if (menu && menu == keptFor_) {
    auto it = kept_.find(id);
    if (it != kept_.end()) {
      *text = it->second;
      return true;
    }
  }
  return ReadItemText(calls_.get, menu, id, false, text);
}

void MenuPainter::InitMenu(HMENU menu) {
  menu_ = menu;
  font_.Reset(CreateUiFont(UiFont::kMenu, nullptr));
  if (menu != keptFor_) {
    kept_.clear();
    keptFor_ = menu;
  }
  int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    UINT type = 0;
    UINT id = 0;
    if (!ReadType(calls_.get, menu, i, true, &type, &id) || (type & MFT_OWNERDRAW)) continue;
    // Only the type bits change; the text stays with the item.
    MENUITEMINFOA mii = MenuInfo(MIIM_FTYPE);
    mii.fType = type | MFT_OWNERDRAW;
    if (calls_.set(menu, i, TRUE, &mii)) continue;
    // The older call drops the text: it is kept here, and the item's data
    // points at the kept copy.
    std::string text;
    const bool hasText = !(type & MFT_SEPARATOR) && ReadItemText(calls_.get, menu, i, true, &text);
    mii = MenuInfo(MIIM_TYPE);
    mii.fType = type | MFT_OWNERDRAW;
    if (hasText) {
      std::string& kept = kept_[id];
      kept = text;
      mii.dwTypeData = &kept[0];
    }
    calls_.set(menu, i, TRUE, &mii);
  }
}

bool MenuPainter::MeasureItem(MEASUREITEMSTRUCT* item) const {
  if (!item || item->CtlType != ODT_MENU) return false;
  const int menuBar = GetSystemMetrics(SM_CYMENU);
  UINT type = 0;
  ReadType(calls_.get, menu_, item->itemID, false, &type);
  MenuItemSize size;
  if (type & MFT_SEPARATOR) {
    size = MeasureMenuSeparator(menuBar);
  } else {
    std::string text;
    bool read = ItemText(menu_, item->itemID, &text);
    int width = 0;
    if (read) {
      WindowDC screen(nullptr);
      SelectGuard font(screen.get(), font_ ? static_cast<HGDIOBJ>(font_.get()) : GetStockObject(DEFAULT_GUI_FONT));
      RECT r{0, 0, 0, 0};
      DrawTextA(screen.get(), text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
      width = r.right - r.left;
    }
    size = MeasureMenuText(palette_, menuBar, width, read);
  }
  item->itemWidth = static_cast<UINT>(size.width);
  item->itemHeight = static_cast<UINT>(size.height);
  return true;
}

bool MenuPainter::DrawItem(const DRAWITEMSTRUCT* item) const {
  if (!item || item->CtlType != ODT_MENU) return false;
  HMENU menu = menu_ ? menu_ : reinterpret_cast<HMENU>(item->hwndItem);
  MenuItemRequest request;
  request.item = {item->rcItem.left, item->rcItem.top, item->rcItem.right, item->rcItem.bottom};
  UINT type = 0;
  ReadType(calls_.get, menu, item->itemID, false, &type);
  request.separator = (type & MFT_SEPARATOR) != 0;
  std::string text;
  if (!request.separator) {
    ItemText(menu, item->itemID, &text);
    MENUITEMINFOA mii = MenuInfo(MIIM_STATE | MIIM_CHECKMARKS);
    if (calls_.get(menu, item->itemID, FALSE, &mii)) {
      request.checked = (mii.fState & MFS_CHECKED) != 0;
      request.hasBitmap = (request.checked ? mii.hbmpChecked : mii.hbmpUnchecked) != nullptr;
    }
    request.drawEntire = (item->itemAction & ODA_DRAWENTIRE) != 0;
    request.selectAction = (item->itemAction & ODA_SELECT) != 0;
    request.selected = (item->itemState & ODS_SELECTED) != 0;
  }
  DcStateGuard state(item->hDC);
  SelectGuard font(item->hDC, font_ ? static_cast<HGDIOBJ>(font_.get()) : GetStockObject(DEFAULT_GUI_FONT));
  for (const MenuDrawOp& op : PaintMenuItem(palette_, request)) Execute(item->hDC, op, text);
  return true;
}
