#include "controls/edit_win.h"

#include <cstring>

#include "base/gbk_text.h"
#include "controls/edit_fit.h"

std::string Edit::Text() const {
  const int length = hwnd_ ? GetWindowTextLengthA(hwnd_) : 0;
  if (length <= 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(hwnd_, &text[0], length + 1);
  text.resize(std::strlen(text.c_str()));
  return text;
}

ByteLimitedEdit::ByteLimitedEdit() {
  OnReflected<WM_COMMAND>(&ByteLimitedEdit::OnCommand);
  OnRawMessage(WM_SETTEXT, &ByteLimitedEdit::OnSetText);
}

bool ByteLimitedEdit::OnSetText(UINT, WPARAM, LPARAM l, LRESULT& result) {
  const char* text = reinterpret_cast<const char*>(l);
  if (!text || maxBytes_ == 0 || std::strlen(text) <= maxBytes_) return false;  // the edit sets it
  const std::string cut(text, gbk::FitLength(text, maxBytes_));
  result = SendMessageA(hwnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(cut.c_str()));
  return true;
}

bool ByteLimitedEdit::Attach(HWND edit, size_t maxBytes) {
  if (!SubclassedControl::Attach(edit)) return false;
  maxBytes_ = maxBytes;
  // The system's limit counts characters, which are never more than bytes.
  Edit control(edit);
  control.SetLimit(maxBytes);
  accepted_ = control.Text();
  return true;
}

void ByteLimitedEdit::OnCommand(int, int code, HWND) {
  if (code != EN_UPDATE && code != EN_CHANGE) {
    SetMsgHandled(false);
    return;
  }
  if (fixing_) return;
  const FittedEdit fitted = FitEditChange(accepted_, Edit(hwnd()).Text(), maxBytes_);
  accepted_ = fitted.text;
  if (!fitted.cut) return;
  // Caret positions count bytes on some systems and characters on others:
  // the text after the caret goes in first, then the rest is inserted at
  // position 0, which leaves the caret right after what was kept.
  fixing_ = true;
  SetWindowTextA(hwnd(), fitted.text.c_str() + fitted.caret);
  SendMessageA(hwnd(), EM_SETSEL, 0, 0);
  SendMessageA(hwnd(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(fitted.text.substr(0, fitted.caret).c_str()));
  SendMessageA(hwnd(), EM_EMPTYUNDOBUFFER, 0, 0);
  fixing_ = false;
  MessageBeep(MB_OK);
}
