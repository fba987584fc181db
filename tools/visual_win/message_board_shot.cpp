// Visual checks: draws a message board into a BMP file for a person to look
// at, one second into its countdown and with the pointer over its close box.
// The board shows the picture file given (its size), or no picture.
// Usage: message_board_shot OUT.bmp [PICTURE.bmp]
#include <windows.h>

#include <cstdio>
#include <utility>

#include "controls/handles_win.h"
#include "reminders/message_board_win.h"
#include "tests/support/dib_surface.h"

namespace {

// Draws the board owned by owner; false with a message when that fails.
bool DrawBoard(HWND owner, Bitmap picture, const char* out) {
  MessageBoard board;
  if (!board.Create(owner, "喝水提醒", "该起来活动一下了：喝杯水，看看远处。\r\n第二行的文字。", std::move(picture), 30)) {
    std::fprintf(stderr, "message_board_shot: the board's window could not be created\n");
    return false;
  }
  // Only the tick sent here counts, not the board's own timer.
  KillTimer(board.hwnd(), kMessageBoardTimerId);
  SendMessageA(board.hwnd(), WM_TIMER, kMessageBoardTimerId, 0);
  SendMessageA(board.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(308, 14));
  RECT client{};
  GetClientRect(board.hwnd(), &client);
  DibSurface surface(client.right, client.bottom, RGB(0, 0, 0));
  if (!surface.ok()) {
    std::fprintf(stderr, "message_board_shot: no memory surface of %ld x %ld\n", client.right, client.bottom);
    return false;
  }
  board.Paint(surface.dc());
  if (!surface.Save(out)) {
    std::fprintf(stderr, "message_board_shot: cannot write %s\n", out);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: message_board_shot OUT.bmp [PICTURE.bmp]\n");
    return 2;
  }
  Bitmap picture;
  if (argc == 3) {
    picture.Reset(static_cast<HBITMAP>(
        LoadImageA(nullptr, argv[2], IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    if (!picture) {
      std::fprintf(stderr, "message_board_shot: cannot load the picture %s\n", argv[2]);
      return 1;
    }
  }
  HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  if (!owner) {
    std::fprintf(stderr, "message_board_shot: no owner window\n");
    return 1;
  }
  const bool ok = DrawBoard(owner, std::move(picture), argv[1]);
  DestroyWindow(owner);
  if (ok) std::printf("message_board_shot: wrote %s\n", argv[1]);
  return ok ? 0 : 1;
}
