#include "dialogs/auto_start_win.h"

#include "controls/handles_win.h"

const char kRunKeyPath[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunValueName[] = "TicoraRun";

namespace {

HKEY RootOf(RunHive hive) { return hive == RunHive::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

}  // namespace

LONG OpenRunKey(HKEY root, REGSAM access, HKEY* key) {
  *key = nullptr;
  if (access & KEY_SET_VALUE)
    return RegCreateKeyExA(root, kRunKeyPath, 0, nullptr, 0, access, nullptr, key, nullptr);
  return RegOpenKeyExA(root, kRunKeyPath, 0, access, key);
}

bool RegistryRunValues::Write(RunHive hive, const char* command) {
  HKEY opened = nullptr;
  if (open_(RootOf(hive), KEY_SET_VALUE | KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return false;
  RegKey key(opened);
  return SetRegistryText(key.get(), kRunValueName, command) == ERROR_SUCCESS;
}

bool RegistryRunValues::Remove(RunHive hive) {
  HKEY opened = nullptr;
  if (open_(RootOf(hive), KEY_SET_VALUE | KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return !Holds(hive);
  RegKey key(opened);
  const LONG result = RegDeleteValueA(key.get(), kRunValueName);
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool RegistryRunValues::Holds(RunHive hive) {
  HKEY opened = nullptr;
  if (open_(RootOf(hive), KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return false;
  RegKey key(opened);
  return RegQueryValueExA(key.get(), kRunValueName, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool ProgramAutoStartCommand(char* out, size_t outSize) {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) {
    if (out && outSize) out[0] = '\0';
    return false;
  }
  return AutoStartCommand(path, out, outSize);
}
