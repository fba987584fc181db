#include "controls/link_command.h"

#include <cstring>

#include "base/gbk_text.h"

namespace hyperlink {

void TargetFromText(const char* text, char* target) { gbk::CopyText(target, kTargetSize, text); }

Align AlignmentOf(uint32_t style) {
  if (style & 0x2) return Align::Right;
  if (style & 0x1) return Align::Center;
  return Align::Left;
}

HoverStep TrackHover(bool hover, bool inside) {
  HoverStep step;
  if (!hover) {
    step.hover = true;
    step.redraw = true;
    step.capture = true;
  } else if (inside) {
    step.hover = true;
  } else {
    step.redraw = true;
    step.release = true;
  }
  return step;
}

namespace {

// The offset of the first occurrence of pattern in text that starts on a
// character boundary, or -1.
long FindCharacterwise(const char* text, const char* pattern) {
  const size_t n = std::strlen(pattern);
  for (size_t i = 0; text[i] != '\0';) {
    if (std::strncmp(text + i, pattern, n) == 0) return static_cast<long>(i);
    i += (gbk::IsLeadByte(static_cast<unsigned char>(text[i])) && text[i + 1] != '\0') ? 2 : 1;
  }
  return -1;
}

}  // namespace

bool BuildOpenCommand(const char* registered, const char* target, char* out, size_t outSize) {
  if (!out || outSize == 0) return false;
  out[0] = '\0';
  if (!registered) registered = "";
  if (!target) target = "";
  size_t keep = std::strlen(registered);
  long at = FindCharacterwise(registered, "\"%1\"");
  if (at < 0) at = FindCharacterwise(registered, "%1");
  if (at >= 0) keep = static_cast<size_t>(at);
  const size_t targetLength = std::strlen(target);
  if (keep + 1 + targetLength + 1 > outSize) return false;
  std::memcpy(out, registered, keep);
  out[keep] = ' ';
  std::memcpy(out + keep + 1, target, targetLength + 1);
  return true;
}

}  // namespace hyperlink
