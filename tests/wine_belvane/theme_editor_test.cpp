// Belvane's editor with its file dialogs, questions and sounds replaced:
// saving a theme, opening it again, saving it back, the overwrite question,
// failures, opening a 12-hour theme, double clicks, and the clock's chime
// playing what the editor saved.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <deque>
#include <string>
#include <vector>

#include "reminders/hourly_chime.h"
#include "resources/about_dialog_ids.h"
#include "resources/belvane_ids.h"
#include "tests/support/modal_script.h"
#include "tests/support/program_dir.h"
#include "themeedit/theme_editor_dialog_win.h"
#include "themeedit/theme_save_plan.h"

namespace {

// The editor with recording services: file dialogs answer from a queue of
// paths ("" cancels), questions with a fixed answer.
struct Editor {
  std::deque<std::string> paths;
  std::vector<FileDialogUse> uses;
  std::vector<std::string> questions;
  std::vector<std::string> played;
  int answer = IDYES;
  ThemeEditorDialog dialog{Services()};

  EditorServices Services() {
    EditorServices s;
    s.chooseFile = [this](FileDialogUse use, HWND, char* path) {
      uses.push_back(use);
      if (paths.empty() || paths.front().empty()) {
        if (!paths.empty()) paths.pop_front();
        return false;
      }
      lstrcpynA(path, paths.front().c_str(), MAX_PATH);
      paths.pop_front();
      return true;
    };
    s.ask = [this](HWND, const char* text, UINT) {
      questions.push_back(text);
      return answer;
    };
    s.play = [this](const char* sound) { played.push_back(sound); };
    s.about = StandardEditorServices().about;
    return s;
  }

  // Runs the editor with steps, then closes it with "关闭"; returns the result.
  INT_PTR Run(const std::vector<ModalScript::Step>& steps) {
    ModalScript script;
    for (const auto& step : steps) script.Then(step);
    script.Then(Press(IDOK));
    const INT_PTR result = script.Run([&] { return dialog.DoModal(nullptr, IDD_THEME_EDITOR); });
    EXPECT_TRUE(script.Done());
    return result;
  }
};

std::string Sound(int hour) { return "RIFF sound of hour " + std::to_string(hour); }

// Sound files 1 ... 24 with distinct bytes in dir.
void WriteSources(ProgramDir& dir) {
  for (int n = 1; n <= 24; ++n) dir.Write(("src" + std::to_string(n) + ".wav").c_str(), Sound(n));
}

ModalScript::Step SetSounds(Editor& editor, ProgramDir& sources, int count) {
  return [&editor, &sources, count](HWND) {
    for (int r = 0; r < count; ++r)
      editor.dialog.Hours().SetSound(r, sources.Path(("src" + std::to_string(r + 1) + ".wav").c_str()).c_str());
  };
}

std::string HourFile(int n) {
  char name[16];
  wsprintfA(name, "Hour%02d.wav", n);
  return name;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> FilesIn(const std::string& dir) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileA(h, &found));
  FindClose(h);
  return names;
}

struct RecordingPlayer : SoundPlayer {
  std::vector<std::string> paths;
  void StartSound(const char* path) override { paths.push_back(path); }
};

}  // namespace

TEST(ThemeEditorTest, SaveOpenAndSaveBackA24HourTheme) {
  ProgramDir sources, target;
  WriteSources(sources);
  Editor editor;
  editor.paths = {target.Path("named by the user.ini"), target.Path("theme.ini"), target.Path("theme.ini")};
  std::vector<std::string> opened;
  bool radio24 = false;
  editor.Run({Press(IDC_MODE_24), SetSounds(editor, sources, 24), Press(IDC_SAVE_THEME),
              // Forget the sounds, then open what was saved.
              [&](HWND) { for (int r = 0; r < 24; ++r) editor.dialog.Hours().SetSound(r, ""); },
              Press(IDC_MODE_12), Press(IDC_OPEN_THEME),
              [&](HWND dlg) {
                for (int r = 0; r < 24; ++r) opened.push_back(editor.dialog.Hours().Sound(r));
                radio24 = IsDlgButtonChecked(dlg, IDC_MODE_24) == BST_CHECKED;
              },
              Press(IDC_SAVE_THEME)});

  const std::vector<std::string> lines = Lines(target.Read("theme.ini"));
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[0], "[THEME]");
  EXPECT_EQ(lines[1], "nMode=24");
  for (int n = 1; n <= 24; ++n) {
    char line[32];
    wsprintfA(line, "sClock%02d=Hour%02d.wav", n, n);
    EXPECT_EQ(lines[n + 1], line);
    EXPECT_EQ(target.Read(HourFile(n).c_str()), Sound(n)) << n;
    EXPECT_EQ(opened[n - 1], target.Path(HourFile(n).c_str())) << n;
  }
  EXPECT_EQ(editor.dialog.Mode(), 24);
  EXPECT_TRUE(radio24);
  // Saving back into the same directory copied nothing and asked nothing.
  EXPECT_TRUE(editor.questions.empty());
  EXPECT_EQ(FilesIn(target.Dir()).size(), 25u);  // no temporary file left

  // The clock chimes from it: 0:00 is hour 24, 12:00 and 13:00 their own.
  RecordingPlayer player;
  for (int hour : {0, 12, 13}) PlayHourlyChime(target.Dir().c_str(), hour, player);
  EXPECT_EQ(player.paths, (std::vector<std::string>{target.Path("Hour24.wav"), target.Path("Hour12.wav"),
                                                    target.Path("Hour13.wav")}));
}

TEST(ThemeEditorTest, A12HourThemeChimesTwiceADayFromHour12) {
  ProgramDir sources, target;
  WriteSources(sources);
  Editor editor;
  editor.paths = {target.Path("theme.ini")};
  editor.Run({SetSounds(editor, sources, 24), Press(IDC_SAVE_THEME)});
  EXPECT_EQ(FilesIn(target.Dir()).size(), 13u);  // theme.ini and Hour01 ... Hour12
  RecordingPlayer player;
  for (int hour : {0, 12, 13}) PlayHourlyChime(target.Dir().c_str(), hour, player);
  EXPECT_EQ(player.paths, (std::vector<std::string>{target.Path("Hour12.wav"), target.Path("Hour12.wav"),
                                                    target.Path("Hour01.wav")}));
}

TEST(ThemeEditorTest, TheOverwriteQuestionDecidesAboutAnExistingFile) {
  struct Case {
    int answer;
    std::string expected;
  } cases[] = {{IDYES, Sound(1)}, {IDNO, "old"}};
  for (const Case& c : cases) {
    ProgramDir sources, target;
    WriteSources(sources);
    target.Write("Hour01.wav", "old");
    Editor editor;
    editor.answer = c.answer;
    editor.paths = {target.Path("theme.ini")};
    editor.Run({SetSounds(editor, sources, 12), Press(IDC_SAVE_THEME)});
    ASSERT_EQ(editor.questions.size(), 1u);
    EXPECT_EQ(editor.questions[0], OverwriteQuestion(target.Path("Hour01.wav")));
    EXPECT_EQ(target.Read("Hour01.wav"), c.expected);
    EXPECT_EQ(target.Read("Hour02.wav"), Sound(2));
  }
}

TEST(ThemeEditorTest, FailuresAreReportedAndLeaveTheOldThemeFile) {
  ProgramDir sources, target;
  WriteSources(sources);
  // A sound that is gone by the time of the save.
  Editor editor;
  editor.paths = {target.Path("theme.ini")};
  editor.Run({SetSounds(editor, sources, 12), [&](HWND) { DeleteFileA(sources.Path("src3.wav").c_str()); },
              Press(IDC_SAVE_THEME)});
  ASSERT_EQ(editor.questions.size(), 1u);
  EXPECT_NE(editor.questions[0].find(target.Path("Hour03.wav")), std::string::npos);
  EXPECT_EQ(Lines(target.Read("theme.ini")).size(), 14u);  // the theme file itself is complete

  // A theme file another program holds open keeps its old bytes, and no
  // temporary file stays behind.
  ProgramDir locked;
  locked.Write("theme.ini", "[THEME]\r\nnMode=24\r\n");
  HANDLE held = CreateFileA(locked.Path("theme.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Editor second;
  second.paths = {locked.Path("theme.ini")};
  second.Run({SetSounds(second, sources, 2), Press(IDC_SAVE_THEME)});
  CloseHandle(held);
  EXPECT_EQ(locked.Read("theme.ini"), "[THEME]\r\nnMode=24\r\n");
  ASSERT_EQ(second.questions.size(), 1u);
  EXPECT_NE(second.questions[0].find(locked.Path("theme.ini")), std::string::npos);
  for (const std::string& name : FilesIn(locked.Dir())) EXPECT_EQ(name.find("~tc"), std::string::npos) << name;
  // The hours' sounds are copied all the same.
  EXPECT_EQ(locked.Read("Hour01.wav"), Sound(1));
  EXPECT_EQ(locked.Read("Hour02.wav"), Sound(2));
}

// A theme of another cycle (nMode=30 opens with 24 active rows, nMode=5 with
// 5, both with "24 小时制" checked) is saved as the radios show it: a 24-hour
// theme with the sound of every active row.
TEST(ThemeEditorTest, OddModesAreSavedAsTheRadiosShowThem) {
  for (int mode : {30, 5}) {
    SCOPED_TRACE(mode);
    ProgramDir theme, target;
    std::string text = "[THEME]\r\nnMode=" + std::to_string(mode) + "\r\n";
    for (int n = 1; n <= 24; ++n) {
      text += "sClock" + HourFile(n).substr(4, 2) + "=" + HourFile(n) + "\r\n";
      theme.Write(HourFile(n).c_str(), Sound(n));
    }
    theme.Write("theme.ini", text);
    Editor editor;
    editor.paths = {theme.Path("theme.ini"), target.Path("theme.ini")};
    editor.Run({Press(IDC_OPEN_THEME), Press(IDC_SAVE_THEME)});
    const std::vector<std::string> lines = Lines(target.Read("theme.ini"));
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[1], "nMode=24");
    const int active = mode > 24 ? 24 : mode;
    for (int n = 1; n <= 24; ++n) {
      EXPECT_EQ(target.Exists(HourFile(n).c_str()), n <= active) << n;
      if (n <= active) {
        EXPECT_EQ(target.Read(HourFile(n).c_str()), Sound(n)) << n;
      }
    }
    EXPECT_TRUE(editor.questions.empty());
  }
}

// A folder too deep for the theme's files (247 characters) is refused before
// anything is written, in a message whose path lost its middle; nothing is
// left in the folder.
TEST(ThemeEditorTest, ADeepFolderIsRefusedInAShortMessage) {
  ProgramDir sources, base;
  WriteSources(sources);
  std::string dir = base.Dir();
  std::vector<std::string> made;
  for (size_t needed = 247 - dir.size(); needed > 0;) {
    size_t k = needed > 41 ? 40 : needed - 1;
    if (needed - (k + 1) == 1) --k;
    dir += "\\" + std::string(k, 'f');
    ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr)) << dir;
    made.push_back(dir);
    needed -= k + 1;
  }
  ASSERT_EQ(dir.size(), 247u);
  Editor editor;
  editor.paths = {dir + "\\theme.ini"};
  editor.Run({SetSounds(editor, sources, 12), Press(IDC_SAVE_THEME)});
  ASSERT_EQ(editor.questions.size(), 1u);
  const std::string& message = editor.questions[0];
  EXPECT_NE(message.find("..."), std::string::npos) << message;
  for (const std::string& line : Lines(message)) EXPECT_LE(line.size(), 80u) << line;
  EXPECT_TRUE(FilesIn(dir).empty());
  for (size_t i = made.size(); i-- > 0;) RemoveDirectoryA(made[i].c_str());
}

TEST(ThemeEditorTest, OpeningA12HourThemeClearsTheUpperRows) {
  ProgramDir sources, theme;
  WriteSources(sources);
  theme.Write("theme.ini", "[THEME]\r\nnMode=12\r\nsClock01=a.wav\r\nsClock13=m.wav\r\n");
  Editor editor;
  editor.paths = {theme.Path("theme.ini")};
  std::vector<std::string> sounds;
  std::vector<uintptr_t> data;
  bool radio12 = false;
  editor.Run({Press(IDC_MODE_24), SetSounds(editor, sources, 24), Press(IDC_OPEN_THEME), [&](HWND dlg) {
                for (int r = 0; r < 24; ++r) {
                  sounds.push_back(editor.dialog.Hours().Sound(r));
                  data.push_back(editor.dialog.Hours().RowData(r));
                }
                radio12 = IsDlgButtonChecked(dlg, IDC_MODE_12) == BST_CHECKED;
              }});
  ASSERT_EQ(sounds.size(), 24u);
  EXPECT_EQ(sounds[0], theme.Path("a.wav"));
  EXPECT_EQ(sounds[1], theme.Dir() + "\\");
  for (int r = 12; r < 24; ++r) {
    EXPECT_EQ(sounds[r], "") << r;
    EXPECT_EQ(data[r], kRowInactive) << r;
  }
  EXPECT_EQ(data[11], kRowActive);
  EXPECT_TRUE(radio12);
  EXPECT_EQ(editor.dialog.Mode(), 12);
}

TEST(ThemeEditorTest, DoubleClicksBrowseTryAndAbout) {
  Editor editor;
  editor.paths = {"C:\\sounds\\chosen.wav"};
  auto doubleClick = [](int item) {
    return [item](HWND dlg) {
      NMITEMACTIVATE n{};
      n.hdr.hwndFrom = GetDlgItem(dlg, IDC_HOUR_LIST);
      n.hdr.idFrom = IDC_HOUR_LIST;
      n.hdr.code = NM_DBLCLK;
      n.iItem = item;
      SendMessageA(dlg, WM_NOTIFY, IDC_HOUR_LIST, reinterpret_cast<LPARAM>(&n));
    };
  };
  std::string caption, sound;
  size_t usesAfterEmptyClick = 99;
  const INT_PTR result = editor.Run(
      {Press(IDC_TRY_SOUND), Press(IDC_BROWSE_SOUND),  // nothing selected: nothing happens
       doubleClick(-1), [&](HWND) { usesAfterEmptyClick = editor.uses.size(); },
       doubleClick(2), [&](HWND dlg) {
         sound = editor.dialog.Hours().Sound(2);
         ListView_SetItemState(GetDlgItem(dlg, IDC_HOUR_LIST), 2, LVIS_SELECTED, LVIS_SELECTED);
       },
       Press(IDC_TRY_SOUND), Press(IDC_EDITOR_ABOUT),
       [&](HWND about) {
         char text[64] = {};
         GetWindowTextA(about, text, sizeof text);
         caption = text;
       },
       Press(IDOK)});
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(usesAfterEmptyClick, 0u);
  EXPECT_EQ(sound, "C:\\sounds\\chosen.wav");
  EXPECT_EQ(editor.played, (std::vector<std::string>{"C:\\sounds\\chosen.wav"}));
  EXPECT_EQ(caption, "关于 Ticora Belvane");
}

TEST(ThemeEditorTest, ModeRadiosSwitchTheUpperRowsAndTheirColours) {
  Editor editor;
  // The list's answer to a custom-draw stage, reflected to it by the dialog.
  auto drawStage = [](HWND dlg, DWORD stage, uintptr_t itemData, COLORREF* text) {
    NMLVCUSTOMDRAW draw{};
    draw.nmcd.hdr.hwndFrom = GetDlgItem(dlg, IDC_HOUR_LIST);
    draw.nmcd.hdr.idFrom = IDC_HOUR_LIST;
    draw.nmcd.hdr.code = NM_CUSTOMDRAW;
    draw.nmcd.dwDrawStage = stage;
    draw.nmcd.lItemlParam = static_cast<LPARAM>(itemData);
    draw.clrText = RGB(1, 2, 3);
    const LRESULT answer = SendMessageA(dlg, WM_NOTIFY, IDC_HOUR_LIST, reinterpret_cast<LPARAM>(&draw));
    *text = draw.clrText;
    return answer;
  };
  std::vector<uintptr_t> row13;
  std::string kept;
  LRESULT prepaint = 0;
  COLORREF active = 0, inactive = 0, other = 0, unused = 0;
  editor.Run({[&](HWND dlg) {
                row13.push_back(editor.dialog.Hours().RowData(12));
                editor.dialog.Hours().SetSound(12, "C:\\s\\13.wav");
                prepaint = drawStage(dlg, CDDS_PREPAINT, 0, &unused);
                drawStage(dlg, CDDS_ITEMPREPAINT, kRowActive, &active);
                drawStage(dlg, CDDS_ITEMPREPAINT, kRowInactive, &inactive);
                drawStage(dlg, CDDS_ITEMPREPAINT, 0x20000, &other);
              },
              Press(IDC_MODE_24), [&](HWND) { row13.push_back(editor.dialog.Hours().RowData(12)); },
              Press(IDC_MODE_12), [&](HWND) {
                row13.push_back(editor.dialog.Hours().RowData(12));
                kept = editor.dialog.Hours().Sound(12);
              }});
  EXPECT_EQ(row13, (std::vector<uintptr_t>{kRowInactive, kRowActive, kRowInactive}));
  EXPECT_EQ(kept, "C:\\s\\13.wav");
  EXPECT_EQ(prepaint, CDRF_NOTIFYITEMDRAW);
  EXPECT_EQ(active, RGB(0, 128, 255));
  EXPECT_EQ(inactive, RGB(255, 128, 0));
  EXPECT_EQ(other, RGB(1, 2, 3));
}
