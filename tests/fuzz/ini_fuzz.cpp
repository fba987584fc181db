// The INI engine on any bytes: the first input byte picks the lookups and
// edits, the rest is the file. Reads go through a real file, edits through the
// in-memory document, and every edit is read back, also through the encoding
// of a file saved in Unicode.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/ini_file.h"
#include "base/text_encoding.h"
#include "tests/fuzz/fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t pick = data[0];
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  static const char* const kSections[] = {"SYSTEM", "system", "", " SYSTEM ", "THEME", "\x81\x5c"};
  static const char* const kKeys[] = {"bClockMode", "nLostPosLeft", "", "sClock01", "X", "\xb0\xa1"};
  const char* section = kSections[pick % 6];
  const char* key = kKeys[(pick / 6) % 6];

  const std::string& path = FuzzFile(bytes);
  char out[64];
  IniReadString(path.c_str(), section, key, "def  ", out, (pick & 0x80) ? sizeof out : 3);
  IniReadInt(path.c_str(), section, key, -1);

  IniDocument doc(bytes);
  std::string value;
  doc.Find(section, key, &value);
  if (pick & 0x40) {
    doc.Remove(section, key);
  } else if (doc.Set(section, key, "250") && *section && *key && bytes.find('\0') == std::string::npos &&
             !doc.Find(section, key, &value)) {
    __builtin_trap();  // a value just set under a real name must be found
  }

  // A file saved in Unicode: an unchanged text gives back the file's own bytes,
  // and an edited one reads back as edited.
  EncodedText text(bytes, DefaultAnsiCodePage());
  if (text.Encode(text.Ansi()) != bytes) __builtin_trap();
  IniDocument edited(text.Ansi());
  edited.Set(section, key, "250");
  bool ascii = true;
  for (char c : edited.Bytes()) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii && EncodedText(text.Encode(edited.Bytes()), DefaultAnsiCodePage()).Ansi() != edited.Bytes())
    __builtin_trap();
  return 0;
}
