// Move-only owners for every kind of Win32 handle the programs create, and a
// guard that puts back what SelectObject replaced. Non-owning window handles
// stay plain HWND.
#pragma once
#include <windows.h>
#include <utility>

namespace handles {

// Number of GDI objects, device contexts, menus, icons and cursors currently
// owned through these types. The platform's own counters are not available
// everywhere (GetGuiResources is missing on Windows 9x), so leak tests use this.
long LiveCount();
// The highest LiveCount since the last ResetPeak (for measurements).
long PeakCount();
void ResetPeak();
void CountAcquire();
void CountRelease();

template <class H, class Traits>
class Owner {
 public:
  Owner() = default;
  explicit Owner(H h) : h_(h) {
    if (h_) CountAcquire();
  }
  ~Owner() { Reset(); }
  Owner(Owner&& o) noexcept : h_(std::exchange(o.h_, H())) {}
  Owner& operator=(Owner&& o) noexcept {
    if (this != &o) {
      Reset();
      h_ = std::exchange(o.h_, H());
    }
    return *this;
  }
  Owner(const Owner&) = delete;
  Owner& operator=(const Owner&) = delete;

  H get() const { return h_; }
  explicit operator bool() const { return h_ != H(); }
  // Gives up ownership (for example when the system takes the handle over).
  H Release() {
    if (h_) CountRelease();
    return std::exchange(h_, H());
  }
  void Reset(H h = H()) {
    if (h_) {
      Traits::Close(h_);
      CountRelease();
    }
    h_ = h;
    if (h_) CountAcquire();
  }

 private:
  H h_ = H();
};

struct GdiTraits { static void Close(HGDIOBJ h) { DeleteObject(h); } };
struct DcTraits { static void Close(HDC h) { DeleteDC(h); } };
struct MenuTraits { static void Close(HMENU h) { DestroyMenu(h); } };
struct IconTraits { static void Close(HICON h) { DestroyIcon(h); } };
struct CursorTraits { static void Close(HCURSOR h) { DestroyCursor(h); } };
struct KeyTraits { static void Close(HKEY h) { RegCloseKey(h); } };
struct LibraryTraits { static void Close(HMODULE h) { FreeLibrary(h); } };
struct KernelTraits { static void Close(HANDLE h) { CloseHandle(h); } };

}  // namespace handles

using Bitmap = handles::Owner<HBITMAP, handles::GdiTraits>;
using Brush = handles::Owner<HBRUSH, handles::GdiTraits>;
using Pen = handles::Owner<HPEN, handles::GdiTraits>;
using Font = handles::Owner<HFONT, handles::GdiTraits>;
using Region = handles::Owner<HRGN, handles::GdiTraits>;
using MemoryDC = handles::Owner<HDC, handles::DcTraits>;
using Menu = handles::Owner<HMENU, handles::MenuTraits>;
using Icon = handles::Owner<HICON, handles::IconTraits>;
using Cursor = handles::Owner<HCURSOR, handles::CursorTraits>;
using RegKey = handles::Owner<HKEY, handles::KeyTraits>;
// Writes text, with its terminating zero, as the string value name of an open key.
inline LONG SetRegistryText(HKEY key, const char* name, const char* text) {
  return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                        static_cast<DWORD>(lstrlenA(text) + 1));
}
using Library = handles::Owner<HMODULE, handles::LibraryTraits>;
// A function found in a library by name (GetProcAddress), as its real type.
template <class Fn>
Fn EntryAs(FARPROC entry) {
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(entry));
}
// A kernel handle; INVALID_HANDLE_VALUE must be turned into null before adoption.
using KernelHandle = handles::Owner<HANDLE, handles::KernelTraits>;

// A window's device context from GetDC, released with its window.
class WindowDC {
 public:
  explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {
    if (dc_) handles::CountAcquire();
  }
  ~WindowDC() {
    if (dc_) {
      ReleaseDC(hwnd_, dc_);
      handles::CountRelease();
    }
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// BeginPaint / EndPaint around one WM_PAINT.
class PaintDC {
 public:
  explicit PaintDC(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
  ~PaintDC() { EndPaint(hwnd_, &ps_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC get() const { return dc_; }
  const PAINTSTRUCT& info() const { return ps_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// Selects an object into a device context and selects the previous one back.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
  ~SelectGuard() {
    if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// SaveDC / RestoreDC around a drawing sequence.
class DcStateGuard {
 public:
  explicit DcStateGuard(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~DcStateGuard() {
    if (saved_) RestoreDC(dc_, saved_);
  }
  DcStateGuard(const DcStateGuard&) = delete;
  DcStateGuard& operator=(const DcStateGuard&) = delete;

 private:
  HDC dc_;
  int saved_;
};
