// The shutdown countdown: a small topmost modeless dialog that counts the
// seconds down and then asks the helper library to shut the computer down or
// restart it. The user can cancel (after a confirmation) or act at once. One
// object serves every countdown of a program run; its window exists only
// while a countdown runs.
#pragma once
#include <windows.h>

#include "controls/dialog_win.h"
#include "controls/flat_button_win.h"
#include "controls/handles_win.h"
#include "reminders/countdown_rules.h"

constexpr UINT_PTR kCountdownTimerId = 6;

class ShutdownCountdownDialog : public Dialog {
 public:
  // What the countdown calls when it runs out; the helper library by default.
  using ShutdownFunction = BOOL (*)(BOOL force, BOOL restart);
  // How it asks before cancelling; MessageBoxA by default.
  using QuestionFunction = int (*)(HWND owner, const char* text, const char* caption, UINT type);
  // Replace the two for the whole process (tests); null puts the default back.
  // Each returns the function it replaced.
  static ShutdownFunction SetShutdownFunction(ShutdownFunction fn);
  static QuestionFunction SetQuestionFunction(QuestionFunction fn);

  ShutdownCountdownDialog();
  ~ShutdownCountdownDialog() override;

  // Opens a countdown of seconds owned by owner and shows it. Does nothing and
  // returns false while a countdown is open, or when the window cannot be made.
  bool Start(HWND owner, bool force, bool restart, int seconds);
  bool IsOpen() const;
  // Destroys an open countdown window without acting.
  void Close();

  int SecondsLeft() const { return clock_.SecondsLeft(); }
  bool Force() const { return force_; }
  bool Restart() const { return restart_; }
  bool HasPicture() const { return static_cast<bool>(picture_); }
  bool TimerRunning() const { return timerRunning_; }
  HBRUSH DialogBrush() const { return dialogBrush_.get(); }
  const FlatButtonList& FlatButtons() const { return flatButtons_; }
  // Copies the picture into the place of control 1049 (client coordinates of
  // dc); nothing without a picture.
  void PaintPicture(HDC dc);

 protected:
  void OnFinalMessage() override;

 private:
  bool OnInitDialog(WPARAM, LPARAM, LRESULT&);
  bool OnControlColour(WPARAM, LPARAM, LRESULT&);
  bool OnTimer(WPARAM, LPARAM, LRESULT&);
  bool OnPaint(WPARAM, LPARAM, LRESULT&);
  bool OnPrintClient(WPARAM, LPARAM, LRESULT&);
  bool OnDestroy(WPARAM, LPARAM, LRESULT&);
  bool OnCancel(UINT, HWND);
  bool OnExecute(UINT, HWND);

  void StartTimer();
  void StopTimer();
  void ShowSeconds();
  void PlaceOnDesktop();

  Brush dialogBrush_;
  FlatButtonList flatButtons_;
  Bitmap picture_;
  CountdownClock clock_;
  bool force_ = false;
  bool restart_ = false;
  bool timerRunning_ = false;
};
