#include "base/single_instance.h"

#include <cstdint>

#include "base/gbk_text.h"
#include "base/text_format.h"

bool InstanceName(const char* modulePath, char* out, size_t outSize) {
  if (!out || outSize == 0) return false;
  out[0] = '\0';
  if (!modulePath || outSize < kInstanceNameSize) return false;
  const size_t directory = gbk::DirectoryLength(modulePath);
  if (directory == 0) return false;
  // FNV-1a, 64 bits: a collision would only make two clocks in different
  // directories refuse to run side by side.
  uint64_t hash = 1469598103934665603ull;
  for (size_t i = 0; i < directory; ++i) {
    unsigned char c = static_cast<unsigned char>(modulePath[i]);
    if (gbk::IsLeadByte(c) && i + 1 < directory) {
      hash = (hash ^ c) * 1099511628211ull;
      c = static_cast<unsigned char>(modulePath[++i]);
    } else {
      if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 'a' + 'A');
      if (c == '/') c = '\\';
    }
    hash = (hash ^ c) * 1099511628211ull;
  }
  // Through the system's runtime: std::snprintf links the C++ library's own
  // printf family, some 17 KiB.
  FormatText(out, outSize, "Ticora.Instance.%08lX%08lX", static_cast<unsigned long>(hash >> 32),
                static_cast<unsigned long>(hash & 0xFFFFFFFFu));
  return true;
}
