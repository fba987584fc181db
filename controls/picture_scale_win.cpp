#include "controls/picture_scale_win.h"

#include <memory>
#include <new>

#include "base/bitmap_file_win.h"
#include "base/picture_scale.h"
#include "base/program_path.h"

BITMAPINFO Info32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

namespace {

// An enlarged picture larger than this many pixels is not made: a user's
// huge skin at a large scale would otherwise take the memory of the system.
constexpr long long kMaxEnlargedPixels = 16LL * 1024 * 1024;

}  // namespace

HBITMAP EnlargeBitmap(HBITMAP bitmap, int k) {
  BITMAP bm{};
  if (!bitmap || k < 1 || k > kMaxFaceScale || !GetObjectA(bitmap, sizeof bm, &bm)) return nullptr;
  const int w = bm.bmWidth, h = bm.bmHeight;
  if (w <= 0 || h <= 0 || static_cast<long long>(w) * h * k * k > kMaxEnlargedPixels) return nullptr;
  std::unique_ptr<uint32_t[]> pixels(new (std::nothrow) uint32_t[static_cast<size_t>(w) * h]);
  if (!pixels) return nullptr;
  BITMAPINFO info = Info32(w, -h);
  MemoryDC dc(CreateCompatibleDC(nullptr));
  if (!dc || GetDIBits(dc.get(), bitmap, 0, static_cast<UINT>(h), pixels.get(), &info, DIB_RGB_COLORS) != h)
    return nullptr;
  BITMAPINFO bigInfo = Info32(w * k, -(h * k));
  void* bits = nullptr;
  HBITMAP big = CreateDIBSection(dc.get(), &bigInfo, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!big || !bits) {
    if (big) DeleteObject(big);
    return nullptr;
  }
  EnlargePixels(pixels.get(), w, h, w, k, static_cast<uint32_t*>(bits));
  return big;
}

Bitmap LoadScaledPicture(const char* path, int k) {
  if (k <= 1) return Bitmap(LoadBitmapFile(path, LR_DEFAULTSIZE));
  char scaled[kProgramPathSize];
  if (ScaledPictureName(path, k, scaled, sizeof scaled)) {
    Bitmap drawn(LoadBitmapFile(scaled, LR_DEFAULTSIZE));
    if (drawn) return drawn;
  }
  Bitmap original(LoadBitmapFile(path, LR_DEFAULTSIZE));
  if (!original) return Bitmap();
  return Bitmap(EnlargeBitmap(original.get(), k));
}

HBITMAP ShrinkBitmapToFit(HBITMAP bitmap, int maxWidth, int maxHeight) {
  BITMAP bm{};
  if (!bitmap || maxWidth <= 0 || maxHeight <= 0 || !GetObjectA(bitmap, sizeof bm, &bm)) return nullptr;
  const int w = bm.bmWidth, h = bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight;
  if (w <= 0 || h <= 0 || (w <= maxWidth && h <= maxHeight)) return nullptr;
  // The tighter of the two limits decides; the other side follows in proportion.
  int fitW = maxWidth, fitH = MulDiv(h, maxWidth, w);
  if (fitH > maxHeight) {
    fitH = maxHeight;
    fitW = MulDiv(w, maxHeight, h);
  }
  if (fitW < 1 || fitH < 1) return nullptr;
  MemoryDC source(CreateCompatibleDC(nullptr));
  MemoryDC target(CreateCompatibleDC(nullptr));
  if (!source || !target) return nullptr;
  BITMAPINFO info = Info32(fitW, -fitH);
  void* bits = nullptr;
  HBITMAP small = CreateDIBSection(target.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!small) return nullptr;
  {
    SelectGuard from(source.get(), bitmap);
    SelectGuard to(target.get(), small);
    // HALFTONE averages the pixels it drops (NT); where it is not known the
    // default mode still gives the right size.
    if (SetStretchBltMode(target.get(), HALFTONE)) SetBrushOrgEx(target.get(), 0, 0, nullptr);
    StretchBlt(target.get(), 0, 0, fitW, fitH, source.get(), 0, 0, w, h, SRCCOPY);
  }
  return small;
}

HBITMAP SetStaticPicture(HWND control, HBITMAP bitmap) {
  if (!control) return nullptr;
  return reinterpret_cast<HBITMAP>(
      SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}

HBITMAP StaticPicture(HWND control) {
  if (!control) return nullptr;
  return reinterpret_cast<HBITMAP>(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
}
