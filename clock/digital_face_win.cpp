#include "clock/digital_face_win.h"

#include "base/bitmap_file_win.h"
#include "clock/face_geometry.h"
#include "clock/skin_region_win.h"
#include "controls/picture_scale_win.h"

Bitmap DigitalFace::LoadSkin(const char* path, int k) { return LoadScaledPicture(path, k); }

void DigitalFace::Release() {
  DropCanvas();
  background_.Reset();
  digits_.Reset();
}

void DigitalFace::AppendObjects(std::vector<HGDIOBJ>& out) const {
  for (const Bitmap* b : {&background_, &digits_, &canvas_})
    if (*b) out.push_back(b->get());
  for (const MemoryDC* dc : {&canvasDc_, &backgroundDc_, &stripDc_})
    if (*dc) out.push_back(dc->get());
}

SIZE DigitalFace::BackgroundSize() const {
  BITMAP bm{};
  if (!background_ || !GetObjectA(background_.get(), sizeof bm, &bm)) return SIZE{0, 0};
  return SIZE{bm.bmWidth, bm.bmHeight};
}

Region DigitalFace::Outline() {
  const SIZE s = BackgroundSize();
  if (!background_) return Region();
  // The scan may move the digit origin.
  DropCanvas();
  return Region(SkinRegion(background_.get(), s.cx, s.cy, &digitOrigin_, scale_));
}

bool DigitalFace::MakeCanvas(HDC dc, SIZE size) {
  canvasDc_.Reset(CreateCompatibleDC(dc));
  backgroundDc_.Reset(CreateCompatibleDC(dc));
  stripDc_.Reset(CreateCompatibleDC(dc));
  canvas_.Reset(CreateCompatibleBitmap(dc, size.cx, size.cy));
  canvasDcDefault_ = canvasDc_ && canvas_ ? SelectObject(canvasDc_.get(), canvas_.get()) : nullptr;
  if (!canvasDcDefault_ || canvasDcDefault_ == HGDI_ERROR || !backgroundDc_ || !stripDc_) {
    canvasDcDefault_ = nullptr;
    DropCanvas();
    return false;
  }
  canvasSize_ = size;
  piecesDrawn_ = false;
  SelectGuard selectBackground(backgroundDc_.get(), background_.get());
  // Black where the background does not reach, as the pieces are redrawn on.
  PatBlt(canvasDc_.get(), 0, 0, size.cx, size.cy, BLACKNESS);
  BitBlt(canvasDc_.get(), 0, 0, size.cx, size.cy, backgroundDc_.get(), 0, 0, SRCCOPY);
  return true;
}

void DigitalFace::DropCanvas() {
  // The canvas bitmap is let go by its surface before it is deleted.
  if (canvasDcDefault_) SelectObject(canvasDc_.get(), canvasDcDefault_);
  canvasDcDefault_ = nullptr;
  canvas_.Reset();
  canvasDc_.Reset();
  backgroundDc_.Reset();
  stripDc_.Reset();
  canvasSize_ = SIZE{0, 0};
  piecesDrawn_ = false;
}

void DigitalFace::Paint(HDC dc, SIZE size, const LocalTime& time) {
  if (!background_ || !digits_) return;
  if (!canvas_ || canvasSize_.cx != size.cx || canvasSize_.cy != size.cy) {
    DropCanvas();
    if (!MakeCanvas(dc, size)) return;
  }
  const std::array<DigitPiece, kDigitPieceCount> pieces = DigitLayout(time.wHour, time.wMinute, time.wSecond, scale_);
  const int height = kDigitAreaHeight * scale_;
  {
    SelectGuard selectBackground(backgroundDc_.get(), background_.get());
    SelectGuard selectDigits(stripDc_.get(), digits_.get());
    for (size_t i = 0; i < pieces.size(); ++i) {
      const DigitPiece& piece = pieces[i];
      const DigitPiece& before = drawn_[i];
      if (piecesDrawn_ && before.destX == piece.destX && before.width == piece.width &&
          before.sourceX == piece.sourceX)
        continue;
      const int x = digitOrigin_.x + piece.destX, y = digitOrigin_.y;
      // A fresh canvas's black and the background first, so that the piece
      // lies on exactly what a composition from scratch would have under it,
      // also where the piece reaches past the background.
      if (piecesDrawn_) {
        PatBlt(canvasDc_.get(), x, y, piece.width, height, BLACKNESS);
        BitBlt(canvasDc_.get(), x, y, piece.width, height, backgroundDc_.get(), x, y, SRCCOPY);
      }
      BitBlt(canvasDc_.get(), x, y, piece.width, height, stripDc_.get(), piece.sourceX, 0, SRCCOPY);
    }
  }
  drawn_ = pieces;
  piecesDrawn_ = true;
  BitBlt(dc, 0, 0, size.cx, size.cy, canvasDc_.get(), 0, 0, SRCCOPY);
}
