// The message board: a small borderless topmost popup in which a reminder shows
// its title with a seconds countdown, its message, and two self-drawn buttons
// ("X" and "确定"). It closes itself when the countdown runs out or when one of
// the buttons is clicked, and it can be dragged by its top strip.
#pragma once
#include <windows.h>

#include "controls/handles_win.h"
#include "controls/window_win.h"
#include "reminders/reminder_effects.h"

constexpr UINT_PTR kMessageBoardTimerId = 1;

// What a board's "稍后提醒" box does: the owner keeps the snooze and the
// snooze time last chosen.
class BoardSnooze {
 public:
  virtual ~BoardSnooze() = default;
  // The snooze time a click uses, in minutes.
  virtual int SnoozeMinutes() = 0;
  // Remembers minutes as the time later clicks use.
  virtual void ChooseSnoozeMinutes(int minutes) = 0;
  // Shows the reminder of key again after minutes.
  virtual void Snooze(const ReminderKey& key, int minutes) = 0;
};

class MessageBoard : public Window {
 public:
  // Fixed layout in client coordinates, at 96 DPI; a board at scale k (on a
  // screen of k times that DPI) has every rectangle, its size and its fonts
  // k times as large, as its picture is.
  static constexpr RECT kCaptionRect{4, 3, 296, 26};
  static constexpr RECT kMessageRect{6, 28, 314, 152};
  static constexpr RECT kCloseBox{298, 4, 318, 24};
  static constexpr RECT kOkBox{140, 154, 180, 176};
  // "稍后提醒", only on a board that can be snoozed.
  static constexpr RECT kSnoozeBox{192, 154, 256, 176};
  // Size of a board without a picture (and the size the layout assumes).
  static constexpr int kDefaultWidth = 320;
  static constexpr int kDefaultHeight = 180;

  static constexpr COLORREF kCaptionColour = RGB(237, 243, 66);
  static constexpr COLORREF kTextColour = RGB(48, 48, 246);
  static constexpr COLORREF kIdleFrameColour = RGB(255, 128, 128);

  MessageBoard();
  ~MessageBoard() override;

  // The scale a board is drawn at: the one the DPI of the main screen gives,
  // where boards open (whichever monitor their clock is on). Its picture is
  // the one loaded at that scale (LoadScaledPicture).
  static int ScreenScale();

  // Gives the board its "稍后提醒" box for the reminder of key; before Create.
  // snooze must outlive the board's window.
  void EnableSnooze(BoardSnooze* snooze, const ReminderKey& key);
  bool CanSnooze() const { return snooze_ != nullptr; }
  // The snooze box's work: a click (choose false) snoozes for the current
  // time; a right click (choose true) first asks for the time in a menu.
  void SnoozeNow(bool choose);

  // Copies the texts, takes the picture (may be empty; one loaded at
  // ScreenScale()), creates the hidden popup centred on the screen, owned by owner, animates it into view without
  // taking the activation from the window the user works in, and starts the
  // countdown of seconds. Returns whether the window was created.
  bool Create(HWND owner, const char* title, const char* message, Bitmap picture, int seconds);
  // The same board without a countdown: it stays until the user closes it,
  // and title is also its window text. For the list of missed reminders.
  bool CreateLasting(HWND owner, const char* title, const char* message, Bitmap picture);
  // Replaces the message of an open board and redraws it.
  void SetMessage(const char* message);
  // Stops the countdown, deletes the picture and destroys the window.
  void Close();
  // Whether the window is gone (or was never created).
  bool Closed() const { return hwnd() == nullptr; }
  // Hands the object over to its own window: it deletes itself after the
  // window's last message. A board without a window is deleted at once, so the
  // caller must not touch the object afterwards.
  void ReleaseToWindow();

  // Draws the whole board (client area size) into dc.
  void Paint(HDC dc);

  // The scale the board was created at (1 before Create), and a rectangle of
  // the fixed layout at that scale.
  int Scale() const { return scale_; }
  RECT Scaled(const RECT& r) const;

  const char* Title() const { return title_; }
  const char* Message() const { return message_; }
  const char* Caption() const { return caption_; }
  int SecondsLeft() const { return secondsLeft_; }
  bool HasPicture() const { return static_cast<bool>(picture_); }
  bool OverClose() const { return overClose_; }
  bool OverOk() const { return overOk_; }
  bool OverSnooze() const { return overSnooze_; }
  bool Pressed() const { return pressed_; }

  // Number of board objects alive in the process (leak checks).
  static long LiveCount();

 protected:
  void OnFinalMessage() override;

 private:
  bool OnCreate(const CREATESTRUCTA& create);
  void OnTimer(UINT_PTR id);
  void OnPaint();
  bool OnEraseBackground(HDC dc);
  void OnLeftButtonDown(POINT at, UINT keys);
  void OnLeftButtonUp(POINT at, UINT keys);
  void OnMouseMove(POINT at, UINT keys);
  void OnRightButtonUp(POINT at, UINT keys);
  int OnMouseActivate(HWND topLevel, UINT hitTest, UINT mouseMessage);
  void OnClose();

  void StopTimer();
  void RedrawBoxes();
  void DrawBox(HDC dc, const RECT& box, bool over, const char* label);

  HWND owner_ = nullptr;
  int scale_ = 1;
  char title_[64] = {};
  // Room for a reminder's message (255 bytes) or the list of missed ones.
  char message_[512] = {};
  // The title plus "(" the seconds ")" for any int value.
  char caption_[64 + 16] = {};
  Bitmap picture_;
  int secondsLeft_ = 0;
  bool timerSet_ = false;
  bool overClose_ = false;
  bool overOk_ = false;
  bool overSnooze_ = false;
  bool pressed_ = false;
  BoardSnooze* snooze_ = nullptr;
  ReminderKey key_;
  bool selfOwned_ = false;
  bool lasting_ = false;
};
