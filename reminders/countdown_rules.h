// The shutdown countdown without its window: the seconds that remain, the
// texts it shows, and when the shutdown or restart is due.
#pragma once
#include <cstddef>

// Text of the seconds line, "%d 秒种后".
void FormatCountdownSeconds(char* out, size_t outSize, int seconds);

// Title of the countdown and text of its last line: restart or shut down.
const char* CountdownActionText(bool restart);

// Counts the seconds down once a tick. With a start value N >= 1 the action is
// due at the N-th tick; with N <= 0 at the first.
class CountdownClock {
 public:
  void Start(int seconds) { secondsLeft_ = seconds; }
  // One tick: one second less. True when the action is now due.
  bool Tick();
  // The execute button: the next tick carries out the action.
  void ActNow() { secondsLeft_ = 0; }
  int SecondsLeft() const { return secondsLeft_; }

 private:
  int secondsLeft_ = 0;
};
