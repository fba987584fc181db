#include "controls/edit_win.h"

#include <cstring>

std::string Edit::Text() const {
  const int length = hwnd_ ? GetWindowTextLengthA(hwnd_) : 0;
  if (length <= 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(hwnd_, &text[0], length + 1);
  text.resize(std::strlen(text.c_str()));
  return text;
}
