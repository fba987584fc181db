// The hourly chime: at the first tick of every full hour, the sound of that hour
// from the chosen sound theme.
#pragma once
#include "base/gbk_text.h"
#include "base/local_time.h"
#include "reminders/reminder_effects.h"

// Records that this hour's chime has been played; false at program start.
struct ChimeLatch {
  bool played = false;
};

// One tick of the chime check. In minute 0 with the latch clear it sets the
// latch and returns true (the caller then plays the hour's chime); outside
// minute 0 it clears the latch. Seconds are not looked at.
bool ChimeCheck(ChimeLatch& latch, const LocalTime& now);

// Plays the sound of hour (0..23) from the theme in themeDir (a directory,
// normally without a trailing separator), reading "theme.ini" anew. A missing
// file or key still asks the player for the composed path (which plays
// nothing); only a path too long to compose is not played at all.
// isLead tells the lead bytes of the directory's code page.
void PlayHourlyChime(const char* themeDir, int hour, SoundPlayer& player,
                     gbk::LeadByteRule isLead = gbk::IsLeadByte);

// Quiet hours of the chime: from the start of hour "from" to the start of
// hour "to", wrapping midnight when from > to; equal hours mean the whole
// day. Reminders are not affected.
struct QuietHours {
  bool on = false;  // bQuietHours
  int from = 22;    // nQuietFrom, 0..23
  int to = 7;       // nQuietTo, 0..23
};
// Whether hour (0..23) lies in the quiet hours. Hours out of range are
// taken modulo 24.
bool InQuietHours(const QuietHours& quiet, int hour);
