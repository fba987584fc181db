#include "controls/message_loop_win.h"

#include "controls/module_win.h"

MessageLoop::MessageLoop() : thread_(GetCurrentThreadId()) { module::AddLoop(thread_, this); }

MessageLoop::~MessageLoop() { module::RemoveLoop(thread_); }

namespace {

// The top-level window a message's window belongs to, when that is a dialog
// (a modeless one: a modal dialog runs its own loop); null otherwise.
HWND DialogOf(HWND window) {
  while (window && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) window = GetParent(window);
  if (!window) return nullptr;
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpA(name, "#32770") == 0 ? window : nullptr;
}

}  // namespace

int MessageLoop::Run() {
  for (;;) {
    BOOL got = GetMessageA(&msg_, nullptr, 0, 0);
    if (got == -1) continue;
    if (!got) break;
    // Tab, Shift+Tab, the arrow keys, Enter and Esc work in a modeless
    // dialog as they do in a modal one.
    if (HWND dialog = DialogOf(msg_.hwnd))
      if (IsDialogMessageA(dialog, &msg_)) continue;
    TranslateMessage(&msg_);
    DispatchMessageA(&msg_);
  }
  exitCode_ = static_cast<int>(msg_.wParam);
  return exitCode_;
}
