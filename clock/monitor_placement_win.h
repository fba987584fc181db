// Where a clock saved at some position starts on this machine's monitors.
#pragma once
#include <windows.h>

// The top-left corner for a width x height clock saved at (x, y): unchanged
// while the window touches a monitor; a window wholly outside every monitor
// (one that has gone) moves into the primary work area. The multi-monitor
// functions are bound at run time (Windows 95 and NT 4 lack them); without
// them the primary screen counts as the only monitor.
POINT ReachablePosition(int x, int y, int width, int height);
