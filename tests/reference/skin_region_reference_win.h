// The skin outline built the slow, obvious way through the platform, and a
// region's pixels, for checking SkinRegion against it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

// The same outline built pixel by pixel through the device context (a colour
// read per pixel, a one-pixel exclusive-or per key pixel): slow, kept as the
// reference the fast construction is checked against.
HRGN SkinRegionPerPixel(HDC reference, HBITMAP bitmap, int width, int height, POINT* digitOrigin);

// Every pixel of a region within (0, 0, width, height), row-major, 1 = inside.
std::vector<uint8_t> RegionPixels(HRGN region, int width, int height);
