#include "dialogs/reminder_file_win.h"

#include "base/program_path.h"
#include "dialogs/dialog_look_win.h"

namespace {

// The save failed: the changes are kept in the running program and the list
// stays marked unsaved, so that the next OK of the clock settings writes it.
const char kSaveFailed[] =
    "无法写入提醒事件文件 Ticora.rmd（磁盘已满或没有写入权限？）。\n"
    "所做的修改仍在程序中有效，排除问题后再次打开设置对话框并按“确定”即可保存。";

}  // namespace

bool SaveReminderFile(HWND owner, ReminderList& list) {
  char rmdPath[kProgramPathSize];
  ProgramPath("Ticora.rmd", rmdPath);
  if (list.Save(rmdPath)) return true;
  MessageBoxA(owner, kSaveFailed, kTicoraCaption, MB_OK | MB_ICONWARNING);
  return false;
}
