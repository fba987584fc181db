// The face scale on the screen: the DPI a window is shown at, and the skin
// pictures for a scale (drawn for it, or enlarged pixel by pixel).
#pragma once
#include <windows.h>

#include "controls/dpi_win.h"  // WindowDpi
#include "controls/picture_scale_win.h"  // LoadScaledPicture, EnlargeBitmap
