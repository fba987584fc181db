// The time the time correction dialog sets on confirmation.
#pragma once

#include "base/local_time.h"

// What the dialog's pickers hold at confirmation.
struct PickedTime {
  bool changed = false;      // either picker reported a change since opening
  bool dateChanged = false;  // the date picker did
  bool timeEnabled = false;  // the box "校正时间" is ticked
  LocalTime date;            // the date picker's value
  LocalTime time;            // the time picker's value
};

// The moment of confirmation, now, when no picker was changed; otherwise now
// with the picked date when the date picker was changed (a dialog left open
// across midnight would else set yesterday's date), and with the picked hour,
// minute, second and milliseconds when the time box is ticked.
LocalTime ComposeNewTime(const LocalTime& now, const PickedTime& picked);
