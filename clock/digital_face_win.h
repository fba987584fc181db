// The digital face: a background bitmap whose outline shapes the window and
// a strip of digit images copied onto it at the digit origin scanned from the
// background.
#pragma once
#include <windows.h>

#include <vector>

#include <utility>

#include "base/local_time.h"
#include "controls/handles_win.h"

class DigitalFace {
 public:
  // A skin bitmap file as a bitmap; null when the file is missing, damaged or
  // cannot be loaded.
  static Bitmap LoadSkin(const char* path);
  void SetBackground(Bitmap background) { background_ = std::move(background); }
  void SetDigitStrip(Bitmap digits) { digits_ = std::move(digits); }
  // Deletes both bitmaps (the face is no longer shown).
  void Release();
  // Appends the bitmaps it holds (for leak checks).
  void AppendObjects(std::vector<HGDIOBJ>& out) const {
    if (background_) out.push_back(background_.get());
    if (digits_) out.push_back(digits_.get());
  }

  bool HasBackground() const { return static_cast<bool>(background_); }
  bool HasDigitStrip() const { return static_cast<bool>(digits_); }
  // The background's size; 0 x 0 without one.
  SIZE BackgroundSize() const;
  // The background's outline (every pixel of the colour at (0, 0) cut away)
  // as a new region; also scans the digit origin again. Null on failure.
  Region Outline();
  // Where the digits go on the background (the first black-bordered digit
  // area; it stays where it was when the background has none).
  POINT DigitOrigin() const { return digitOrigin_; }
  // Draws background and digits of time into dc, composed in memory and
  // copied once; nothing without both bitmaps.
  void Paint(HDC dc, SIZE size, const LocalTime& time) const;

 private:
  Bitmap background_;
  Bitmap digits_;
  POINT digitOrigin_{0, 0};
};
