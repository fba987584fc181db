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

bool InQuietHours(const QuietHours& quiet, int hour) {
  if (!quiet.on) return false;
  const auto wrap = [](int h) { return ((h % 24) + 24) % 24; };
  const int from = wrap(quiet.from), to = wrap(quiet.to), h = wrap(hour);
  if (from == to) return true;
  if (from < to) return h >= from && h < to;
  return h >= from || h < to;
}
