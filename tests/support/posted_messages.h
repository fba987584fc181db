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
