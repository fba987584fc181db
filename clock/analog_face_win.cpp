#include "clock/analog_face_win.h"

#include "clock/face_geometry.h"

namespace {

HRGN EmptyRegion() { return CreateRectRgn(0, 0, 0, 0); }

// Adds the elliptic dot of box to region.
void AddDot(HRGN region, const DotBox& box) {
  Region dot(CreateEllipticRgn(box.left, box.top, box.right, box.bottom));
  if (dot) CombineRgn(region, region, dot.get(), RGN_OR);
}

void FillRegionWith(HDC dc, HRGN region, COLORREF colour) {
  if (!region) return;
  Brush brush(CreateSolidBrush(colour));
  FillRgn(dc, region, brush.get());
}

}  // namespace

void AnalogFace::BuildDial() {
  dial_.Reset(EmptyRegion());
  hourMarks_.Reset(EmptyRegion());
  minuteMarks_.Reset(EmptyRegion());
  if (!dial_ || !hourMarks_ || !minuteMarks_) return;
  AddDot(dial_.get(), CenterDot());
  AddDot(hourMarks_.get(), CenterDot());
  for (const DialMark& mark : DialMarks()) {
    AddDot(dial_.get(), mark.box);
    AddDot(mark.hourMark ? hourMarks_.get() : minuteMarks_.get(), mark.box);
  }
}

Region AnalogFace::BuildHands(int hour, int minute, int second) {
  Region outline(EmptyRegion());
  if (!outline) return outline;
  if (dial_) CombineRgn(outline.get(), outline.get(), dial_.get(), RGN_OR);
  hourHand_.Reset(EmptyRegion());
  minuteHand_.Reset(EmptyRegion());
  secondHand_.Reset(EmptyRegion());
  const struct {
    HandKind kind;
    Region* region;
  } hands[] = {{HandKind::kHour, &hourHand_}, {HandKind::kMinute, &minuteHand_}, {HandKind::kSecond, &secondHand_}};
  for (const auto& hand : hands) {
    for (const DotBox& box : HandDots(hand.kind, hour, minute, second)) {
      AddDot(outline.get(), box);
      if (*hand.region) AddDot(hand.region->get(), box);
    }
  }
  return outline;
}

void AnalogFace::Paint(HDC dc) const {
  if (!hourHand_ || !minuteHand_ || !secondHand_) return;
  FillRegionWith(dc, hourMarks_.get(), kHourMarkColour);
  FillRegionWith(dc, minuteMarks_.get(), kMinuteMarkColour);
  FillRegionWith(dc, hourHand_.get(), kHourHandColour);
  FillRegionWith(dc, minuteHand_.get(), kMinuteHandColour);
  FillRegionWith(dc, secondHand_.get(), kSecondHandColour);
}

void AnalogFace::Release() {
  dial_.Reset();
  hourMarks_.Reset();
  minuteMarks_.Reset();
  hourHand_.Reset();
  minuteHand_.Reset();
  secondHand_.Reset();
}

void AnalogFace::AppendObjects(std::vector<HGDIOBJ>& out) const {
  for (const Region* r : {&dial_, &hourMarks_, &minuteMarks_, &hourHand_, &minuteHand_, &secondHand_})
    if (*r) out.push_back(r->get());
}
