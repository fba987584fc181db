// The system's local time as a time source, and the platform's time record.
#pragma once
#include <windows.h>

#include "base/local_time.h"

class SystemTimeSource : public TimeSource {
 public:
  LocalTime Now() override;
};

LocalTime FromSystemTime(const SYSTEMTIME& time);
SYSTEMTIME ToSystemTime(const LocalTime& time);
