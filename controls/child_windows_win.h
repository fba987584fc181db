// The child windows of a window, collected before the caller works on them,
// so that nothing the caller does runs inside the system's enumeration (where
// an exception would have to cross the system's frames).
#pragma once
#include <windows.h>

#include <vector>

// Every descendant of parent in the system's enumeration order; empty for a
// null parent or when memory runs out partway (then the ones found so far).
std::vector<HWND> ChildWindows(HWND parent);
