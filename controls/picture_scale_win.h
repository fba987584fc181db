// Pictures at a scale on the screen: those drawn for it (a file "name@2x.bmp"
// beside "name.bmp"), else the 1x picture enlarged pixel by pixel.
#pragma once
#include <windows.h>

#include "controls/handles_win.h"

// A 32-bit BI_RGB description of a width x height picture; a negative height
// puts the top row first.
BITMAPINFO Info32(int width, int height);

// The picture path stands for, at face scale k: for k = 1 the file itself;
// otherwise the file drawn for that scale beside it ("name@2x.bmp") where it
// loads, else path's picture enlarged k times pixel by pixel. Null when
// neither can be loaded.
Bitmap LoadScaledPicture(const char* path, int k);

// A 32-bit DIB section k times the size of bitmap, each pixel a k x k block;
// null when it cannot be made (too large, or memory running out).
HBITMAP EnlargeBitmap(HBITMAP bitmap, int k);

// A copy of bitmap shrunk, keeping its proportions, to fit maxWidth x
// maxHeight (smoothly where the system can); null when it fits already or no
// copy can be made.
HBITMAP ShrinkBitmapToFit(HBITMAP bitmap, int maxWidth, int maxHeight);

// Shows bitmap in a static picture control (SS_BITMAP) and returns the one it
// showed before; the control does not take ownership of either.
HBITMAP SetStaticPicture(HWND control, HBITMAP bitmap);
// The bitmap a static picture control shows (null for none).
HBITMAP StaticPicture(HWND control);
