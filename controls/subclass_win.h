// Base of controls that attach to a window the dialog template created, by
// replacing its window procedure. Messages the map does not handle go to the
// previous procedure; reflected control messages that are not handled go to
// DefWindowProcA with their number lowered by 0x2000. At the window's final
// message (WM_NCDESTROY) the previous procedure runs and is put back if the
// window procedure is still this one.
#pragma once
#include <windows.h>

#include "controls/message_map_win.h"

class SubclassedControl : public MessageTarget {
 public:
  SubclassedControl() = default;
  ~SubclassedControl() override;
  SubclassedControl(const SubclassedControl&) = delete;
  SubclassedControl& operator=(const SubclassedControl&) = delete;

  // Replaces the window procedure of hwnd; false if that fails.
  bool Attach(HWND hwnd);
  // Puts the previous procedure back (when it is still this one) and forgets the window.
  void Detach();
  HWND hwnd() const { return hwnd_; }
  bool attached() const { return hwnd_ != nullptr; }

 protected:
  // Inside a handler: runs the previous window procedure on the message being
  // handled, unchanged, and returns its answer.
  LRESULT ForwardToPrevious();
  // Called after the window's final message, once detached.
  virtual void OnDetached() {}

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM w, LPARAM l);
  LRESULT CallPrevious(UINT msg, WPARAM w, LPARAM l);
  HWND hwnd_ = nullptr;
  WNDPROC previous_ = nullptr;
};
