#include "controls/handles_win.h"

namespace handles {
namespace {
volatile LONG g_live = 0;
}
long LiveCount() { return g_live; }
void CountAcquire() { InterlockedIncrement(&g_live); }
void CountRelease() { InterlockedDecrement(&g_live); }
}  // namespace handles
