// The program settings dialog in-process: what OK writes (and Cancel does
// not), the auto-start value in the registry, the preview following each
// change, an empty skin list, and the running clock after OK.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "dialogs/program_settings_dialog_win.h"
#include "resources/program_settings_dialog_ids.h"
#include "tests/support/bmp_bytes.h"
#include "tests/support/fixed_time.h"
#include "tests/support/modal_script.h"
#include "tests/support/posted_messages.h"
#include "tests/support/program_ini.h"

namespace {

const COLORREF kKey = RGB(255, 0, 255);

// A background of w x h: a keyed border, the digit window's marks at x 20 and w - 31.
std::string Background(int w, int h) {
  return BmpBytes(w, h, [w](int x, int y) -> COLORREF {
    if (x < 2 || y < 2) return kKey;
    if ((x == 20 || x == w - 31) && y >= 10 && y < 35) return RGB(0, 0, 0);
    return RGB(30, 60, 90);
  });
}

// The skins the dialog's lists name, beside the test program.
struct Skins {
  ProgramFile small{"ps_bg_small.bmp", Background(160, 50)};
  ProgramFile large{"ps_bg_large.bmp", Background(200, 60)};
  ProgramFile digits{"ps_digits.bmp", SolidBmpBytes(162, 25, RGB(200, 220, 0))};
};
const char kSkinLists[] =
    "[BACKGROUND]\r\nnTotal=2\r\nnCurrent=1\r\nsFile01=ps_bg_small.bmp\r\nsFile02=ps_bg_large.bmp\r\n"
    "[NUMBER]\r\nnTotal=1\r\nnCurrent=1\r\nsFile01=ps_digits.bmp\r\n";

std::string FileText(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

int Alpha(HWND window) {
  typedef BOOL(WINAPI * GetAlphaFn)(HWND, COLORREF*, BYTE*, DWORD*);
  static auto get = reinterpret_cast<GetAlphaFn>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetLayeredWindowAttributes")));
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!get || !get(window, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) return -1;
  return alpha;
}

// An up-down's notification that it is about to move by delta from position.
ModalScript::Step Step(int id, int position, int delta) {
  return [=](HWND dlg) {
    NMUPDOWN step{};
    step.hdr.hwndFrom = GetDlgItem(dlg, id);
    step.hdr.idFrom = static_cast<UINT_PTR>(id);
    step.hdr.code = UDN_DELTAPOS;
    step.iPos = position;
    step.iDelta = delta;
    SendMessageA(dlg, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&step));
  };
}

class MemoryRunValues : public RunValueStore {
 public:
  bool Write(RunHive hive, const char* command) override {
    if (hive == RunHive::Machine && machineReadOnly) return false;
    values[hive] = command;
    return true;
  }
  bool Remove(RunHive hive) override {
    if (hive == RunHive::Machine && machineReadOnly) return values.count(hive) == 0;
    values.erase(hive);
    return true;
  }
  bool machineReadOnly = false;
  bool Holds(RunHive hive) override { return values.count(hive) != 0; }
  std::map<RunHive, std::string> values;
};

std::string g_helpAnchor;
bool RecordHelp(HWND, const char* anchor) {
  g_helpAnchor = anchor ? anchor : "(none)";
  return true;
}

struct SettingsDialogTest : ::testing::Test {
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_UPDOWN_CLASS | ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
  }
  INT_PTR Run(ProgramSettingsDialog& dialog) {
    return script.Run([&] { return dialog.Run(nullptr); });
  }
  FixedTime time;
  MemoryRunValues runValues;
  ProgramSettingsServices services{&time, &runValues, DialogActions{nullptr, nullptr, &RecordHelp}};
  ModalScript script;
};

TEST_F(SettingsDialogTest, OkWritesEveryKeyInOrderAndCancelWritesNothing) {
  Skins skins;
  const std::string before = std::string(kSkinLists) + "[SYSTEM]\r\nnMessageWait=15\r\nnShutdownWait=30\r\n";
  ProgramIni ini(before);
  {
    ProgramSettingsDialog dialog(services);
    script.Then(Press(IDC_FACE_ANALOG)).Then(Press(IDC_SIGNAL_CLOCK)).Then(Step(IDC_BACKGROUND_STEP, 1, 1));
    script.Then(Press(IDC_AUTO_START)).Then(Press(IDC_SETTINGS_HELP)).Then(Press(IDCANCEL));
    EXPECT_EQ(IDCANCEL, Run(dialog));
    EXPECT_TRUE(script.Done());
    EXPECT_EQ("#appearance", g_helpAnchor);
    EXPECT_EQ(before, FileText(ini.Path()));
    EXPECT_TRUE(runValues.values.empty());
  }
  ProgramSettingsDialog dialog(services);
  script.Then(Press(IDC_SIGNAL_CLOCK)).Then(Press(IDC_TRANSPARENT)).Then(SetText(IDC_TRANSPARENCE, "255"));
  script.Then(SetText(IDC_MESSAGE_WAIT, "36000")).Then(SetText(IDC_SHUTDOWN_WAIT, " 60"));
  script.Then(Step(IDC_BACKGROUND_STEP, 1, -1)).Then(Press(IDC_FACE_ANALOG)).Then(Press(IDOK));
  EXPECT_EQ(IDOK, Run(dialog));
  EXPECT_TRUE(script.Done());
  EXPECT_EQ("[BACKGROUND]\r\nnTotal=2\r\nnCurrent=2\r\nsFile01=ps_bg_small.bmp\r\nsFile02=ps_bg_large.bmp\r\n"
            "[NUMBER]\r\nnTotal=1\r\nnCurrent=1\r\nsFile01=ps_digits.bmp\r\n"
            "[SYSTEM]\r\nnMessageWait=36000\r\nnShutdownWait=60\r\nbAutoStart=0\r\nbSignalClock=1\r\n"
            "bAffairRemind=0\r\nbClockMode=1\r\nbTransparent=1\r\nnTransparence=255\r\n",
            FileText(ini.Path()));
  EXPECT_TRUE(dialog.AppearanceChanged());
  EXPECT_EQ(nullptr, dialog.Preview().hwnd());  // closed with the dialog
}

std::string DlgText(HWND dlg, int id) {
  char text[64] = {};
  GetDlgItemTextA(dlg, id, text, sizeof text);
  return text;
}

TEST_F(SettingsDialogTest, OkRefusesAWaitOrAlphaOutOfRangeAndHandEditedValuesComeInRange) {
  Skins skins;
  const std::string before =
      std::string(kSkinLists) + "[SYSTEM]\r\nnMessageWait=99999\r\nnShutdownWait=0\r\nnTransparence=3\r\nbClockMode=256\r\n";
  ProgramIni ini(before);
  ProgramSettingsDialog dialog(services);
  script.Then([](HWND dlg) {
    EXPECT_EQ("36000", DlgText(dlg, IDC_MESSAGE_WAIT));
    EXPECT_EQ("1", DlgText(dlg, IDC_SHUTDOWN_WAIT));
    EXPECT_EQ("10", DlgText(dlg, IDC_TRANSPARENCE));
    // The clock takes the low byte of the face mode: digital.
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dlg, IDC_FACE_DIGITAL));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_BACKGROUND_STEP)));
  });
  // While the box is unticked the disabled alpha field is not looked at.
  script.Then(SetText(IDC_TRANSPARENCE, "x")).Then(Press(IDC_TRANSPARENT));
  const struct {
    int field;
    const char* text;
  } refused[] = {{IDC_TRANSPARENCE, "x"},    {IDC_TRANSPARENCE, "9"},     {IDC_TRANSPARENCE, "256"},
                 {IDC_MESSAGE_WAIT, "12a"},  {IDC_MESSAGE_WAIT, "0"},     {IDC_MESSAGE_WAIT, "36001"},
                 {IDC_SHUTDOWN_WAIT, "0"},   {IDC_SHUTDOWN_WAIT, "61"},   {IDC_SHUTDOWN_WAIT, ""},
                 {IDC_SHUTDOWN_WAIT, "-5"}};
  for (const auto& r : refused) {
    script.Then(SetText(r.field, r.text)).Then(Press(IDOK)).Then(AnswerMessageBox(script, IDOK));
    script.Then([&](HWND dlg) {
      EXPECT_EQ(before, FileText(ini.Path()));
      EXPECT_EQ(GetDlgItem(dlg, r.field), GetFocus()) << r.text;
      SetDlgItemTextA(dlg, r.field, r.field == IDC_TRANSPARENCE ? "10" : "60");
    });
  }
  script.Then(Press(IDOK));
  EXPECT_EQ(IDOK, Run(dialog));
  EXPECT_TRUE(script.Done());
  const char* alpha = "透明度必须在 10 到 255 之间。";
  const char* message = "弹出消息等待时间必须在 1 到 36000 秒之间。";
  const char* shutdown = "自动关机提示等待时间必须在 1 到 60 秒之间。";
  const std::deque<std::string> expected{alpha,   alpha,    alpha,    message,  message,
                                         message, shutdown, shutdown, shutdown, shutdown};
  EXPECT_EQ(expected, script.MessageBoxTexts());
  EXPECT_EQ(10, ini.Get("nTransparence"));
  EXPECT_EQ(60, ini.Get("nMessageWait"));
  EXPECT_EQ(60, ini.Get("nShutdownWait"));
  EXPECT_EQ(0, ini.Get("bClockMode"));
}

TEST_F(SettingsDialogTest, PreviewFollowsFaceSkinTranslucencyAndTheDialog) {
  Skins skins;
  ProgramIni ini(std::string(kSkinLists) + "[SYSTEM]\r\nnTransparence=200\r\n");
  ProgramSettingsDialog dialog(services);
  const ClockWindow& preview = dialog.Preview();
  // The preview is centred in the frame and no wider than the face.
  auto expectCentred = [&](HWND dlg, int w, int h) {
    RECT frame{}, face{};
    GetWindowRect(GetDlgItem(dlg, IDC_PREVIEW_FRAME), &frame);
    GetWindowRect(preview.hwnd(), &face);
    EXPECT_EQ(w, face.right - face.left);
    EXPECT_EQ(h, face.bottom - face.top);
    EXPECT_EQ(frame.left + (frame.right - frame.left - w) / 2, face.left);
    EXPECT_EQ(frame.top + (frame.bottom - frame.top - h) / 2, face.top);
    EXPECT_NE(nullptr, preview.WindowRegion());
    EXPECT_TRUE(IsWindowVisible(preview.hwnd()));
  };
  script.Then([&](HWND dlg) {
    ASSERT_TRUE(preview.PreviewMode());
    EXPECT_EQ(dlg, GetWindow(preview.hwnd(), GW_OWNER));
    EXPECT_EQ(0, preview.FaceMode());
    expectCentred(dlg, 160, 50);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_BACKGROUND_STEP)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_TRANSPARENCE)));
    EXPECT_EQ(dlg, GetActiveWindow());
  });
  script.Then(Step(IDC_BACKGROUND_STEP, 1, 1)).Then([&](HWND dlg) { expectCentred(dlg, 200, 60); });
  script.Then(Step(IDC_BACKGROUND_STEP, 2, 1)).Then([&](HWND dlg) {
    expectCentred(dlg, 160, 50);  // wrapped to the first entry
    EXPECT_EQ(dlg, GetActiveWindow());
  });
  script.Then(Press(IDC_FACE_ANALOG)).Then([&](HWND dlg) {
    EXPECT_EQ(1, preview.FaceMode());
    expectCentred(dlg, 136, 136);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_BACKGROUND_STEP)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_DIGIT_STEP)));
  });
  script.Then(Press(IDC_TRANSPARENT)).Then([&](HWND dlg) {
    EXPECT_EQ(200, Alpha(preview.hwnd()));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_TRANSPARENCE)));
  });
  script.Then(SetText(IDC_TRANSPARENCE, "5")).Then([&](HWND) { EXPECT_EQ(10, Alpha(preview.hwnd())); });
  script.Then(SetText(IDC_TRANSPARENCE, "300")).Then([&](HWND) { EXPECT_EQ(255, Alpha(preview.hwnd())); });
  script.Then(SetText(IDC_TRANSPARENCE, "77")).Then(Press(IDC_TRANSPARENT)).Then([&](HWND) {
    EXPECT_EQ(255, Alpha(preview.hwnd()));  // opaque at once
  });
  script.Then(Press(IDC_FACE_DIGITAL)).Then([&](HWND dlg) {
    EXPECT_EQ(0, preview.FaceMode());
    expectCentred(dlg, 160, 50);
    RECT r{};
    GetWindowRect(dlg, &r);
    SetWindowPos(dlg, nullptr, r.left + 30, r.top + 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    expectCentred(dlg, 160, 50);  // travels with the dialog
  });
  script.Then(Press(IDCANCEL));
  EXPECT_EQ(IDCANCEL, Run(dialog));
  EXPECT_TRUE(script.Done());
}

// A settings file the user marked read-only stays as it is, OK says so and
// still closes the dialog.
TEST_F(SettingsDialogTest, OkOnAReadOnlyFileSaysNothingWasSaved) {
  Skins skins;
  const std::string before = std::string(kSkinLists) + "[SYSTEM]\r\nnMessageWait=15\r\nnShutdownWait=30\r\n";
  ProgramIni ini(before);
  SetFileAttributesA(ini.Path(), FILE_ATTRIBUTE_READONLY);
  ProgramSettingsDialog dialog(services);
  script.Then(Press(IDC_SIGNAL_CLOCK)).Then(Press(IDOK)).Then(AnswerMessageBox(script, IDOK));
  EXPECT_EQ(IDOK, Run(dialog));
  SetFileAttributesA(ini.Path(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_TRUE(script.Done());
  ASSERT_EQ(1u, script.MessageBoxTexts().size());
  EXPECT_EQ("无法保存设置到 Ticora.ini。", script.MessageBoxTexts()[0]);
  EXPECT_EQ(before, FileText(ini.Path()));
}

TEST_F(SettingsDialogTest, EmptySkinListsWarnOfNoPreviewAndWriteNoIndex) {
  const std::string lists = "[BACKGROUND]\r\nnTotal=0\r\nnCurrent=3\r\n[NUMBER]\r\nnTotal=0\r\n";
  ProgramIni ini(lists);
  ProgramSettingsDialog dialog(services);
  script.Then(AnswerMessageBox(script, IDOK)).Then([&](HWND dlg) {
    EXPECT_EQ(nullptr, dialog.Preview().hwnd());
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_BACKGROUND_STEP)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_DIGIT_STEP)));
  });
  script.Then(Step(IDC_BACKGROUND_STEP, 1, 1)).Then(Press(IDC_FACE_ANALOG)).Then(Press(IDC_FACE_DIGITAL));
  script.Then(Press(IDOK));
  EXPECT_EQ(IDOK, Run(dialog));
  EXPECT_TRUE(script.Done());
  ASSERT_EQ(1u, script.MessageBoxTexts().size());
  EXPECT_EQ("无法创建预览窗口，预览功能不可用!", script.MessageBoxTexts()[0]);
  const std::string text = FileText(ini.Path());
  EXPECT_EQ(0u, text.find(lists)) << text;  // the lists as they were
  EXPECT_EQ(10, ini.Get("nTransparence"));  // the edit held the up-down's lowest position
}

// The Run key's value of root, or "(none)".
std::string RunValue(HKEY root) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, kRunKeyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "(none)";
  char value[MAX_PATH + 8] = {};
  DWORD size = sizeof value - 1;
  const LONG read = RegQueryValueExA(key, kRunValueName, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  return read == ERROR_SUCCESS ? value : "(none)";
}

// The machine's key as a user without rights sees it: readable, not writable.
LONG MachineReadOnly(HKEY root, REGSAM access, HKEY* key) {
  if (root == HKEY_LOCAL_MACHINE && (access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
  return OpenRunKey(root, access, key);
}

TEST_F(SettingsDialogTest, AutoStartIsTheQuotedPathInTheMachineOrElseTheUsersKey) {
  ProgramIni ini(kSkinLists);
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, sizeof exe);
  const std::string quoted = std::string("\"") + exe + "\"";
  struct Case {
    OpenRunKeyFn open;
    HKEY holds, empty;
  } cases[] = {{nullptr, HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}, {&MachineReadOnly, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}};
  for (const Case& c : cases) {
    RegistryRunValues registry(c.open);
    ProgramSettingsServices real{&time, &registry, services.actions};
    {
      ProgramSettingsDialog on(real);
      script.Then(AnswerMessageBox(script, IDOK)).Then(Press(IDC_AUTO_START)).Then(Press(IDOK));
      EXPECT_EQ(IDOK, script.Run([&] { return on.Run(nullptr); }));
      EXPECT_EQ(quoted, RunValue(c.holds));
      EXPECT_EQ("(none)", RunValue(c.empty));
      EXPECT_EQ(1, ini.Get("bAutoStart"));
    }
    ProgramSettingsDialog off(real);
    script.Then(AnswerMessageBox(script, IDOK)).Then([](HWND dlg) {
      EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dlg, IDC_AUTO_START));  // what is stored
    });
    script.Then(Press(IDC_AUTO_START)).Then(Press(IDOK));
    EXPECT_EQ(IDOK, script.Run([&] { return off.Run(nullptr); }));
    EXPECT_TRUE(script.Done());
    EXPECT_EQ("(none)", RunValue(HKEY_LOCAL_MACHINE));
    EXPECT_EQ("(none)", RunValue(HKEY_CURRENT_USER));
  }
}

TEST_F(SettingsDialogTest, AMachineWideValueTheUserCannotRemoveIsSaidAndKept) {
  Skins skins;
  ProgramIni ini(std::string(kSkinLists) + "[SYSTEM]\r\nbAutoStart=1\r\nnMessageWait=5\r\nnShutdownWait=5\r\n");
  runValues.values[RunHive::Machine] = "\"C:\\T\\Ticora.exe\"";
  runValues.machineReadOnly = true;
  ProgramSettingsDialog dialog(services);
  script.Then(Press(IDC_AUTO_START)).Then(Press(IDOK)).Then(AnswerMessageBox(script, IDOK));
  EXPECT_EQ(IDOK, Run(dialog));
  EXPECT_TRUE(script.Done());
  ASSERT_EQ(1u, script.MessageBoxTexts().size());
  EXPECT_EQ("需要管理员权限才能取消所有用户的开机自动运行。", script.MessageBoxTexts()[0]);
  EXPECT_EQ(1u, runValues.values.count(RunHive::Machine));
  EXPECT_EQ(1, ini.Get("bAutoStart"));
  EXPECT_EQ(1, dialog.Settings().autoStart);
}

TEST_F(SettingsDialogTest, OkIsAppliedToTheRunningClock) {
  Skins skins;
  ProgramIni ini(std::string(kSkinLists) + "[SYSTEM]\r\nbClockMode=1\r\nnMessageWait=15\r\nnShutdownWait=30\r\n");
  ClockWindow clock(ClockServices{&time});
  ASSERT_TRUE(clock.CreateClock(nullptr, false, nullptr));
  const TimedCheckSettings old = clock.RunSettings();
  EXPECT_FALSE(old.chimeOn);

  script.Then(Press(IDC_FACE_DIGITAL)).Then(Step(IDC_BACKGROUND_STEP, 1, 1)).Then(Press(IDC_SIGNAL_CLOCK));
  script.Then(Press(IDC_AFFAIR_REMIND)).Then(Press(IDC_TRANSPARENT)).Then(SetText(IDC_TRANSPARENCE, "120"));
  script.Then(SetText(IDC_MESSAGE_WAIT, "7")).Then(SetText(IDC_SHUTDOWN_WAIT, "9")).Then(Press(IDOK));
  EXPECT_EQ(IDOK, script.Run([&] { return RunProgramSettings(clock, nullptr, services); }));
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(0, clock.FaceMode());
  EXPECT_EQ(200, clock.FaceRect().right);  // the second background
  EXPECT_TRUE(clock.HasDigitStrip());
  const TimedCheckSettings& run = clock.RunSettings();
  EXPECT_TRUE(run.chimeOn);
  EXPECT_TRUE(run.remindersOn);
  EXPECT_EQ(7, run.waits.messageWait);
  EXPECT_EQ(9, run.waits.shutdownWait);
  EXPECT_EQ(120, Alpha(clock.hwnd()));

  // Cancel applies nothing; OK without a change of face still sets the alpha (opaque, but layered).
  script.Then(Press(IDC_SIGNAL_CLOCK)).Then(Press(IDCANCEL));
  EXPECT_EQ(IDCANCEL, script.Run([&] { return RunProgramSettings(clock, nullptr, services); }));
  EXPECT_TRUE(clock.RunSettings().chimeOn);
  script.Then(Press(IDC_TRANSPARENT)).Then(Press(IDOK));
  EXPECT_EQ(IDOK, script.Run([&] { return RunProgramSettings(clock, nullptr, services); }));
  EXPECT_EQ(255, Alpha(clock.hwnd()));
  EXPECT_EQ(200, clock.FaceRect().right);
  clock.CloseClock();
  DrainQuit();
}

}  // namespace
