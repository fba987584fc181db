#include "controls/child_windows_win.h"

namespace {

// Never throws into the system: a list that cannot grow ends the walk.
BOOL CALLBACK CollectChild(HWND child, LPARAM param) noexcept {
  auto* list = reinterpret_cast<std::vector<HWND>*>(param);
#if __cpp_exceptions
  try {
    list->push_back(child);
  } catch (...) {
    return FALSE;
  }
#else
  list->push_back(child);  // without exceptions, running out of memory ends the program
#endif
  return TRUE;
}

}  // namespace

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> children;
  if (parent) EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}
