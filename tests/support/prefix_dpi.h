// The DPI the Wine prefix a test runs in is set to.
#pragma once
#include <windows.h>

// The user's LogPixels setting; 96 without one.
inline int PrefixDpi() {
  HKEY key = nullptr;
  DWORD dpi = 96, size = sizeof dpi, type = 0;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_READ, &key) == ERROR_SUCCESS) {
    if (RegQueryValueExA(key, "LogPixels", nullptr, &type, reinterpret_cast<BYTE*>(&dpi), &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
      dpi = 96;
    RegCloseKey(key);
  }
  return static_cast<int>(dpi);
}
