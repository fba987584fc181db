// An edit that holds no more bytes than the field its text goes to: what is
// left of a change (typed or pasted) that would make the text too long.
#pragma once
#include <cstddef>
#include <string>

struct FittedEdit {
  std::string text;  // what the edit is to hold
  size_t caret = 0;  // bytes of text before the caret: the end of what was kept of the insertion
  bool cut = false;  // the change was too long; text and caret differ from after
};

// before is the text the edit held (within maxBytes), after what it holds
// now. When after is too long, the part of it that differs from before (the
// insertion, or what replaced a selection) is cut to what fits, without
// splitting a two-byte character; the text around it stays as it was. A text
// too long that shares nothing with before is cut at its end.
FittedEdit FitEditChange(const std::string& before, const std::string& after, size_t maxBytes);
