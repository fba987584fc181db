#include "clock/clock_window_win.h"

#include "base/gbk_text_win.h"
#include "base/ini_file.h"
#include "base/program_path.h"
#include "base/safe_replace.h"
#include "clock/clock_settings.h"
#include "clock/face_geometry.h"
#include "clock/face_scale.h"
#include "clock/monitor_placement_win.h"
#include "clock/program_resources_win.h"
#include "clock/runtime_bound_win.h"
#include "controls/dpi_win.h"
#include "reminders/program_reminders_win.h"
#include "reminders/reminder_state.h"
#include "resources/menu_ids.h"

namespace {

void IniPath(char (&path)[kProgramPathSize]) { ProgramPath("Ticora.ini", path); }

// The boards' snooze box: the snoozes join the clock's checks and are kept
// beside the settings at once, with the snooze time last chosen.
class ClockSnooze : public BoardSnooze {
 public:
  ClockSnooze(SnoozeList* snoozes, TimeSource* time) : snoozes_(snoozes), time_(time) {}
  int SnoozeMinutes() override {
    char ini[kProgramPathSize];
    IniPath(ini);
    return ReadSnoozeMinutes(ini);
  }
  void ChooseSnoozeMinutes(int minutes) override {
    char ini[kProgramPathSize];
    IniPath(ini);
    WriteSnoozeMinutes(ini, minutes);
  }
  void Snooze(const ReminderKey& key, int minutes) override {
    const ReminderRecord* record = FindByKey(ProgramReminders(), key);
    if (!record) return;
    snoozes_->Add(*record, SecondStamp(time_->Now()), minutes);
    char ini[kProgramPathSize];
    IniPath(ini);
    WriteSnoozes(ini, snoozes_->Items());
  }

 private:
  SnoozeList* snoozes_;
  TimeSource* time_;
};

const TrayIcon kNoTrayIcon;
const MenuPainter kNoMenuPainter;
const TimedCheckSettings kNoTimedChecks;

}  // namespace

ClockWindow::Desktop::Desktop(const ClockServices& services, HWND* owner)
    : tray(services.shellNotify, services.shellVersion),
      ownEffects(owner),
      effects(services.effects ? services.effects : &ownEffects),
      dialogs(services.dialogs) {}

ClockWindow::ClockWindow(const ClockServices& services)
    : services_(services), time_(services.time ? services.time : &systemTime_) {
  OnMessage<WM_CREATE>(&ClockWindow::OnCreate);
  OnMessage<WM_TIMER>(&ClockWindow::OnTimer);
  OnMessage<WM_PAINT>(&ClockWindow::OnPaint);
  OnMessage<WM_ERASEBKGND>(&ClockWindow::OnEraseBackground);
  OnMessage<WM_CLOSE>(&ClockWindow::OnClose);
  OnMessage<crack::kDpiChanged>(&ClockWindow::OnDpiChanged);
}

ClockWindow::~ClockWindow() {
  if (!desktop_) return;
  desktop_->tray.Remove();
  ReleaseProgramIcon();
}

const TrayIcon& ClockWindow::Tray() const { return desktop_ ? desktop_->tray : kNoTrayIcon; }

const MenuPainter& ClockWindow::Painter() const { return desktop_ ? desktop_->menu : kNoMenuPainter; }

const TimedCheckSettings& ClockWindow::RunSettings() const {
  return desktop_ ? desktop_->settings : kNoTimedChecks;
}

void ClockWindow::ApplySettings(const TimedCheckSettings& settings) {
  if (!desktop_) return;
  TimedCheckSettings& mine = desktop_->settings;
  // The switches and the waits first, then the theme directory.
  mine.chimeOn = settings.chimeOn;
  mine.remindersOn = settings.remindersOn;
  mine.waits.shutdownWait = settings.waits.shutdownWait;
  mine.waits.messageWait = settings.waits.messageWait;
  SetThemeDirectory(mine, settings.themeDir);
  mine.quiet = settings.quiet;
}

// ------------------------------------------------------------------ creation

bool ClockWindow::CreateClock(HWND parent, bool preview, const RECT* target) {
  if (created_) return false;
  created_ = true;
  if (preview) return CreatePreview(parent, target);
  desktop_ = std::make_unique<Desktop>(services_, &effectsOwner_);
  desktop_->snooze = std::make_unique<ClockSnooze>(&desktop_->checks.snoozes, time_);
  desktop_->ownEffects.Attach(&desktop_->tray, desktop_->snooze.get());
  BindDesktopHandlers();
  return CreateDesktop();
}

void ClockWindow::BindDesktopHandlers() {
  OnMessage<WM_LBUTTONDOWN>(&ClockWindow::OnLeftButtonDown);
  OnMessage<WM_RBUTTONDOWN>(&ClockWindow::OnRightButtonDown);
  OnMessage<WM_DESTROY>(&ClockWindow::OnDestroy);
  OnNotifyIcon(WM_TRAYNOTIFY, &ClockWindow::OnTrayNotify);
  OnMessage<WM_INITMENU>(&ClockWindow::OnInitMenu);
  OnMessage<WM_MEASUREITEM>(&ClockWindow::OnMeasureItem);
  OnMessage<WM_DRAWITEM>(&ClockWindow::OnDrawItem);
  OnMessage<WM_EXITMENULOOP>(&ClockWindow::OnExitMenuLoop);
  OnMessage<WM_ENTERMENULOOP>(&ClockWindow::OnMenuLoop);
  OnMessage<WM_MENUSELECT>(&ClockWindow::OnMenuSelect);
  OnMessage<WM_POWERBROADCAST>(&ClockWindow::OnPowerBroadcast);
  // The shell broadcasts this message when it starts again after a crash; the
  // icon is then added anew.
  if (UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated"))
    OnSignal(taskbarCreated, &ClockWindow::OnTaskbarCreated);
  OnCommand(IDM_CLOSE, &ClockWindow::OnCloseCommand);
  OnCommand(IDM_SHOW_HIDE, &ClockWindow::OnShowHideCommand);
  OnCommand(IDM_HELP, &ClockWindow::OnHelpCommand);
  for (int command : {IDM_ABOUT, IDM_PROGRAM_SETTINGS, IDM_CLOCK_SETTINGS, IDM_TIME_CORRECTION, IDM_CALENDAR})
    OnCommand(command, &ClockWindow::OnDialogCommand);
}

bool ClockWindow::CreateWindowIn(HWND parent, DWORD exStyle) {
  static const ClassSpec kClass = {"Clock", CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS,
                                   LoadCursor(nullptr, IDC_ARROW),
                                   reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)};
  effectsOwner_ = nullptr;
  if (!CreateWindowFor(kClass, exStyle, "", WS_POPUP | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                       CW_USEDEFAULT, parent, nullptr))
    return false;
  effectsOwner_ = hwnd();
  return true;
}

bool ClockWindow::CreatePreview(HWND parent, const RECT* target) {
  if (!CreateWindowIn(parent, WS_EX_TOOLWINDOW)) return false;
  const RECT t = target ? *target : RECT{0, 0, 0, 0};
  SetFaceGeometry(t.left, t.top);
  const int x = t.left + ((t.right - t.left) - faceRect_.right) / 2;
  const int y = t.top + ((t.bottom - t.top) - faceRect_.bottom) / 2;
  SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowFace();
  return IsWindow(hwnd()) != FALSE;
}

bool ClockWindow::CreateDesktop() {
  char iniPath[kProgramPathSize];
  ProgramPath("Ticora.ini", iniPath);
  // A settings write cut short by the program's end is finished first.
  RecoverReplacement(DefaultFileSystem(), iniPath);
  const ClockSettings settings = ReadClockSettings(iniPath);
  TimedCheckSettings& run = desktop_->settings;
  run.chimeOn = settings.chimeOn;
  faceMode_ = settings.faceMode;
  run.remindersOn = settings.remindersOn;
  run.isLead = SystemLeadByte;
  SetThemeDirectory(run, settings.themeDir);
  run.waits.messageWait = settings.messageWait;
  run.waits.shutdownWait = settings.shutdownWait;
  run.quiet = settings.quiet;
  // The time since the clock was last seen running is looked at by the first
  // tick; snoozes not yet shown come back.
  desktop_->checks.watch.Start(ReadLastSeen(iniPath));
  desktop_->checks.snoozes.Set(ReadSnoozes(iniPath));
  // The face is loaded for the scale of the system's DPI (or the user's).
  faceScaleSetting_ = settings.faceScale;
  faceScale_ = EffectiveFaceScale(faceScaleSetting_, WindowDpi(nullptr));
  digital_.SetScale(faceScale_);
  analog_.SetScale(faceScale_);

  char remindersPath[kProgramPathSize];
  ProgramPath("Ticora.rmd", remindersPath);
  ProgramReminders().Load(remindersPath);
  LoadSkinImageList();
  if (!LoadFaceFromSettings(iniPath)) return false;
  if (!CreateWindowIn(nullptr, WS_EX_TOOLWINDOW | WS_EX_TOPMOST)) return false;

  // A clock saved on a monitor that has gone starts where it can be reached.
  const SIZE size = faceMode_ == kFaceAnalog ? SIZE{AnalogFaceSize(faceScale_), AnalogFaceSize(faceScale_)}
                                             : digital_.BackgroundSize();
  const POINT pos = ReachablePosition(settings.left, settings.top, size.cx, size.cy);
  SetFaceGeometry(pos.x, pos.y);
  SendMessageA(hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, MAKELPARAM(pos.x, pos.y));
  ShowWindow(hwnd(), SW_RESTORE);
  ShowWindow(hwnd(), SW_SHOW);
  // A window that the system placed on a monitor of another scale than the
  // system's takes that monitor's scale.
  FollowDpi(WindowDpi(hwnd()), nullptr);
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

bool ClockWindow::OnCreate(const CREATESTRUCTA&) {
  timerSet_ = SetTimer(hwnd(), kClockTimerId, 1000, nullptr) != 0;
  if (desktop_) {
    LoadProgramIcon();
    desktop_->tray.Add(hwnd(), SmallProgramIcon(), WM_TRAYNOTIFY, time_->Now());
  }
  return true;
}

// ------------------------------------------------------------------ closing

void ClockWindow::CloseClock() {
  if (timerSet_) {
    KillTimer(hwnd(), kClockTimerId);
    timerSet_ = false;
  }
  if (desktop_) CloseDesktop();
  if (hwnd()) DestroyWindow(hwnd());
}

void ClockWindow::CloseDesktop() {
  RECT r;
  if (GetWindowRect(hwnd(), &r)) {
    char iniPath[kProgramPathSize];
    ProgramPath("Ticora.ini", iniPath);
    WriteIniInt(iniPath, ini_keys::kSystem, ini_keys::kLostPosLeft, r.left);
    WriteIniInt(iniPath, ini_keys::kSystem, ini_keys::kLastPostop, r.top);
  }
  WriteLastSeen(time_->Now());
  ReleaseSkinImageList();
  desktop_->ownEffects.CloseAll();
}

void ClockWindow::OnClose() { CloseClock(); }

void ClockWindow::OnDpiChanged(UINT dpi, const RECT& suggested) { FollowDpi(static_cast<int>(dpi), &suggested); }

void ClockWindow::OnDestroy() { PostQuitMessage(0); }

// ------------------------------------------------------------------ the tick

void ClockWindow::OnTimer(UINT_PTR id) {
  if (id == kClockTimerId) ClockTick();
}

void ClockWindow::ClockTick() {
  last_ = time_->Now();
  if (desktop_) DesktopTick();
  if (faceMode_ == kFaceAnalog) {
    RedrawHands();
  } else {
    InvalidateRect(hwnd(), nullptr, FALSE);
  }
}

void ClockWindow::DesktopTick() {
  // The tooltip carries the date: the first tick of a new date rewrites it,
  // whatever its time (the computer may have slept over midnight).
  if (!desktop_->tray.ShowsDateOf(last_)) desktop_->tray.UpdateTip(last_);
  if (RunTimedChecks(last_, desktop_->settings, desktop_->checks, ProgramReminders(), *desktop_->effects)) {
    char iniPath[kProgramPathSize];
    IniPath(iniPath);
    WriteSnoozes(iniPath, desktop_->checks.snoozes.Items());
  }
  if (LastSeenDue(desktop_->lastSeenWritten, SecondStamp(last_))) WriteLastSeen(last_);
}

void ClockWindow::WriteLastSeen(const LocalTime& now) {
  if (!desktop_) return;
  const int64_t stamp = SecondStamp(now);
  char iniPath[kProgramPathSize];
  IniPath(iniPath);
  // With reminders off there is no history: the next start reports no gap.
  ::WriteLastSeen(iniPath, desktop_->settings.remindersOn ? stamp : -1);
  desktop_->lastSeenWritten = stamp;
}

void ClockWindow::OnPowerBroadcast(UINT event) {
  switch (event) {
    case PBT_APMSUSPEND:
    case PBT_APMSTANDBY:
      // Before the computer sleeps: the time asleep is a gap from here.
      WriteLastSeen(time_->Now());
      break;
    case PBT_APMRESUMESUSPEND:
    case PBT_APMRESUMESTANDBY:
    case PBT_APMRESUMECRITICAL:
    case PBT_APMRESUMEAUTOMATIC:
      // Awake again: look at the gap now rather than at the next tick.
      if (timerSet_) ClockTick();
      break;
    default:
      break;
  }
}

void ClockWindow::RedrawHands() {
  Region outline = analog_.BuildHands(last_.wHour, last_.wMinute, last_.wSecond);
  // Once given to the window, the region belongs to the system, which deletes
  // the previous one itself.
  if (outline && SetWindowRgn(hwnd(), outline.get(), TRUE)) windowRegion_ = outline.Release();
  // The redraw of the new outline has erased already (and erasing does
  // nothing here); the whole face is painted anew without a second erase.
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void ClockWindow::OnPaint() {
  PaintDC dc(hwnd());
  PaintFace(dc.get());
}

bool ClockWindow::OnEraseBackground(HDC) { return true; }

// ------------------------------------------------------- mouse, tray and menu

void ClockWindow::OnLeftButtonDown(POINT at, UINT) {
  PostMessageA(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
}

void ClockWindow::OnRightButtonDown(POINT, UINT) { ShowTrayMenu(); }

void ClockWindow::ToggleClockVisible() {
  if (IsWindowVisible(hwnd())) {
    SendMessageA(hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, static_cast<LPARAM>(-1));
    ShowWindow(hwnd(), SW_HIDE);
  } else {
    ShowWindow(hwnd(), SW_RESTORE);
  }
}

void ClockWindow::ShowTrayMenu() {
  if (!desktop_ || !hwnd()) return;
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

void ClockWindow::UpdateTrayTip() { UpdateTrayTip(time_->Now()); }

void ClockWindow::UpdateTrayTip(const LocalTime& date) {
  if (desktop_) desktop_->tray.UpdateTip(date);
}

void ClockWindow::OnTrayNotify(UINT iconId, UINT mouseMessage) {
  if (iconId != kTrayIconId) {
    SetMsgHandled(false);
    return;
  }
  if (mouseMessage == WM_LBUTTONUP) {
    ToggleClockVisible();
  } else if (mouseMessage == WM_RBUTTONUP) {
    ShowTrayMenu();
  }
}

void ClockWindow::OnInitMenu(HMENU menu) { desktop_->menu.InitMenu(menu); }

void ClockWindow::OnMeasureItem(int, MEASUREITEMSTRUCT& item) {
  if (!desktop_->menu.MeasureItem(&item)) SetMsgHandled(false);
}

void ClockWindow::OnDrawItem(int, const DRAWITEMSTRUCT& item) {
  if (!desktop_->menu.DrawItem(&item)) SetMsgHandled(false);
}

void ClockWindow::OnExitMenuLoop(bool) { desktop_->menu.ExitMenuLoop(); }

// Entering the menu loop and moving over the items need nothing.
void ClockWindow::OnMenuLoop(bool) {}

void ClockWindow::OnMenuSelect(UINT, UINT, HMENU) {}

void ClockWindow::OnTaskbarCreated() {
  if (hwnd()) desktop_->tray.Add(hwnd(), SmallProgramIcon(), WM_TRAYNOTIFY, time_->Now());
}

// ------------------------------------------------------------------ commands

void ClockWindow::OnCloseCommand(int, int, HWND) { PostMessageA(hwnd(), WM_CLOSE, 0, 0); }

void ClockWindow::OnShowHideCommand(int, int, HWND) { ToggleClockVisible(); }

void ClockWindow::OnHelpCommand(int, int, HWND) { OpenHelp(hwnd(), nullptr); }

void ClockWindow::OnDialogCommand(int id, int, HWND) {
  // The modal dialogs are owned by the window that is active at the command.
  if (desktop_->dialogs) desktop_->dialogs->Open(id, *this, GetActiveWindow());
}
