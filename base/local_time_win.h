// The system's local time as a time source.
#pragma once
#include "base/local_time.h"

class SystemTimeSource : public TimeSource {
 public:
  LocalTime Now() override;
};
