// Synthesised bell chimes and the sample sound themes built from them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace datagen {

constexpr int kSampleRate = 22050;
// Upper bound for one chime file, so that a theme stays small.
constexpr double kMaxChimeSeconds = 6.8;

// `strokes` bell strokes (1..12). An evening chime is a lower bell with a short
// three-note prelude.
std::vector<int16_t> ChimeSamples(int strokes, bool evening);

// Number of strokes and timbre of the sound for key number `key` (1..mode) of a theme.
int StrokesForKey(int key);
bool EveningKey(int key, int mode);

// Text of a theme's "theme.ini" (CRLF line ends).
std::string ThemeIni(int mode);

}  // namespace datagen
