// The performance counter in milliseconds, for the benchmarks' timings.
#pragma once
#include <windows.h>

inline double MillisecondsNow() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}
