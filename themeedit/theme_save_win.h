// Carries out a planned theme save through SaveTheme (base/theme_file.h):
// "theme.ini" is written completely into a temporary file beside it and put in
// place only then, so a failed write leaves the old file (or none) rather than
// half a theme; each hour's sound
// is copied right after its key is written, asking before it replaces a file.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "themeedit/theme_save_plan.h"

// ask(text, type) shows a question or report (a message box's answer).
// Returns what failed, as the text to report; "" when everything succeeded.
std::string CarryOutThemeSave(const ThemeSavePlan& plan, const std::function<int(const char*, UINT)>& ask);
