// The analog face as regions: the dial (centre dot, hour and minute marks)
// built once, the three hands rebuilt for every tick, the window outline made
// of both, and the painting of marks and hands in their colours.
#pragma once
#include <windows.h>

#include <vector>

#include "controls/handles_win.h"

class AnalogFace {
 public:
  static constexpr COLORREF kHourMarkColour = RGB(0, 0, 255);
  static constexpr COLORREF kMinuteMarkColour = RGB(255, 0, 0);
  static constexpr COLORREF kHourHandColour = RGB(255, 255, 0);
  static constexpr COLORREF kMinuteHandColour = RGB(255, 0, 255);
  static constexpr COLORREF kSecondHandColour = RGB(0, 255, 0);

  // Builds the dial anew.
  void BuildDial();
  // Builds the hands for a time and returns the window outline they make with
  // the dial (null when the system cannot make a region).
  Region BuildHands(int hour, int minute, int second);
  // Fills the marks and then the hands, the second hand last; nothing until
  // the hands are built.
  void Paint(HDC dc) const;
  // Deletes every region (the face is no longer shown).
  void Release();
  // Appends the regions it holds (for leak checks).
  void AppendObjects(std::vector<HGDIOBJ>& out) const;

 private:
  Region dial_, hourMarks_, minuteMarks_;
  Region hourHand_, minuteHand_, secondHand_;
};
