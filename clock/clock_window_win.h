// The clock window: the desktop clock (borderless, topmost, no taskbar button,
// dragged with the left button, tray icon and menu, one-second tick with the
// hourly chime and the reminders) and, in preview mode, the live preview
// inside the program settings dialog, which only ticks and draws.
#pragma once
#include <windows.h>

#include <vector>

#include <cstdint>
#include <memory>

#include "base/local_time.h"
#include "base/local_time_win.h"
#include "base/program_path.h"
#include "clock/analog_face_win.h"
#include "clock/digital_face_win.h"
#include "clock/menu_painter_win.h"
#include "clock/tick_effects_win.h"
#include "clock/tray_icon_win.h"
#include "controls/window_win.h"
#include "reminders/timed_checks.h"

constexpr UINT WM_TRAYNOTIFY = WM_USER + 17;
constexpr UINT_PTR kClockTimerId = 1;

class ClockWindow;

// Opens the dialogs of the menu's dialog commands (about, program settings,
// clock settings, time correction, calendar). The dialogs live in a layer
// above the clock, so the program hands the clock an object that knows them.
class ClockDialogs {
 public:
  virtual ~ClockDialogs() = default;
  // Runs the dialog of command modally, owned by owner, and applies its
  // result to clock; returns when it has closed.
  virtual void Open(int command, ClockWindow& clock, HWND owner) = 0;
};

// What the clock uses outside itself. A null member stands for the real thing.
struct ClockServices {
  TimeSource* time = nullptr;           // the system's local time
  ReminderEffects* effects = nullptr;   // the clock's own sounds, boards, programs and countdown
  ShellNotifyFn shellNotify = nullptr;  // Shell_NotifyIconA
  ClockDialogs* dialogs = nullptr;      // no dialogs: their commands do nothing
  int shellVersion = 0;                 // the shell's major version; 0: ask the system
};

class ClockWindow : public Window {
 public:
  explicit ClockWindow(const ClockServices& services = ClockServices());
  ~ClockWindow() override;

  // parent: none for the desktop clock, the settings dialog for the preview;
  // target: screen rectangle the preview is centred in. Once per object.
  bool CreateClock(HWND parent, bool preview, const RECT* target);
  void CloseClock();
  void ToggleClockVisible();
  void ShowTrayMenu();
  // Rewrites the tray tooltip with today's date, or with the date of date
  // (after the system time was set to it); desktop clock only.
  void UpdateTrayTip();
  void UpdateTrayTip(const LocalTime& date);
  const TrayIcon& Tray() const;
  const MenuPainter& Painter() const;

  // The running desktop clock's chime and reminder settings, and the one way
  // to change them: the next tick uses what is applied here. The preview has
  // none (all off) and ignores a change.
  const TimedCheckSettings& RunSettings() const;
  void ApplySettings(const TimedCheckSettings& settings);
  // The desktop clock's checks between ticks (previous tick, snoozes); null
  // for the preview.
  const TimedCheckState* CheckState() const { return desktop_ ? &desktop_->checks : nullptr; }
  // The clock's own effects (boards, missed board, countdown); null for the
  // preview.
  ClockEffects* OwnEffects() { return desktop_ ? &desktop_->ownEffects : nullptr; }

  // Face operations.
  bool LoadBackground(const char* path, bool relayout);
  bool LoadDigitStrip(const char* path);
  bool ApplyAppearance(int mode, const char* backgroundPath, const char* digitPath, bool forced);
  void SetFaceGeometry(int x, int y);
  // Draws the current face into any device context (the window's, or a memory
  // DC in tests).
  void PaintFace(HDC dc);

  // The face scale: the setting (0 automatic, 1 to 3 fixed; the desktop
  // clock reads it at creation) and the scale the face is drawn at. A new
  // setting redraws the face at its scale where the window is; before the
  // window exists it sets the scale of the pictures loaded next, as the
  // preview's owner does.
  void SetFaceScaleSetting(int setting);
  int FaceScaleSetting() const { return faceScaleSetting_; }
  int FaceScale() const { return faceScale_; }
  // Follows the window's DPI: the face is drawn anew at the scale the DPI
  // gives (automatic setting), its top-left corner at suggested's when given.
  void FollowDpi(int dpi, const RECT* suggested);

  // The preview's face mode is set by its owner before creation.
  void SetFaceMode(uint8_t mode) { faceMode_ = mode; }
  uint8_t FaceMode() const { return faceMode_; }
  bool PreviewMode() const { return created_ && !desktop_; }
  RECT FaceRect() const { return faceRect_; }
  POINT DigitOrigin() const { return digital_.DigitOrigin(); }
  LocalTime LastTick() const { return last_; }
  HRGN WindowRegion() const { return windowRegion_; }
  // Every GDI object the clock holds itself: the faces' bitmaps and regions
  // (the window region belongs to the system once set). For leak checks.
  std::vector<HGDIOBJ> GdiObjects() const {
    std::vector<HGDIOBJ> out;
    analog_.AppendObjects(out);
    digital_.AppendObjects(out);
    return out;
  }
  bool HasBackground() const { return digital_.HasBackground(); }
  bool HasDigitStrip() const { return digital_.HasDigitStrip(); }

 private:
  // What only the desktop clock has. The preview has none of it: whether this
  // part exists is the one switch between the two roles.
  struct Desktop {
    Desktop(const ClockServices& services, HWND* owner);
    TrayIcon tray;
    MenuPainter menu;
    TimedCheckSettings settings;
    TimedCheckState checks;
    int64_t lastSeenWritten = -1;
    ClockEffects ownEffects;
    ReminderEffects* effects;
    ClockDialogs* dialogs;
    std::unique_ptr<BoardSnooze> snooze;
  };

  bool CreateDesktop();
  bool CreatePreview(HWND parent, const RECT* target);
  bool CreateWindowIn(HWND parent, DWORD exStyle);
  void BindDesktopHandlers();
  bool LoadFaceFromSettings(const char* iniPath);
  void ClockTick();
  void DesktopTick();
  void CloseDesktop();
  void WriteLastSeen(const LocalTime& now);
  void RedrawHands();
  void ShowFace();
  // Draws the face at scale k with its top-left corner at (x, y): the digital
  // face's pictures loaded again for the scale, the analog face rebuilt.
  void RescaleFace(int k, int x, int y);

  // Every clock.
  bool OnCreate(const CREATESTRUCTA& create);
  void OnTimer(UINT_PTR id);
  void OnPaint();
  bool OnEraseBackground(HDC dc);
  void OnClose();
  void OnDpiChanged(UINT dpi, const RECT& suggested);
  // The desktop clock only.
  void OnLeftButtonDown(POINT at, UINT keys);
  void OnRightButtonDown(POINT at, UINT keys);
  void OnDestroy();
  void OnTrayNotify(UINT iconId, UINT mouseMessage);
  void OnInitMenu(HMENU menu);
  void OnMeasureItem(int id, MEASUREITEMSTRUCT& item);
  void OnDrawItem(int id, const DRAWITEMSTRUCT& item);
  void OnMenuLoop(bool trackPopup);
  void OnExitMenuLoop(bool trackPopup);
  void OnMenuSelect(UINT item, UINT flags, HMENU menu);
  void OnTaskbarCreated();
  void OnPowerBroadcast(UINT event);
  void OnCloseCommand(int id, int code, HWND control);
  void OnShowHideCommand(int id, int code, HWND control);
  void OnHelpCommand(int id, int code, HWND control);
  void OnDialogCommand(int id, int code, HWND control);

  ClockServices services_;
  TimeSource* time_;
  SystemTimeSource systemTime_;
  std::unique_ptr<Desktop> desktop_;
  HWND effectsOwner_ = nullptr;
  bool created_ = false;
  RECT faceRect_{0, 0, 0, 0};
  LocalTime last_{};
  uint8_t faceMode_ = 0;
  int faceScaleSetting_ = 0;
  int faceScale_ = 1;
  // The skin files last loaded, loaded again when the scale changes.
  char backgroundPath_[kProgramPathSize] = {};
  char digitPath_[kProgramPathSize] = {};
  bool timerSet_ = false;
  DigitalFace digital_;
  AnalogFace analog_;
  // The region last given to the window. The system owns and deletes it.
  HRGN windowRegion_ = nullptr;
};
