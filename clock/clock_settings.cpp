#include "clock/clock_settings.h"

#include <cstring>

#include "base/gbk_text.h"
#include "base/ini_file.h"
#include "base/text_format.h"

using namespace ini_keys;

ClockSettings ReadClockSettings(const char* iniPath) {
  ClockSettings s;
  s.chimeOn = IniReadInt(iniPath, kSystem, kSignalClock, 0) != 0;
  s.faceMode = static_cast<uint8_t>(IniReadInt(iniPath, kSystem, kClockMode, 0) & 0xFF);
  s.remindersOn = IniReadInt(iniPath, kSystem, kAffairRemind, 0) != 0;
  IniReadString(iniPath, kSystem, kSignalFile, "", s.themeDir, sizeof s.themeDir);
  s.transparent = IniReadInt(iniPath, kSystem, kTransparent, 0) != 0;
  s.transparence = ClampSetting(IniReadInt(iniPath, kSystem, kTransparence, 0), kMinTransparence, kMaxTransparence);
  s.messageWait = ClampSetting(IniReadInt(iniPath, kSystem, kMessageWait, 0), kMinMessageWait, kMaxMessageWait);
  s.shutdownWait = ClampSetting(IniReadInt(iniPath, kSystem, kShutdownWait, 0), kMinShutdownWait, kMaxShutdownWait);
  s.left = IniReadInt(iniPath, kSystem, kLostPosLeft, 0);
  s.top = IniReadInt(iniPath, kSystem, kLastPostop, 0);
  s.faceScale = IniReadInt(iniPath, kSystem, kFaceScale, 0);
  return s;
}

size_t ReadSkinEntry(const char* iniPath, const char* section, int defaultCurrent, char* out,
                     size_t outSize) {
  return ReadSkinFile(iniPath, section, IniReadInt(iniPath, section, kCurrent, defaultCurrent), out, outSize);
}

size_t ReadSkinFile(const char* iniPath, const char* section, int index, char* out, size_t outSize) {
  char key[24];
  FormatText(key, sizeof key, "sFile%02d", index);
  char value[64];
  IniReadString(iniPath, section, key, "", value, sizeof value);
  if (!out || outSize == 0) return 0;
  return gbk::CopyText(out, outSize, value);
}
