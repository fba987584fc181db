#include "tests/support/modal_script.h"

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
