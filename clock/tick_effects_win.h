// What the desktop clock's tick does on the platform: sounds, program starts,
// message boards and the shutdown countdown. The clock window owns one; tests
// make their own, with countdown actions that only record.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "base/owner_list.h"
#include "clock/tray_icon_win.h"
#include "reminders/message_board_win.h"
#include "reminders/late_reminders.h"
#include "reminders/reminder_effects.h"
#include "reminders/shutdown_countdown_win.h"

// The countdown's actions in the program: the helper library's shutdown and a
// message box for the question.
CountdownActions SystemCountdownActions();

class ClockEffects : public ReminderEffects {
 public:
  // owner: read each time a board or the countdown opens; the window owns them.
  explicit ClockEffects(HWND* owner, const CountdownActions& actions = SystemCountdownActions());
  ~ClockEffects() override;
  ClockEffects(const ClockEffects&) = delete;
  ClockEffects& operator=(const ClockEffects&) = delete;

  void StartSound(const char* path) override;
  void TidyMessageBoards() override;
  void OpenMessageBoard(const char* title, const char* message, int seconds) override;
  void StartProgram(const char* commandLine) override;
  bool IsCountdownRunning() override;
  void StartShutdownCountdown(bool force, bool restart, int seconds) override;
  void OpenReminderBoard(const ReminderKey& key, const char* title, const char* message, int seconds) override;
  void ShowTaskbarMessage(const ReminderKey& key, const char* title, const char* message, int seconds) override;
  void ReportMissed(const MissedReminder* missed, size_t count) override;
  // The icon the taskbar messages come from and what the boards' snooze box
  // does; either may be null (no balloons, no snooze box).
  void Attach(TrayIcon* tray, BoardSnooze* snooze);
  // The board of missed reminders, null before the first gap, and the
  // reminders it lists (one each, at its latest due time).
  MessageBoard* Missed() const { return missed_.get(); }
  const std::vector<MissedReminder>& MissedItems() const { return missedItems_; }
  // Closes every board and the countdown without acting (the clock is closing).
  void CloseAll();
  // The boards opened since the last tidying, oldest first.
  size_t MessageBoardCount() const { return boards_.size(); }
  MessageBoard* MessageBoardAt(size_t i) const { return i < boards_.size() ? boards_[i].get() : nullptr; }
  // The shutdown countdown, made at the first shutdown or restart; null before.
  ShutdownCountdownDialog* Countdown() const { return countdown_.get(); }

 private:
  void OpenBoard(BoardSnooze* snooze, const ReminderKey& key, const char* title, const char* message, int seconds);
  HWND* owner_;
  CountdownActions actions_;
  OwnerList<MessageBoard> boards_;
  std::unique_ptr<ShutdownCountdownDialog> countdown_;
  std::unique_ptr<MessageBoard> missed_;
  std::vector<MissedReminder> missedItems_;
  TrayIcon* tray_ = nullptr;
  BoardSnooze* snooze_ = nullptr;
};
