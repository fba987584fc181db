#include "themeedit/theme_rows.h"


#include "base/gbk_text.h"
#include "base/text_format.h"
#include "base/theme_file.h"

uintptr_t RowDataFor(int row, int mode) { return row < mode ? kRowActive : kRowInactive; }

bool RowColour(uintptr_t itemData, uint32_t* colour) {
  switch ((itemData >> 16) & 0xFFFF) {
    case 0: *colour = kActiveRowColour; return true;
    case 1: *colour = kInactiveRowColour; return true;
    default: return false;
  }
}

std::string HourRowTitle(int row) {
  char text[32];
  FormatText(text, sizeof text, " %d 点钟", row + 1);
  return text;
}

std::string DirectoryOf(const char* path, gbk::LeadByteRule isLead) {
  if (!path) return "";
  const std::string cut(path, gbk::FitLength(path, kEditorPathSize - 1, isLead));
  return cut.substr(0, gbk::DirectoryLength(cut.c_str(), isLead));
}

OpenedTheme OpenThemeFile(const char* chosenPath, gbk::LeadByteRule isLead) {
  OpenedTheme theme;
  const std::string dir = DirectoryOf(chosenPath, isLead);
  theme.mode = ReadThemeModeRaw(chosenPath);
  for (int r = 0; r < kHourRows; ++r) {
    theme.rowData[r] = RowDataFor(r, theme.mode);
    if (theme.rowData[r] != kRowActive) continue;
    char value[kThemeValueSize];
    ReadThemeHourFile(chosenPath, r + 1, value, sizeof value);
    theme.sounds[r] = dir + value;
  }
  return theme;
}

unsigned long FileDialogStructSize(bool versionKnown, unsigned long major, unsigned long minor) {
  const bool full = versionKnown && (major >= 5 || (major == 4 && minor >= 90));
  return full ? 88 : 76;
}
