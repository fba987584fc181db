// What the clock keeps beside its settings between runs, in "Ticora.ini":
// the moment it was last seen running with reminders on (section STATE, key
// sLastSeen), the snoozes not yet shown (STATE nSnoozes, sSnooze01...), and
// the snooze time last chosen (SYSTEM nSnoozeMinutes).
#pragma once
#include <cstdint>
#include <vector>

#include "reminders/snooze.h"

namespace state_keys {
constexpr const char* kState = "STATE";
constexpr const char* kLastSeen = "sLastSeen";
constexpr const char* kSnoozes = "nSnoozes";
constexpr const char* kSnoozeMinutes = "nSnoozeMinutes";
}  // namespace state_keys

// -1 when missing or not in the written form.
int64_t ReadLastSeen(const char* iniPath);
// stamp -1 writes an empty value: no history (reminders were off).
bool WriteLastSeen(const char* iniPath, int64_t stamp);

// Entries that cannot be read are skipped.
std::vector<Snooze> ReadSnoozes(const char* iniPath);
// Writes the count and the entries and removes entries beyond them.
bool WriteSnoozes(const char* iniPath, const std::vector<Snooze>& snoozes);

// One of the snooze choices; the default when missing or another number.
int ReadSnoozeMinutes(const char* iniPath);
bool WriteSnoozeMinutes(const char* iniPath, int minutes);
