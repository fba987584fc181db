// Base class of the framework's own windows. The object is handed to its window
// at creation (per-thread hand-over entry under the module lock) and from the
// first message on sees every message through its message map; what the map
// does not handle goes to DefWindowProcA.
#pragma once
#include <windows.h>

#include "controls/message_map_win.h"

class Window : public MessageTarget {
 public:
  struct ClassSpec {
    const char* kind;  // short name the generated class name is built from
    UINT style;
    HCURSOR cursor;
    HBRUSH background;
  };

  Window() = default;
  // A window still alive is detached from the object and destroyed.
  ~Window() override;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND hwnd() const { return hwnd_; }

  // Registers the class on first use and creates the window; false on failure.
  bool CreateWindowFor(const ClassSpec& cls, DWORD exStyle, const char* text, DWORD style,
                       int x, int y, int width, int height, HWND parent, HMENU menu);

 protected:
  virtual LRESULT DefaultProc(UINT msg, WPARAM w, LPARAM l);
  // Called after the window's last message (WM_NCDESTROY); hwnd() is null then.
  virtual void OnFinalMessage() {}

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM w, LPARAM l);
  HWND hwnd_ = nullptr;
};
