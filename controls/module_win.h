// Process-wide state of the window framework: the instance handle, the lock that
// guards the hand-over of a new window object to its window and window-class
// registration, and the table that maps a thread to its message loop.
#pragma once
#include <windows.h>

class MessageLoop;

namespace module {

// Created first at start-up, released last.
void Init(HINSTANCE instance);
void Shutdown();
HINSTANCE Instance();

// The lock around window hand-over and class registration (re-entrant).
class Lock {
 public:
  Lock();
  ~Lock();
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;
};

// Thread-to-loop table.
void AddLoop(DWORD threadId, MessageLoop* loop);
void RemoveLoop(DWORD threadId);
MessageLoop* LoopOfCurrentThread();

// Registers a window class the first time a window of its kind is created and
// returns its atom (0 on failure). The name is generated once per process from
// the given kind, so several programs never share a class by accident.
ATOM RegisterClassOnce(const char* kind, UINT style, HCURSOR cursor, HBRUSH background,
                       WNDPROC proc, const char** nameOut);

// Reports an exception that a message handler let out (only a build of the
// framework with exceptions can have one): debug output naming the window
// class, the message and what went wrong (what may be null). The last report
// is kept for inspection. Never throws.
void ReportHandlerFailure(HWND hwnd, UINT msg, const char* what);
// The text of the last report, "" before any; and how many there were.
const char* LastHandlerFailure();
long HandlerFailureCount();

// Hand-over of a window object to the window being created on this thread.
void SetPendingObject(void* object);
void* TakePendingObject();

}  // namespace module
