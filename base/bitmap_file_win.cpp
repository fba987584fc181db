#include "base/bitmap_file_win.h"

#include "base/bitmap_file_check.h"

bool BitmapFileLoadable(const char* path) {
  if (!path || !path[0]) return false;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD sizeHigh = 0;
  const DWORD sizeLow = GetFileSize(file, &sizeHigh);
  uint8_t header[kBitmapHeaderBytes] = {};
  DWORD read = 0;
  const bool ok = sizeLow != INVALID_FILE_SIZE && ReadFile(file, header, sizeof header, &read, nullptr);
  CloseHandle(file);
  if (!ok) return false;
  return BitmapFileIsComplete(header, read, (static_cast<uint64_t>(sizeHigh) << 32) | sizeLow);
}

HBITMAP LoadBitmapFile(const char* path, UINT extraFlags) {
  if (!BitmapFileLoadable(path)) return nullptr;
  return static_cast<HBITMAP>(
      LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION | extraFlags));
}
