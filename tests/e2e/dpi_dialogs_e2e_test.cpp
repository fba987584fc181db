// Ticora's dialogs at the DPI of the Wine prefix (96, 144 or 192): measures
// given in pixels at 96 DPI grow with the dialog, so texts are not cut.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "resources/clock_settings_ids.h"
#include "resources/menu_ids.h"
#include "tests/support/prefix_dpi.h"
#include "tests/support/program_dir.h"

namespace {

const DWORD kTimeout = 300000;

}  // namespace

TEST(DpiDialogsEndToEnd, TheReminderListsColumnsGrowWithTheDpi) {
  const int dpi = PrefixDpi();
  ProgramDir dir;
  ASSERT_TRUE(dir.CopyFromDist("Ticora.exe"));
  ASSERT_TRUE(dir.Write("Ticora.ini", "[SYSTEM]\r\nbClockMode=1\r\nnLostPosLeft=40\r\nnLastPostop=300\r\n"));
  RunningProgram program;
  ASSERT_TRUE(program.Start(dir.Path("Ticora.exe"), dir.Dir()));
  HWND clock = program.WaitForWindow(kTimeout);
  ASSERT_NE(nullptr, clock);
  ASSERT_TRUE(program.WaitForIdle(kTimeout));
  PostMessageA(clock, WM_COMMAND, IDM_CLOCK_SETTINGS, 0);
  HWND list = nullptr;
  RunningProgram::WaitUntil(kTimeout, [&] {
    for (HWND w : program.Windows())
      if (HWND l = GetDlgItem(w, IDC_REMINDER_LIST)) list = l;
    return list != nullptr;
  });
  ASSERT_NE(nullptr, list);
  // The title column is 200 pixels at 96 DPI.
  EXPECT_EQ(MulDiv(200, dpi, 96), static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, 1, 0)));
  PostMessageA(GetParent(list), WM_COMMAND, IDCANCEL, 0);
  RunningProgram::WaitUntil(kTimeout, [&] { return !IsWindow(list); });
  PostMessageA(clock, WM_COMMAND, IDM_CLOSE, 0);
  DWORD code = 99;
  EXPECT_TRUE(program.WaitForExit(kTimeout, &code));
}
