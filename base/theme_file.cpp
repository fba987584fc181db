#include "base/theme_file.h"

#include <cstring>
#include <memory>
#include <string>

#include "base/gbk_text.h"
#include "base/ini_file.h"
#include "base/safe_replace.h"
#include "base/text_format.h"

int NormalizeThemeMode(int mode) { return mode == 24 ? 24 : 12; }

int ThemeKeyForHour(int hour, int mode) {
  const int cycle = NormalizeThemeMode(mode);
  int k = hour % cycle;
  if (k < 0) k += cycle;
  return k == 0 ? cycle : k;
}

void ThemeKeyName(int number, char* out, size_t outSize) {
  if (out && outSize > 0) FormatText(out, outSize, "sClock%02d", number);
}

void ThemeSoundFileName(int number, char* out, size_t outSize) {
  if (out && outSize > 0) FormatText(out, outSize, "Hour%02d.wav", number);
}

bool JoinThemePath(const char* dir, const char* name, char* out, size_t outSize, gbk::LeadByteRule isLead) {
  return gbk::JoinPath(dir, name, kThemePathSeparator, out, outSize, isLead);
}

int ReadThemeModeRaw(const char* themeFile) {
  return IniReadInt(themeFile, kThemeSection, kThemeModeKey, kThemeDefaultMode);
}

int ReadThemeMode(const char* themeFile) { return NormalizeThemeMode(ReadThemeModeRaw(themeFile)); }

size_t ReadThemeHourFile(const char* themeFile, int number, char* out, size_t outSize) {
  if (!out || outSize == 0) return 0;
  char key[kThemeKeySize];
  ThemeKeyName(number, key, sizeof key);
  char value[kThemeValueSize];
  value[0] = '\0';
  IniReadString(themeFile, kThemeSection, key, "", value, sizeof value);
  value[sizeof value - 1] = '\0';
  FormatText(out, outSize, "%s", value);
  const size_t len = std::strlen(value);
  return len < outSize ? len : outSize - 1;
}

bool ThemeSoundPathForHour(const char* themeDir, int hour, char* out, size_t outSize) {
  if (!out || outSize == 0) return false;
  out[0] = '\0';
  char themeFile[kThemePathSize];
  if (!JoinThemePath(themeDir, kThemeFileName, themeFile, sizeof themeFile)) return false;
  const int k = ThemeKeyForHour(hour, ReadThemeMode(themeFile));
  char value[kThemeValueSize];
  ReadThemeHourFile(themeFile, k, value, sizeof value);
  return JoinThemePath(themeDir, value, out, outSize);
}

bool WriteTheme(const char* themeFile, int mode, const std::function<void(int number)>& afterKey) {
  const int cycle = NormalizeThemeMode(mode);
  bool ok = WriteIniInt(themeFile, kThemeSection, kThemeModeKey, cycle);
  for (int n = 1; n <= cycle; ++n) {
    char key[kThemeKeySize];
    char value[kThemeKeySize];
    ThemeKeyName(n, key, sizeof key);
    ThemeSoundFileName(n, value, sizeof value);
    ok = IniWriteString(themeFile, kThemeSection, key, value) && ok;
    if (afterKey) afterKey(n);
  }
  return ok;
}

bool SaveTheme(FileSystem& fs, const char* themeFile, int mode, const std::function<void(int number)>& afterKey) {
  if (!themeFile) return false;
  RecoverReplacement(fs, themeFile);
  // The new file is the current one with the theme's keys set, so that its
  // other lines stay. One that exists but cannot be read whole is not
  // written over; the hours' sounds are copied all the same.
  std::string bytes;
  bool readable = !fs.Exists(ReplacementOldPath(themeFile).c_str());
  if (std::unique_ptr<FileStream> in = fs.OpenRead(themeFile)) {
    char buffer[4096];
    size_t got;
    while ((got = in->Read(buffer, sizeof buffer)) > 0) bytes.append(buffer, got);
    if (in->Size() != static_cast<int64_t>(bytes.size())) readable = false;
  } else if (fs.Exists(themeFile)) {
    readable = false;
  }
  const int cycle = NormalizeThemeMode(mode);
  const std::string text = IniEditBytes(std::move(bytes), [&](IniDocument& doc) {
    char number[16];
    FormatText(number, sizeof number, "%d", cycle);
    doc.Set(kThemeSection, kThemeModeKey, number);
    for (int n = 1; n <= cycle; ++n) {
      char key[kThemeKeySize];
      char value[kThemeKeySize];
      ThemeKeyName(n, key, sizeof key);
      ThemeSoundFileName(n, value, sizeof value);
      doc.Set(kThemeSection, key, value);
      if (afterKey) afterKey(n);
    }
  });
  return readable && WriteFileSafely(fs, themeFile, text.data(), text.size());
}
