#include "base/bitmap_file_win.h"

#include "base/bitmap_file_check.h"

#include <memory>
#include <new>

bool BitmapFileLoadable(const char* path) {
  if (!path || !path[0]) return false;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD sizeHigh = 0;
  const DWORD sizeLow = GetFileSize(file, &sizeHigh);
  uint8_t header[kBitmapHeaderBytes] = {};
  DWORD read = 0;
  bool ok = sizeLow != INVALID_FILE_SIZE && ReadFile(file, header, sizeof header, &read, nullptr) &&
            BitmapFileIsComplete(header, read, (static_cast<uint64_t>(sizeHigh) << 32) | sizeLow);
  // Run-length-coded pixels are checked against the size they claim before
  // the system decodes them. The header check bounds the picture, and with
  // it what the coded data may reasonably take.
  const CodedPixels coded = ok ? CodedPixelsOf(header, read) : CodedPixels();
  if (ok && coded.size > 0) {
    const uint64_t mostBytes = 2 * static_cast<uint64_t>(kMaxBitmapPixels) + 4 * static_cast<uint64_t>(kMaxBitmapSide) + 2;
    ok = coded.size <= mostBytes;
    // Memory running out for the coded data makes it a picture that cannot be loaded.
    std::unique_ptr<uint8_t[]> data(ok ? new (std::nothrow) uint8_t[coded.size] : nullptr);
    ok = ok && data;
    LONG high = static_cast<LONG>(coded.offset >> 32);
    ok = ok && SetFilePointer(file, static_cast<LONG>(coded.offset & 0xFFFFFFFFu), &high, FILE_BEGIN) !=
                   INVALID_SET_FILE_POINTER;
    DWORD got = 0;
    ok = ok && ReadFile(file, data.get(), coded.size, &got, nullptr) && got == coded.size &&
         CodedPixelsFit(data.get(), coded.size, coded.width, coded.height, coded.rle4);
  }
  CloseHandle(file);
  return ok;
}

HBITMAP LoadBitmapFile(const char* path, UINT extraFlags) {
  if (!BitmapFileLoadable(path)) return nullptr;
  return static_cast<HBITMAP>(
      LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION | extraFlags));
}
