// Flat owner-drawn push buttons: a dialog's ordinary push buttons are
// subclassed at initialisation and drawn as a flat face with a thin orange
// border, a raised edge while the mouse is over them, a sunken edge while
// pressed and grey corner marks while focused. Ids, texts and commands stay.
#pragma once
#include "base/owner_list.h"
#include <windows.h>

#include <memory>
#include <vector>

#include "controls/subclass_win.h"

class FlatButton : public SubclassedControl {
 public:
  FlatButton();

  // Subclasses the button and makes it owner-drawn. The window is remembered
  // even when the subclassing fails (the button then keeps its normal look).
  bool AttachButton(HWND button);
  HWND Button() const { return button_; }
  bool Hover() const { return hover_; }

  // Draws the button for a draw request (what the reflected WM_DRAWITEM does).
  void Draw(const DRAWITEMSTRUCT& item);

 private:
  void OnCaptureChanged(HWND gaining);
  bool OnEraseBackground(HDC dc);
  void OnMouseMove(POINT at, UINT keys);
  bool OnSetCursor(HWND window, UINT hitTest, UINT mouseMessage);
  void OnKillFocus(HWND gaining);
  void OnDrawItem(int id, const DRAWITEMSTRUCT& item);
  void OnMeasureItem(int id, MEASUREITEMSTRUCT& item);
  int OnCompareItem(int id, const COMPAREITEMSTRUCT& item);
  void OnDeleteItem(int id, const DELETEITEMSTRUCT& item);

  HWND button_ = nullptr;
  bool hover_ = false;
  COLORREF textHover_;
};

// The flat buttons a dialog owns. The dialog clears it after its window is gone.
// Out of memory, a button stays a system button.
using FlatButtonList = OwnerList<FlatButton>;

// Turns every push button among the dialog's child windows into a FlatButton
// appended to buttons. Stops at a button already in the list.
void ApplyFlatButtons(HWND dialog, FlatButtonList& buttons);
