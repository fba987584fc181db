// The clock window's face operations: drawing the face, loading skins,
// switching between the faces and giving the window its size and outline.
#include "clock/clock_window_win.h"

#include "clock/clock_settings.h"
#include "base/gbk_text.h"
#include "clock/face_geometry.h"
#include "clock/face_scale.h"
#include "controls/dpi_win.h"

void ClockWindow::PaintFace(HDC dc) {
  if (faceMode_ == kFaceAnalog) {
    analog_.Paint(dc);
  } else {
    digital_.Paint(dc, SIZE{faceRect_.right - faceRect_.left, faceRect_.bottom - faceRect_.top}, last_);
  }
}

bool ClockWindow::LoadBackground(const char* path, bool relayout) {
  Bitmap loaded = DigitalFace::LoadSkin(path, faceScale_);
  if (!loaded) return false;
  if (path != backgroundPath_) gbk::CopyText(backgroundPath_, sizeof backgroundPath_, path);
  if (relayout && hwnd()) {
    ShowWindow(hwnd(), SW_HIDE);
    SendMessageA(hwnd(), WM_SETREDRAW, FALSE, 0);
    digital_.SetBackground(std::move(loaded));
    RECT r;
    GetWindowRect(hwnd(), &r);
    SetFaceGeometry(r.left, r.top);
    SendMessageA(hwnd(), WM_SETREDRAW, TRUE, 0);
    ShowFace();
  } else {
    digital_.SetBackground(std::move(loaded));
  }
  return true;
}

bool ClockWindow::LoadDigitStrip(const char* path) {
  Bitmap loaded = DigitalFace::LoadSkin(path, faceScale_);
  if (!loaded) return false;
  if (path != digitPath_) gbk::CopyText(digitPath_, sizeof digitPath_, path);
  if (hwnd()) SendMessageA(hwnd(), WM_SETREDRAW, FALSE, 0);
  digital_.SetDigitStrip(std::move(loaded));
  if (hwnd()) SendMessageA(hwnd(), WM_SETREDRAW, TRUE, 0);
  return true;
}

bool ClockWindow::ApplyAppearance(int mode, const char* backgroundPath, const char* digitPath, bool forced) {
  if (mode == faceMode_ && !forced) return true;
  RECT r{0, 0, 0, 0};
  GetWindowRect(hwnd(), &r);
  // The desktop clock is minimised and restored around the change, with the
  // system's animation; the preview is only hidden.
  if (desktop_) SendMessageA(hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, MAKELPARAM(r.left, r.top));
  ShowWindow(hwnd(), SW_HIDE);
  SendMessageA(hwnd(), WM_SETREDRAW, FALSE, 0);
  const bool bothAnalog = faceMode_ == kFaceAnalog && mode == kFaceAnalog;
  if (faceMode_ != kFaceAnalog) {
    if (mode == kFaceAnalog) {
      digital_.Release();
    } else {
      LoadBackground(backgroundPath, false);
      LoadDigitStrip(digitPath);
    }
  } else if (mode != kFaceAnalog) {
    analog_.Release();
    LoadBackground(backgroundPath, false);
    LoadDigitStrip(digitPath);
  }
  if (!bothAnalog) {
    faceMode_ = static_cast<uint8_t>(mode);
    SetFaceGeometry(r.left, r.top);
  }
  SendMessageA(hwnd(), WM_SETREDRAW, TRUE, 0);
  if (desktop_) {
    ShowWindow(hwnd(), SW_RESTORE);
    SetWindowPos(hwnd(), nullptr, r.left, r.top, faceRect_.right, faceRect_.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  }
  ShowFace();
  return true;
}

// ------------------------------------------------------------ window geometry

void ClockWindow::ShowFace() {
  // The preview shows itself without taking the activation from its dialog.
  ShowWindow(hwnd(), desktop_ ? SW_SHOW : SW_SHOWNA);
}

void ClockWindow::SetFaceGeometry(int x, int y) {
  if (!hwnd()) return;
  if (faceMode_ == kFaceAnalog) {
    const int size = AnalogFaceSize(faceScale_);
    MoveWindow(hwnd(), x, y, size, size, FALSE);
    faceRect_ = {0, 0, size, size};
    analog_.BuildDial();
    return;
  }
  if (!digital_.HasBackground()) return;
  const SIZE s = digital_.BackgroundSize();
  MoveWindow(hwnd(), x, y, s.cx, s.cy, FALSE);
  faceRect_ = {0, 0, s.cx, s.cy};
  Region outline = digital_.Outline();
  // Once given to the window, the region belongs to the system.
  if (outline && SetWindowRgn(hwnd(), outline.get(), FALSE)) windowRegion_ = outline.Release();
}

// ------------------------------------------------------------------ face scale

void ClockWindow::SetFaceScaleSetting(int setting) {
  faceScaleSetting_ = setting;
  if (!hwnd()) {
    // Before creation (the preview): the scale applies to the pictures
    // loaded from now on.
    faceScale_ = EffectiveFaceScale(setting, WindowDpi(nullptr));
    digital_.SetScale(faceScale_);
    analog_.SetScale(faceScale_);
    return;
  }
  RECT r{0, 0, 0, 0};
  GetWindowRect(hwnd(), &r);
  RescaleFace(EffectiveFaceScale(setting, WindowDpi(hwnd())), r.left, r.top);
}

void ClockWindow::FollowDpi(int dpi, const RECT* suggested) {
  if (!hwnd()) return;
  RECT r{0, 0, 0, 0};
  GetWindowRect(hwnd(), &r);
  if (suggested) r = *suggested;
  const int k = EffectiveFaceScale(faceScaleSetting_, dpi);
  if (k != faceScale_) {
    RescaleFace(k, r.left, r.top);
  } else if (suggested) {
    // The face keeps its size; only its place follows the system's choice.
    SetWindowPos(hwnd(), nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void ClockWindow::RescaleFace(int k, int x, int y) {
  if (k == faceScale_) return;
  const int before = faceScale_;
  faceScale_ = k;
  if (faceMode_ == kFaceAnalog) {
    analog_.SetScale(k);
    digital_.SetScale(k);
    SetFaceGeometry(x, y);
    if (last_.wYear) RedrawHands();
    return;
  }
  // Both pictures are loaded for the new scale before either is taken, so a
  // scale whose pictures cannot be made leaves the face as it was.
  Bitmap background = DigitalFace::LoadSkin(backgroundPath_, k);
  Bitmap digits = DigitalFace::LoadSkin(digitPath_, k);
  if (!background || !digits) {
    faceScale_ = before;
    return;
  }
  SendMessageA(hwnd(), WM_SETREDRAW, FALSE, 0);
  digital_.SetScale(k);
  analog_.SetScale(k);
  digital_.SetBackground(std::move(background));
  digital_.SetDigitStrip(std::move(digits));
  SetFaceGeometry(x, y);
  SendMessageA(hwnd(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd(), nullptr, FALSE);
}
