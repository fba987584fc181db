#include "controls/up_down_win.h"

namespace {

WORD Short16(int v) { return static_cast<WORD>(v > 32767 ? 32767 : v); }

}  // namespace

void UpDown::SetRange(int low, int high) {
  SendMessageA(hwnd_, UDM_SETRANGE, 0, MAKELPARAM(Short16(high), Short16(low)));
  SendMessageA(hwnd_, UDM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
}

void UpDown::SetPos(int position) {
  SendMessageA(hwnd_, UDM_SETPOS, 0, MAKELPARAM(Short16(position), 0));
  SendMessageA(hwnd_, UDM_SETPOS32, 0, static_cast<LPARAM>(position));
}
