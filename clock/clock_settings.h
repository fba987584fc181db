// The settings the desktop clock reads from "Ticora.ini" at creation, and the
// skin lists ("BACKGROUND", "NUMBER").
#pragma once
#include <cstddef>
#include <cstdint>

#include "reminders/hourly_chime.h"

// Section and key names as they stand in the file.
namespace ini_keys {
constexpr const char* kSystem = "SYSTEM";
constexpr const char* kBackground = "BACKGROUND";
constexpr const char* kNumber = "NUMBER";
constexpr const char* kSignalClock = "bSignalClock";
constexpr const char* kClockMode = "bClockMode";
constexpr const char* kAffairRemind = "bAffairRemind";
constexpr const char* kSignalFile = "sSignalFile";
constexpr const char* kTransparent = "bTransparent";
constexpr const char* kTransparence = "nTransparence";
constexpr const char* kMessageWait = "nMessageWait";
constexpr const char* kShutdownWait = "nShutdownWait";
constexpr const char* kLostPosLeft = "nLostPosLeft";
constexpr const char* kLastPostop = "nLastPostop";
constexpr const char* kAutoStart = "bAutoStart";
constexpr const char* kQuietHours = "bQuietHours";
constexpr const char* kQuietFrom = "nQuietFrom";
constexpr const char* kQuietTo = "nQuietTo";
constexpr const char* kTotal = "nTotal";
constexpr const char* kCurrent = "nCurrent";
constexpr const char* kFaceScale = "nFaceScale";
}  // namespace ini_keys

// The ranges the program settings allow. A value outside its range read from
// the file (edited by hand) counts as the nearest end: a shutdown wait of 0
// would leave no time to cancel, an alpha of 0 an invisible clock.
constexpr int kMinTransparence = 10;  // the most transparent
constexpr int kMaxTransparence = 255;  // opaque
constexpr int kMinMessageWait = 1;
constexpr int kMaxMessageWait = 36000;
constexpr int kMinShutdownWait = 1;
constexpr int kMaxShutdownWait = 60;

// value brought into low..high.
constexpr int ClampSetting(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

constexpr int kFaceDigital = 0;
constexpr int kFaceAnalog = 1;

struct ClockSettings {
  bool chimeOn = false;
  uint8_t faceMode = 0;          // low byte of bClockMode
  bool remindersOn = false;
  char themeDir[128] = {};       // sSignalFile, at most 127 characters
  bool transparent = false;
  int transparence = 0;          // within kMinTransparence..kMaxTransparence
  int messageWait = 0;           // within kMinMessageWait..kMaxMessageWait
  int shutdownWait = 0;          // within kMinShutdownWait..kMaxShutdownWait
  int left = 0;                  // nLostPosLeft
  int top = 0;                   // nLastPostop
  QuietHours quiet;              // bQuietHours, nQuietFrom, nQuietTo
  int faceScale = 0;             // nFaceScale: 0 automatic, 1 to 3 fixed
};

// The chime's quiet hours as stored: off, 22 to 7 when missing; hours
// outside 0..23 fall back to those.
QuietHours ReadQuietHours(const char* iniPath);
// Writes bQuietHours, nQuietFrom and nQuietTo in that order.
bool WriteQuietHours(const char* iniPath, const QuietHours& quiet);
// The hour 0..23 an edit's text names (digits, blanks around them allowed);
// fallback for anything else.
int HourFromText(const char* text, int fallback);

// Reads the desktop clock's settings in the order the clock needs them.
ClockSettings ReadClockSettings(const char* iniPath);

// Name of the selected entry of a skin list: "nCurrent" (default defaultCurrent)
// picks the key "sFile%02d"; at most 63 characters. Returns the length.
size_t ReadSkinEntry(const char* iniPath, const char* section, int defaultCurrent, char* out,
                     size_t outSize);
// Name of entry index of a skin list (the key "sFile%02d"); at most 63
// characters, "" when missing. Returns the length.
size_t ReadSkinFile(const char* iniPath, const char* section, int index, char* out, size_t outSize);
