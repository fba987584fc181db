// An edit control: the length it takes and its text. It names the control
// and does not own it.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

class Edit {
 public:
  explicit Edit(HWND hwnd = nullptr) : hwnd_(hwnd) {}
  HWND hwnd() const { return hwnd_; }

  // The user can type no more than bytes bytes.
  void SetLimit(size_t bytes) { SendMessageA(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(bytes), 0); }
  // The whole text ("" for no control).
  std::string Text() const;

 private:
  HWND hwnd_;
};
