#include "clock/clock_window_win.h"

#include <commctrl.h>

#include <cstdio>

#include "base/bitmap_file_win.h"
#include "clock/clock_settings.h"
#include "base/ini_file.h"
#include "base/program_path.h"
#include "clock/runtime_bound_win.h"
#include "clock/screen_placement.h"
#include "clock/skin_region_win.h"
#include "reminders/program_reminders_win.h"
#include "reminders/timed_checks.h"
#include "resources/app_ids.h"
#include "resources/menu_ids.h"

namespace {

Icon g_programIcon;
// The hourly chime's latch is one program-wide flag.
ChimeLatch g_chimeLatch;
HIMAGELIST g_skinImages = nullptr;

const COLORREF kSkinMaskColour = RGB(192, 220, 192);
const COLORREF kHourMarkColour = RGB(0, 0, 255);
const COLORREF kMinuteMarkColour = RGB(255, 0, 0);
const COLORREF kHourHandColour = RGB(255, 255, 0);
const COLORREF kMinuteHandColour = RGB(255, 0, 255);
const COLORREF kSecondHandColour = RGB(0, 255, 0);

HBITMAP LoadSkinBitmap(const char* path) { return LoadBitmapFile(path, LR_DEFAULTSIZE); }

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP bm{};
  GetObjectA(bitmap, sizeof bm, &bm);
  return {bm.bmWidth, bm.bmHeight};
}

// Adds the elliptic dot of box to region.
void AddDot(HRGN region, const DotBox& box) {
  Region dot(CreateEllipticRgn(box.left, box.top, box.right, box.bottom));
  if (dot) CombineRgn(region, region, dot.get(), RGN_OR);
}

HRGN EmptyRegion() { return CreateRectRgn(0, 0, 0, 0); }

void FillRegionWith(HDC dc, HRGN region, COLORREF colour) {
  if (!region) return;
  Brush brush(CreateSolidBrush(colour));
  FillRgn(dc, region, brush.get());
}

// The monitor rectangles, through the multi-monitor functions where the
// system has them (bound at run time: Windows 95 and NT 4 lack them), else the
// primary screen.
struct MonitorList {
  ScreenRect rects[16];
  size_t count = 0;
};

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT rect, LPARAM data) {
  auto* list = reinterpret_cast<MonitorList*>(data);
  if (list->count < sizeof list->rects / sizeof list->rects[0])
    list->rects[list->count++] = {rect->left, rect->top, rect->right, rect->bottom};
  return TRUE;
}

MonitorList Monitors() {
  MonitorList list;
  typedef BOOL(WINAPI * EnumFn)(HDC, LPCRECT, MONITORENUMPROC, LPARAM);
  HMODULE user32 = GetModuleHandleA("user32.dll");
  EnumFn enumMonitors = user32 ? EntryAs<EnumFn>(GetProcAddress(user32, "EnumDisplayMonitors")) : nullptr;
  if (enumMonitors) enumMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&list));
  if (list.count == 0)
    list.rects[list.count++] = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return list;
}

}  // namespace

HICON ProgramIcon() { return g_programIcon.get(); }

// ------------------------------------------------------------ tick effects

ClockEffects::~ClockEffects() { CloseAll(); }

void ClockEffects::StartSound(const char* path) { PlaySoundFile(path); }

void ClockEffects::TidyMessageBoards() {
  for (auto& board : boards_) {
    // A closed board is deleted here; an open one runs to the end of its own
    // countdown and deletes itself when its window is destroyed.
    if (!board->Closed()) board.release()->ReleaseToWindow();
  }
  boards_.clear();
}

void ClockEffects::OpenMessageBoard(const char* title, const char* message, int seconds) {
  char picturePath[kProgramPathSize];
  ProgramPath("WndBackgnd.bmp", picturePath);
  Bitmap picture(LoadBitmapFile(picturePath, LR_DEFAULTSIZE));
  auto board = std::make_unique<MessageBoard>();
  board->Create(owner_ ? *owner_ : nullptr, title, message, std::move(picture), seconds);
  // Listed even when its window could not be created; the next tidying drops it.
  boards_.push_back(std::move(board));
}

void ClockEffects::StartProgram(const char* commandLine) {
  char line[260];
  snprintf(line, sizeof line, "%s", commandLine ? commandLine : "");
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
  }
}

bool ClockEffects::IsCountdownRunning() { return countdown_ && countdown_->IsOpen(); }

void ClockEffects::StartShutdownCountdown(bool force, bool restart, int seconds) {
  // One countdown object per run, made at the first shutdown or restart.
  if (!countdown_) countdown_ = std::make_unique<ShutdownCountdownDialog>();
  countdown_->Start(owner_ ? *owner_ : nullptr, force, restart, seconds);
}

void ClockEffects::CloseAll() {
  for (auto& board : boards_) board->Close();
  boards_.clear();
  // The countdown's window goes first, then the object itself.
  if (countdown_) countdown_->Close();
  countdown_.reset();
}
HIMAGELIST SkinImageList() { return g_skinImages; }

LocalTime SystemTimeSource::Now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  LocalTime t;
  t.wYear = st.wYear;
  t.wMonth = st.wMonth;
  t.wDayOfWeek = st.wDayOfWeek;
  t.wDay = st.wDay;
  t.wHour = st.wHour;
  t.wMinute = st.wMinute;
  t.wSecond = st.wSecond;
  t.wMilliseconds = st.wMilliseconds;
  return t;
}

ClockWindow::ClockWindow(TimeSource* time) : time_(time ? time : &systemTime_) {
  OnMessage(WM_CREATE, &ClockWindow::OnCreate);
  OnMessage(WM_TIMER, &ClockWindow::OnTimer);
  OnMessage(WM_PAINT, &ClockWindow::OnPaint);
  OnMessage(WM_ERASEBKGND, &ClockWindow::OnEraseBackground);
  OnMessage(WM_LBUTTONDOWN, &ClockWindow::OnLeftButtonDown);
  OnMessage(WM_RBUTTONDOWN, &ClockWindow::OnRightButtonDown);
  OnMessage(WM_CLOSE, &ClockWindow::OnClose);
  OnMessage(WM_DESTROY, &ClockWindow::OnDestroy);
  OnMessage(WM_TRAYNOTIFY, &ClockWindow::OnTrayNotify);
  OnMessage(WM_INITMENU, &ClockWindow::OnInitMenu);
  OnMessage(WM_MEASUREITEM, &ClockWindow::OnMeasureItem);
  OnMessage(WM_DRAWITEM, &ClockWindow::OnDrawItem);
  OnMessage(WM_EXITMENULOOP, &ClockWindow::OnExitMenuLoop);
  OnMessage(WM_MENUSELECT, &ClockWindow::OnMenuNotice);
  OnMessage(WM_ENTERMENULOOP, &ClockWindow::OnMenuNotice);
  // The shell broadcasts this message when it starts again after a crash; the
  // icon is then added anew.
  if (UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated"))
    OnMessage(taskbarCreated, &ClockWindow::OnTaskbarCreated);
  OnCommand(IDM_CLOSE, &ClockWindow::OnCloseCommand);
  OnCommand(IDM_SHOW_HIDE, &ClockWindow::OnShowHideCommand);
  OnCommand(IDM_HELP, &ClockWindow::OnHelpCommand);
  OnCommand(IDM_CALENDAR, &ClockWindow::OnCalendarCommand);
}

ClockWindow::~ClockWindow() {
  if (!preview_) trayIcon_.Remove();
  if (!preview_ && g_programIcon) g_programIcon.Reset();
}

bool ClockWindow::CreateClock(HWND parent, bool preview, const RECT* target) {
  preview_ = preview;
  int x = 0, y = 0;
  ClockSettings settings;
  if (!preview) {
    char iniPath[kProgramPathSize];
    ProgramPath("Ticora.ini", iniPath);
    settings = ReadClockSettings(iniPath);
    chimeOn_ = settings.chimeOn;
    faceMode_ = settings.faceMode;
    remindersOn_ = settings.remindersOn;
    snprintf(themeDir_, sizeof themeDir_, "%s", settings.themeDir);
    messageWait_ = settings.messageWait;
    shutdownWait_ = settings.shutdownWait;
    x = settings.left;
    y = settings.top;

    char remindersPath[kProgramPathSize];
    ProgramPath("Ticora.rmd", remindersPath);
    ProgramReminders().Load(remindersPath);

    if (!g_skinImages) {
      char stripPath[kProgramPathSize];
      ProgramPath("clockIcons_combin.bmp", stripPath);
      if (BitmapFileLoadable(stripPath))
        g_skinImages = ImageList_LoadImageA(nullptr, stripPath, 32, 1, kSkinMaskColour, IMAGE_BITMAP,
                                            LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    }
    if (!LoadFaceFromSettings(iniPath)) return false;
  }

  static const ClassSpec kClass = {"Clock", CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS,
                                   LoadCursor(nullptr, IDC_ARROW),
                                   reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)};
  DWORD exStyle = preview ? WS_EX_TOOLWINDOW : (WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
  effectsOwner_ = nullptr;
  if (!CreateWindowFor(kClass, exStyle, "", WS_POPUP | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
                       CW_USEDEFAULT, CW_USEDEFAULT, preview ? parent : nullptr, nullptr))
    return false;

  effectsOwner_ = hwnd();
  if (preview) {
    RECT t = target ? *target : RECT{0, 0, 0, 0};
    SetFaceGeometry(t.left, t.top);
    int w = faceRect_.right, h = faceRect_.bottom;
    int px = t.left + ((t.right - t.left) - w) / 2;
    int py = t.top + ((t.bottom - t.top) - h) / 2;
    SetWindowPos(hwnd(), nullptr, px, py, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd(), SW_SHOW);
    return IsWindow(hwnd()) != FALSE;
  }

  POINT pos = ReachablePosition(x, y);
  SetFaceGeometry(pos.x, pos.y);
  SendMessageA(hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, MAKELPARAM(pos.x, pos.y));
  ShowWindow(hwnd(), SW_RESTORE);
  ShowWindow(hwnd(), SW_SHOW);
  if (settings.transparent) SetWindowAlpha(hwnd(), static_cast<BYTE>(settings.transparence));
  return hwnd() != nullptr && IsWindow(hwnd());
}

bool ClockWindow::LoadFaceFromSettings(const char* iniPath) {
  if (faceMode_ == kFaceAnalog) return true;
  if (faceMode_ != kFaceDigital) return false;
  char name[64], path[kProgramPathSize];
  ReadSkinEntry(iniPath, ini_keys::kBackground, 1, name, sizeof name);
  ProgramPath(name, path);
  if (!LoadBackground(path, false)) return false;
  ReadSkinEntry(iniPath, ini_keys::kNumber, 1, name, sizeof name);
  ProgramPath(name, path);
  return LoadDigitStrip(path);
}

POINT ClockWindow::ReachablePosition(int x, int y) const {
  int w = faceRect_.right - faceRect_.left;
  int h = faceRect_.bottom - faceRect_.top;
  if (faceMode_ == kFaceAnalog) w = h = kAnalogFaceSize;
  if (faceMode_ == kFaceDigital && backgroundBitmap_) {
    SIZE s = BitmapSize(backgroundBitmap_.get());
    w = s.cx;
    h = s.cy;
  }
  MonitorList monitors = Monitors();
  RECT work;
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
    work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  ScreenPoint p = PlaceOnScreen(x, y, w, h, monitors.rects, monitors.count,
                                ScreenRect{work.left, work.top, work.right, work.bottom});
  return {p.x, p.y};
}

void ClockWindow::CloseClock() {
  if (timerSet_) {
    KillTimer(hwnd(), kClockTimerId);
    timerSet_ = false;
  }
  if (!preview_) {
    RECT r;
    if (GetWindowRect(hwnd(), &r)) {
      char iniPath[kProgramPathSize];
      ProgramPath("Ticora.ini", iniPath);
      WriteIniInt(iniPath, ini_keys::kSystem, ini_keys::kLostPosLeft, r.left);
      WriteIniInt(iniPath, ini_keys::kSystem, ini_keys::kLastPostop, r.top);
    }
    if (g_skinImages) {
      ImageList_Destroy(g_skinImages);
      g_skinImages = nullptr;
    }
    ownEffects_.CloseAll();
  }
  if (hwnd()) DestroyWindow(hwnd());
}

void ClockWindow::ToggleClockVisible() {
  if (IsWindowVisible(hwnd())) {
    SendMessageA(hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, static_cast<LPARAM>(-1));
    ShowWindow(hwnd(), SW_HIDE);
  } else {
    ShowWindow(hwnd(), SW_RESTORE);
  }
}

void ClockWindow::ShowTrayMenu() {
  if (preview_ || !hwnd()) return;
  HMENU popup = nullptr;
  Menu menu = LoadTrayMenu(GetModuleHandleA(nullptr), IsWindowVisible(hwnd()) != FALSE, &popup);
  if (!menu) return;
  POINT cursor{0, 0};
  GetCursorPos(&cursor);
  SetForegroundWindow(hwnd());
  // The menu's bottom-right corner at the cursor, unfolding up and to the left.
  TrackPopupMenu(popup, TPM_RIGHTALIGN | TPM_BOTTOMALIGN | TPM_HORNEGANIMATION | TPM_VERNEGANIMATION, cursor.x,
                 cursor.y, 0, hwnd(), nullptr);
  // Makes the menu close properly when the user clicks elsewhere.
  PostMessageA(hwnd(), WM_NULL, 0, 0);
}

void ClockWindow::UpdateTrayTip() {
  if (!preview_) trayIcon_.UpdateTip(time_->Now());
}

bool ClockWindow::OnCreate(WPARAM, LPARAM, LRESULT& result) {
  timerSet_ = SetTimer(hwnd(), kClockTimerId, 1000, nullptr) != 0;
  if (!preview_ && !g_programIcon)
    g_programIcon.Reset(static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
  if (!preview_) trayIcon_.Add(hwnd(), ProgramIcon(), WM_TRAYNOTIFY, time_->Now());
  result = 0;
  return true;
}

bool ClockWindow::OnTimer(WPARAM w, LPARAM, LRESULT& result) {
  result = 0;
  if (w == kClockTimerId) ClockTick();
  return true;
}

void ClockWindow::ClockTick() {
  last_ = time_->Now();
  // The tooltip carries the date: the first two ticks of a new day rewrite it.
  if (!preview_ && last_.wHour == 0 && last_.wMinute == 0 && last_.wSecond <= 1) trayIcon_.UpdateTip(last_);
  if (!preview_) {
    TimedCheckSettings checks;
    checks.chimeOn = chimeOn_;
    checks.remindersOn = remindersOn_;
    checks.themeDir = themeDir_;
    checks.waits.messageWait = messageWait_;
    checks.waits.shutdownWait = shutdownWait_;
    RunTimedChecks(last_, checks, g_chimeLatch, ProgramReminders(), *effects_);
  }
  if (faceMode_ == kFaceAnalog) {
    HandRegions();
  } else {
    InvalidateRect(hwnd(), nullptr, FALSE);
  }
}

bool ClockWindow::OnPaint(WPARAM, LPARAM, LRESULT& result) {
  PaintDC dc(hwnd());
  PaintFace(dc.get());
  result = 0;
  return true;
}

void ClockWindow::PaintFace(HDC dc) {
  if (faceMode_ == kFaceAnalog) {
    if (!hourHand_ || !minuteHand_ || !secondHand_) return;
    FillRegionWith(dc, hourMarks_.get(), kHourMarkColour);
    FillRegionWith(dc, minuteMarks_.get(), kMinuteMarkColour);
    FillRegionWith(dc, hourHand_.get(), kHourHandColour);
    FillRegionWith(dc, minuteHand_.get(), kMinuteHandColour);
    FillRegionWith(dc, secondHand_.get(), kSecondHandColour);
    return;
  }
  if (!backgroundBitmap_ || !digitStrip_) return;
  int w = faceRect_.right - faceRect_.left;
  int h = faceRect_.bottom - faceRect_.top;
  MemoryDC memory(CreateCompatibleDC(dc));
  Bitmap canvas(CreateCompatibleBitmap(dc, w, h));
  if (!memory || !canvas) return;
  SelectGuard selectCanvas(memory.get(), canvas.get());
  {
    MemoryDC source(CreateCompatibleDC(dc));
    SelectGuard selectBackground(source.get(), backgroundBitmap_.get());
    BitBlt(memory.get(), 0, 0, w, h, source.get(), 0, 0, SRCCOPY);
  }
  {
    MemoryDC source(CreateCompatibleDC(dc));
    SelectGuard selectDigits(source.get(), digitStrip_.get());
    for (const DigitPiece& piece : DigitLayout(last_.wHour, last_.wMinute, last_.wSecond))
      BitBlt(memory.get(), digitOrigin_.x + piece.destX, digitOrigin_.y, piece.width, kDigitAreaHeight,
             source.get(), piece.sourceX, 0, SRCCOPY);
  }
  BitBlt(dc, 0, 0, w, h, memory.get(), 0, 0, SRCCOPY);
}

bool ClockWindow::OnEraseBackground(WPARAM, LPARAM, LRESULT& result) {
  result = 1;
  return true;
}

bool ClockWindow::OnLeftButtonDown(WPARAM, LPARAM l, LRESULT& result) {
  result = 0;
  if (!preview_) PostMessageA(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, l);
  return true;
}

bool ClockWindow::OnRightButtonDown(WPARAM, LPARAM, LRESULT& result) {
  result = 0;
  if (!preview_) ShowTrayMenu();
  return true;
}

bool ClockWindow::OnClose(WPARAM, LPARAM, LRESULT& result) {
  result = 0;
  CloseClock();
  return true;
}

bool ClockWindow::OnDestroy(WPARAM, LPARAM, LRESULT& result) {
  result = 0;
  if (!preview_) PostQuitMessage(0);
  return true;
}

bool ClockWindow::OnCloseCommand(UINT, HWND) {
  PostMessageA(hwnd(), WM_CLOSE, 0, 0);
  return true;
}

bool ClockWindow::OnShowHideCommand(UINT, HWND) {
  ToggleClockVisible();
  return true;
}

bool ClockWindow::OnHelpCommand(UINT, HWND) {
  OpenHelp(hwnd(), nullptr);
  return true;
}

bool ClockWindow::OnCalendarCommand(UINT, HWND) { return true; }

// ------------------------------------------------------------ tray icon and menu

bool ClockWindow::OnTrayNotify(WPARAM w, LPARAM l, LRESULT& result) {
  if (preview_ || w != kTrayIconId) return false;
  result = 0;
  if (static_cast<UINT>(l) == WM_LBUTTONUP) {
    ToggleClockVisible();
  } else if (static_cast<UINT>(l) == WM_RBUTTONUP) {
    ShowTrayMenu();
  }
  return true;
}

bool ClockWindow::OnInitMenu(WPARAM w, LPARAM, LRESULT& result) {
  menuPainter_.InitMenu(reinterpret_cast<HMENU>(w));
  result = 0;
  return true;
}

bool ClockWindow::OnMeasureItem(WPARAM, LPARAM l, LRESULT& result) {
  if (!menuPainter_.MeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(l))) return false;
  result = TRUE;
  return true;
}

bool ClockWindow::OnDrawItem(WPARAM, LPARAM l, LRESULT& result) {
  if (!menuPainter_.DrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(l))) return false;
  result = TRUE;
  return true;
}

bool ClockWindow::OnExitMenuLoop(WPARAM, LPARAM, LRESULT& result) {
  menuPainter_.ExitMenuLoop();
  result = 0;
  return true;
}

bool ClockWindow::OnMenuNotice(WPARAM, LPARAM, LRESULT& result) {
  result = 0;
  return true;
}

bool ClockWindow::OnTaskbarCreated(WPARAM, LPARAM, LRESULT& result) {
  result = 0;
  if (!preview_ && hwnd()) trayIcon_.Add(hwnd(), ProgramIcon(), WM_TRAYNOTIFY, time_->Now());
  return true;
}

// ---------------------------------------------------------------- face loading

bool ClockWindow::LoadBackground(const char* path, bool relayout) {
  Bitmap loaded(LoadSkinBitmap(path));
  if (!loaded) return false;
  if (relayout && hwnd()) {
    ShowWindow(hwnd(), SW_HIDE);
    SendMessageA(hwnd(), WM_SETREDRAW, FALSE, 0);
    backgroundBitmap_ = std::move(loaded);
    RECT r;
    GetWindowRect(hwnd(), &r);
    SetFaceGeometry(r.left, r.top);
    SendMessageA(hwnd(), WM_SETREDRAW, TRUE, 0);
    ShowWindow(hwnd(), SW_SHOW);
  } else {
    backgroundBitmap_ = std::move(loaded);
  }
  return true;
}

bool ClockWindow::LoadDigitStrip(const char* path) {
  Bitmap loaded(LoadSkinBitmap(path));
  if (!loaded) return false;
  if (hwnd()) SendMessageA(hwnd(), WM_SETREDRAW, FALSE, 0);
  digitStrip_ = std::move(loaded);
  if (hwnd()) SendMessageA(hwnd(), WM_SETREDRAW, TRUE, 0);
  return true;
}

bool ClockWindow::ApplyAppearance(int mode, const char* backgroundPath, const char* digitPath, bool forced) {
  if (mode == faceMode_ && !forced) return true;
  RECT r{0, 0, 0, 0};
  GetWindowRect(hwnd(), &r);
  if (!preview_) SendMessageA(hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, MAKELPARAM(r.left, r.top));
  ShowWindow(hwnd(), SW_HIDE);
  SendMessageA(hwnd(), WM_SETREDRAW, FALSE, 0);
  bool bothAnalog = faceMode_ == kFaceAnalog && mode == kFaceAnalog;
  if (faceMode_ != kFaceAnalog) {
    if (mode == kFaceAnalog) {
      backgroundBitmap_.Reset();
      digitStrip_.Reset();
    } else {
      LoadBackground(backgroundPath, false);
      LoadDigitStrip(digitPath);
    }
  } else if (mode != kFaceAnalog) {
    ReleaseAnalogRegions();
    LoadBackground(backgroundPath, false);
    LoadDigitStrip(digitPath);
  }
  if (!bothAnalog) {
    faceMode_ = static_cast<uint8_t>(mode);
    SetFaceGeometry(r.left, r.top);
  }
  SendMessageA(hwnd(), WM_SETREDRAW, TRUE, 0);
  if (!preview_) {
    ShowWindow(hwnd(), SW_RESTORE);
    SetWindowPos(hwnd(), nullptr, r.left, r.top, faceRect_.right, faceRect_.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  }
  ShowWindow(hwnd(), SW_SHOW);
  return true;
}

// ------------------------------------------------------------ window geometry

void ClockWindow::SetFaceGeometry(int x, int y) {
  if (!hwnd()) return;
  if (faceMode_ == kFaceAnalog) {
    MoveWindow(hwnd(), x, y, kAnalogFaceSize, kAnalogFaceSize, FALSE);
    faceRect_ = {0, 0, kAnalogFaceSize, kAnalogFaceSize};
    DialRegions();
    return;
  }
  if (!backgroundBitmap_) return;
  SIZE s = BitmapSize(backgroundBitmap_.get());
  MoveWindow(hwnd(), x, y, s.cx, s.cy, FALSE);
  faceRect_ = {0, 0, s.cx, s.cy};
  HRGN outline = SkinRegion(backgroundBitmap_.get(), s.cx, s.cy, &digitOrigin_);
  // Once given to the window, the region belongs to the system.
  if (outline && SetWindowRgn(hwnd(), outline, FALSE)) {
    windowRegion_ = outline;
  } else if (outline) {
    DeleteObject(outline);
  }
}

void ClockWindow::DialRegions() {
  dialRegion_.Reset(EmptyRegion());
  hourMarks_.Reset(EmptyRegion());
  minuteMarks_.Reset(EmptyRegion());
  if (!dialRegion_ || !hourMarks_ || !minuteMarks_) return;
  AddDot(dialRegion_.get(), CenterDot());
  AddDot(hourMarks_.get(), CenterDot());
  for (const DialMark& mark : DialMarks()) {
    AddDot(dialRegion_.get(), mark.box);
    AddDot(mark.hourMark ? hourMarks_.get() : minuteMarks_.get(), mark.box);
  }
}

void ClockWindow::HandRegions() {
  Region window(EmptyRegion());
  if (!window) return;
  if (dialRegion_) CombineRgn(window.get(), window.get(), dialRegion_.get(), RGN_OR);
  hourHand_.Reset(EmptyRegion());
  minuteHand_.Reset(EmptyRegion());
  secondHand_.Reset(EmptyRegion());
  const struct {
    HandKind kind;
    Region* region;
  } hands[] = {{HandKind::kHour, &hourHand_}, {HandKind::kMinute, &minuteHand_}, {HandKind::kSecond, &secondHand_}};
  for (const auto& hand : hands) {
    for (const DotBox& box : HandDots(hand.kind, last_.wHour, last_.wMinute, last_.wSecond)) {
      AddDot(window.get(), box);
      if (*hand.region) AddDot(hand.region->get(), box);
    }
  }
  // Once given to the window, the region belongs to the system, which deletes
  // the previous one itself.
  if (SetWindowRgn(hwnd(), window.get(), TRUE)) windowRegion_ = window.Release();
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void ClockWindow::ReleaseAnalogRegions() {
  dialRegion_.Reset();
  hourMarks_.Reset();
  minuteMarks_.Reset();
  hourHand_.Reset();
  minuteHand_.Reset();
  secondHand_.Reset();
}
