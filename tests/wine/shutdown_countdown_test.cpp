// The shutdown countdown dialog as the clock's tick opens it: the seconds it
// shows, when it asks for the shutdown, cancelling, acting at once, a second
// request while it runs, its colours, picture and place.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "clock/tick_effects_win.h"
#include "base/dialog_placement.h"
#include "base/program_path.h"
#include "reminders/shutdown_countdown_win.h"
#include "resources/countdown_ids.h"
#include "tests/support/dib_surface.h"
#include "tests/support/refusing_new.h"

namespace {

std::vector<std::pair<BOOL, BOOL>> g_shutdowns;
int g_answer = IDNO;
int g_questions = 0;
std::string g_questionText, g_questionCaption;
UINT g_questionType = 0;
HWND g_questionOwner = nullptr;
std::function<void()> g_whileAsking;

BOOL RecordShutdown(BOOL force, BOOL restart) {
  g_shutdowns.emplace_back(force, restart);
  return TRUE;
}

int Answer(HWND owner, const char* text, const char* caption, UINT type) {
  ++g_questions;
  g_questionOwner = owner;
  g_questionText = text ? text : "";
  g_questionCaption = caption ? caption : "";
  g_questionType = type;
  if (g_whileAsking) g_whileAsking();
  return g_answer;
}

// Countdown actions that record instead of acting.
CountdownActions Recording() {
  CountdownActions actions;
  actions.shutDown = &RecordShutdown;
  actions.ask = &Answer;
  return actions;
}

std::string Text(HWND w) {
  char buffer[256] = {};
  GetWindowTextA(w, buffer, sizeof buffer);
  return buffer;
}

struct CountdownFixture : ::testing::Test {
  void SetUp() override {
    g_shutdowns.clear();
    g_answer = IDNO;
    g_questions = 0;
    g_whileAsking = nullptr;
  }
  void TearDown() override {
    g_whileAsking = nullptr;
    effects.CloseAll();
  }
  HWND Open(bool force, bool restart, int seconds) {
    EXPECT_FALSE(effects.IsCountdownRunning());
    effects.StartShutdownCountdown(force, restart, seconds);
    EXPECT_TRUE(effects.IsCountdownRunning());
    return effects.Countdown() ? effects.Countdown()->hwnd() : nullptr;
  }
  std::string Seconds(HWND dlg) { return Text(GetDlgItem(dlg, IDC_COUNTDOWN_SECONDS)); }
  void Tick(HWND dlg) { SendMessageA(dlg, WM_TIMER, kCountdownTimerId, 0); }

  HWND owner = nullptr;
  ClockEffects effects{&owner, Recording()};
};

}  // namespace

TEST_F(CountdownFixture, CountsDownAndThenRestarts) {
  HWND dlg = Open(true, true, 3);
  ASSERT_NE(nullptr, dlg);
  EXPECT_TRUE(IsWindowVisible(dlg));
  EXPECT_EQ("重新启动计算机...", Text(dlg));
  EXPECT_EQ("重新启动计算机...", Text(GetDlgItem(dlg, IDC_COUNTDOWN_ACTION)));
  EXPECT_EQ("Ticora 指定的自动关机程序将在", Text(GetDlgItem(dlg, IDC_COUNTDOWN_LEAD)));
  EXPECT_EQ("3 秒种后", Seconds(dlg));
  EXPECT_TRUE(effects.Countdown()->TimerRunning());
  EXPECT_TRUE(GetWindowLongA(dlg, GWL_EXSTYLE) & WS_EX_TOPMOST);

  Tick(dlg);
  EXPECT_EQ("2 秒种后", Seconds(dlg));
  Tick(dlg);
  EXPECT_EQ("1 秒种后", Seconds(dlg));
  EXPECT_TRUE(g_shutdowns.empty());
  Tick(dlg);
  EXPECT_FALSE(IsWindow(dlg));
  EXPECT_FALSE(effects.IsCountdownRunning());
  ASSERT_EQ(1u, g_shutdowns.size());
  EXPECT_EQ(std::make_pair(TRUE, TRUE), g_shutdowns[0]);
  EXPECT_EQ(0, g_questions);
}

TEST_F(CountdownFixture, ShutdownWithoutForceAndNonPositiveWaits) {
  HWND dlg = Open(false, false, 0);
  ASSERT_NE(nullptr, dlg);
  EXPECT_EQ("关闭计算机...", Text(dlg));
  EXPECT_EQ("关闭计算机...", Text(GetDlgItem(dlg, IDC_COUNTDOWN_ACTION)));
  EXPECT_EQ("0 秒种后", Seconds(dlg));
  Tick(dlg);  // a wait of 0 acts at the first tick
  EXPECT_FALSE(IsWindow(dlg));
  ASSERT_EQ(1u, g_shutdowns.size());
  EXPECT_EQ(std::make_pair(FALSE, FALSE), g_shutdowns[0]);

  // The same object serves the next countdown, with fresh flat buttons.
  ShutdownCountdownDialog* first = effects.Countdown();
  dlg = Open(true, false, -4);
  EXPECT_EQ(first, effects.Countdown());
  EXPECT_EQ("-4 秒种后", Seconds(dlg));
  ASSERT_EQ(2u, effects.Countdown()->FlatButtons().size());
  for (const auto& b : effects.Countdown()->FlatButtons()) {
    EXPECT_TRUE(b->attached());
    EXPECT_EQ(BS_OWNERDRAW, GetWindowLongA(b->Button(), GWL_STYLE) & BS_TYPEMASK);
  }
  Tick(dlg);
  ASSERT_EQ(2u, g_shutdowns.size());
  EXPECT_EQ(std::make_pair(TRUE, FALSE), g_shutdowns[1]);
}

TEST_F(CountdownFixture, CancelConfirmedNeverActs) {
  g_answer = IDYES;
  HWND dlg = Open(true, true, 5);
  Tick(dlg);
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDCANCEL)));
  EXPECT_EQ(1, g_questions);
  EXPECT_EQ(dlg, g_questionOwner);
  EXPECT_EQ("是否确定要取消这个预置动作 ?", g_questionText);
  EXPECT_EQ("Ticora", g_questionCaption);
  EXPECT_EQ(static_cast<UINT>(MB_ICONQUESTION | MB_YESNOCANCEL), g_questionType);
  EXPECT_FALSE(IsWindow(dlg));
  EXPECT_FALSE(effects.IsCountdownRunning());
  EXPECT_TRUE(g_shutdowns.empty());
}

TEST_F(CountdownFixture, CancelDeclinedResumesAtTheSameSecond) {
  struct Way {
    const char* name;
    int answer;
    UINT msg;
    WPARAM w;
  };
  const Way ways[] = {
      {"cancel button, No", IDNO, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED)},
      {"cancel button, Cancel", IDCANCEL, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED)},
      {"command 1, No", IDNO, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED)},
      {"close box, No", IDNO, WM_CLOSE, 0},
  };
  for (const Way& way : ways) {
    g_answer = way.answer;
    g_questions = 0;
    HWND dlg = Open(false, true, 13);
    Tick(dlg);
    ASSERT_EQ("12 秒种后", Seconds(dlg)) << way.name;
    SendMessageA(dlg, way.msg, way.w, 0);
    // The dialog manager posts the cancel command of the close box.
    MSG m;
    while (PeekMessageA(&m, dlg, WM_COMMAND, WM_COMMAND, PM_REMOVE)) DispatchMessageA(&m);
    EXPECT_EQ(1, g_questions) << way.name;
    EXPECT_TRUE(IsWindow(dlg)) << way.name;
    EXPECT_TRUE(effects.Countdown()->TimerRunning()) << way.name;
    EXPECT_EQ("12 秒种后", Seconds(dlg)) << way.name;
    Tick(dlg);
    EXPECT_EQ("11 秒种后", Seconds(dlg)) << way.name;
    effects.CloseAll();
  }
  EXPECT_TRUE(g_shutdowns.empty());
}

TEST_F(CountdownFixture, ClosingTheClockWhileTheCancelQuestionIsOpen) {
  // The tray menu's close runs inside the question's loop: the countdown
  // object is gone when the question returns, whatever the answer.
  for (int answer : {IDYES, IDNO}) {
    g_answer = answer;
    HWND dlg = Open(true, true, 5);
    g_whileAsking = [&] { effects.CloseAll(); };
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDCANCEL)));
    g_whileAsking = nullptr;
    EXPECT_FALSE(IsWindow(dlg));
    EXPECT_EQ(nullptr, effects.Countdown());
  }
  EXPECT_EQ(2, g_questions);
  EXPECT_TRUE(g_shutdowns.empty());
  HWND again = Open(false, false, 1);  // the next countdown runs as ever
  Tick(again);
  EXPECT_EQ(1u, g_shutdowns.size());
}

TEST_F(CountdownFixture, OutOfMemoryTheCountdownAndTheBoardAreSkipped) {
  g_refuseNothrowNew = true;
  effects.StartShutdownCountdown(true, true, 5);
  effects.OpenMessageBoard("t", "m", 5);
  g_refuseNothrowNew = false;
  EXPECT_EQ(nullptr, effects.Countdown());
  EXPECT_FALSE(effects.IsCountdownRunning());
  EXPECT_EQ(0u, effects.MessageBoardCount());
  EXPECT_TRUE(g_shutdowns.empty());
  // With memory again both come as ever.
  Open(true, true, 5);
  effects.OpenMessageBoard("t", "m", 5);
  EXPECT_EQ(1u, effects.MessageBoardCount());
}

TEST_F(CountdownFixture, ExecuteActsAtTheNextTick) {
  HWND dlg = Open(true, false, 30);
  Tick(dlg);
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_COUNTDOWN_EXECUTE, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_COUNTDOWN_EXECUTE)));
  EXPECT_TRUE(IsWindow(dlg));
  EXPECT_TRUE(g_shutdowns.empty());
  Tick(dlg);
  EXPECT_FALSE(IsWindow(dlg));
  ASSERT_EQ(1u, g_shutdowns.size());
  EXPECT_EQ(std::make_pair(TRUE, FALSE), g_shutdowns[0]);
}

TEST_F(CountdownFixture, SecondRequestWhileRunningChangesNothing) {
  HWND dlg = Open(true, true, 3);
  Tick(dlg);
  effects.StartShutdownCountdown(false, false, 30);
  EXPECT_EQ(dlg, effects.Countdown()->hwnd());
  EXPECT_EQ("2 秒种后", Seconds(dlg));
  EXPECT_EQ("重新启动计算机...", Text(dlg));
  Tick(dlg);
  Tick(dlg);
  ASSERT_EQ(1u, g_shutdowns.size());
  EXPECT_EQ(std::make_pair(TRUE, TRUE), g_shutdowns[0]);
}

TEST_F(CountdownFixture, ClosingTheClockClosesWithoutActing) {
  HWND dlg = Open(true, true, 3);
  effects.CloseAll();
  EXPECT_FALSE(IsWindow(dlg));
  EXPECT_FALSE(effects.IsCountdownRunning());
  EXPECT_EQ(nullptr, effects.Countdown());
  {
    HWND none = nullptr;
    ClockEffects dying(&none, Recording());
    dying.StartShutdownCountdown(true, true, 3);
    dlg = dying.Countdown()->hwnd();
    ASSERT_TRUE(IsWindow(dlg));
  }
  EXPECT_FALSE(IsWindow(dlg));
  EXPECT_TRUE(g_shutdowns.empty());
}

TEST_F(CountdownFixture, OwnedByTheClockWindowAndPlacedOnTheDesktop) {
  owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, owner);
  HWND dlg = Open(false, false, 9);
  EXPECT_EQ(owner, GetWindow(dlg, GW_OWNER));
  RECT self{}, desktop{}, work{};
  GetWindowRect(dlg, &self);
  GetWindowRect(GetDesktopWindow(), &desktop);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const PlacementPoint expected =
      PlaceDialog({desktop.left, desktop.top, desktop.right, desktop.bottom}, self.right - self.left,
                  self.bottom - self.top, {work.left, work.top, work.right, work.bottom});
  EXPECT_EQ(expected.x, self.left);
  EXPECT_EQ(expected.y, self.top);
  effects.CloseAll();
  DestroyWindow(owner);
}

TEST_F(CountdownFixture, StaticsAreBlueOnTheDialogColour) {
  HWND dlg = Open(false, true, 9);
  DibSurface s(8, 8, RGB(0, 0, 0));
  for (UINT msg : {WM_CTLCOLORSTATIC, WM_CTLCOLORDLG}) {
    SetTextColor(s.dc(), RGB(1, 1, 1));
    SetBkMode(s.dc(), OPAQUE);
    const LRESULT brush = SendMessageA(dlg, msg, reinterpret_cast<WPARAM>(s.dc()),
                                       reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_COUNTDOWN_SECONDS)));
    EXPECT_EQ(reinterpret_cast<LRESULT>(effects.Countdown()->DialogBrush()), brush);
    EXPECT_EQ(RGB(0, 0, 255), GetTextColor(s.dc()));
    EXPECT_EQ(TRANSPARENT, GetBkMode(s.dc()));
  }
  LOGBRUSH lb{};
  GetObjectA(effects.Countdown()->DialogBrush(), sizeof lb, &lb);
  EXPECT_EQ(RGB(215, 241, 215), lb.lbColor);
}

TEST_F(CountdownFixture, PictureFillsThePlaceOfTheSunkenFrame) {
  HWND dlg = Open(false, false, 9);
  EXPECT_FALSE(effects.Countdown()->HasPicture());
  HWND frame = GetDlgItem(dlg, IDC_COUNTDOWN_PICTURE);
  UpdateWindow(dlg);
  EXPECT_TRUE(IsWindowVisible(frame));  // without a picture the frame stays
  effects.CloseAll();

  // A 600 x 20 picture in a colour of its own: wider than the place, not as high.
  char path[kProgramPathSize];
  ProgramPath("warning.bmp", path);
  ASSERT_NE('\0', path[0]);
  {
    DibSurface picture(600, 20, RGB(200, 10, 20));
    ASSERT_TRUE(picture.Save(path));
  }
  dlg = Open(false, false, 9);
  DeleteFileA(path);
  ASSERT_TRUE(effects.Countdown()->HasPicture());
  frame = GetDlgItem(dlg, IDC_COUNTDOWN_PICTURE);
  RECT place{};
  GetWindowRect(frame, &place);
  MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&place), 2);
  RECT client{};
  GetClientRect(dlg, &client);
  DibSurface s(client.right, client.bottom, RGB(0, 0, 0));
  SendMessageA(dlg, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(s.dc()), PRF_CLIENT);
  EXPECT_EQ(RGB(200, 10, 20), s.At(place.left, place.top));
  EXPECT_EQ(RGB(200, 10, 20), s.At(place.right - 1, place.top + 19));
  EXPECT_EQ(RGB(215, 241, 215), s.At(place.left, place.top + 20));  // below the picture
  if (place.right < client.right) {
    EXPECT_NE(RGB(200, 10, 20), s.At(place.right, place.top));
  }

  InvalidateRect(dlg, nullptr, TRUE);
  UpdateWindow(dlg);
  EXPECT_FALSE(IsWindowVisible(frame));
  DestroyWindow(dlg);
  EXPECT_FALSE(effects.Countdown()->HasPicture());
  EXPECT_TRUE(g_shutdowns.empty());
}
