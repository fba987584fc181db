// Ticora.exe started in a temporary program directory with its own settings,
// driven through window messages from outside.
#include <gtest/gtest.h>

#include "resources/menu_ids.h"
#include "tests/support/program_dir.h"

namespace {

// Generous: under emulated Wine a program start takes a minute or more.
const DWORD kStartTimeout = 300000;
const DWORD kExitTimeout = 300000;

// The clock's window once it is in place: it is shown, minimized and then
// restored as it starts, so its place and size count once the program waits
// in its message loop and the window has stayed restored for half a second.
// (On a loaded machine the pause between showing and minimizing can be longer
// than half a second: the idle wait covers it.)
HWND WaitForClock(const RunningProgram& program) {
  HWND window = program.WaitForWindow(kStartTimeout);
  if (!window) return nullptr;
  program.WaitForIdle(kStartTimeout);
  DWORD restoredSince = 0;
  RunningProgram::WaitUntil(kStartTimeout, [window, &restoredSince] {
    if (!IsWindow(window)) return true;
    if (IsIconic(window)) {
      restoredSince = 0;
      return false;
    }
    if (!restoredSince) restoredSince = GetTickCount() | 1;
    return GetTickCount() - restoredSince >= 500;
  });
  return IsWindow(window) && !IsIconic(window) ? window : nullptr;
}

struct ClockRun {
  ProgramDir dir;
  RunningProgram program;
  HWND window = nullptr;

  explicit ClockRun(const std::string& ini) {
    EXPECT_TRUE(dir.CopyFromDist("Ticora.exe"));
    if (!ini.empty()) {
      EXPECT_TRUE(dir.Write("Ticora.ini", ini));
    }
  }
  bool Start() {
    if (!program.Start(dir.Path("Ticora.exe"), dir.Dir())) return false;
    window = WaitForClock(program);
    return window != nullptr;
  }
  // Closes through the menu command and returns the exit code (or -1).
  long CloseByCommand() {
    PostMessageA(window, WM_COMMAND, IDM_CLOSE, 0);
    DWORD code = 0;
    if (!program.WaitForExit(kExitTimeout, &code)) return -1;
    return static_cast<long>(code);
  }
  RECT Rect() const {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
  }
  int Ini(const char* key, int def = -12345) const {
    return ProfileInt(dir.Path("Ticora.ini"), "SYSTEM", key, def);
  }
};

TEST(ClockSpine, AnalogClockStartsAtOriginAndRemembersWhereItWasMoved) {
  ClockRun first("[SYSTEM]\r\nbClockMode=1\r\n");
  ASSERT_TRUE(first.Start());
  RECT r = first.Rect();
  EXPECT_EQ(0, r.left);
  EXPECT_EQ(0, r.top);
  EXPECT_EQ(136, r.right - r.left);
  EXPECT_EQ(136, r.bottom - r.top);
  LONG ex = GetWindowLongA(first.window, GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_TOPMOST);
  EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(ex & WS_EX_LAYERED);
  LONG style = GetWindowLongA(first.window, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & WS_CAPTION);

  SetWindowPos(first.window, nullptr, -20, 500, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(0, first.CloseByCommand());
  EXPECT_EQ(-20, first.Ini("nLostPosLeft"));
  EXPECT_EQ(500, first.Ini("nLastPostop"));
  std::string ini = first.dir.Read("Ticora.ini");
  EXPECT_NE(std::string::npos, ini.find("nLostPosLeft=-20"));
  EXPECT_NE(std::string::npos, ini.find("nLastPostop=500"));
  EXPECT_NE(std::string::npos, ini.find("bClockMode=1"));

  // The next start puts it where it was left (partly off screen is fine).
  RunningProgram second;
  ASSERT_TRUE(second.Start(first.dir.Path("Ticora.exe"), first.dir.Dir()));
  HWND w = WaitForClock(second);
  ASSERT_NE(nullptr, w);
  RECT r2{};
  GetWindowRect(w, &r2);
  EXPECT_EQ(-20, r2.left);
  EXPECT_EQ(500, r2.top);
  // Logging off: the session messages take their default course, nothing is saved.
  SetWindowPos(w, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  DWORD_PTR answer = 0;
  ASSERT_TRUE(SendMessageTimeoutA(w, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 10000, &answer));
  EXPECT_EQ(TRUE, static_cast<BOOL>(answer));
  SendMessageTimeoutA(w, WM_ENDSESSION, FALSE, 0, SMTO_ABORTIFHUNG, 10000, &answer);
  EXPECT_TRUE(second.Running());
  EXPECT_EQ(-20, first.Ini("nLostPosLeft"));
  SetWindowPos(w, nullptr, -20, 500, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  PostMessageA(w, WM_CLOSE, 0, 0);  // a close from outside also saves
  DWORD code = 1;
  ASSERT_TRUE(second.WaitForExit(kExitTimeout, &code));
  EXPECT_EQ(0u, code);
  EXPECT_EQ(-20, first.Ini("nLostPosLeft"));
}

// A skin that is missing, or cut short so that its rows run past the end of
// the file, cannot be loaded: the program ends silently without a window.
TEST(ClockSpine, MissingOrTruncatedSkinEndsSilentlyWithoutWindow) {
  for (bool truncated : {false, true}) {
    SCOPED_TRACE(truncated ? "truncated skin" : "missing skin");
    ClockRun run(
        "[SYSTEM]\r\nbClockMode=0\r\n[BACKGROUND]\r\nnTotal=1\r\nnCurrent=1\r\nsFile01=skin.bmp\r\n"
        "[NUMBER]\r\nnTotal=1\r\nnCurrent=1\r\nsFile01=digits.bmp\r\n");
    if (truncated) {
      ASSERT_TRUE(run.dir.CopyFromDist("digits_lcd_green.bmp"));
      ASSERT_TRUE(run.dir.CopyFromDist("skin_capsule.bmp"));
      ASSERT_TRUE(run.dir.Write("digits.bmp", run.dir.Read("digits_lcd_green.bmp")));
      ASSERT_TRUE(run.dir.Write("skin.bmp", run.dir.Read("skin_capsule.bmp").substr(0, 700)));
    }
    ASSERT_TRUE(run.program.Start(run.dir.Path("Ticora.exe"), run.dir.Dir()));
    bool sawWindow = false;
    RunningProgram::WaitUntil(kExitTimeout, [&] {
      if (!run.program.Windows(false).empty()) sawWindow = true;
      return !run.program.Running();
    });
    DWORD code = 77;
    ASSERT_TRUE(run.program.WaitForExit(1000, &code));
    EXPECT_EQ(0u, code);
    EXPECT_FALSE(sawWindow);
    EXPECT_EQ(-12345, run.Ini("nLostPosLeft"));  // nothing written
  }
}

TEST(ClockSpine, NoSettingsFileAndBadFaceModesEndSilently) {
  for (const char* ini : {"", "[SYSTEM]\r\nbClockMode=2\r\n"}) {
    SCOPED_TRACE(ini);
    ClockRun run(ini);
    ASSERT_TRUE(run.program.Start(run.dir.Path("Ticora.exe"), run.dir.Dir()));
    DWORD code = 77;
    ASSERT_TRUE(run.program.WaitForExit(kExitTimeout, &code));
    EXPECT_EQ(0u, code);
  }
}

TEST(ClockSpine, DigitalFaceTakesTheSizeOfItsSkin) {
  ClockRun run("");
  for (const char* f : {"Ticora.ini"}) ASSERT_TRUE(run.dir.CopyFromDist(f));
  // Copy every skin the default settings name.
  std::string dist = DistPath("Ticora.ini");
  for (const char* section : {"BACKGROUND", "NUMBER"}) {
    int total = static_cast<int>(GetPrivateProfileIntA(section, "nTotal", 0, dist.c_str()));
    for (int i = 1; i <= total; ++i) {
      char key[16], name[64];
      snprintf(key, sizeof key, "sFile%02d", i);
      GetPrivateProfileStringA(section, key, "", name, sizeof name, dist.c_str());
      ASSERT_TRUE(run.dir.CopyFromDist(name)) << name;
    }
  }
  char name[64];
  GetPrivateProfileStringA("BACKGROUND", "sFile01", "", name, sizeof name, dist.c_str());
  HBITMAP bmp = static_cast<HBITMAP>(
      LoadImageA(nullptr, run.dir.Path(name).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  ASSERT_NE(nullptr, bmp);
  BITMAP bm{};
  GetObjectA(bmp, sizeof bm, &bm);
  DeleteObject(bmp);

  ASSERT_TRUE(run.Start());
  RECT r = run.Rect();
  EXPECT_EQ(bm.bmWidth, r.right - r.left);
  EXPECT_EQ(bm.bmHeight, r.bottom - r.top);
  EXPECT_EQ(0, run.CloseByCommand());
}

TEST(ClockSpine, ClockSavedOnAMonitorThatIsGoneComesBackOnScreen) {
  // 257 is the analog face: only the low byte of the setting counts.
  ClockRun run("[SYSTEM]\r\nbClockMode=257\r\nnLostPosLeft=30000\r\nnLastPostop=-30000\r\n");
  ASSERT_TRUE(run.Start());
  RECT r = run.Rect();
  EXPECT_EQ(136, r.right - r.left);
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_GE(r.left, work.left);
  EXPECT_LE(r.right, work.right);
  EXPECT_GE(r.top, work.top);
  EXPECT_LE(r.bottom, work.bottom);
  EXPECT_EQ(work.right - 136, r.left);
  EXPECT_EQ(work.top, r.top);
  EXPECT_EQ(0, run.CloseByCommand());
}

// Settings saved by an editor in Unicode are read, and the close writes the
// position back in the file's own encoding, into its one SYSTEM section.
TEST(ClockSpine, SettingsSavedInUnicodeAreReadAndKeptInTheirEncoding) {
  const std::string ascii = "[SYSTEM]\r\nbClockMode=1\r\nnLostPosLeft=40\r\nnLastPostop=60\r\n";
  std::string utf16(2, '\xFF');
  utf16[1] = '\xFE';
  for (char c : ascii) utf16 += std::string{c, '\0'};
  const std::string utf8 = "\xEF\xBB\xBF" + ascii;
  for (const std::string& file : {utf16, utf8}) {
    SCOPED_TRACE(file.size() == utf8.size() ? "UTF-8" : "UTF-16LE");
    ClockRun run(file);
    ASSERT_TRUE(run.Start());
    EXPECT_EQ(40, run.Rect().left);
    EXPECT_EQ(60, run.Rect().top);
    SetWindowPos(run.window, nullptr, 70, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(0, run.CloseByCommand());
    std::string after = run.dir.Read("Ticora.ini");
    ASSERT_EQ(file.substr(0, 3), after.substr(0, 3));  // the same mark
    if (file == utf16) {  // back to bytes for the checks below
      std::string narrow;
      for (size_t i = 2; i + 1 < after.size(); i += 2) narrow += after[i + 1] ? '?' : after[i];
      after = narrow;
    }
    EXPECT_NE(std::string::npos, after.find("nLostPosLeft=70\r\nnLastPostop=80\r\n"));
    EXPECT_EQ(after.find("[SYSTEM]"), after.rfind("[SYSTEM]"));
  }
}

}  // namespace
