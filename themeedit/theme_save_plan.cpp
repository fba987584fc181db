#include "themeedit/theme_save_plan.h"

#include "base/gbk_text.h"
#include "base/theme_file.h"

int SavedThemeMode(int mode) { return NormalizeThemeMode(mode); }

namespace {

// dir directly followed by name, or "" when that exceeds 259 bytes.
std::string Join(const std::string& dir, const char* name) {
  std::string joined = dir + name;
  return joined.size() < kEditorPathSize ? joined : std::string();
}

}  // namespace

ThemeSavePlan PlanThemeSave(int mode, const std::string (&sounds)[kHourRows], const char* chosenPath,
                            const std::function<bool(const char*)>& exists) {
  ThemeSavePlan plan;
  plan.directory = DirectoryOf(chosenPath);
  plan.mode = SavedThemeMode(mode);
  plan.themeFile = Join(plan.directory, kThemeFileName);
  plan.fits = !plan.directory.empty() && !plan.themeFile.empty();
  for (int n = 1; n <= plan.mode; ++n) {
    HourCopy hour;
    hour.number = n;
    char file[kThemeKeySize];
    ThemeSoundFileName(n, file, sizeof file);
    hour.target = Join(plan.directory, file);
    if (hour.target.empty()) plan.fits = false;
    char source[kEditorPathSize];
    gbk::CopyText(source, sizeof source, sounds[n - 1].c_str());
    hour.source = source;
    if (hour.source.empty())
      hour.action = CopyAction::NoSound;
    else if (SamePathIgnoringCase(hour.source.c_str(), hour.target.c_str()))
      hour.action = CopyAction::AlreadyThere;
    else
      hour.action = exists(hour.target.c_str()) ? CopyAction::AskThenCopy : CopyAction::Copy;
    plan.hours.push_back(hour);
  }
  return plan;
}

bool SamePathIgnoringCase(const char* a, const char* b) {
  auto fold = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; };
  size_t i = 0;
  for (;;) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[i]);
    if (gbk::IsLeadByte(ca) || gbk::IsLeadByte(cb)) {
      if (ca != cb) return false;
      if (a[i + 1] != b[i + 1]) return false;
      if (a[i + 1] == '\0') return true;
      i += 2;
      continue;
    }
    if (fold(ca) != fold(cb)) return false;
    if (ca == '\0') return true;
    ++i;
  }
}

std::string OverwriteQuestion(const std::string& target) {
  return "目标文件：\n  " + target + "\n已经存在，是否覆盖此文件?";
}

std::string SaveFailureText(const std::string& themeFile, bool themeWritten,
                            const std::vector<std::string>& failedCopies) {
  std::string text;
  if (!themeWritten) text = "无法写入声音主题文件：\n  " + themeFile + "\n";
  if (!failedCopies.empty()) {
    text += "下列声音文件未能复制：\n";
    for (const std::string& target : failedCopies) text += "  " + target + "\n";
  }
  return text;
}

std::string PathTooLongText(const std::string& directory) {
  return "所选目录的路径太长，无法保存声音主题：\n  " + directory;
}
