// Files beside the test program, written for one test and removed afterwards:
// the clock window under test reads them as its own settings and reminders.
#pragma once
#include <windows.h>

#include <cstdio>
#include <string>

#include "base/program_path.h"

class ProgramFile {
 public:
  ProgramFile(const char* name, const std::string& content) {
    ProgramPath(name, path_);
    if (FILE* f = std::fopen(path_, "wb")) {
      std::fwrite(content.data(), 1, content.size(), f);
      std::fclose(f);
    }
  }
  ~ProgramFile() { DeleteFileA(path_); }
  ProgramFile(const ProgramFile&) = delete;
  ProgramFile& operator=(const ProgramFile&) = delete;
  const char* Path() const { return path_; }

 private:
  char path_[kProgramPathSize];
};

// "Ticora.ini" beside the test program.
class ProgramIni : public ProgramFile {
 public:
  explicit ProgramIni(const std::string& content) : ProgramFile("Ticora.ini", content) {}
  // An integer of section SYSTEM as the platform reads it; -999 when missing.
  int Get(const char* key) const { return static_cast<int>(GetPrivateProfileIntA("SYSTEM", key, -999, Path())); }
};
