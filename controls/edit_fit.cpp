#include "controls/edit_fit.h"

#include <vector>

#include "base/gbk_text.h"

FittedEdit FitEditChange(const std::string& before, const std::string& after, size_t maxBytes) {
  FittedEdit fitted;
  if (after.size() <= maxBytes) {
    fitted.text = after;
    fitted.caret = after.size();
    return fitted;
  }
  fitted.cut = true;
  // The character starts of after; a position is a boundary when it is in here.
  std::vector<bool> boundary(after.size() + 1, false);
  for (size_t i = 0; i < after.size();) {
    boundary[i] = true;
    i += gbk::IsLeadByte(static_cast<unsigned char>(after[i])) && i + 1 < after.size() ? 2 : 1;
  }
  boundary[after.size()] = true;
  // The common beginning, ending on a character boundary of after.
  size_t prefix = 0;
  while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
  while (prefix > 0 && !boundary[prefix]) --prefix;
  // The common end, not reaching into the beginning, starting on a boundary.
  size_t suffix = 0;
  const size_t most = (before.size() < after.size() ? before.size() : after.size()) - prefix;
  while (suffix < most && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) ++suffix;
  while (suffix > 0 && !boundary[after.size() - suffix]) --suffix;
  if (prefix + suffix > maxBytes) {
    // Nothing of the change can stay and the rest is too long as well.
    const size_t keep = gbk::FitLength(after.c_str(), maxBytes);
    fitted.text = after.substr(0, keep);
    fitted.caret = keep;
    return fitted;
  }
  const std::string inserted = after.substr(prefix, after.size() - suffix - prefix);
  const size_t keep = gbk::FitLength(inserted.c_str(), maxBytes - prefix - suffix);
  fitted.text = after.substr(0, prefix) + inserted.substr(0, keep) + after.substr(after.size() - suffix);
  fitted.caret = prefix + keep;
  return fitted;
}
