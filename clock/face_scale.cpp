#include "clock/face_scale.h"

#include <algorithm>

int EffectiveFaceScale(int setting, int dpi) {
  if (setting >= 1 && setting <= kMaxChosenFaceScale) return setting;
  return FaceScaleForDpi(dpi);
}

void ExpandCellSpans(const std::vector<RowSpan>& cells, int k, int width, int height, std::vector<RowSpan>& out) {
  for (const RowSpan& s : cells) {
    const int left = s.left * k;
    const int right = std::min(s.right * k, width);
    if (left >= right) continue;
    for (int y = s.y * k; y < std::min((s.y + 1) * k, height); ++y) out.push_back(RowSpan{y, left, right});
  }
}
