// The look every dialog of both programs shares: a solid light-green
// background brush that also paints the static-looking controls (labels,
// group boxes, check boxes, radio buttons, disabled edits) with transparent
// text in one colour, flat push buttons, the placement rule and the window
// icon. A dialog derives from LookedDialog and calls InitLook from its
// WM_INITDIALOG handler.
#pragma once
#include <windows.h>

#include "controls/date_time_picker_win.h"
#include "controls/dialog_win.h"
#include "controls/flat_button_win.h"
#include "controls/handles_win.h"

// Background of every dialog, and the text colours on it.
constexpr COLORREF kDialogBackground = RGB(215, 241, 215);
constexpr COLORREF kWorkingDialogText = RGB(0, 0, 255);
constexpr COLORREF kAboutDialogText = RGB(64, 128, 64);

// The caption of every message box Ticora shows.
extern const char kTicoraCaption[];

class LookedDialog : public Dialog {
 public:
  explicit LookedDialog(COLORREF textColour = kWorkingDialogText);
  ~LookedDialog() override;

  HBRUSH DialogBrush() const { return dialogBrush_.get(); }
  const FlatButtonList& FlatButtons() const { return flatButtons_; }

 protected:
  // Flat buttons for every push button, the placement from reference (screen
  // coordinates), and icon as the large and small window icon (none when null).
  void InitLook(const RECT& reference, HICON icon);
  void OnFinalMessage() override;

 private:
  HBRUSH OnControlColour(HDC dc, HWND control);

  COLORREF textColour_;
  Brush dialogBrush_;
  FlatButtonList flatButtons_;
};

// Draws image index of the dialog header strip transparently at (x, y) of dc;
// nothing when the strip is not loaded.
void DrawHeaderImage(HDC dc, int index, int x, int y);

// Gives a date picker's drop-down calendar the dialogs' palette.
void ApplyCalendarPalette(DateTimePicker picker);
