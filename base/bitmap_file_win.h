// Loading bitmap files (skins, digit strips, pictures) only when they hold all
// the pixels their headers promise; a truncated or damaged file counts as a
// file that cannot be loaded instead of making the system's loader read past
// its end.
#pragma once
#include <windows.h>

// True when path names a bitmap file whose pixel data lies wholly inside it.
bool BitmapFileLoadable(const char* path);

// LoadImage of a checked file as a DIB section, with extra LR_* flags; null
// when the file is missing, damaged or cannot be loaded.
HBITMAP LoadBitmapFile(const char* path, UINT extraFlags = 0);
