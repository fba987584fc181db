// Writes every generated data file: the distribution files beside the
// programs and the files the resource compiler includes.
#pragma once

#include <string>
#include <vector>

#include "tools/datagen/skins.h"

namespace datagen {

// Default "Ticora.ini" naming the given skins and digit strips (CRLF line ends).
std::string SettingsIni(const std::vector<Skin>& skins, const std::vector<DigitStrip>& strips);

// Generates everything. On failure returns false and names the file in `error`.
bool GenerateAll(const std::string& distDir, const std::string& genDir, std::string* error);

}  // namespace datagen
