#include "reminders/missed_board_win.h"

#include <cstdlib>
#include <string>
#include <utility>

#include "base/text_format.h"

namespace {

const char kTitle[] = "错过的提醒";
const COLORREF kCaptionColour = RGB(237, 243, 66);
const COLORREF kTextColour = RGB(48, 48, 246);
const COLORREF kIdleFrameColour = RGB(255, 128, 128);
const COLORREF kPlainStripColour = RGB(36, 52, 112);
const COLORREF kPlainFieldColour = RGB(238, 241, 250);

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
  COLORREF old = SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, "", 0, nullptr);
  SetBkColor(dc, old);
}

}  // namespace

MissedBoard::MissedBoard() {
  OnMessage<WM_CREATE>(&MissedBoard::OnCreate);
  OnMessage<WM_PAINT>(&MissedBoard::OnPaint);
  OnMessage<WM_ERASEBKGND>(&MissedBoard::OnEraseBackground);
  OnMessage<WM_LBUTTONDOWN>(&MissedBoard::OnLeftButtonDown);
  OnMessage<WM_LBUTTONUP>(&MissedBoard::OnLeftButtonUp);
  OnMessage<WM_MOUSEMOVE>(&MissedBoard::OnMouseMove);
  OnMessage<WM_MOUSEACTIVATE>(&MissedBoard::OnMouseActivate);
  OnMessage<WM_CLOSE>(&MissedBoard::OnClose);
}

MissedBoard::~MissedBoard() {
  if (hwnd()) DestroyWindow(hwnd());
}

bool MissedBoard::Open(HWND owner, const std::vector<MissedReminder>& missed, Bitmap picture) {
  items_.clear();
  MergeMissed(items_, missed);
  picture_ = std::move(picture);
  // Placed like the message boards, a line lower so that it does not hide one.
  const int x = (GetSystemMetrics(SM_CXFULLSCREEN) - kWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYFULLSCREEN) - kHeight) / 2 + kHeight / 2;
  static const ClassSpec kClass = {"MissedBoard", CS_HREDRAW | CS_VREDRAW, LoadCursor(nullptr, IDC_ARROW),
                                   reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)};
  if (!CreateWindowFor(kClass, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kTitle, WS_POPUP, x, y, kWidth, kHeight, owner,
                       nullptr))
    return false;
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  return true;
}

void MissedBoard::Add(const std::vector<MissedReminder>& missed) {
  MergeMissed(items_, missed);
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void MissedBoard::Close() {
  if (hwnd()) DestroyWindow(hwnd());
  picture_.Reset();
  items_.clear();
}

std::vector<std::string> MissedBoard::Lines() const {
  const size_t fit = (kListRect.bottom - kListRect.top) / kLineHeight;
  std::vector<std::string> lines;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_.size() > fit && lines.size() + 1 == fit) {
      char more[48];
      FormatText(more, sizeof more, "……另有 %u 条", static_cast<unsigned>(items_.size() - i));
      lines.push_back(more);
      break;
    }
    char line[400];
    FormatMissedLine(items_[i], line, sizeof line);
    lines.push_back(line);
  }
  return lines;
}

bool MissedBoard::OnCreate(const CREATESTRUCTA&) { return true; }

bool MissedBoard::OnEraseBackground(HDC) { return true; }

void MissedBoard::OnPaint() {
  PaintDC paint(hwnd());
  RECT client{};
  GetClientRect(hwnd(), &client);
  MemoryDC memory(CreateCompatibleDC(paint.get()));
  Bitmap surface(memory ? CreateCompatibleBitmap(paint.get(), client.right, client.bottom) : nullptr);
  if (!memory || !surface) {
    Paint(paint.get());
    return;
  }
  SelectGuard select(memory.get(), surface.get());
  Paint(memory.get());
  BitBlt(paint.get(), 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
}

void MissedBoard::Paint(HDC dc) {
  RECT client{0, 0, kWidth, kHeight};
  DcStateGuard state(dc);
  if (picture_) {
    MemoryDC source(CreateCompatibleDC(dc));
    if (source) {
      SelectGuard select(source.get(), picture_.get());
      BitBlt(dc, 0, 0, client.right, client.bottom, source.get(), 0, 0, SRCCOPY);
    }
  } else {
    FillSolid(dc, client, kPlainFieldColour);
    FillSolid(dc, RECT{0, 0, client.right, 28}, kPlainStripColour);
  }
  HFONT guiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTA lf{};
  GetObjectA(guiFont, sizeof lf, &lf);
  lf.lfWeight = FW_BOLD;
  Font bold(CreateFontIndirectA(&lf));
  SetBkMode(dc, TRANSPARENT);
  {
    SelectGuard select(dc, bold ? static_cast<HGDIOBJ>(bold.get()) : guiFont);
    SetTextColor(dc, kCaptionColour);
    RECT r = kCaptionRect;
    DrawTextA(dc, kTitle, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  }
  SelectGuard select(dc, guiFont);
  SetTextColor(dc, kTextColour);
  int top = kListRect.top;
  for (const std::string& line : Lines()) {
    RECT r{kListRect.left, top, kListRect.right, top + kLineHeight};
    DrawTextA(dc, line.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    top += kLineHeight;
  }
  DrawBox(dc, kCloseBox, overClose_, "X");
  DrawBox(dc, kOkBox, overOk_, "确定");
}

void MissedBoard::DrawBox(HDC dc, const RECT& box, bool over, const char* label) {
  COLORREF first = kIdleFrameColour;
  COLORREF second = kIdleFrameColour;
  if (over) {
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);
    first = pressed_ ? dark : light;
    second = pressed_ ? light : dark;
  }
  FillSolid(dc, RECT{box.left, box.top, box.right, box.top + 1}, first);
  FillSolid(dc, RECT{box.left, box.top, box.left + 1, box.bottom}, first);
  FillSolid(dc, RECT{box.right - 1, box.top, box.right, box.bottom}, second);
  FillSolid(dc, RECT{box.left, box.bottom - 1, box.right, box.bottom}, second);
  SetTextColor(dc, kTextColour);
  RECT r = box;
  DrawTextA(dc, label, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void MissedBoard::OnLeftButtonDown(POINT at, UINT) {
  pressed_ = true;
  InvalidateRect(hwnd(), nullptr, FALSE);
  if (PtInRect(&kCaptionRect, at)) PostMessageA(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
}

void MissedBoard::OnLeftButtonUp(POINT, UINT) {
  if (pressed_ && (overClose_ || overOk_)) PostMessageA(hwnd(), WM_CLOSE, 0, 0);
  pressed_ = false;
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void MissedBoard::OnMouseMove(POINT at, UINT keys) {
  if (pressed_ && !(keys & MK_LBUTTON)) pressed_ = false;
  const bool overClose = PtInRect(&kCloseBox, at) != FALSE;
  const bool overOk = PtInRect(&kOkBox, at) != FALSE;
  if (overClose != overClose_ || overOk != overOk_) {
    overClose_ = overClose;
    overOk_ = overOk;
    InvalidateRect(hwnd(), nullptr, FALSE);
  }
}

int MissedBoard::OnMouseActivate(HWND, UINT, UINT) { return MA_NOACTIVATE; }

void MissedBoard::OnClose() { Close(); }
