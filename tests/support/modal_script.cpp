#include "tests/support/modal_script.h"

#include <commctrl.h>

#include "controls/dialog_win.h"

namespace {

ModalScript* g_active = nullptr;
constexpr UINT kPeriodMs = 5;
constexpr DWORD kPatienceMs = 5000;

}  // namespace

ModalScript& ModalScript::Then(Step step) {
  steps_.push_back(std::move(step));
  return *this;
}

HWND ModalScript::InnermostDialog() { return ::InnermostDialog(); }

void ModalScript::Arm() {
  g_active = this;
  timedOut_ = false;
  lastProgress_ = GetTickCount();
  timer_ = SetTimer(nullptr, 0, kPeriodMs, &ModalScript::OnTimer);
}

void ModalScript::Disarm() {
  if (timer_) KillTimer(nullptr, timer_);
  timer_ = 0;
  if (g_active == this) g_active = nullptr;
}

void CALLBACK ModalScript::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (g_active) g_active->Fire();
}

void ModalScript::Fire() {
  HWND dialog = InnermostDialog();
  if (dialog && !steps_.empty()) {
    Step step = std::move(steps_.front());
    steps_.pop_front();
    lastProgress_ = GetTickCount();
    step(dialog);
    return;
  }
  if (GetTickCount() - lastProgress_ > kPatienceMs) {
    timedOut_ = true;
    lastProgress_ = GetTickCount();
    if (dialog) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  }
}

ModalScript::Step Press(int controlId) {
  return [controlId](HWND dialog) {
    HWND control = GetDlgItem(dialog, controlId);
    if (control) SendMessageA(control, BM_CLICK, 0, 0);
  };
}

ModalScript::Step SetText(int controlId, const char* text) {
  std::string copy = text;
  return [controlId, copy](HWND dialog) { SetDlgItemTextA(dialog, controlId, copy.c_str()); };
}

ModalScript::Step ChooseItem(int controlId, int index) {
  return [controlId, index](HWND dialog) {
    HWND control = GetDlgItem(dialog, controlId);
    SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
  };
}

ModalScript::Step SetPickerDate(int controlId, int year, int month, int day) {
  return [=](HWND dialog) {
    HWND picker = GetDlgItem(dialog, controlId);
    NMDATETIMECHANGE change{};
    SendMessageA(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&change.st));
    change.st.wYear = static_cast<WORD>(year);
    change.st.wMonth = static_cast<WORD>(month);
    change.st.wDay = static_cast<WORD>(day);
    SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&change.st));
    change.nmhdr = {picker, static_cast<UINT_PTR>(controlId), DTN_DATETIMECHANGE};
    change.dwFlags = GDT_VALID;
    SendMessageA(dialog, WM_NOTIFY, static_cast<WPARAM>(controlId), reinterpret_cast<LPARAM>(&change));
  };
}

ModalScript::Step AnswerMessageBox(ModalScript& script, int button) {
  return [&script, button](HWND box) {
    char text[512] = {};
    // A message box's text is its static control 0xFFFF.
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    script.NoteMessage(text);
    PostMessageA(box, WM_COMMAND, button, 0);
  };
}

ModalScript::Step EndWith(INT_PTR result) {
  return [result](HWND dialog) { EndDialog(dialog, result); };
}
