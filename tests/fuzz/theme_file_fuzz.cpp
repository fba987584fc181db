// A theme directory's "theme.ini" on any bytes: its mode, and for an hour the
// first byte picks the hour's value and its sound path composed as the chime
// does.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/theme_file.h"
#include "tests/fuzz/fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& file = FuzzFile(std::string(reinterpret_cast<const char*>(data), size), kThemeFileName);
  const std::string dir = file.substr(0, file.size() - std::string(kThemeFileName).size());
  ReadThemeMode(file.c_str());
  char value[kThemeValueSize];
  char path[kThemePathSize];
  const int hour = size ? data[0] % 24 : 0;
  ReadThemeHourFile(file.c_str(), hour + 1, value, sizeof value);
  ThemeSoundPathForHour(dir.c_str(), hour, path, sizeof path);
  return 0;
}
