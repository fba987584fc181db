#include "base/dialog_placement.h"

namespace {

int PlaceAxis(int refLow, int refHigh, int size, int areaLow, int areaHigh) {
  // Computed in 64 bits: the rectangles come from the system and can be extreme.
  long long pos = (static_cast<long long>(refLow) + refHigh) / 2 - size / 2;
  if (pos < areaLow)
    pos = areaLow;
  else if (pos + size > areaHigh)
    pos = static_cast<long long>(areaHigh) - size;
  return static_cast<int>(pos);
}

}  // namespace

PlacementPoint PlaceDialog(const PlacementRect& reference, int width, int height,
                           const PlacementRect& workArea) {
  return {PlaceAxis(reference.left, reference.right, width, workArea.left, workArea.right),
          PlaceAxis(reference.top, reference.bottom, height, workArea.top, workArea.bottom)};
}
