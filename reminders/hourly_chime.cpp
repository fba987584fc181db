#include "reminders/hourly_chime.h"

#include "base/theme_file.h"

bool ChimeCheck(ChimeLatch& latch, const LocalTime& now) {
  if (now.wMinute != 0) {
    latch.played = false;
    return false;
  }
  if (latch.played) return false;
  latch.played = true;
  return true;
}

void PlayHourlyChime(const char* themeDir, int hour, SoundPlayer& player, gbk::LeadByteRule isLead) {
  char path[kThemePathSize];
  if (ThemeSoundPathForHour(themeDir, hour, path, sizeof path, isLead)) player.StartSound(path);
}
