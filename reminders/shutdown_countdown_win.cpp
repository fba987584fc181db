#include "reminders/shutdown_countdown_win.h"

#include <algorithm>

#include "base/bitmap_file_win.h"
#include "clock/clock_window_win.h"
#include "base/dialog_placement.h"
#include "base/program_path.h"
#include "clock/runtime_bound_win.h"
#include "resources/countdown_ids.h"

namespace {

const COLORREF kDialogColour = RGB(215, 241, 215);
const COLORREF kStaticText = RGB(0, 0, 255);
const char kCancelQuestion[] = "是否确定要取消这个预置动作 ?";
const char kCaption[] = "Ticora";

ShutdownCountdownDialog::ShutdownFunction g_shutdown = nullptr;
ShutdownCountdownDialog::QuestionFunction g_question = nullptr;

BOOL DefaultShutdown(BOOL force, BOOL restart) { return CallShutDownComputer(force, restart); }

int DefaultQuestion(HWND owner, const char* text, const char* caption, UINT type) {
  return MessageBoxA(owner, text, caption, type);
}

}  // namespace

ShutdownCountdownDialog::ShutdownFunction ShutdownCountdownDialog::SetShutdownFunction(ShutdownFunction fn) {
  ShutdownFunction old = g_shutdown ? g_shutdown : &DefaultShutdown;
  g_shutdown = fn;
  return old;
}

ShutdownCountdownDialog::QuestionFunction ShutdownCountdownDialog::SetQuestionFunction(QuestionFunction fn) {
  QuestionFunction old = g_question ? g_question : &DefaultQuestion;
  g_question = fn;
  return old;
}

ShutdownCountdownDialog::ShutdownCountdownDialog() : dialogBrush_(CreateSolidBrush(kDialogColour)) {
  OnMessage(WM_INITDIALOG, &ShutdownCountdownDialog::OnInitDialog);
  OnMessage(WM_CTLCOLORDLG, &ShutdownCountdownDialog::OnControlColour);
  OnMessage(WM_CTLCOLORSTATIC, &ShutdownCountdownDialog::OnControlColour);
  OnMessage(WM_TIMER, &ShutdownCountdownDialog::OnTimer);
  OnMessage(WM_PAINT, &ShutdownCountdownDialog::OnPaint);
  OnMessage(WM_PRINTCLIENT, &ShutdownCountdownDialog::OnPrintClient);
  OnMessage(WM_DESTROY, &ShutdownCountdownDialog::OnDestroy);
  OnCommand(IDCANCEL, &ShutdownCountdownDialog::OnCancel);
  OnCommand(IDOK, &ShutdownCountdownDialog::OnCancel);
  OnCommand(IDC_COUNTDOWN_EXECUTE, &ShutdownCountdownDialog::OnExecute);
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

bool ShutdownCountdownDialog::OnInitDialog(WPARAM, LPARAM, LRESULT& result) {
  HWND dlg = hwnd();
  if (HICON icon = ProgramIcon()) {
    SendMessageA(dlg, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(dlg, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
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

  char path[kProgramPathSize];
  ProgramPath("warning.bmp", path);
  picture_.Reset(LoadBitmapFile(path, LR_DEFAULTSIZE));
  StartTimer();
  PlaceOnDesktop();
  result = TRUE;
  return true;
}

void ShutdownCountdownDialog::PlaceOnDesktop() {
  RECT desktop{}, self{}, work{};
  GetWindowRect(GetDesktopWindow(), &desktop);
  GetWindowRect(hwnd(), &self);
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) work = desktop;
  const PlacementPoint at =
      PlaceDialog({desktop.left, desktop.top, desktop.right, desktop.bottom}, self.right - self.left,
                  self.bottom - self.top, {work.left, work.top, work.right, work.bottom});
  SetWindowPos(hwnd(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ShutdownCountdownDialog::OnControlColour(WPARAM w, LPARAM, LRESULT& result) {
  HDC dc = reinterpret_cast<HDC>(w);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kStaticText);
  result = reinterpret_cast<LRESULT>(dialogBrush_.get());
  return true;
}

bool ShutdownCountdownDialog::OnTimer(WPARAM w, LPARAM, LRESULT& result) {
  if (w != kCountdownTimerId) return false;
  result = 0;
  const bool due = clock_.Tick();
  ShowSeconds();
  if (due) {
    const BOOL force = force_ ? TRUE : FALSE;
    const BOOL restart = restart_ ? TRUE : FALSE;
    DestroyWindow(hwnd());
    (g_shutdown ? g_shutdown : &DefaultShutdown)(force, restart);
  }
  return true;
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
  const int height = std::min<int>(r.bottom - r.top, info.bmHeight);
  BitBlt(dc, r.left, r.top, width, height, source.get(), 0, 0, SRCCOPY);
}

bool ShutdownCountdownDialog::OnPaint(WPARAM, LPARAM, LRESULT& result) {
  if (!picture_) return false;  // the sunken empty frame stays
  HWND place = GetDlgItem(hwnd(), IDC_COUNTDOWN_PICTURE);
  if (place && IsWindowVisible(place)) ShowWindow(place, SW_HIDE);
  PaintDC dc(hwnd());
  PaintPicture(dc.get());
  result = 0;
  return true;
}

bool ShutdownCountdownDialog::OnPrintClient(WPARAM w, LPARAM, LRESULT& result) {
  HDC dc = reinterpret_cast<HDC>(w);
  RECT client{};
  GetClientRect(hwnd(), &client);
  FillRect(dc, &client, dialogBrush_.get());
  PaintPicture(dc);
  result = 0;
  return true;
}

bool ShutdownCountdownDialog::OnDestroy(WPARAM, LPARAM, LRESULT& result) {
  StopTimer();
  picture_.Reset();
  result = 0;
  return true;
}

void ShutdownCountdownDialog::OnFinalMessage() {
  timerRunning_ = false;
  // The button windows are gone and have let go of their objects.
  flatButtons_.clear();
}

bool ShutdownCountdownDialog::OnCancel(UINT code, HWND) {
  if (code != BN_CLICKED) return false;
  StopTimer();
  HWND dlg = hwnd();
  const int answer = (g_question ? g_question : &DefaultQuestion)(dlg, kCancelQuestion, kCaption,
                                                                   MB_ICONQUESTION | MB_YESNOCANCEL);
  // The window may have been closed from elsewhere while the question was open.
  if (!IsOpen() || hwnd() != dlg) return true;
  if (answer == IDYES)
    DestroyWindow(dlg);
  else
    StartTimer();
  return true;
}

bool ShutdownCountdownDialog::OnExecute(UINT code, HWND) {
  if (code != BN_CLICKED) return false;
  clock_.ActNow();
  return true;
}
