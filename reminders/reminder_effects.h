// What the once-a-second checks ask of the platform: sounds, message boards,
// program starts and the shutdown countdown. The clock window implements it;
// tests record the calls.
#pragma once
#include <cstddef>
#include <cstdint>

struct ReminderRecord;
struct MissedReminder;

// Which reminder a board, a snooze or a missed line belongs to: the record's
// key and a checksum of its title, so that another record that reuses the key
// is not taken for it.
struct ReminderKey {
  uint16_t id = 0;
  uint32_t titleHash = 0;
  bool operator==(const ReminderKey& o) const { return id == o.id && titleHash == o.titleHash; }
};
ReminderKey KeyOf(const ReminderRecord& record);

// Plays a sound file asynchronously, cutting off one still playing; a file that
// cannot be played gives silence, not a default sound.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual void StartSound(const char* path) = 0;
};

class ReminderEffects : public SoundPlayer {
 public:
  // Destroys the boards whose windows have closed and lets go of those still
  // open (they close themselves at the end of their countdown); afterwards the
  // owner's list of boards is empty.
  virtual void TidyMessageBoards() = 0;
  // Opens a topmost message board with a copy of the texts and a countdown of
  // seconds, owned by the clock window, picture "WndBackgnd.bmp" (or the one
  // drawn for the board's scale beside it) if present.
  virtual void OpenMessageBoard(const char* title, const char* message, int seconds) = 0;
  // Starts a process with commandLine (no separate application name); nothing
  // waits for it and a failure is not reported.
  virtual void StartProgram(const char* commandLine) = 0;
  // Whether the shutdown countdown window is open at this moment.
  virtual bool IsCountdownRunning() = 0;
  // Opens the shutdown countdown, which then shuts down (restart false) or
  // restarts the computer after seconds. Only called when no countdown runs.
  virtual void StartShutdownCountdown(bool force, bool restart, int seconds) = 0;

  // A message board of the reminder key, which can be snoozed from it. Without
  // a snooze the plain board opens.
  virtual void OpenReminderBoard(const ReminderKey& key, const char* title, const char* message, int seconds) {
    (void)key;
    OpenMessageBoard(title, message, seconds);
  }
  // The taskbar message: a balloon from the notification-area icon where the
  // shell has balloons, else a message board. seconds: the board's wait.
  virtual void ShowTaskbarMessage(const ReminderKey& key, const char* title, const char* message, int seconds) {
    OpenReminderBoard(key, title, message, seconds);
  }
  // Reminders that were not carried out in a gap of the ticks, to be listed
  // for the user (added to the list already shown, if one is).
  virtual void ReportMissed(const MissedReminder* missed, size_t count) {
    (void)missed;
    (void)count;
  }
};
