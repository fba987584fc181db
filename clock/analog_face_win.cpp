#include "clock/analog_face_win.h"

namespace {

HRGN EmptyRegion() { return CreateRectRgn(0, 0, 0, 0); }

// Adds the elliptic dot of box to region.
void AddDot(HRGN region, const DotBox& box) {
  Region dot(CreateEllipticRgn(box.left, box.top, box.right, box.bottom));
  if (dot) CombineRgn(region, region, dot.get(), RGN_OR);
}

// A new region of the dots; null when the system cannot make one.
Region DotsRegion(const std::vector<DotBox>& dots) {
  Region region(EmptyRegion());
  if (region)
    for (const DotBox& box : dots) AddDot(region.get(), box);
  return region;
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
  // The kept hands were joined to the previous dial.
  slowPart_.Reset();
  if (!dial_ || !hourMarks_ || !minuteMarks_) return;
  AddDot(dial_.get(), CenterDot(scale_));
  AddDot(hourMarks_.get(), CenterDot(scale_));
  for (const DialMark& mark : DialMarks(scale_)) {
    AddDot(dial_.get(), mark.box);
    AddDot(mark.hourMark ? hourMarks_.get() : minuteMarks_.get(), mark.box);
  }
}

bool AnalogFace::BuildSlowHands(const std::vector<DotBox>& hourDots, const std::vector<DotBox>& minuteDots) {
  slowPart_.Reset(EmptyRegion());
  hourHand_ = DotsRegion(hourDots);
  minuteHand_ = DotsRegion(minuteDots);
  if (!slowPart_ || !hourHand_ || !minuteHand_) {
    slowPart_.Reset();
    return false;
  }
  if (dial_) CombineRgn(slowPart_.get(), slowPart_.get(), dial_.get(), RGN_OR);
  CombineRgn(slowPart_.get(), slowPart_.get(), hourHand_.get(), RGN_OR);
  CombineRgn(slowPart_.get(), slowPart_.get(), minuteHand_.get(), RGN_OR);
  hourDots_ = hourDots;
  minuteDots_ = minuteDots;
  return true;
}

Region AnalogFace::BuildHands(int hour, int minute, int second) {
  const std::vector<DotBox> hourDots = HandDots(HandKind::kHour, hour, minute, second, scale_);
  const std::vector<DotBox> minuteDots = HandDots(HandKind::kMinute, hour, minute, second, scale_);
  if ((!slowPart_ || hourDots != hourDots_ || minuteDots != minuteDots_) && !BuildSlowHands(hourDots, minuteDots))
    return Region();
  secondHand_ = DotsRegion(HandDots(HandKind::kSecond, hour, minute, second, scale_));
  Region outline(EmptyRegion());
  if (!outline || !secondHand_) return Region();
  CombineRgn(outline.get(), slowPart_.get(), secondHand_.get(), RGN_OR);
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
  slowPart_.Reset();
  hourDots_.clear();
  minuteDots_.clear();
  dial_.Reset();
  hourMarks_.Reset();
  minuteMarks_.Reset();
  hourHand_.Reset();
  minuteHand_.Reset();
  secondHand_.Reset();
}

void AnalogFace::AppendObjects(std::vector<HGDIOBJ>& out) const {
  for (const Region* r : {&dial_, &hourMarks_, &minuteMarks_, &hourHand_, &minuteHand_, &secondHand_, &slowPart_})
    if (*r) out.push_back(r->get());
}
