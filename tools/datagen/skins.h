// Background skins of the digital face and the digit strips drawn over them.
#pragma once

#include <string>
#include <vector>

#include "tools/datagen/canvas.h"

namespace datagen {

// Size of the area the clock draws the time into, and of one digit strip.
constexpr int kDigitAreaWidth = 110;
constexpr int kDigitAreaHeight = 25;
constexpr int kStripWidth = 162;
constexpr int kStripHeight = 25;

struct Skin {
    std::string file;  // file name in the program directory
    Image image;
    int digitX = 0, digitY = 0;  // where the black-bordered digit area starts
};

struct DigitStrip {
    std::string file;
    Image image;
};

// The key colour of every skin: its pixels are cut out of the clock window.
constexpr uint8_t kKeyR = 255, kKeyG = 0, kKeyB = 255;

// The skins and strips drawn k times larger (k = 1: the pictures themselves),
// named "<name>@<k>x.bmp" for k above 1. The digit area's place (digitX,
// digitY) is in 1x units.
std::vector<Skin> MakeSkins(int k = 1);
std::vector<DigitStrip> MakeDigitStrips(int k = 1);
// "<base>.bmp" for k = 1, else "<base>@<k>x.bmp".
std::string ScaledName(const std::string& base, int k);

}  // namespace datagen
