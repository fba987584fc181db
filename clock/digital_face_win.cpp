#include "clock/digital_face_win.h"

#include "base/bitmap_file_win.h"
#include "clock/face_geometry.h"
#include "clock/skin_region_win.h"

Bitmap DigitalFace::LoadSkin(const char* path) { return Bitmap(LoadBitmapFile(path, LR_DEFAULTSIZE)); }

void DigitalFace::Release() {
  background_.Reset();
  digits_.Reset();
}

SIZE DigitalFace::BackgroundSize() const {
  BITMAP bm{};
  if (!background_ || !GetObjectA(background_.get(), sizeof bm, &bm)) return SIZE{0, 0};
  return SIZE{bm.bmWidth, bm.bmHeight};
}

Region DigitalFace::Outline() {
  const SIZE s = BackgroundSize();
  if (!background_) return Region();
  return Region(SkinRegion(background_.get(), s.cx, s.cy, &digitOrigin_));
}

void DigitalFace::Paint(HDC dc, SIZE size, const LocalTime& time) const {
  if (!background_ || !digits_) return;
  MemoryDC memory(CreateCompatibleDC(dc));
  Bitmap canvas(CreateCompatibleBitmap(dc, size.cx, size.cy));
  if (!memory || !canvas) return;
  SelectGuard selectCanvas(memory.get(), canvas.get());
  {
    MemoryDC source(CreateCompatibleDC(dc));
    SelectGuard selectBackground(source.get(), background_.get());
    BitBlt(memory.get(), 0, 0, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
  }
  {
    MemoryDC source(CreateCompatibleDC(dc));
    SelectGuard selectDigits(source.get(), digits_.get());
    for (const DigitPiece& piece : DigitLayout(time.wHour, time.wMinute, time.wSecond))
      BitBlt(memory.get(), digitOrigin_.x + piece.destX, digitOrigin_.y, piece.width, kDigitAreaHeight,
             source.get(), piece.sourceX, 0, SRCCOPY);
  }
  BitBlt(dc, 0, 0, size.cx, size.cy, memory.get(), 0, 0, SRCCOPY);
}
