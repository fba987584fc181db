#include "controls/message_loop_win.h"

#include "controls/module_win.h"

MessageLoop::MessageLoop() : thread_(GetCurrentThreadId()) { module::AddLoop(thread_, this); }

MessageLoop::~MessageLoop() { module::RemoveLoop(thread_); }

int MessageLoop::Run() {
  for (;;) {
    BOOL got = GetMessageA(&msg_, nullptr, 0, 0);
    if (got == -1) continue;
    if (!got) break;
    TranslateMessage(&msg_);
    DispatchMessageA(&msg_);
  }
  exitCode_ = static_cast<int>(msg_.wParam);
  return exitCode_;
}
