// Base class of modal and modeless dialogs created from resource templates.
// The object is bound to its dialog at WM_INITDIALOG; from then on its message
// map sees every message. Control notifications that the map does not handle
// are reflected back to the sending control with the message number raised by
// 0x2000, and the control's answer becomes the dialog's answer.
#pragma once
#include <windows.h>

#include "controls/message_map_win.h"

class Dialog : public MessageTarget {
 public:
  Dialog() = default;
  ~Dialog() override;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  HWND hwnd() const { return hwnd_; }

  // Runs the dialog modally; returns the value given to End, or -1 on failure.
  INT_PTR DoModal(HWND owner, int templateId);
  // Creates the dialog modeless; the caller shows it. Returns the window or null.
  HWND CreateModeless(HWND owner, int templateId);
  // Ends a modal dialog with result, or destroys a modeless one.
  void End(INT_PTR result);
  bool IsModal() const { return modal_; }
  // The window's large and small icon (the caption, the task switcher); the
  // caller keeps them.
  void SetIcons(HICON large, HICON small);

 protected:
  // Called after the dialog's last message; hwnd() is null then.
  virtual void OnFinalMessage() {}

 private:
  static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM w, LPARAM l);
  HWND hwnd_ = nullptr;
  bool modal_ = false;
};

// Places a dialog at initialisation: centred on reference (screen
// coordinates), then pushed inside the work area edge by edge. Size and Z
// order stay.
void PlaceDialogFrom(HWND dialog, const RECT& reference);
// The desktop window's rectangle: the whole screen, the reference of most dialogs.
RECT DesktopRect();

// The topmost dialog window of this thread that is visible and takes input:
// the innermost open modal dialog (an editor over its settings dialog, a
// message box over either). Null when none is open.
HWND InnermostDialog();

// Sends a control notification that reached dialog back to the control it came
// from (message number + 0x2000). Returns false when the message is no control
// notification or names no control; result receives the control's answer.
bool ReflectNotification(HWND dialog, UINT msg, WPARAM w, LPARAM l, LRESULT& result);

// Stores a dialog procedure's answer the way the dialog manager expects it:
// returned directly for the messages whose value is the answer, otherwise in
// DWLP_MSGRESULT with TRUE returned.
INT_PTR DialogAnswer(HWND dialog, UINT msg, LRESULT result);
