// The digital face: a background bitmap whose outline shapes the window and
// a strip of digit images copied onto it at the digit origin scanned from the
// background.
#pragma once
#include <windows.h>

#include <array>
#include <utility>
#include <vector>

#include "base/local_time.h"
#include "clock/face_geometry.h"
#include "controls/handles_win.h"

class DigitalFace {
 public:
  DigitalFace() = default;
  ~DigitalFace() { DropCanvas(); }
  DigitalFace(const DigitalFace&) = delete;
  DigitalFace& operator=(const DigitalFace&) = delete;

  // A skin bitmap file as a bitmap for face scale k (the file drawn for the
  // scale, or the file enlarged); null when the file is missing, damaged or
  // cannot be loaded.
  static Bitmap LoadSkin(const char* path, int k = 1);
  // The scale the bitmaps are drawn at: the digit area is found and the
  // digits placed in units of k pixels.
  void SetScale(int k) {
    DropCanvas();
    scale_ = k < 1 ? 1 : k;
  }
  int Scale() const { return scale_; }
  void SetBackground(Bitmap background) {
    DropCanvas();
    background_ = std::move(background);
  }
  void SetDigitStrip(Bitmap digits) {
    DropCanvas();
    digits_ = std::move(digits);
  }
  // Deletes both bitmaps (the face is no longer shown).
  void Release();
  // Appends the bitmaps and drawing surfaces it holds (for leak checks).
  void AppendObjects(std::vector<HGDIOBJ>& out) const;

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
  // copied once; nothing without both bitmaps. The composed face is kept for
  // the next paint, which redraws only the pieces whose digit has changed.
  void Paint(HDC dc, SIZE size, const LocalTime& time);

 private:
  // Makes the kept canvas of size compatible with dc and copies the whole
  // background onto it; false (and no canvas) when the system cannot.
  bool MakeCanvas(HDC dc, SIZE size);
  // Deletes the kept canvas and its drawing surfaces.
  void DropCanvas();

  Bitmap background_;
  Bitmap digits_;
  POINT digitOrigin_{0, 0};
  int scale_ = 1;
  // The face as last composed, while background, strip, digit origin and size
  // stay what they were: the canvas bitmap stays selected into canvasDc_; the
  // background and the strip are selected into the source surfaces only
  // during a paint, so that they can be read or replaced in between.
  MemoryDC canvasDc_, backgroundDc_, stripDc_;
  Bitmap canvas_;
  HGDIOBJ canvasDcDefault_ = nullptr;
  SIZE canvasSize_{0, 0};
  std::array<DigitPiece, kDigitPieceCount> drawn_{};
  bool piecesDrawn_ = false;
};
