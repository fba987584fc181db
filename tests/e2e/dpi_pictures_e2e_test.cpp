// Ticora.exe at the DPI of the Wine prefix it runs in: the message board and
// the shutdown countdown come at the scale the DPI gives, with the pictures
// drawn for it.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "reminders/reminder_record.h"
#include "resources/countdown_ids.h"
#include "resources/menu_ids.h"
#include "tests/support/bmp_bytes.h"
#include "tests/support/prefix_dpi.h"
#include "tests/support/program_dir.h"
#include "tests/support/reminder_fakes.h"

namespace {

const DWORD kStartTimeout = 300000;
const int kBaseDpiForTest = 96;

SIZE WindowSize(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace

TEST(DpiPicturesEndToEnd, BoardAndCountdownComeAtTheScaleOfTheDpi) {
  const int k = PrefixDpi() >= 144 ? 2 : 1;
  ProgramDir dir;
  ASSERT_TRUE(dir.CopyFrom(BuildPath("TicoraAtTime.exe"), "Ticora.exe"));
  ASSERT_TRUE(dir.CopyFrom(BuildPath("FakeDorvix.dll"), "Dorvix.dll"));
  // The 1x board picture is smaller than the shipped one: a board the size of
  // the shipped 2x picture shows that one was taken, not the 1x enlarged.
  ASSERT_TRUE(dir.Write("WndBackgnd.bmp", SolidBmpBytes(300, 170, RGB(90, 140, 200))));
  ASSERT_TRUE(dir.CopyFromDist("WndBackgnd@2x.bmp"));
  ASSERT_TRUE(dir.Write("warning.bmp", SolidBmpBytes(260, 48, RGB(200, 10, 20))));
  ASSERT_TRUE(dir.CopyFromDist("warning@2x.bmp"));
  ASSERT_TRUE(dir.Write("Ticora.ini", "[SYSTEM]\r\nbClockMode=1\r\nbAffairRemind=1\r\nnMessageWait=120\r\n"
                                      "nShutdownWait=120\r\n"));
  std::vector<ReminderRecord> records;
  records.push_back(MakeReminder(1, "Stand up", RepeatDaily, 10, 31));
  records.push_back(MakeReminder(2, "重启", RepeatDaily, 10, 31, ActionRestart, FlagForceAction));
  ASSERT_TRUE(dir.Write("Ticora.rmd", ReminderFileText(records)));

  RunningProgram program;
  ASSERT_TRUE(program.Start(dir.Path("Ticora.exe"), dir.Dir(), "10:30:55"));
  HWND clock = nullptr, board = nullptr, countdown = nullptr;
  ASSERT_TRUE(RunningProgram::WaitUntil(kStartTimeout, [&] {
    for (HWND w : program.Windows()) {
      HWND owner = GetWindow(w, GW_OWNER);
      char cls[32] = {};
      GetClassNameA(w, cls, sizeof cls);
      if (!owner) clock = w;
      else if (std::string(cls) == "#32770") countdown = w;
      else if (!IsIconic(w)) board = w;
    }
    return (board && countdown) || !program.Running();
  })) << "board " << board << ", countdown " << countdown;
  ASSERT_TRUE(board && countdown);
  std::printf("prefix DPI %d, scale %d\n", PrefixDpi(), k);

  // The board: the 96-DPI layout's 320 x 180 times k with the 2x picture,
  // the 1x picture's own size at 96 DPI.
  const SIZE boardSize = WindowSize(board);
  EXPECT_EQ(k == 1 ? 300 : 320 * k, boardSize.cx);
  EXPECT_EQ(k == 1 ? 170 : 180 * k, boardSize.cy);

  // The countdown: laid out by the dialog font at the DPI; at a scale above 1
  // the picture's place takes the size the picture is shown at, which is the
  // 2x picture's 546 pixels where the place has room for them (the enlarged
  // 1x picture would be 520) and the place's width where it has not.
  RECT place{};
  ASSERT_TRUE(GetWindowRect(GetDlgItem(countdown, IDC_COUNTDOWN_PICTURE), &place));
  const int dpi = PrefixDpi();
  const long placeWidth = place.right - place.left;
  std::printf("countdown %ld x %ld, picture place %ld x %ld\n", WindowSize(countdown).cx, WindowSize(countdown).cy,
              placeWidth, place.bottom - place.top);
  if (k == 1) {
    EXPECT_GE(placeWidth, 260);
  } else if (dpi == kBaseDpiForTest * k) {
    EXPECT_EQ(273 * k, placeWidth);
  } else {
    EXPECT_LE(placeWidth, 273 * k);
    EXPECT_GE(placeWidth, 273 * dpi / kBaseDpiForTest * 9 / 10);
  }
  if (k > 1) {
    EXPECT_LE(place.bottom - place.top, 50 * k);
  }

  PostMessageA(clock, WM_COMMAND, IDM_CLOSE, 0);
  DWORD code = 77;
  ASSERT_TRUE(program.WaitForExit(120000, &code));
  EXPECT_EQ(0u, code);
}
