// The analog face as regions: the dial (centre dot, hour and minute marks)
// built once, the hands rebuilt for every tick, the window outline made of
// both, and the painting of marks and hands in their colours. The hour and
// minute hands move by a pixel only every several seconds; while their dots
// stay where they were, they and their union with the dial are kept, and a
// tick builds only the second hand.
#pragma once
#include <windows.h>

#include <vector>

#include "clock/face_geometry.h"
#include "controls/handles_win.h"

class AnalogFace {
 public:
  static constexpr COLORREF kHourMarkColour = RGB(0, 0, 255);
  static constexpr COLORREF kMinuteMarkColour = RGB(255, 0, 0);
  static constexpr COLORREF kHourHandColour = RGB(255, 255, 0);
  static constexpr COLORREF kMinuteHandColour = RGB(255, 0, 255);
  static constexpr COLORREF kSecondHandColour = RGB(0, 255, 0);

  // The scale the face is drawn at (every length k times); takes effect at
  // the next BuildDial, which the scale's change must be followed by.
  void SetScale(int k) { scale_ = k < 1 ? 1 : k; }
  int Scale() const { return scale_; }
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
  // Makes the hour and minute hands of these dots and their union with the
  // dial; false (and none of them) when the system cannot make a region.
  bool BuildSlowHands(const std::vector<DotBox>& hourDots, const std::vector<DotBox>& minuteDots);

  Region dial_, hourMarks_, minuteMarks_;
  Region hourHand_, minuteHand_, secondHand_;
  // The dial with the hour and minute hands, and the dots those hands were
  // made of.
  Region slowPart_;
  std::vector<DotBox> hourDots_, minuteDots_;
  int scale_ = 1;
};
