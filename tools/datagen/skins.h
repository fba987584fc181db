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

std::vector<Skin> MakeSkins();
std::vector<DigitStrip> MakeDigitStrips();

}  // namespace datagen
