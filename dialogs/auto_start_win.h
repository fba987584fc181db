// The Run values in the registry: "TicoraRun" under
// "SOFTWARE\Microsoft\Windows\CurrentVersion\Run" of HKEY_LOCAL_MACHINE (the
// machine) and of HKEY_CURRENT_USER (the user).
#pragma once
#include <windows.h>

#include <cstddef>

#include "dialogs/auto_start.h"

// Opens (for writing: creates if needed) the Run key below root with access;
// a registry error code. Tests hand in one that refuses some hive.
using OpenRunKeyFn = LONG (*)(HKEY root, REGSAM access, HKEY* key);
LONG OpenRunKey(HKEY root, REGSAM access, HKEY* key);

extern const char kRunKeyPath[];
extern const char kRunValueName[];

class RegistryRunValues : public RunValueStore {
 public:
  explicit RegistryRunValues(OpenRunKeyFn open = nullptr) : open_(open ? open : &OpenRunKey) {}
  bool Write(RunHive hive, const char* command) override;
  bool Remove(RunHive hive) override;
  bool Holds(RunHive hive) override;

 private:
  OpenRunKeyFn open_;
};

// This program's auto-start command line (its full path, quoted).
bool ProgramAutoStartCommand(char* out, size_t outSize);
