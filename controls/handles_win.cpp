#include "controls/handles_win.h"

namespace handles {
namespace {
volatile LONG g_live = 0;
}
volatile LONG g_peak = 0;
long LiveCount() { return g_live; }
long PeakCount() { return g_peak; }
void ResetPeak() { g_peak = g_live; }
void CountAcquire() {
  const LONG now = InterlockedIncrement(&g_live);
  // One user-interface thread: a plain compare is enough for a measurement.
  if (now > g_peak) g_peak = now;
}
void CountRelease() { InterlockedDecrement(&g_live); }
}  // namespace handles
