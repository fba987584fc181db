#include "reminders/reminder_state.h"

#include "base/ini_file.h"
#include "base/text_format.h"

using namespace state_keys;

namespace {

constexpr const char* kSystem = "SYSTEM";

void SnoozeKeyName(size_t index, char* out, size_t outSize) {
  FormatText(out, outSize, "sSnooze%02u", static_cast<unsigned>(index + 1));
}

}  // namespace

int64_t ReadLastSeen(const char* iniPath) {
  char text[32];
  IniReadString(iniPath, kState, kLastSeen, "", text, sizeof text);
  return ParseStamp(text);
}

bool WriteLastSeen(const char* iniPath, int64_t stamp) {
  char text[32];
  FormatStamp(stamp, text, sizeof text);
  return IniWriteString(iniPath, kState, kLastSeen, text);
}

std::vector<Snooze> ReadSnoozes(const char* iniPath) {
  std::vector<Snooze> out;
  int count = IniReadInt(iniPath, kState, kSnoozes, 0);
  if (count < 0) count = 0;
  if (count > static_cast<int>(SnoozeList::kMaxSnoozes)) count = static_cast<int>(SnoozeList::kMaxSnoozes);
  for (int i = 0; i < count; ++i) {
    char key[16], text[64];
    SnoozeKeyName(static_cast<size_t>(i), key, sizeof key);
    IniReadString(iniPath, kState, key, "", text, sizeof text);
    Snooze s;
    if (ParseSnooze(text, &s)) out.push_back(s);
  }
  return out;
}

bool WriteSnoozes(const char* iniPath, const std::vector<Snooze>& snoozes) {
  const int previous = IniReadInt(iniPath, kState, kSnoozes, 0);
  bool ok = WriteIniInt(iniPath, kState, kSnoozes, static_cast<int>(snoozes.size()));
  for (size_t i = 0; i < snoozes.size(); ++i) {
    char key[16], text[64];
    SnoozeKeyName(i, key, sizeof key);
    FormatSnooze(snoozes[i], text, sizeof text);
    ok = IniWriteString(iniPath, kState, key, text) && ok;
  }
  const int last = previous > static_cast<int>(SnoozeList::kMaxSnoozes) ? static_cast<int>(SnoozeList::kMaxSnoozes)
                                                                          : previous;
  for (int i = static_cast<int>(snoozes.size()); i < last; ++i) {
    char key[16];
    SnoozeKeyName(static_cast<size_t>(i), key, sizeof key);
    ok = IniWriteString(iniPath, kState, key, nullptr) && ok;
  }
  return ok;
}

int ReadSnoozeMinutes(const char* iniPath) {
  return ValidSnoozeMinutes(IniReadInt(iniPath, kSystem, kSnoozeMinutes, kDefaultSnoozeMinutes));
}

bool WriteSnoozeMinutes(const char* iniPath, int minutes) {
  return WriteIniInt(iniPath, kSystem, kSnoozeMinutes, ValidSnoozeMinutes(minutes));
}
