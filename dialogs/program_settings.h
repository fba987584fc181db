// What the program settings dialog reads from and writes to "Ticora.ini", the
// range of its transparency value and the stepping of its two skin indexes.
#pragma once

// The alpha values the dialog allows: 255 opaque, 10 the most transparent.
constexpr int kMinTransparence = 10;
constexpr int kMaxTransparence = 255;

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
  int clockMode = 0;     // bClockMode: 0 digital, 1 analog
  int faceScale = 0;     // nFaceScale: 0 automatic, 1 to 3 fixed
  SkinList background;
  SkinList digits;
};

// Every key with default 0; a skin index that names no entry of a non-empty
// list is brought to the nearest entry, a face scale out of 0 to 3 counts as
// automatic (0).
ProgramSettings ReadProgramSettings(const char* iniPath);

// Writes, in this order: SYSTEM bAutoStart, bSignalClock, bAffairRemind,
// bClockMode, bTransparent, nTransparence, nMessageWait, nShutdownWait,
// nFaceScale, then BACKGROUND nCurrent and NUMBER nCurrent. The index of an empty skin list is
// not written: there is no entry it could name.
void WriteProgramSettings(const char* iniPath, const ProgramSettings& settings);

// alpha brought into kMinTransparence..kMaxTransparence.
int ClampTransparence(int alpha);

// current brought into 1..total; 0 for an empty list.
int SkinIndexInRange(int current, int total);

// The entry a wrapping skin up-down at position selects when it is about to
// move by delta: past the last entry comes the first and before the first the
// last. An empty list keeps position.
int NextSkinIndex(int position, int delta, int total);
