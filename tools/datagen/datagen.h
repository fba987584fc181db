// Writes every generated data file: the distribution files beside the
// programs and the files the resource compiler includes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/datagen/encoders.h"
#include "tools/datagen/skins.h"

namespace datagen {

// Default "Ticora.ini" naming the given skins and digit strips (CRLF line ends).
std::string SettingsIni(const std::vector<Skin>& skins, const std::vector<DigitStrip>& strips);

// One generated file: the folder it goes to, its name there ('/' separated)
// and how its contents are made.
struct Output {
    enum Folder { Dist, Gen } folder;
    std::string name;
    std::function<Bytes()> make;
};

// Every file the generator writes, in the order it writes them. GenerateAll
// writes exactly these, so this is also the list the build declares.
std::vector<Output> Outputs();

// How the output list names a file: "dist/<name>" or "gen/<name>".
std::string ListedName(const Output& output);

// Compares a declared output list (one listed name a line; "#" starts a
// comment) with the generator's own. Returns one message per difference:
// files the generator writes that are not declared, declared files it does
// not write, and names declared twice. Empty when the two agree.
std::vector<std::string> CompareWithDeclared(const std::string& declared, const std::vector<Output>& outputs);

// Generates everything. On failure returns false and names the file in `error`.
bool GenerateAll(const std::string& distDir, const std::string& genDir, std::string* error);

}  // namespace datagen
