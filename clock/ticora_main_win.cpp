// Ticora's entry point: common controls, the framework's module state, one
// message loop with the desktop clock, and the exit code of the quit message.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "clock/clock_window_win.h"
#include "controls/message_loop_win.h"
#include "controls/module_win.h"

namespace {

int Run(int showCommand) {
  auto loop = std::make_unique<MessageLoop>();
  ClockWindow clock;
  // A failed creation destroys the clock object first, then the loop.
  if (!clock.CreateClock(nullptr, false, nullptr)) return 0;
  ShowWindow(clock.hwnd(), showCommand);
  const int exitCode = loop->Run();
  // The loop leaves the thread's table before the clock object (and with it
  // the notification-area icon) goes.
  loop.reset();
  return exitCode;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_DATE_CLASSES};
  InitCommonControlsEx(&icc);
  module::Init(instance);
  int exitCode = Run(showCommand);
  module::Shutdown();
  return exitCode;
}
