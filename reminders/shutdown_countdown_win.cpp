#include "reminders/shutdown_countdown_win.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "base/picture_scale.h"
#include "base/program_path.h"
#include "controls/dpi_win.h"
#include "controls/picture_scale_win.h"
#include "resources/countdown_ids.h"

namespace {

const COLORREF kDialogColour = RGB(215, 241, 215);
const COLORREF kStaticText = RGB(0, 0, 255);
const char kCancelQuestion[] = "是否确定要取消这个预置动作 ?";
const char kCaption[] = "Ticora";

int AskWithMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
  return MessageBoxA(owner, text, caption, type);
}

}  // namespace

ShutdownCountdownDialog::ShutdownCountdownDialog(const CountdownActions& actions, HICON icon)
    : actions_(actions), icon_(icon), dialogBrush_(CreateSolidBrush(kDialogColour)) {
  if (!actions_.ask) actions_.ask = &AskWithMessageBox;
  OnMessage<WM_INITDIALOG>(&ShutdownCountdownDialog::OnInitDialog);
  OnMessage<WM_CTLCOLORDLG>(&ShutdownCountdownDialog::OnControlColour);
  OnMessage<WM_CTLCOLORSTATIC>(&ShutdownCountdownDialog::OnControlColour);
  OnMessage<WM_TIMER>(&ShutdownCountdownDialog::OnTimer);
  OnMessage<WM_PAINT>(&ShutdownCountdownDialog::OnPaint);
  OnMessage<WM_PRINTCLIENT>(&ShutdownCountdownDialog::OnPrintClient);
  OnMessage<WM_DESTROY>(&ShutdownCountdownDialog::OnDestroy);
  OnCommand(IDCANCEL, BN_CLICKED, &ShutdownCountdownDialog::OnCancel);
  OnCommand(IDOK, BN_CLICKED, &ShutdownCountdownDialog::OnCancel);
  OnCommand(IDC_COUNTDOWN_EXECUTE, BN_CLICKED, &ShutdownCountdownDialog::OnExecute);
}

ShutdownCountdownDialog::~ShutdownCountdownDialog() { Close(); }

bool ShutdownCountdownDialog::Start(HWND owner, bool force, bool restart, int seconds) {
  if (IsOpen()) return false;
  force_ = force;
  restart_ = restart;
  clock_.Start(seconds);
  HWND window = CreateModeless(owner, IDD_SHUTDOWN_COUNTDOWN);
  if (!window) return false;
  ShowWindow(window, SW_SHOW);
  return true;
}

bool ShutdownCountdownDialog::IsOpen() const { return hwnd() != nullptr && IsWindow(hwnd()); }

void ShutdownCountdownDialog::Close() {
  if (IsOpen()) DestroyWindow(hwnd());
}

void ShutdownCountdownDialog::StartTimer() {
  if (hwnd() && SetTimer(hwnd(), kCountdownTimerId, 1000, nullptr)) timerRunning_ = true;
}

void ShutdownCountdownDialog::StopTimer() {
  if (timerRunning_ && hwnd()) KillTimer(hwnd(), kCountdownTimerId);
  timerRunning_ = false;
}

void ShutdownCountdownDialog::ShowSeconds() {
  char text[32];
  FormatCountdownSeconds(text, sizeof text, clock_.SecondsLeft());
  SetDlgItemTextA(hwnd(), IDC_COUNTDOWN_SECONDS, text);
}

bool ShutdownCountdownDialog::OnInitDialog(HWND) {
  HWND dlg = hwnd();
  if (icon_) {
    SendMessageA(dlg, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(dlg, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  }
  // Buttons of an earlier countdown detached when their windows went.
  flatButtons_.clear();
  ApplyFlatButtons(dlg, flatButtons_);
  SetWindowPos(dlg, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  SetDlgItemTextA(dlg, IDC_COUNTDOWN_LEAD, "Ticora 指定的自动关机程序将在");
  ShowSeconds();
  const char* action = CountdownActionText(restart_);
  SetWindowTextA(dlg, action);
  SetDlgItemTextA(dlg, IDC_COUNTDOWN_ACTION, action);

  // The dialog is laid out at its monitor's DPI; the picture comes at the
  // scale that gives ("warning@2x.bmp", else the 1x picture enlarged).
  char path[kProgramPathSize];
  ProgramPath("warning.bmp", path);
  const int k = FaceScaleForDpi(WindowDpi(dlg));
  picture_ = LoadScaledPicture(path, k);
  if (k > 1) FitPictureToPlace();
  StartTimer();
  PlaceDialogFrom(dlg, DesktopRect());
  return true;
}

HBRUSH ShutdownCountdownDialog::OnControlColour(HDC dc, HWND) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kStaticText);
  return dialogBrush_.get();
}

void ShutdownCountdownDialog::OnTimer(UINT_PTR id) {
  if (id != kCountdownTimerId) {
    SetMsgHandled(false);
    return;
  }
  const bool due = clock_.Tick();
  ShowSeconds();
  if (due) {
    const BOOL force = force_ ? TRUE : FALSE;
    const BOOL restart = restart_ ? TRUE : FALSE;
    const auto shutDown = actions_.shutDown;
    DestroyWindow(hwnd());
    if (shutDown) shutDown(force, restart);
  }
}

void ShutdownCountdownDialog::FitPictureToPlace() {
  HWND place = GetDlgItem(hwnd(), IDC_COUNTDOWN_PICTURE);
  RECT r{};
  if (!picture_ || !place || !GetWindowRect(place, &r)) return;
  // The place is laid out by the dialog's font, the picture by whole scales:
  // at 150 % a picture drawn for 200 % is wider than its place. It is made
  // as wide as the place at most (a few rows too many are cut at the bottom,
  // as at 96 DPI), and the place takes the size the picture is shown at.
  const int placeWidth = r.right - r.left, placeHeight = r.bottom - r.top;
  if (HBITMAP fitted = ShrinkBitmapToFit(picture_.get(), placeWidth, SHRT_MAX)) picture_.Reset(fitted);
  BITMAP info{};
  if (!GetObjectA(picture_.get(), sizeof info, &info)) return;
  SetWindowPos(place, nullptr, 0, 0, std::min<int>(placeWidth, info.bmWidth),
               std::min<int>(placeHeight, std::abs(info.bmHeight)), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ShutdownCountdownDialog::PaintPicture(HDC dc) {
  HWND place = GetDlgItem(hwnd(), IDC_COUNTDOWN_PICTURE);
  if (!picture_ || !place || !dc) return;
  RECT r{};
  GetWindowRect(place, &r);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&r), 2);
  BITMAP info{};
  if (!GetObjectA(picture_.get(), sizeof info, &info)) return;
  MemoryDC source(CreateCompatibleDC(dc));
  if (!source) return;
  SelectGuard use(source.get(), picture_.get());
  const int width = std::min<int>(r.right - r.left, info.bmWidth);
  const int height = std::min<int>(r.bottom - r.top, std::abs(info.bmHeight));
  BitBlt(dc, r.left, r.top, width, height, source.get(), 0, 0, SRCCOPY);
}

void ShutdownCountdownDialog::OnPaint() {
  if (!picture_) {
    SetMsgHandled(false);  // the sunken empty frame stays
    return;
  }
  HWND place = GetDlgItem(hwnd(), IDC_COUNTDOWN_PICTURE);
  if (place && IsWindowVisible(place)) ShowWindow(place, SW_HIDE);
  PaintDC dc(hwnd());
  PaintPicture(dc.get());
}

void ShutdownCountdownDialog::OnPrintClient(HDC dc, UINT) {
  RECT client{};
  GetClientRect(hwnd(), &client);
  FillRect(dc, &client, dialogBrush_.get());
  PaintPicture(dc);
}

void ShutdownCountdownDialog::OnDestroy() {
  StopTimer();
  picture_.Reset();
}

void ShutdownCountdownDialog::OnFinalMessage() {
  timerRunning_ = false;
  // The button windows are gone and have let go of their objects.
  flatButtons_.clear();
}

void ShutdownCountdownDialog::OnCancel(int, int, HWND) {
  StopTimer();
  HWND dlg = hwnd();
  // The dispatch's frame outlives this object: it says whether the object
  // was destroyed while the question was open (the program closed from its
  // tray menu), and then nothing of it may be touched.
  const MessageFrame* frame = CurrentMessage();
  const int answer = actions_.ask(dlg, kCancelQuestion, kCaption, MB_ICONQUESTION | MB_YESNOCANCEL);
  if (frame && !frame->targetAlive) return;
  // The window may have been closed from elsewhere while the question was open.
  if (!IsOpen() || hwnd() != dlg) return;
  if (answer == IDYES)
    DestroyWindow(dlg);
  else
    StartTimer();
}

void ShutdownCountdownDialog::OnExecute(int, int, HWND) { clock_.ActNow(); }
