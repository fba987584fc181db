#include "base/gbk_text.h"

#include <cstring>

namespace gbk {
namespace {

// Length of the character that starts at text[i] (text[i] is not the terminator).
size_t CharLength(const char* text, size_t i) {
  return IsLeadByte(static_cast<unsigned char>(text[i])) && text[i + 1] != '\0' ? 2 : 1;
}

// Offset of the last character of text (text is not empty).
size_t LastCharOffset(const char* text) {
  size_t last = 0;
  for (size_t i = 0; text[i] != '\0'; i += CharLength(text, i)) last = i;
  return last;
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

size_t FitLength(const char* text, size_t maxBytes) {
  if (!text) return 0;
  size_t i = 0;
  while (text[i] != '\0') {
    const size_t step = CharLength(text, i);
    if (i + step > maxBytes) break;
    i += step;
  }
  return i;
}

size_t CopyText(char* out, size_t outSize, const char* text) {
  if (!out || outSize == 0) return 0;
  const size_t length = FitLength(text, outSize - 1);
  if (length > 0) std::memcpy(out, text, length);
  out[length] = '\0';
  return length;
}

size_t DirectoryLength(const char* path) {
  if (!path) return 0;
  size_t length = 0;
  for (size_t i = 0; path[i] != '\0'; i += CharLength(path, i))
    if (IsSeparator(path[i])) length = i + 1;
  return length;
}

bool EndsWithSeparator(const char* path) {
  if (!path || path[0] == '\0') return false;
  const char* last = path + LastCharOffset(path);
  return last[1] == '\0' && IsSeparator(*last);
}

bool JoinPath(const char* dir, const char* name, char separator, char* out, size_t outSize) {
  if (!out || outSize == 0) return false;
  out[0] = '\0';
  if (!dir) dir = "";
  if (!name) name = "";
  const size_t dirLength = std::strlen(dir);
  const bool addSeparator = !EndsWithSeparator(dir);
  const size_t nameLength = std::strlen(name);
  const size_t total = dirLength + (addSeparator ? 1 : 0) + nameLength;
  if (total >= outSize) return false;
  char* p = out;
  std::memcpy(p, dir, dirLength);
  p += dirLength;
  if (addSeparator) *p++ = separator;
  std::memcpy(p, name, nameLength);
  p[nameLength] = '\0';
  return true;
}

}  // namespace gbk
