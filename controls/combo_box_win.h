// A drop-down list box: its items and the selected one. It names the control
// and does not own it.
#pragma once
#include <windows.h>

class ComboBox {
 public:
  explicit ComboBox(HWND hwnd = nullptr) : hwnd_(hwnd) {}
  HWND hwnd() const { return hwnd_; }

  // Adds text at the end; its index, or -1 when it cannot.
  int AddItem(const char* text) {
    const LRESULT index = SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    return index < 0 ? -1 : static_cast<int>(index);
  }
  int ItemCount() const { return static_cast<int>(SendMessageA(hwnd_, CB_GETCOUNT, 0, 0)); }
  // The selected item, -1 for none.
  int Selected() const { return static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0)); }
  void Select(int index) { SendMessageA(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

 private:
  HWND hwnd_;
};
