// A static text control turned into a link: its own text is the target, drawn
// in a link colour that changes while the mouse is over it, with the owner's
// cursor, and opened with the system's program for it on a click. The dialog
// must reflect the static's WM_COMMAND back to it (the Dialog base does).
#pragma once
#include <windows.h>

#include "controls/link_command.h"
#include "controls/subclass_win.h"

// Opens a web address or "mailto:" target: the shell first, then the command
// registered for ".htm" pages. A result above 32 (shell) or 31 (command) is
// success; otherwise the shell's or the command's error code.
INT_PTR OpenLink(const char* target, int showCommand);

constexpr COLORREF kLinkText = RGB(0, 0, 238);
constexpr COLORREF kLinkHoverText = RGB(196, 128, 64);

class HyperLink : public SubclassedControl {
 public:
  using Opener = INT_PTR (*)(const char* target, int showCommand);
  explicit HyperLink(Opener opener = &OpenLink);

  // Subclasses the static, adds SS_NOTIFY and takes the target from its text
  // when none is set yet. False when the window cannot be subclassed.
  bool AttachStatic(HWND control);
  // Creates the link directly as a static child window of parent (text is
  // its target); the window's WM_CREATE runs the same set-up as
  // AttachStatic. Null when the window cannot be made.
  HWND Create(HWND parent, const char* text, DWORD style, const RECT& place, int id);
  // Shown while the mouse is over the link; the caller keeps ownership.
  void SetCursor(HCURSOR cursor) { cursor_ = cursor; }

  const char* Target() const { return target_; }
  bool Hover() const { return hover_; }
  COLORREF TextColour() const { return hover_ ? kLinkHoverText : kLinkText; }

 private:
  static LRESULT CALLBACK CreationProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l);
  void Initialise(HWND control);
  bool OnCreate(const CREATESTRUCTA& create);
  void OnPaint();
  void OnPrintClient(HDC dc, UINT flags);
  void Paint(HDC dc);
  void OnMouseMove(POINT at, UINT keys);
  void OnCaptureChanged(HWND gaining);
  bool OnSetCursor(HWND window, UINT hitTest, UINT mouseMessage);
  void OnClicked(int id, int code, HWND control);
  void Redraw();

  Opener opener_;
  HCURSOR cursor_ = nullptr;
  bool hover_ = false;
  char target_[hyperlink::kTargetSize] = {};
};
