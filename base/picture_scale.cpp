#include "base/picture_scale.h"

#include <algorithm>
#include <cstring>

#include "base/gbk_text.h"

int FaceScaleForDpi(int dpi) {
  if (dpi <= kBaseDpi) return 1;
  // Nearest whole number, a half rounded up; computed before the cap so that
  // no large DPI overflows.
  const int k = dpi / kBaseDpi + (dpi % kBaseDpi >= kBaseDpi / 2 ? 1 : 0);
  return std::min(std::max(k, 1), kMaxFaceScale);
}

bool ScaledPictureName(const char* path, int k, char* out, size_t outSize) {
  if (!out || outSize == 0) return false;
  out[0] = '\0';
  if (!path || k < 2 || k > 9) return false;
  // The extension's dot is the last one in the file name itself, not one in
  // a directory's name; the name part starts after the last separator.
  const size_t nameStart = gbk::DirectoryLength(path);
  const size_t length = std::strlen(path);
  size_t dot = length;
  for (size_t i = nameStart; i < length; ++i) {
    if (gbk::IsLeadByte(static_cast<unsigned char>(path[i])) && i + 1 < length) {
      ++i;
      continue;
    }
    if (path[i] == '.') dot = i;
  }
  const char suffix[4] = {'@', static_cast<char>('0' + k), 'x', '\0'};
  if (length + 3 + 1 > outSize) return false;
  std::memcpy(out, path, dot);
  std::memcpy(out + dot, suffix, 3);
  std::memcpy(out + dot + 3, path + dot, length - dot + 1);
  return true;
}

void EnlargePixels(const uint32_t* pixels, int width, int height, std::ptrdiff_t stride, int k, uint32_t* out) {
  const std::ptrdiff_t outWidth = static_cast<std::ptrdiff_t>(width) * k;
  for (int y = 0; y < height; ++y) {
    const uint32_t* src = pixels + y * stride;
    uint32_t* first = out + static_cast<std::ptrdiff_t>(y) * k * outWidth;
    uint32_t* d = first;
    for (int x = 0; x < width; ++x)
      for (int i = 0; i < k; ++i) *d++ = src[x];
    for (int i = 1; i < k; ++i) std::memcpy(first + i * outWidth, first, static_cast<size_t>(outWidth) * 4);
  }
}
