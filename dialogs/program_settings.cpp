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
  s.clockMode = IniReadInt(iniPath, kSystem, kClockMode, 0) & 0xFF;
  s.transparent = IniReadInt(iniPath, kSystem, kTransparent, 0);
  s.transparence = ClampTransparence(IniReadInt(iniPath, kSystem, kTransparence, 0));
  s.messageWait = ClampSetting(IniReadInt(iniPath, kSystem, kMessageWait, 0), kMinMessageWait, kMaxMessageWait);
  s.shutdownWait = ClampSetting(IniReadInt(iniPath, kSystem, kShutdownWait, 0), kMinShutdownWait, kMaxShutdownWait);
  s.faceScale = IniReadInt(iniPath, kSystem, kFaceScale, 0);
  if (s.faceScale < 0 || s.faceScale > 3) s.faceScale = 0;
  s.background = ReadSkinList(iniPath, kBackground);
  s.digits = ReadSkinList(iniPath, kNumber);
  return s;
}

bool WriteProgramSettings(const char* iniPath, const ProgramSettings& s) {
  bool ok = WriteIniInt(iniPath, kSystem, kAutoStart, s.autoStart);
  ok = WriteIniInt(iniPath, kSystem, kSignalClock, s.signalClock) && ok;
  ok = WriteIniInt(iniPath, kSystem, kAffairRemind, s.affairRemind) && ok;
  ok = WriteIniInt(iniPath, kSystem, kClockMode, s.clockMode) && ok;
  ok = WriteIniInt(iniPath, kSystem, kTransparent, s.transparent) && ok;
  ok = WriteIniInt(iniPath, kSystem, kTransparence, s.transparence) && ok;
  ok = WriteIniInt(iniPath, kSystem, kMessageWait, s.messageWait) && ok;
  ok = WriteIniInt(iniPath, kSystem, kShutdownWait, s.shutdownWait) && ok;
  ok = WriteIniInt(iniPath, kSystem, kFaceScale, s.faceScale) && ok;
  const int background = SkinIndexInRange(s.background.current, s.background.total);
  if (background > 0) ok = WriteIniInt(iniPath, kBackground, kCurrent, background) && ok;
  const int digits = SkinIndexInRange(s.digits.current, s.digits.total);
  if (digits > 0) ok = WriteIniInt(iniPath, kNumber, kCurrent, digits) && ok;
  return ok;
}

int ClampTransparence(int alpha) {
  if (alpha < kMinTransparence) return kMinTransparence;
  if (alpha > kMaxTransparence) return kMaxTransparence;
  return alpha;
}

bool ParseSettingNumber(const char* text, int* value) {
  if (!text) return false;
  while (*text == ' ' || *text == '\t') ++text;
  int number = 0, digits = 0;
  for (; *text >= '0' && *text <= '9'; ++text, ++digits) {
    if (digits == 9) return false;
    number = number * 10 + (*text - '0');
  }
  while (*text == ' ' || *text == '\t') ++text;
  if (digits == 0 || *text != '\0') return false;
  *value = number;
  return true;
}

SettingsRefusal TakeTypedSettings(bool transparent, const char* transparence, const char* messageWait,
                                  const char* shutdownWait, ProgramSettings& settings) {
  int alpha = 0, message = 0, shutdown = 0;
  if (!ParseSettingNumber(transparence, &alpha)) {
    if (transparent) return SettingsRefusal::Transparence;
    alpha = settings.transparence;
  }
  if (transparent && (alpha < kMinTransparence || alpha > kMaxTransparence)) return SettingsRefusal::Transparence;
  if (!ParseSettingNumber(messageWait, &message) || message < kMinMessageWait || message > kMaxMessageWait)
    return SettingsRefusal::MessageWait;
  if (!ParseSettingNumber(shutdownWait, &shutdown) || shutdown < kMinShutdownWait || shutdown > kMaxShutdownWait)
    return SettingsRefusal::ShutdownWait;
  settings.transparence = ClampTransparence(alpha);
  settings.messageWait = message;
  settings.shutdownWait = shutdown;
  return SettingsRefusal::None;
}

const char* SettingsRefusalText(SettingsRefusal refusal) {
  switch (refusal) {
    case SettingsRefusal::Transparence:
      return "透明度必须在 10 到 255 之间。";
    case SettingsRefusal::MessageWait:
      return "弹出消息等待时间必须在 1 到 36000 秒之间。";
    case SettingsRefusal::ShutdownWait:
      return "自动关机提示等待时间必须在 1 到 60 秒之间。";
    case SettingsRefusal::None:
      break;
  }
  return "";
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
