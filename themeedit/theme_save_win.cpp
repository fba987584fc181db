#include "themeedit/theme_save_win.h"

#include <vector>

#include "base/file_system.h"
#include "base/gbk_text_win.h"
#include "base/theme_file.h"

std::string CarryOutThemeSave(const ThemeSavePlan& plan, const std::function<int(const char*, UINT)>& ask) {
  std::vector<std::string> failedCopies;
  auto copyHour = [&](int number) {
    if (number < 1 || number > static_cast<int>(plan.hours.size())) return;
    const HourCopy& hour = plan.hours[number - 1];
    switch (hour.action) {
      case CopyAction::AlreadyThere:
      case CopyAction::NoSound:
        return;
      case CopyAction::AskThenCopy:
        if (ask(OverwriteQuestion(hour.target, SystemLeadByte).c_str(), MB_YESNO | MB_ICONQUESTION) == IDNO) return;
        break;
      case CopyAction::Copy:
        break;
    }
    if (!CopyFileA(hour.source.c_str(), hour.target.c_str(), FALSE)) failedCopies.push_back(hour.target);
  };

  const bool written = SaveTheme(DefaultFileSystem(), plan.themeFile.c_str(), plan.mode, copyHour);
  return SaveFailureText(plan.themeFile, written, failedCopies, SystemLeadByte);
}
