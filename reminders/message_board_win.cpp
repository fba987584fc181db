#include "reminders/message_board_win.h"

#include <climits>
#include <cstdlib>
#include <utility>

#include "base/picture_scale.h"
#include "base/text_format.h"
#include "controls/dpi_win.h"

namespace {

volatile LONG g_liveBoards = 0;

const size_t kReminderMessageBytes = 256;

// Without a picture the board shows a dark strip behind the (yellow) caption
// and a light field behind the (blue) message, so both stay readable.
const COLORREF kPlainStripColour = RGB(36, 52, 112);
const COLORREF kPlainFieldColour = RGB(238, 241, 250);
const int kPlainStripHeight = 28;

// Fills a rectangle with one colour without creating a brush.
void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
  COLORREF old = SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, "", 0, nullptr);
  SetBkColor(dc, old);
}

}  // namespace

long MessageBoard::LiveCount() { return g_liveBoards; }

int MessageBoard::ScreenScale() { return FaceScaleForDpi(WindowDpi(nullptr)); }

RECT MessageBoard::Scaled(const RECT& r) const {
  return RECT{r.left * scale_, r.top * scale_, r.right * scale_, r.bottom * scale_};
}

MessageBoard::MessageBoard() {
  InterlockedIncrement(&g_liveBoards);
  OnMessage<WM_CREATE>(&MessageBoard::OnCreate);
  OnMessage<WM_TIMER>(&MessageBoard::OnTimer);
  OnMessage<WM_PAINT>(&MessageBoard::OnPaint);
  OnMessage<WM_ERASEBKGND>(&MessageBoard::OnEraseBackground);
  OnMessage<WM_LBUTTONDOWN>(&MessageBoard::OnLeftButtonDown);
  OnMessage<WM_LBUTTONUP>(&MessageBoard::OnLeftButtonUp);
  OnMessage<WM_MOUSEMOVE>(&MessageBoard::OnMouseMove);
  OnMessage<WM_RBUTTONUP>(&MessageBoard::OnRightButtonUp);
  OnMessage<WM_MOUSEACTIVATE>(&MessageBoard::OnMouseActivate);
  OnMessage<WM_CLOSE>(&MessageBoard::OnClose);
}

void MessageBoard::EnableSnooze(BoardSnooze* snooze, const ReminderKey& key) {
  snooze_ = snooze;
  key_ = key;
}

MessageBoard::~MessageBoard() {
  // Destroy the window while the object is still whole; a board that deletes
  // itself gets here only after its window is gone.
  if (hwnd()) {
    StopTimer();
    DestroyWindow(hwnd());
  }
  InterlockedDecrement(&g_liveBoards);
}

bool MessageBoard::Create(HWND owner, const char* title, const char* message, Bitmap picture,
                          int seconds) {
  owner_ = owner;
  FormatText(title_, sizeof title_, "%s", title ? title : "");
  // A reminder's message keeps at most 255 bytes, a lasting board's list more.
  FormatText(message_, lasting_ ? sizeof message_ : kReminderMessageBytes, "%s", message ? message : "");
  FormatText(caption_, sizeof caption_, "%s", title_);
  picture_ = std::move(picture);
  secondsLeft_ = seconds;
  scale_ = ScreenScale();

  int width = kDefaultWidth * scale_;
  int height = kDefaultHeight * scale_;
  if (picture_) {
    BITMAP bm{};
    if (GetObjectA(picture_.get(), sizeof bm, &bm) && bm.bmWidth > 0 && bm.bmHeight != 0) {
      width = bm.bmWidth;
      height = std::abs(bm.bmHeight);
    }
  }
  int x = (GetSystemMetrics(SM_CXFULLSCREEN) - width) / 2;
  int y = (GetSystemMetrics(SM_CYFULLSCREEN) - height) / 2;

  static const ClassSpec kClass = {"MessageBoard", CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS,
                                   LoadCursor(nullptr, IDC_ARROW),
                                   reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)};
  if (!CreateWindowFor(kClass, WS_EX_TOPMOST, lasting_ ? title_ : "", WS_POPUP, x, y, width, height, owner_, nullptr))
    return false;
  // The system's restore animation brings the board from the notification
  // area into place. The board is not really minimized and restored: a
  // window restored from the minimized state takes the keyboard focus, and
  // keys typed meanwhile must go on to the window the user works in (a stray
  // Enter cannot dismiss the board).
  RECT work{};
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
    work = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const RECT from{work.right - 48, work.bottom - 16, work.right, work.bottom};
  const RECT to{x, y, x + width, y + height};
  DrawAnimatedRects(hwnd(), IDANI_CAPTION, &from, &to);
  ShowWindow(hwnd(), SW_SHOWNA);
  return hwnd() != nullptr;
}

bool MessageBoard::CreateLasting(HWND owner, const char* title, const char* message, Bitmap picture) {
  lasting_ = true;
  return Create(owner, title, message, std::move(picture), 0);
}

void MessageBoard::SetMessage(const char* message) {
  FormatText(message_, sizeof message_, "%s", message ? message : "");
  const RECT r = Scaled(kMessageRect);
  if (hwnd()) InvalidateRect(hwnd(), &r, FALSE);
}

void MessageBoard::StopTimer() {
  if (timerSet_ && hwnd()) KillTimer(hwnd(), kMessageBoardTimerId);
  timerSet_ = false;
}

void MessageBoard::Close() {
  StopTimer();
  picture_.Reset();
  // Last statement: a board that owns itself is deleted during DestroyWindow.
  if (hwnd()) DestroyWindow(hwnd());
}

void MessageBoard::ReleaseToWindow() {
  if (Closed()) {
    delete this;
    return;
  }
  selfOwned_ = true;
}

void MessageBoard::OnFinalMessage() {
  timerSet_ = false;
  if (selfOwned_) delete this;
}

bool MessageBoard::OnCreate(const CREATESTRUCTA&) {
  timerSet_ = !lasting_ && SetTimer(hwnd(), kMessageBoardTimerId, 1000, nullptr) != 0;
  return true;
}

void MessageBoard::OnTimer(UINT_PTR id) {
  if (id != kMessageBoardTimerId) {
    SetMsgHandled(false);
    return;
  }
  if (secondsLeft_ > INT_MIN) --secondsLeft_;
  if (secondsLeft_ < 0 || secondsLeft_ == INT_MIN) {
    // Park the count high so that a tick still queued does not close again.
    secondsLeft_ = 1000;
    RECT r{};
    GetWindowRect(hwnd(), &r);
    SendMessageA(hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, MAKELPARAM(r.left, r.top));
    ShowWindow(hwnd(), SW_HIDE);
    PostMessageA(hwnd(), WM_CLOSE, 0, 0);
  } else {
    FormatText(caption_, sizeof caption_, "%s(%d)", title_, secondsLeft_);
    const RECT r = Scaled(kCaptionRect);
    InvalidateRect(hwnd(), &r, FALSE);
  }
}

bool MessageBoard::OnEraseBackground(HDC) { return true; }

void MessageBoard::OnPaint() {
  PaintDC paint(hwnd());
  RECT client{};
  GetClientRect(hwnd(), &client);
  // Draw into memory first and copy once, so nothing flickers.
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

void MessageBoard::Paint(HDC dc) {
  RECT client = Scaled(RECT{0, 0, kDefaultWidth, kDefaultHeight});
  if (hwnd()) GetClientRect(hwnd(), &client);
  DcStateGuard state(dc);

  if (picture_) {
    MemoryDC source(CreateCompatibleDC(dc));
    if (source) {
      SelectGuard select(source.get(), picture_.get());
      BitBlt(dc, 0, 0, client.right, client.bottom, source.get(), 0, 0, SRCCOPY);
    }
  } else {
    FillSolid(dc, client, kPlainFieldColour);
    FillSolid(dc, RECT{0, 0, client.right, kPlainStripHeight * scale_}, kPlainStripColour);
  }

  // The system's GUI font, made for the system's DPI; a board at another
  // scale takes it at k times its size at 96 DPI.
  HFONT guiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTA lf{};
  GetObjectA(guiFont, sizeof lf, &lf);
  Font scaled;
  if (scale_ > 1) {
    lf.lfHeight = MulDiv(lf.lfHeight, scale_ * kBaseDpi, WindowDpi(nullptr));
    scaled.Reset(CreateFontIndirectA(&lf));
  }
  HGDIOBJ plain = scaled ? static_cast<HGDIOBJ>(scaled.get()) : guiFont;
  lf.lfWeight = FW_BOLD;
  Font bold(CreateFontIndirectA(&lf));
  SetBkMode(dc, TRANSPARENT);
  {
    SelectGuard select(dc, bold ? static_cast<HGDIOBJ>(bold.get()) : plain);
    SetTextColor(dc, kCaptionColour);
    RECT r = Scaled(kCaptionRect);
    DrawTextA(dc, caption_, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    SetTextColor(dc, kTextColour);
    r = Scaled(kMessageRect);
    DrawTextA(dc, message_, -1, &r, DT_WORDBREAK);
  }
  SelectGuard select(dc, plain);
  DrawBox(dc, Scaled(kCloseBox), overClose_, "X");
  DrawBox(dc, Scaled(kOkBox), overOk_, "确定");
  if (snooze_) DrawBox(dc, Scaled(kSnoozeBox), overSnooze_, "稍后提醒");
}

void MessageBoard::DrawBox(HDC dc, const RECT& box, bool over, const char* label) {
  COLORREF first = kIdleFrameColour;
  COLORREF second = kIdleFrameColour;
  if (over) {
    COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);
    first = pressed_ ? dark : light;
    second = pressed_ ? light : dark;
  }
  // The frame is one pixel at 96 DPI, k pixels at scale k.
  const int w = scale_;
  FillSolid(dc, RECT{box.left, box.top, box.right, box.top + w}, first);
  FillSolid(dc, RECT{box.left, box.top, box.left + w, box.bottom}, first);
  FillSolid(dc, RECT{box.right - w, box.top, box.right, box.bottom}, second);
  FillSolid(dc, RECT{box.left, box.bottom - w, box.right, box.bottom}, second);
  SetTextColor(dc, kTextColour);
  RECT r = box;
  DrawTextA(dc, label, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void MessageBoard::RedrawBoxes() {
  const RECT close = Scaled(kCloseBox), ok = Scaled(kOkBox), later = Scaled(kSnoozeBox);
  InvalidateRect(hwnd(), &close, FALSE);
  InvalidateRect(hwnd(), &ok, FALSE);
  if (snooze_) InvalidateRect(hwnd(), &later, FALSE);
}

void MessageBoard::OnLeftButtonDown(POINT at, UINT) {
  pressed_ = true;
  RedrawBoxes();
  // Grabbing the top strip moves the board like a caption would.
  const RECT caption = Scaled(kCaptionRect);
  if (PtInRect(&caption, at)) PostMessageA(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
}

void MessageBoard::OnLeftButtonUp(POINT, UINT) {
  const bool snooze = pressed_ && overSnooze_;
  if (pressed_ && (overClose_ || overOk_)) PostMessageA(hwnd(), WM_CLOSE, 0, 0);
  pressed_ = false;
  RedrawBoxes();
  if (snooze) SnoozeNow(false);
}

void MessageBoard::OnRightButtonUp(POINT at, UINT) {
  const RECT later = Scaled(kSnoozeBox);
  if (snooze_ && PtInRect(&later, at)) SnoozeNow(true);
}

int MessageBoard::OnMouseActivate(HWND, UINT, UINT) {
  // Clicks work on the board without taking the activation.
  return MA_NOACTIVATE;
}

void MessageBoard::SnoozeNow(bool choose) {
  if (!snooze_ || !hwnd()) return;
  int minutes = snooze_->SnoozeMinutes();
  if (choose) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    for (int choice : {5, 10, 15, 30, 60}) {
      char text[24];
      FormatText(text, sizeof text, "%d 分钟", choice);
      AppendMenuA(menu, MF_STRING | (choice == minutes ? MF_CHECKED : 0), static_cast<UINT_PTR>(choice), text);
    }
    const RECT later = Scaled(kSnoozeBox);
    POINT at{later.left, later.bottom};
    ClientToScreen(hwnd(), &at);
    // The user asked for the menu: it may take the activation, as menus must
    // to close when clicked elsewhere.
    SetForegroundWindow(hwnd());
    const int chosen = static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN,
                                                       at.x, at.y, 0, hwnd(), nullptr));
    DestroyMenu(menu);
    PostMessageA(hwnd(), WM_NULL, 0, 0);
    if (chosen <= 0) return;
    minutes = chosen;
    snooze_->ChooseSnoozeMinutes(minutes);
  }
  snooze_->Snooze(key_, minutes);
  PostMessageA(hwnd(), WM_CLOSE, 0, 0);
}

void MessageBoard::OnMouseMove(POINT at, UINT keys) {
  // The mouse is not captured: a button released outside the board is only
  // noticed at the next move over it.
  if (pressed_ && !(keys & MK_LBUTTON)) {
    pressed_ = false;
    RedrawBoxes();
  }
  const RECT close = Scaled(kCloseBox), ok = Scaled(kOkBox), later = Scaled(kSnoozeBox);
  const bool overClose = PtInRect(&close, at) != FALSE;
  const bool overOk = PtInRect(&ok, at) != FALSE;
  const bool overSnooze = snooze_ && PtInRect(&later, at) != FALSE;
  if (overSnooze != overSnooze_) {
    overSnooze_ = overSnooze;
    InvalidateRect(hwnd(), &later, FALSE);
  }
  if (overClose != overClose_) {
    overClose_ = overClose;
    InvalidateRect(hwnd(), &close, FALSE);
  }
  if (overOk != overOk_) {
    overOk_ = overOk;
    InvalidateRect(hwnd(), &ok, FALSE);
  }
}

void MessageBoard::OnClose() { Close(); }
