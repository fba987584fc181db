// The board of missed reminders: "错过的提醒" as window text and caption, one
// line per reminder that was not carried out (due time, title, what was not
// done, message), a close box and "确定". It has no countdown, never takes
// the activation, and a later gap adds its reminders to the open board.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "controls/handles_win.h"
#include "controls/window_win.h"
#include "reminders/late_reminders.h"

class MissedBoard : public Window {
 public:
  static constexpr RECT kCaptionRect{4, 3, 296, 26};
  static constexpr RECT kListRect{6, 30, 314, 150};
  static constexpr RECT kCloseBox{298, 4, 318, 24};
  static constexpr RECT kOkBox{140, 154, 180, 176};
  static constexpr int kLineHeight = 20;
  static constexpr int kWidth = 320;
  static constexpr int kHeight = 180;

  MissedBoard();
  ~MissedBoard() override;

  // Opens the board owned by owner with the missed reminders, on the picture
  // (may be empty), shown without activation. False when the window cannot
  // be made.
  bool Open(HWND owner, const std::vector<MissedReminder>& missed, Bitmap picture);
  // Adds reminders to the open board (one line per reminder, its latest time).
  void Add(const std::vector<MissedReminder>& missed);
  void Close();
  bool IsOpen() const { return hwnd() != nullptr; }
  const std::vector<MissedReminder>& Items() const { return items_; }
  // The lines as drawn: at most as many as fit, the last one saying how many
  // more there are when they do not all fit.
  std::vector<std::string> Lines() const;
  void Paint(HDC dc);

 private:
  bool OnCreate(const CREATESTRUCTA& create);
  void OnPaint();
  bool OnEraseBackground(HDC dc);
  void OnLeftButtonDown(POINT at, UINT keys);
  void OnLeftButtonUp(POINT at, UINT keys);
  void OnMouseMove(POINT at, UINT keys);
  int OnMouseActivate(HWND topLevel, UINT hitTest, UINT mouseMessage);
  void OnClose();
  void DrawBox(HDC dc, const RECT& box, bool over, const char* label);

  std::vector<MissedReminder> items_;
  Bitmap picture_;
  bool overClose_ = false;
  bool overOk_ = false;
  bool pressed_ = false;
};
