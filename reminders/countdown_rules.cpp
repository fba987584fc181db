#include "reminders/countdown_rules.h"

#include <climits>

#include "base/text_format.h"

void FormatCountdownSeconds(char* out, size_t outSize, int seconds) {
  if (!out || outSize == 0) return;
  FormatText(out, outSize, "%d 秒种后", seconds);
}

const char* CountdownActionText(bool restart) { return restart ? "重新启动计算机..." : "关闭计算机..."; }

bool CountdownClock::Tick() {
  // A start value of INT_MIN must not wrap around to a far-off moment.
  if (secondsLeft_ > INT_MIN) --secondsLeft_;
  return secondsLeft_ <= 0;
}
