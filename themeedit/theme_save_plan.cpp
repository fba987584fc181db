#include "themeedit/theme_save_plan.h"

#include "base/gbk_text.h"
#include "base/safe_replace.h"
#include "base/theme_file.h"

int SavedThemeMode(int mode) { return mode == 12 ? 12 : 24; }

namespace {

// dir directly followed by name, or "" when that exceeds 259 bytes.
std::string Join(const std::string& dir, const char* name) {
  std::string joined = dir + name;
  return joined.size() < kEditorPathSize ? joined : std::string();
}

}  // namespace

ThemeSavePlan PlanThemeSave(int mode, const std::string (&sounds)[kHourRows], const char* chosenPath,
                            const std::function<bool(const char*)>& exists, gbk::LeadByteRule isLead) {
  ThemeSavePlan plan;
  plan.directory = DirectoryOf(chosenPath, isLead);
  plan.mode = SavedThemeMode(mode);
  plan.themeFile = Join(plan.directory, kThemeFileName);
  // The theme file is written through a temporary file beside it, whose
  // longer name must fit as well.
  const bool tempFits =
      !plan.themeFile.empty() && ReplacementTempPath(plan.themeFile.c_str()).size() < kEditorPathSize;
  plan.fits = !plan.directory.empty() && tempFits;
  for (int n = 1; n <= plan.mode; ++n) {
    HourCopy hour;
    hour.number = n;
    char file[kThemeKeySize];
    ThemeSoundFileName(n, file, sizeof file);
    hour.target = Join(plan.directory, file);
    if (hour.target.empty()) plan.fits = false;
    char source[kEditorPathSize];
    gbk::CopyText(source, sizeof source, sounds[n - 1].c_str(), isLead);
    hour.source = source;
    if (hour.source.empty())
      hour.action = CopyAction::NoSound;
    else if (SamePathIgnoringCase(hour.source.c_str(), hour.target.c_str(), isLead))
      hour.action = CopyAction::AlreadyThere;
    else
      hour.action = exists(hour.target.c_str()) ? CopyAction::AskThenCopy : CopyAction::Copy;
    plan.hours.push_back(hour);
  }
  return plan;
}

bool SamePathIgnoringCase(const char* a, const char* b, gbk::LeadByteRule isLead) {
  auto fold = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; };
  size_t i = 0;
  for (;;) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[i]);
    if (isLead(ca) || isLead(cb)) {
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

std::string OverwriteQuestion(const std::string& target, gbk::LeadByteRule isLead) {
  return "目标文件：\n  " + gbk::ShortenPath(target, kMessagePathBytes, isLead) + "\n已经存在，是否覆盖此文件?";
}

std::string SaveFailureText(const std::string& themeFile, bool themeWritten,
                            const std::vector<std::string>& failedCopies, gbk::LeadByteRule isLead) {
  std::string text;
  if (!themeWritten) text = "无法写入声音主题文件：\n  " + gbk::ShortenPath(themeFile, kMessagePathBytes, isLead) + "\n";
  if (!failedCopies.empty()) {
    text += "下列声音文件未能复制：\n";
    for (const std::string& target : failedCopies)
      text += "  " + gbk::ShortenPath(target, kMessagePathBytes, isLead) + "\n";
  }
  return text;
}

std::string PathTooLongText(const std::string& directory, gbk::LeadByteRule isLead) {
  return "所选目录的路径太长，无法保存声音主题：\n  " + gbk::ShortenPath(directory, kMessagePathBytes, isLead);
}
