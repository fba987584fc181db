// The child windows of a window, collected before the caller works on them,
// so that nothing the caller does (creating or destroying windows) runs
// inside the system's enumeration.
#pragma once
#include <windows.h>

#include <vector>

// Every descendant of parent in the system's enumeration order; empty for a
// null parent. Built without exceptions, running out of memory while
// collecting ends the program; a build with them ends the walk instead and
// gives the ones found so far.
std::vector<HWND> ChildWindows(HWND parent);
