// Ticora's entry point: common controls, the framework's module state, one
// message loop with the desktop clock, and the exit code of the quit message.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "clock/clock_window_win.h"
#include "controls/message_loop_win.h"
#include "controls/module_win.h"
#include "dialogs/ticora_dialogs_win.h"

namespace {

int Run(int showCommand) {
  auto loop = std::make_unique<MessageLoop>();
  TicoraDialogs dialogs;
  ClockServices services;
  services.dialogs = &dialogs;
  ClockWindow clock(services);
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
  // The date pickers of the reminder editor and the time correction, and the
  // list view and up-down controls of the settings dialogs: a comctl32 that
  // registers its classes on request only would otherwise fail those dialogs.
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_DATE_CLASSES | ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&icc);
  module::Init(instance);
  int exitCode = Run(showCommand);
  module::Shutdown();
  return exitCode;
}
