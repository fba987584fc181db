// An edit control: the length it takes and its text. It names the control
// and does not own it.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

#include "controls/subclass_win.h"

class Edit {
 public:
  explicit Edit(HWND hwnd = nullptr) : hwnd_(hwnd) {}
  HWND hwnd() const { return hwnd_; }

  // The user can type no more than bytes bytes.
  void SetLimit(size_t bytes) { SendMessageA(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(bytes), 0); }
  // Selects the whole text.
  void SelectAll() { SendMessageA(hwnd_, EM_SETSEL, 0, -1); }
  // The whole text ("" for no control).
  std::string Text() const;

 private:
  HWND hwnd_;
};

// An edit whose text goes to a field of maxBytes bytes in the program's code
// page: a change that would make it longer (typed, pasted, dropped) is cut to
// what fits, never in the middle of a character, with a beep; a whole text set
// from outside (WM_SETTEXT) is cut at its end. The dialog must
// reflect the edit's WM_COMMAND back to it (the Dialog base does).
class ByteLimitedEdit : public SubclassedControl {
 public:
  ByteLimitedEdit();
  // Subclasses the edit; its present text counts as accepted.
  bool Attach(HWND edit, size_t maxBytes);

 private:
  void OnCommand(int id, int code, HWND control);
  bool OnSetText(UINT msg, WPARAM w, LPARAM l, LRESULT& result);

  size_t maxBytes_ = 0;
  std::string accepted_;
  bool fixing_ = false;
};
