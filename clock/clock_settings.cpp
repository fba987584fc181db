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
  s.quiet = ReadQuietHours(iniPath);
  s.faceScale = IniReadInt(iniPath, kSystem, kFaceScale, 0);
  return s;
}

QuietHours ReadQuietHours(const char* iniPath) {
  QuietHours q;
  q.on = IniReadInt(iniPath, kSystem, kQuietHours, 0) != 0;
  const int from = IniReadInt(iniPath, kSystem, kQuietFrom, q.from);
  const int to = IniReadInt(iniPath, kSystem, kQuietTo, q.to);
  if (from >= 0 && from <= 23) q.from = from;
  if (to >= 0 && to <= 23) q.to = to;
  return q;
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

bool WriteQuietHours(const char* iniPath, const QuietHours& quiet) {
  bool ok = WriteIniInt(iniPath, kSystem, kQuietHours, quiet.on ? 1 : 0);
  ok = WriteIniInt(iniPath, kSystem, kQuietFrom, quiet.from) && ok;
  return WriteIniInt(iniPath, kSystem, kQuietTo, quiet.to) && ok;
}

int HourFromText(const char* text, int fallback) {
  if (!text) return fallback;
  while (*text == ' ') ++text;
  int value = 0, digits = 0;
  for (; *text >= '0' && *text <= '9'; ++text, ++digits) {
    value = value * 10 + (*text - '0');
    if (value > 23) return fallback;
  }
  while (*text == ' ') ++text;
  return digits > 0 && *text == '\0' ? value : fallback;
}
