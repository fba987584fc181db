#include "dialogs/dialog_look_win.h"

#include <commctrl.h>

const char kTicoraCaption[] = "Ticora";

LookedDialog::LookedDialog(COLORREF textColour)
    : textColour_(textColour), dialogBrush_(CreateSolidBrush(kDialogBackground)) {
  OnMessage<WM_CTLCOLORDLG>(&LookedDialog::OnControlColour);
  OnMessage<WM_CTLCOLORSTATIC>(&LookedDialog::OnControlColour);
}

LookedDialog::~LookedDialog() = default;

void LookedDialog::InitLook(const RECT& reference, HICON icon) {
  HWND dlg = hwnd();
  ApplyFlatButtons(dlg, flatButtons_);
  PlaceDialogFrom(dlg, reference);
  if (icon) SetIcons(icon, icon);
}

void LookedDialog::OnFinalMessage() {
  // The button windows are gone and have let go of their objects.
  flatButtons_.clear();
}

HBRUSH LookedDialog::OnControlColour(HDC dc, HWND) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, textColour_);
  return dialogBrush_.get();
}

void ApplyCalendarPalette(DateTimePicker picker) {
  if (!picker.hwnd()) return;
  struct Entry {
    int part;
    COLORREF colour;
  };
  static const Entry kPalette[] = {
      {MCSC_BACKGROUND, RGB(0, 0, 255)},      {MCSC_MONTHBK, RGB(204, 238, 161)},
      {MCSC_TEXT, RGB(205, 20, 231)},         {MCSC_TITLEBK, RGB(100, 206, 247)},
      {MCSC_TITLETEXT, RGB(76, 86, 252)},     {MCSC_TRAILINGTEXT, RGB(255, 64, 32)},
  };
  for (const Entry& e : kPalette) picker.SetCalendarColour(e.part, e.colour);
}
