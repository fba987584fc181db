#include "controls/dpi_win.h"

#include "controls/handles_win.h"

namespace {

int ScreenDpi() {
  WindowDC screen(nullptr);
  const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : kDefaultDpi;
}

}  // namespace

int WindowDpi(HWND window) {
  typedef UINT(WINAPI * DpiForWindowFn)(HWND);
  if (window) {
    // user32 is loaded in every program that has windows.
    if (HMODULE user32 = GetModuleHandleA("user32.dll")) {
      if (auto forWindow = EntryAs<DpiForWindowFn>(GetProcAddress(user32, "GetDpiForWindow"))) {
        const UINT dpi = forWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
      }
    }
  }
  return ScreenDpi();
}

int ScaleToWindow(HWND window, int px) { return MulDiv(px, WindowDpi(window), kDefaultDpi); }

HFONT CreateUiFont(UiFont which, HWND window) {
  // The record as every system since Windows 95 knows it; newer systems
  // accept the shorter record too.
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
  LOGFONTA font = which == UiFont::kMenu ? metrics.lfMenuFont : metrics.lfMessageFont;
  // The metrics are those of the system's DPI; a window on a monitor of
  // another DPI gets the font at its own.
  const int systemDpi = ScreenDpi(), dpi = WindowDpi(window);
  if (dpi != systemDpi) font.lfHeight = MulDiv(font.lfHeight, dpi, systemDpi);
  return CreateFontIndirectA(&font);
}
