#include "dialogs/auto_start.h"

#include <cstring>

bool AutoStartCommand(const char* programPath, char* out, size_t outSize) {
  if (!out || outSize == 0) return false;
  out[0] = '\0';
  if (!programPath || !programPath[0]) return false;
  const size_t length = std::strlen(programPath);
  if (length + 3 > outSize) return false;
  out[0] = '"';
  std::memcpy(out + 1, programPath, length);
  out[length + 1] = '"';
  out[length + 2] = '\0';
  return true;
}

bool StoreAutoStart(RunValueStore& store, bool on, const char* command) {
  if (!on) {
    const bool machineGone = store.Remove(RunHive::Machine);
    const bool userGone = store.Remove(RunHive::User);
    return machineGone && userGone;
  }
  if (store.Write(RunHive::Machine, command)) {
    // One entry only, or the clock would start twice.
    store.Remove(RunHive::User);
    return true;
  }
  return store.Write(RunHive::User, command);
}

bool AutoStartStored(RunValueStore& store) {
  return store.Holds(RunHive::Machine) || store.Holds(RunHive::User);
}

const char* AutoStartFailureText(bool wanted, bool stored) {
  if (wanted == stored) return "";
  if (stored) return "需要管理员权限才能取消所有用户的开机自动运行。";
  return "无法在注册表中写入开机自动运行的设置。";
}
