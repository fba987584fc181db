// The dialogs of the clock's menu commands: each runs modally with the
// active window as owner and hands its result to the running clock.
#pragma once
#include <windows.h>

#include <memory>

#include "clock/clock_window_win.h"

class CalendarDialog;

class TicoraDialogs : public ClockDialogs {
 public:
  TicoraDialogs();
  ~TicoraDialogs() override;

  // One dialog at a time: a command that arrives while one is open (the
  // tray icon still answers then) brings the open one to the front instead.
  void Open(int command, ClockWindow& clock, HWND owner) override;
  bool Busy() const { return busy_; }
  // The perpetual calendar: modeless, owned by the clock, one at a time (the
  // command again brings it to the front); null until first opened. It adds
  // reminders, so the clock settings, which edit them too, do not open while
  // it is open: their command brings the calendar to the front.
  CalendarDialog* Calendar() const { return calendar_.get(); }

 private:
  bool busy_ = false;
  std::unique_ptr<CalendarDialog> calendar_;
};
