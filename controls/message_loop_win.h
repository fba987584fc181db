// The thread's message loop: GetMessage, TranslateMessage, DispatchMessage until
// the quit message, whose parameter becomes the exit code. A message for a
// modeless dialog (or one of its controls) goes through the dialog's keyboard
// handling first.
#pragma once
#include <windows.h>

class MessageLoop {
 public:
  // Enters the loop in the thread-to-loop table for the calling thread.
  MessageLoop();
  ~MessageLoop();
  MessageLoop(const MessageLoop&) = delete;
  MessageLoop& operator=(const MessageLoop&) = delete;

  // Runs until WM_QUIT; a retrieval error (-1) is ignored. Returns the exit code.
  int Run();
  int ExitCode() const { return exitCode_; }
  const MSG& Current() const { return msg_; }

 private:
  MSG msg_{};
  int exitCode_ = 0;
  DWORD thread_;
};
