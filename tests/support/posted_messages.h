// Reading what the code under test posted to a window's queue.
#pragma once
#include <windows.h>

// Removes every pending message of one kind for hwnd; returns how many and the last one.
inline int TakePosted(HWND hwnd, UINT msg, MSG* last = nullptr) {
  int n = 0;
  MSG m;
  while (PeekMessageA(&m, hwnd, msg, msg, PM_REMOVE)) {
    ++n;
    if (last) *last = m;
  }
  return n;
}

// Removes the quit messages a closed desktop clock posted, so that they do
// not end a later test's loop.
inline void DrainQuit() {
  MSG m;
  while (PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}
