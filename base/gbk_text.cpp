#include "base/gbk_text.h"

#include <cstring>
#include <vector>

namespace gbk {
namespace {

// Length of the character that starts at text[i] (text[i] is not the terminator).
size_t CharLength(const char* text, size_t i, LeadByteRule isLead) {
  return isLead(static_cast<unsigned char>(text[i])) && text[i + 1] != '\0' ? 2 : 1;
}

// Offset of the last character of text (text is not empty).
size_t LastCharOffset(const char* text, LeadByteRule isLead) {
  size_t last = 0;
  for (size_t i = 0; text[i] != '\0'; i += CharLength(text, i, isLead)) last = i;
  return last;
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

size_t FitLength(const char* text, size_t maxBytes, LeadByteRule isLead) {
  if (!text) return 0;
  size_t i = 0;
  while (text[i] != '\0') {
    const size_t step = CharLength(text, i, isLead);
    if (i + step > maxBytes) break;
    i += step;
  }
  return i;
}

size_t CopyText(char* out, size_t outSize, const char* text, LeadByteRule isLead) {
  if (!out || outSize == 0) return 0;
  const size_t length = FitLength(text, outSize - 1, isLead);
  if (length > 0) std::memcpy(out, text, length);
  out[length] = '\0';
  return length;
}

size_t DirectoryLength(const char* path, LeadByteRule isLead) {
  if (!path) return 0;
  size_t length = 0;
  for (size_t i = 0; path[i] != '\0'; i += CharLength(path, i, isLead))
    if (IsSeparator(path[i])) length = i + 1;
  return length;
}

bool EndsWithSeparator(const char* path, LeadByteRule isLead) {
  if (!path || path[0] == '\0') return false;
  const char* last = path + LastCharOffset(path, isLead);
  return last[1] == '\0' && IsSeparator(*last);
}

bool JoinPath(const char* dir, const char* name, char separator, char* out, size_t outSize, LeadByteRule isLead) {
  if (!out || outSize == 0) return false;
  out[0] = '\0';
  if (!dir) dir = "";
  if (!name) name = "";
  const size_t dirLength = std::strlen(dir);
  const bool addSeparator = !EndsWithSeparator(dir, isLead);
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

std::string ShortenPath(const std::string& path, size_t maxBytes, LeadByteRule isLead) {
  if (maxBytes < 8) maxBytes = 8;
  if (path.size() <= maxBytes) return path;
  static const char kEllipsis[] = "...";
  const size_t room = maxBytes - (sizeof kEllipsis - 1);
  // Where each character starts, and which of them are separators.
  const char* text = path.c_str();
  std::vector<size_t> starts;
  std::vector<size_t> separators;
  for (size_t i = 0; i < path.size(); i += CharLength(text, i, isLead)) {
    starts.push_back(i);
    if (IsSeparator(text[i])) separators.push_back(i);
  }
  // The root ("C:\\") stays where it takes at most half the room; at least
  // the first character does.
  size_t root = separators.empty() ? 0 : separators[0] + 1;
  if (root > room / 2) root = 0;
  const size_t tailRoom = room - (root > 0 ? root : 1);
  // The end: from the earliest separator whose tail fits beside the root;
  // else the last bytes of the name that fit.
  size_t tail = path.size();
  for (size_t k = separators.size(); k-- > 0;) {
    if (path.size() - separators[k] > tailRoom) break;
    tail = separators[k];
  }
  if (tail == path.size()) {
    for (size_t start : starts) {
      if (path.size() - start <= tailRoom) {
        tail = start;
        break;
      }
    }
  }
  // The beginning: up to the last separator (kept) that fits beside the end,
  // else as many whole characters as fit.
  const size_t headRoom = room - (path.size() - tail);
  size_t head = 0;
  for (size_t sep : separators)
    if (sep + 1 <= headRoom && sep < tail) head = sep + 1;
  if (head == 0) head = FitLength(text, headRoom, isLead);
  return path.substr(0, head) + kEllipsis + path.substr(tail);
}

}  // namespace gbk
