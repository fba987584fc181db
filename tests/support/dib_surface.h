// A 32-bit top-down memory surface for drawing tests: read pixels back as
// COLORREF values, find where a colour was drawn, and save the picture as a
// BMP file for a person to look at.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "tests/support/bmp_bytes.h"

class DibSurface {
 public:
  DibSurface(int width, int height, COLORREF fill) : width_(width), height_(height) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<uint32_t*>(bits);
    dc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc_, bitmap_);
    Fill(fill);
  }
  ~DibSurface() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;

  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }
  int width() const { return width_; }
  int height() const { return height_; }
  bool ok() const { return bits_ != nullptr && dc_ != nullptr; }

  void Fill(COLORREF c) {
    GdiFlush();
    for (int i = 0; i < width_ * height_; ++i) bits_[i] = ToPixel(c);
  }
  COLORREF At(int x, int y) const {
    GdiFlush();
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    return FromPixel(bits_[y * width_ + x]);
  }
  // Number of pixels of colour c inside r.
  int Count(const RECT& r, COLORREF c) const {
    GdiFlush();
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (At(x, y) == c) ++n;
    return n;
  }
  // Number of pixels inside r that are not colour c.
  int CountOther(const RECT& r, COLORREF c) const { return (r.right - r.left) * (r.bottom - r.top) - Count(r, c); }
  // Bounding box of the pixels inside r that are not colour c (empty when none).
  RECT BoundsOfOther(const RECT& r, COLORREF c) const {
    RECT box{r.right, r.bottom, r.left, r.top};
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (At(x, y) != c) {
          if (x < box.left) box.left = x;
          if (y < box.top) box.top = y;
          if (x + 1 > box.right) box.right = x + 1;
          if (y + 1 > box.bottom) box.bottom = y + 1;
        }
    if (box.right <= box.left) box = RECT{0, 0, 0, 0};
    return box;
  }
  // Writes a 24-bit BMP file; false when it cannot be written.
  bool Save(const std::string& path) const {
    GdiFlush();
    return WriteBytes(path, BmpBytes(width_, height_, [this](int x, int y) { return FromPixel(bits_[y * width_ + x]); }));
  }

 private:
  static uint32_t ToPixel(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }
  static COLORREF FromPixel(uint32_t p) { return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }

  int width_, height_;
  HBITMAP bitmap_ = nullptr;
  uint32_t* bits_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
};
