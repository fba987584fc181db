// Driving modal dialogs from a test on the same thread. A script is a queue
// of steps; while it runs, a thread timer takes the next step each time it
// fires and runs it on the innermost open dialog of the thread (the enabled,
// visible dialog window on top: a nested editor or a message box over its
// owner). A step that opens another modal dialog lets the following steps run
// inside that dialog's loop.
//
//   ModalScript script;
//   script.Then([](HWND dlg) { SetDlgItemTextA(dlg, 1015, "x"); })
//         .Then(Press(IDOK));
//   INT_PTR result = script.Run([&] { return dialog.DoModal(nullptr, 205); });
//   EXPECT_TRUE(script.Done());
//
// When a step is waited for too long (no dialog appears, or the dialog does not
// close after the last step) the script cancels the innermost dialog, so a test
// fails instead of hanging.
#pragma once
#include <windows.h>

#include <deque>
#include <functional>
#include <string>

class ModalScript {
 public:
  using Step = std::function<void(HWND dialog)>;

  ModalScript& Then(Step step);
  // Runs body, which opens the modal dialog, with the steps armed; returns its value.
  template <class Body>
  auto Run(Body body) {
    Arm();
    auto result = body();
    Disarm();
    return result;
  }

  // Every step ran and nothing was cancelled.
  bool Done() const { return steps_.empty() && !timedOut_; }
  bool TimedOut() const { return timedOut_; }
  // Texts of the message boxes that the MessageBoxAnswer steps answered, in order.
  const std::deque<std::string>& MessageBoxTexts() const { return messages_; }
  void NoteMessage(const std::string& text) { messages_.push_back(text); }

  // The innermost open dialog of this thread, or null.
  static HWND InnermostDialog();

 private:
  void Arm();
  void Disarm();
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  void Fire();

  std::deque<Step> steps_;
  std::deque<std::string> messages_;
  UINT_PTR timer_ = 0;
  DWORD lastProgress_ = 0;
  bool timedOut_ = false;
};

// Common steps.
// Clicks a push button, check box or radio of the dialog (BM_CLICK: the
// control sends its notification as a user's click does).
ModalScript::Step Press(int controlId);
// Sets the text of a control.
ModalScript::Step SetText(int controlId, const char* text);
// Selects item index of a drop-down list and tells the dialog, as a user's choice does.
ModalScript::Step ChooseItem(int controlId, int index);
// Sets the date of a date picker and tells the dialog, as a user's change does.
ModalScript::Step SetPickerDate(int controlId, int year, int month, int day);
// Answers a message box with button (IDOK, IDYES ...) and records its text in script.
ModalScript::Step AnswerMessageBox(ModalScript& script, int button);
// Ends the innermost dialog with result, as its own End would.
ModalScript::Step EndWith(INT_PTR result);
