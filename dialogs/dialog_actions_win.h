// What the working dialogs do outside themselves: the file-open dialog, a
// trial sound and the help page. A null member stands for the real thing
// (the run-time bound functions); tests put recorders in their place.
#pragma once
#include <windows.h>

struct DialogActions {
  BOOL (*openFile)(HWND owner, const char* filter, char* fileBuffer) = nullptr;  // buffer of 260 bytes
  BOOL (*playSound)(const char* path) = nullptr;
  bool (*openHelp)(HWND owner, const char* anchor) = nullptr;
};

// actions with every null member replaced by the real function.
DialogActions WithSystemDefaults(DialogActions actions);
