// The clock window: the desktop clock (borderless, topmost, no taskbar button,
// dragged with the left button, tray icon and menu, one-second tick) and, in
// preview mode, the live preview inside the program settings dialog.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "clock/face_geometry.h"
#include "base/local_time.h"
#include "clock/menu_painter_win.h"
#include "clock/tray_icon_win.h"
#include "controls/handles_win.h"
#include "controls/window_win.h"
#include "reminders/message_board_win.h"
#include "reminders/reminder_effects.h"
#include "reminders/shutdown_countdown_win.h"

constexpr UINT WM_TRAYNOTIFY = WM_USER + 17;
constexpr UINT_PTR kClockTimerId = 1;

// Reads the system's local time.
class SystemTimeSource : public TimeSource {
 public:
  LocalTime Now() override;
};

// What the desktop clock's tick does on the platform: sounds, programs,
// message boards and the shutdown countdown.
class ClockEffects : public ReminderEffects {
 public:
  explicit ClockEffects(HWND* owner) : owner_(owner) {}
  ~ClockEffects() override;
  void StartSound(const char* path) override;
  void TidyMessageBoards() override;
  void OpenMessageBoard(const char* title, const char* message, int seconds) override;
  void StartProgram(const char* commandLine) override;
  bool IsCountdownRunning() override;
  void StartShutdownCountdown(bool force, bool restart, int seconds) override;
  // Closes every board and the countdown without acting (the clock is closing).
  void CloseAll();
  // The boards opened since the last tidying, oldest first.
  size_t MessageBoardCount() const { return boards_.size(); }
  MessageBoard* MessageBoardAt(size_t i) const { return i < boards_.size() ? boards_[i].get() : nullptr; }
  // The shutdown countdown, made at the first shutdown or restart; null before.
  ShutdownCountdownDialog* Countdown() const { return countdown_.get(); }

 private:
  HWND* owner_;
  std::vector<std::unique_ptr<MessageBoard>> boards_;
  std::unique_ptr<ShutdownCountdownDialog> countdown_;
};

class ClockWindow : public Window {
 public:
  // time: where ticks read the local time; null for the system's clock.
  explicit ClockWindow(TimeSource* time = nullptr);
  ~ClockWindow() override;

  // parent: none for the desktop clock, the settings dialog for the preview;
  // target: screen rectangle the preview is centred in.
  bool CreateClock(HWND parent, bool preview, const RECT* target);
  void CloseClock();
  void ToggleClockVisible();
  void ShowTrayMenu();
  // Rewrites the tray tooltip with today's date (desktop clock only).
  void UpdateTrayTip();
  const TrayIcon& Tray() const { return trayIcon_; }
  const MenuPainter& Painter() const { return menuPainter_; }

  // Face operations.
  bool LoadBackground(const char* path, bool relayout);
  bool LoadDigitStrip(const char* path);
  bool ApplyAppearance(int mode, const char* backgroundPath, const char* digitPath, bool forced);
  void SetFaceGeometry(int x, int y);
  // Draws the current face into any device context (the window's, or a memory
  // DC in tests).
  void PaintFace(HDC dc);

  // The preview's face mode is set by its owner before creation.
  void SetFaceMode(uint8_t mode) { faceMode_ = mode; }
  uint8_t FaceMode() const { return faceMode_; }
  bool PreviewMode() const { return preview_; }
  RECT FaceRect() const { return faceRect_; }
  POINT DigitOrigin() const { return digitOrigin_; }
  LocalTime LastTick() const { return last_; }
  HRGN WindowRegion() const { return windowRegion_; }
  bool HasBackground() const { return static_cast<bool>(backgroundBitmap_); }
  bool HasDigitStrip() const { return static_cast<bool>(digitStrip_); }
  // Tests observe the tick's effects through their own implementation.
  void SetEffects(ReminderEffects* effects) { effects_ = effects ? effects : &ownEffects_; }
  bool ChimeOn() const { return chimeOn_; }
  bool RemindersOn() const { return remindersOn_; }

 private:
  bool OnCreate(WPARAM, LPARAM, LRESULT&);
  bool OnTimer(WPARAM, LPARAM, LRESULT&);
  bool OnPaint(WPARAM, LPARAM, LRESULT&);
  bool OnEraseBackground(WPARAM, LPARAM, LRESULT&);
  bool OnLeftButtonDown(WPARAM, LPARAM, LRESULT&);
  bool OnRightButtonDown(WPARAM, LPARAM, LRESULT&);
  bool OnClose(WPARAM, LPARAM, LRESULT&);
  bool OnDestroy(WPARAM, LPARAM, LRESULT&);
  bool OnTrayNotify(WPARAM, LPARAM, LRESULT&);
  bool OnInitMenu(WPARAM, LPARAM, LRESULT&);
  bool OnMeasureItem(WPARAM, LPARAM, LRESULT&);
  bool OnDrawItem(WPARAM, LPARAM, LRESULT&);
  bool OnExitMenuLoop(WPARAM, LPARAM, LRESULT&);
  bool OnMenuNotice(WPARAM, LPARAM, LRESULT&);
  bool OnTaskbarCreated(WPARAM, LPARAM, LRESULT&);
  bool OnCloseCommand(UINT, HWND);
  bool OnShowHideCommand(UINT, HWND);
  bool OnHelpCommand(UINT, HWND);
  bool OnCalendarCommand(UINT, HWND);

  void ClockTick();
  bool LoadFaceFromSettings(const char* iniPath);
  void DialRegions();
  void HandRegions();
  void ReleaseAnalogRegions();
  // Moves a window saved wholly outside every monitor into the primary work area.
  POINT ReachablePosition(int x, int y) const;

  TimeSource* time_;
  SystemTimeSource systemTime_;
  TrayIcon trayIcon_;
  MenuPainter menuPainter_;
  RECT faceRect_{0, 0, 0, 0};
  LocalTime last_{};
  uint8_t faceMode_ = 0;
  bool preview_ = false;
  bool timerSet_ = false;
  Bitmap backgroundBitmap_;
  Bitmap digitStrip_;
  // The region last given to the window. The system owns and deletes it.
  HRGN windowRegion_ = nullptr;
  Region dialRegion_, hourMarks_, minuteMarks_;
  Region hourHand_, minuteHand_, secondHand_;
  char themeDir_[128] = {};
  POINT digitOrigin_{0, 0};
  bool chimeOn_ = false;
  bool remindersOn_ = false;
  int messageWait_ = 0;
  int shutdownWait_ = 0;
  HWND effectsOwner_ = nullptr;
  ClockEffects ownEffects_{&effectsOwner_};
  ReminderEffects* effects_ = &ownEffects_;
};

// Process-wide resources created by the desktop clock and shared by the dialogs.
HICON ProgramIcon();
HIMAGELIST SkinImageList();
