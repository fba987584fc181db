// A dialog whose push buttons become flat buttons when it opens, and drawing
// one of its buttons into a memory surface the way the button asks for it:
// WM_DRAWITEM to the dialog, which reflects it to the button. Shared by the
// flat-button tests and the picture of the button states for the visual check.
#pragma once
#include <windows.h>

#include "controls/dialog_win.h"
#include "controls/flat_button_win.h"
#include "tests/support/dib_surface.h"

class FlatDialog : public Dialog {
 public:
  FlatDialog() { OnMessage<WM_INITDIALOG>(&FlatDialog::OnInit); }
  bool OnInit(HWND) {
    ApplyFlatButtons(hwnd(), buttons);
    return true;
  }
  // The flat button object of a button window, or null.
  FlatButton* Find(HWND button) {
    for (auto& b : buttons)
      if (b->Button() == button) return b.get();
    return nullptr;
  }
  FlatButtonList buttons;
};

// A point of a mouse message's LPARAM.
inline LPARAM MousePoint(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

// Draws button of dialog into the surface at rect in the given item state
// (ODS_*), with the button's font. Returns the dialog's answer (TRUE when the
// drawing was handled).
inline LRESULT DrawThroughDialog(HWND dialog, HWND button, DibSurface& s, RECT rect, UINT state) {
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_BUTTON;
  dis.CtlID = static_cast<UINT>(GetDlgCtrlID(button));
  dis.itemAction = ODA_DRAWENTIRE;
  dis.itemState = state;
  dis.hwndItem = button;
  dis.hDC = s.dc();
  dis.rcItem = rect;
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(button, WM_GETFONT, 0, 0));
  HGDIOBJ old = font ? SelectObject(s.dc(), font) : nullptr;
  const LRESULT r = SendMessageA(dialog, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
  if (old) SelectObject(s.dc(), old);
  return r;
}
