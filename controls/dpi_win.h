// The DPI windows are shown at and the system's fonts for it, so that texts
// and drawn sizes are neither tiny nor clipped at 125 % to 300 %.
#pragma once
#include <windows.h>

// The DPI the programs' measures are made for (100 %).
constexpr int kDefaultDpi = 96;

// The DPI of the monitor the window is on, where the system tells it per
// window (bound at run time, Windows 10 on), else the screen's: the system's
// DPI, or 96 where the program is not aware of the DPI. window may be null.
int WindowDpi(HWND window);

// A length of px pixels at 96 DPI, at the window's DPI (rounded).
int ScaleToWindow(HWND window, int px);

enum class UiFont { kMenu, kMessage };

// A new font like the system's menu or message-box font at the window's DPI
// (the caller deletes it); null when the system does not tell its fonts.
HFONT CreateUiFont(UiFont which, HWND window);
