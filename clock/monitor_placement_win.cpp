#include "clock/monitor_placement_win.h"

#include "clock/screen_placement.h"
#include "controls/handles_win.h"

namespace {

struct MonitorList {
  ScreenRect rects[16];
  size_t count = 0;
};

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT rect, LPARAM data) noexcept {
  auto* list = reinterpret_cast<MonitorList*>(data);
  if (list->count < sizeof list->rects / sizeof list->rects[0])
    list->rects[list->count++] = {rect->left, rect->top, rect->right, rect->bottom};
  return TRUE;
}

MonitorList Monitors() {
  MonitorList list;
  typedef BOOL(WINAPI * EnumFn)(HDC, LPCRECT, MONITORENUMPROC, LPARAM);
  HMODULE user32 = GetModuleHandleA("user32.dll");
  EnumFn enumMonitors = user32 ? EntryAs<EnumFn>(GetProcAddress(user32, "EnumDisplayMonitors")) : nullptr;
  if (enumMonitors) enumMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&list));
  if (list.count == 0)
    list.rects[list.count++] = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return list;
}

}  // namespace

POINT ReachablePosition(int x, int y, int width, int height) {
  const MonitorList monitors = Monitors();
  RECT work;
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
    work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const ScreenPoint p = PlaceOnScreen(x, y, width, height, monitors.rects, monitors.count,
                                      ScreenRect{work.left, work.top, work.right, work.bottom});
  return {p.x, p.y};
}
