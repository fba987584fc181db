// The scale of pictures on the screen: how many screen pixels one pixel of a
// picture drawn for 96 DPI takes, the names of the pictures drawn for a
// scale, and the enlargement of a picture that has none.
#pragma once
#include <cstddef>
#include <cstdint>

// The DPI at which a picture is drawn one to one.
constexpr int kBaseDpi = 96;
// The largest scale: pictures are enlarged at most this much, which bounds
// the memory an enlarged picture takes.
constexpr int kMaxFaceScale = 4;

// The whole number nearest to dpi / 96, halves rounded up, at least 1 and at
// most kMaxFaceScale (96 and 120 DPI: 1; 144 to 192: 2; 240 and 288: 3).
int FaceScaleForDpi(int dpi);

// The name of the picture drawn for scale k beside path: "@<k>x" inserted
// before the extension of the file name ("Skins\a.bmp" -> "Skins\a@2x.bmp"),
// or appended when the name has none. False (out empty) when the result does
// not fit outSize or k is not 2 or more.
bool ScaledPictureName(const char* path, int k, char* out, size_t outSize);

// Enlarges a width x height picture of 32-bit pixels (rows top to bottom,
// stride in pixels) k times, each pixel becoming a k x k block, into out
// (width * k by height * k, rows of width * k pixels).
void EnlargePixels(const uint32_t* pixels, int width, int height, std::ptrdiff_t stride, int k, uint32_t* out);
