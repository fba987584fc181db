// Test pictures as the bytes of a 24-bit bottom-up BMP file, the format the
// programs load their skins and pictures from, and writing them to disk.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

// A BMP file of w x h pixels whose pixel (x, y), counted from the top left,
// has the colour colour(x, y).
std::string BmpBytes(int w, int h, const std::function<COLORREF(int x, int y)>& colour);

// A BMP file of one colour.
std::string SolidBmpBytes(int w, int h, COLORREF colour);

// Writes bytes to path (replacing the file); false when that fails.
bool WriteBytes(const std::string& path, const std::string& bytes);
