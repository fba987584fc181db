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

// What the countdown does on the platform, handed in by its owner.
struct CountdownActions {
  // Shuts the computer down (restart false) or restarts it; the result is not used.
  BOOL (*shutDown)(BOOL force, BOOL restart) = nullptr;
  // Asks before cancelling, as MessageBoxA does (which is used when null).
  int (*ask)(HWND owner, const char* text, const char* caption, UINT type) = nullptr;
};

class ShutdownCountdownDialog : public Dialog {
 public:
  // icon: the program icon, shown as the window's large and small icon (may be null).
  ShutdownCountdownDialog(const CountdownActions& actions, HICON icon);
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
  bool OnInitDialog(HWND focus);
  HBRUSH OnControlColour(HDC dc, HWND control);
  void OnTimer(UINT_PTR id);
  void OnPaint();
  void OnPrintClient(HDC dc, UINT flags);
  void OnDestroy();
  void OnCancel(int id, int code, HWND control);
  void OnExecute(int id, int code, HWND control);

  // At a scale above 1: shrinks a picture wider than its place to the place's
  // width and sizes the place to the picture as shown.
  void FitPictureToPlace();
  void StartTimer();
  void StopTimer();
  void ShowSeconds();

  CountdownActions actions_;
  HICON icon_;
  Brush dialogBrush_;
  FlatButtonList flatButtons_;
  Bitmap picture_;
  CountdownClock clock_;
  bool force_ = false;
  bool restart_ = false;
  bool timerRunning_ = false;
};
