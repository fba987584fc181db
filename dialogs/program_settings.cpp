#include "dialogs/program_settings.h"

#include "base/ini_file.h"
#include "clock/clock_settings.h"

using namespace ini_keys;

namespace {

SkinList ReadSkinList(const char* iniPath, const char* section) {
  SkinList list;
  list.total = IniReadInt(iniPath, section, kTotal, 0);
  list.current = SkinIndexInRange(IniReadInt(iniPath, section, kCurrent, 0), list.total);
  return list;
}

}  // namespace

ProgramSettings ReadProgramSettings(const char* iniPath) {
  ProgramSettings s;
  s.autoStart = IniReadInt(iniPath, kSystem, kAutoStart, 0);
  s.signalClock = IniReadInt(iniPath, kSystem, kSignalClock, 0);
  s.affairRemind = IniReadInt(iniPath, kSystem, kAffairRemind, 0);
  s.clockMode = IniReadInt(iniPath, kSystem, kClockMode, 0);
  s.transparent = IniReadInt(iniPath, kSystem, kTransparent, 0);
  s.transparence = IniReadInt(iniPath, kSystem, kTransparence, 0);
  s.messageWait = IniReadInt(iniPath, kSystem, kMessageWait, 0);
  s.shutdownWait = IniReadInt(iniPath, kSystem, kShutdownWait, 0);
  s.faceScale = IniReadInt(iniPath, kSystem, kFaceScale, 0);
  if (s.faceScale < 0 || s.faceScale > 3) s.faceScale = 0;
  s.background = ReadSkinList(iniPath, kBackground);
  s.digits = ReadSkinList(iniPath, kNumber);
  return s;
}

void WriteProgramSettings(const char* iniPath, const ProgramSettings& s) {
  WriteIniInt(iniPath, kSystem, kAutoStart, s.autoStart);
  WriteIniInt(iniPath, kSystem, kSignalClock, s.signalClock);
  WriteIniInt(iniPath, kSystem, kAffairRemind, s.affairRemind);
  WriteIniInt(iniPath, kSystem, kClockMode, s.clockMode);
  WriteIniInt(iniPath, kSystem, kTransparent, s.transparent);
  WriteIniInt(iniPath, kSystem, kTransparence, s.transparence);
  WriteIniInt(iniPath, kSystem, kMessageWait, s.messageWait);
  WriteIniInt(iniPath, kSystem, kShutdownWait, s.shutdownWait);
  WriteIniInt(iniPath, kSystem, kFaceScale, s.faceScale);
  const int background = SkinIndexInRange(s.background.current, s.background.total);
  if (background > 0) WriteIniInt(iniPath, kBackground, kCurrent, background);
  const int digits = SkinIndexInRange(s.digits.current, s.digits.total);
  if (digits > 0) WriteIniInt(iniPath, kNumber, kCurrent, digits);
}

int ClampTransparence(int alpha) {
  if (alpha < kMinTransparence) return kMinTransparence;
  if (alpha > kMaxTransparence) return kMaxTransparence;
  return alpha;
}

int SkinIndexInRange(int current, int total) {
  if (total <= 0) return 0;
  if (current < 1) return 1;
  if (current > total) return total;
  return current;
}

int NextSkinIndex(int position, int delta, int total) {
  if (total <= 0) return position;
  if (position >= total && delta > 0) return 1;
  if (position <= 1 && delta < 0) return total;
  return SkinIndexInRange(position + delta, total);
}
