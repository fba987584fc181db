// Belvane.exe from the distribution folder: its window with the 24 hours, and
// its exit codes after "关闭" and after the close box.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "resources/belvane_ids.h"
#include "tests/support/program_dir.h"

namespace {

const DWORD kStartTimeout = 300000;
const DWORD kExitTimeout = 300000;

}  // namespace

TEST(BelvaneE2eTest, ShowsTheHoursAndEndsWithTheCommandsExitCode) {
  struct Case {
    const char* way;
    void (*close)(HWND editor);
    DWORD exitCode;
  } cases[] = {
      {"关闭", [](HWND editor) { PostMessageA(GetDlgItem(editor, IDOK), BM_CLICK, 0, 0); }, 1},
      {"close box", [](HWND editor) { PostMessageA(editor, WM_SYSCOMMAND, SC_CLOSE, 0); }, 2},
  };
  for (const Case& c : cases) {
    ProgramDir dir;
    ASSERT_TRUE(dir.CopyFromDist("Belvane.exe"));
    RunningProgram program;
    ASSERT_TRUE(program.Start(dir.Path("Belvane.exe"), dir.Dir()));
    HWND editor = program.WaitForWindow(kStartTimeout);
    ASSERT_NE(editor, nullptr) << c.way;
    EXPECT_EQ(SendMessageA(GetDlgItem(editor, IDC_HOUR_LIST), LVM_GETITEMCOUNT, 0, 0), 24) << c.way;
    EXPECT_EQ(SendMessageA(GetDlgItem(editor, IDC_MODE_12), BM_GETCHECK, 0, 0), BST_CHECKED) << c.way;
    c.close(editor);
    DWORD code = 0;
    ASSERT_TRUE(program.WaitForExit(kExitTimeout, &code)) << c.way;
    EXPECT_EQ(code, c.exitCode) << c.way;
  }
}
