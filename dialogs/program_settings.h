// What the program settings dialog reads from and writes to "Ticora.ini", the
// range of its transparency value and the stepping of its two skin indexes.
#pragma once

#include "clock/clock_settings.h"

// One skin list (sections "BACKGROUND" and "NUMBER"): entries 1 to total.
struct SkinList {
  int total = 0;
  int current = 0;
};

struct ProgramSettings {
  int autoStart = 0;     // bAutoStart
  int signalClock = 0;   // bSignalClock
  int affairRemind = 0;  // bAffairRemind
  int transparent = 0;   // bTransparent
  int transparence = 0;  // nTransparence
  int messageWait = 0;   // nMessageWait, seconds
  int shutdownWait = 0;  // nShutdownWait, seconds
  int clockMode = 0;     // low byte of bClockMode: 0 digital, 1 analog
  int faceScale = 0;     // nFaceScale: 0 automatic, 1 to 3 fixed
  SkinList background;
  SkinList digits;
};

// Every key with default 0; the transparency and the waits brought into their
// ranges, the face mode the low byte of bClockMode (as the clock takes it); a
// skin index that names no entry of a non-empty list is brought to the nearest
// entry; a face scale out of 0 to 3 counts as automatic (0).
ProgramSettings ReadProgramSettings(const char* iniPath);

// Writes, in this order: SYSTEM bAutoStart, bSignalClock, bAffairRemind,
// bClockMode, bTransparent, nTransparence, nMessageWait, nShutdownWait,
// nFaceScale, then
// BACKGROUND nCurrent and NUMBER nCurrent. The index of an empty skin list is
// not written: there is no entry it could name. Every write is tried; false
// when any failed (a read-only or unwritable file).
bool WriteProgramSettings(const char* iniPath, const ProgramSettings& settings);

// What program settings' OK says when the settings could not be written.
constexpr const char* kSettingsNotSaved = "无法保存设置到 Ticora.ini。";

// alpha brought into kMinTransparence..kMaxTransparence.
int ClampTransparence(int alpha);

// What OK makes of the texts of the transparency and the two wait fields:
// each must be a whole number within its range (blanks around it allowed).
// The transparency is checked only while the translucent box is ticked (its
// field is disabled otherwise and then only brought into range). Returns the
// first field refused, leaving settings unchanged, or None with the three
// values stored in settings.
enum class SettingsRefusal { None, Transparence, MessageWait, ShutdownWait };
SettingsRefusal TakeTypedSettings(bool transparent, const char* transparence, const char* messageWait,
                                  const char* shutdownWait, ProgramSettings& settings);
// The message naming the refused field and its range ("" for None).
const char* SettingsRefusalText(SettingsRefusal refusal);

// The number in text: digits with blanks around them; false for anything else
// (letters, a sign, nothing, more than 9 digits).
bool ParseSettingNumber(const char* text, int* value);

// current brought into 1..total; 0 for an empty list.
int SkinIndexInRange(int current, int total);

// The entry a wrapping skin up-down at position selects when it is about to
// move by delta: past the last entry comes the first and before the first the
// last. An empty list keeps position.
int NextSkinIndex(int position, int delta, int total);
