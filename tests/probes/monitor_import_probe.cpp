// A program that calls EnumDisplayMonitors directly, so that its import table
// names it: the import check must refuse such a program (the shipped ones bind
// the monitor functions at run time, since Windows 95 and NT 4 lack them).
// Built for the check's own test only, never run.
#include <windows.h>

namespace {

BOOL CALLBACK Count(HMONITOR, HDC, LPRECT, LPARAM data) {
  ++*reinterpret_cast<int*>(data);
  return TRUE;
}

}  // namespace

int main() {
  int monitors = 0;
  EnumDisplayMonitors(nullptr, nullptr, Count, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}
