// The dialogs of the clock's menu commands: each runs modally with the
// active window as owner and hands its result to the running clock.
#pragma once
#include <windows.h>

#include "clock/clock_window_win.h"

class TicoraDialogs : public ClockDialogs {
 public:
  // One dialog at a time: a command that arrives while one is open (the
  // tray icon still answers then) brings the open one to the front instead.
  void Open(int command, ClockWindow& clock, HWND owner) override;
  bool Busy() const { return busy_; }

 private:
  bool busy_ = false;
};
