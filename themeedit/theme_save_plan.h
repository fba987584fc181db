// What saving the editor's theme into a directory does, decided before any
// file is touched: the mode written, and for each hour of it the sound file
// copied under its fixed name (or why not), plus the texts the save shows.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "themeedit/theme_rows.h"

enum class CopyAction {
  AlreadyThere,  // the row names the very target file: nothing to copy
  NoSound,       // the row has no sound: nothing to copy
  Copy,          // the target does not exist yet
  AskThenCopy,   // the target exists: copy over it unless the user says No
};

struct HourCopy {
  int number = 0;      // hour of the cycle, 1 ...
  std::string source;  // the row's sound (at most 259 bytes)
  std::string target;  // directory + "Hour%02d.wav"
  CopyAction action = CopyAction::NoSound;
};

struct ThemeSavePlan {
  bool fits = false;      // every composed path fits in 259 bytes
  std::string directory;  // with its trailing separator
  std::string themeFile;  // directory + "theme.ini", whatever name was chosen
  int mode = 12;          // the cycle written as nMode
  std::vector<HourCopy> hours;  // 1 ... mode, ascending
};

// The cycle a save writes for the editor's mode: the one its radios show, 12
// for a 12-hour theme and 24 for every other value an opened file may have
// brought in (such a file opens with "24 小时制" checked), so that no active
// row's sound is dropped.
int SavedThemeMode(int mode);

// Plans saving mode and the 24 rows' sounds next to chosenPath (a file path
// from the save dialog). exists(path) tells whether a file is there now. The
// plan does not fit when a composed path, or the temporary file the theme
// file is written through, would exceed 259 bytes.
ThemeSavePlan PlanThemeSave(int mode, const std::string (&sounds)[kHourRows], const char* chosenPath,
                            const std::function<bool(const char*)>& exists,
                            gbk::LeadByteRule isLead = gbk::IsLeadByte);

// Equal paths ignoring the case of ASCII letters; double-byte characters
// compare byte for byte (their trail bytes are no letters to fold).
bool SamePathIgnoringCase(const char* a, const char* b, gbk::LeadByteRule isLead = gbk::IsLeadByte);

// Paths in the save's messages are shortened in the middle to this many bytes
// so that a message box fits the screen however deep the folder.
constexpr size_t kMessagePathBytes = 60;

// The question asked before a copy replaces an existing file.
std::string OverwriteQuestion(const std::string& target, gbk::LeadByteRule isLead = gbk::IsLeadByte);
// What the save reports when part of it failed, "" when nothing did: the
// theme file that could not be written, the targets that could not be copied.
std::string SaveFailureText(const std::string& themeFile, bool themeWritten,
                            const std::vector<std::string>& failedCopies,
                            gbk::LeadByteRule isLead = gbk::IsLeadByte);
// When the chosen directory leaves no room for the theme's file names.
std::string PathTooLongText(const std::string& directory, gbk::LeadByteRule isLead = gbk::IsLeadByte);
