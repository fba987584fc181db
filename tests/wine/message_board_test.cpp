// The message board in-process under Wine: size and place, the countdown,
// the self-drawn buttons driven by synthesized mouse messages, its pixels, and
// the ownership rules of the clock's list of boards.
#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "clock/tick_effects_win.h"
#include "base/program_path.h"
#include "controls/handles_win.h"
#include "tests/support/posted_messages.h"
#include "reminders/message_board_win.h"
#include "tests/support/bmp_bytes.h"
#include "tests/support/dib_surface.h"

namespace {

// Progress reaches the log even if the process dies.
const int kUnbufferedOutput = setvbuf(stdout, nullptr, _IONBF, 0);

// Dispatches the pending close requests of hwnd.
void DispatchCloses(HWND hwnd) {
  MSG m;
  while (PeekMessageA(&m, hwnd, WM_CLOSE, WM_CLOSE, PM_REMOVE)) DispatchMessageA(&m);
}

// A solid-colour device-dependent bitmap of the given size.
Bitmap SolidPicture(int width, int height, COLORREF colour) {
  WindowDC screen(nullptr);
  Bitmap bmp(CreateCompatibleBitmap(screen.get(), width, height));
  MemoryDC dc(CreateCompatibleDC(screen.get()));
  {
    SelectGuard select(dc.get(), bmp.get());
    RECT r{0, 0, width, height};
    Brush brush(CreateSolidBrush(colour));
    FillRect(dc.get(), &r, brush.get());
  }
  return bmp;
}

// A surface of the board's size, black like a fresh DIB section.
struct Surface : DibSurface {
  Surface() : DibSurface(MessageBoard::kDefaultWidth, MessageBoard::kDefaultHeight, RGB(0, 0, 0)) {}
};

// A plain top-level window that owns the boards of a test.
class OwnerWindow {
 public:
  OwnerWindow() {
    hwnd_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  }
  ~OwnerWindow() {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  }
  HWND hwnd() const { return hwnd_; }
  HWND* slot() { return &hwnd_; }

 private:
  HWND hwnd_;
};

// A board whose real timer is stopped, so that only the ticks a test sends count.
struct QuietBoard {
  OwnerWindow owner;
  MessageBoard board;
  QuietBoard(const char* title, const char* message, int seconds, Bitmap picture = Bitmap()) {
    EXPECT_TRUE(board.Create(owner.hwnd(), title, message, std::move(picture), seconds));
    KillTimer(board.hwnd(), kMessageBoardTimerId);
  }
  void Tick() { SendMessageA(board.hwnd(), WM_TIMER, kMessageBoardTimerId, 0); }
  void Mouse(UINT msg, WPARAM keys, int x, int y) { SendMessageA(board.hwnd(), msg, keys, MAKELPARAM(x, y)); }
};

TEST(MessageBoard, TakesThePictureSizeAndIsCentredOnTheScreen) {
  struct Case {
    int width, height;  // 0: no picture
    int expectW, expectH;
  } cases[] = {{0, 0, 320, 180}, {320, 180, 320, 180}, {201, 97, 201, 97}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    QuietBoard b("t", "m", 5, c.width ? SolidPicture(c.width, c.height, RGB(0, 128, 0)) : Bitmap());
    HWND w = b.board.hwnd();
    ASSERT_NE(nullptr, w);
    RECT r{};
    GetWindowRect(w, &r);
    EXPECT_EQ(c.expectW, r.right - r.left);
    EXPECT_EQ(c.expectH, r.bottom - r.top);
    EXPECT_EQ((GetSystemMetrics(SM_CXFULLSCREEN) - c.expectW) / 2, r.left);
    EXPECT_EQ((GetSystemMetrics(SM_CYFULLSCREEN) - c.expectH) / 2, r.top);
    EXPECT_EQ(c.width != 0, b.board.HasPicture());

    LONG style = GetWindowLongA(w, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_SYSMENU));
    EXPECT_TRUE(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(b.owner.hwnd(), GetWindow(w, GW_OWNER));
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_FALSE(IsIconic(w));
    EXPECT_EQ(0, GetWindowTextLengthA(w));
  }
}

TEST(MessageBoard, CaptionCountsDownAndTheBoardClosesAfterZero) {
  QuietBoard b("Tea", "m", 5);
  HWND w = b.board.hwnd();
  EXPECT_STREQ("Tea", b.board.Caption());
  // Another timer is none of the board's business.
  SendMessageA(w, WM_TIMER, 7, 0);
  EXPECT_STREQ("Tea", b.board.Caption());
  for (const char* expected : {"Tea(4)", "Tea(3)", "Tea(2)", "Tea(1)", "Tea(0)"}) {
    b.Tick();
    EXPECT_STREQ(expected, b.board.Caption());
    EXPECT_EQ(0, TakePosted(w, WM_CLOSE));
    EXPECT_TRUE(IsWindowVisible(w));
  }
  b.Tick();
  EXPECT_FALSE(IsWindowVisible(w));
  EXPECT_STREQ("Tea(0)", b.board.Caption());
  DispatchCloses(w);
  EXPECT_TRUE(b.board.Closed());
  EXPECT_FALSE(IsWindow(w));
  EXPECT_FALSE(b.board.HasPicture());
}

TEST(MessageBoard, ZeroOrNegativeWaitClosesAtTheFirstTick) {
  for (int seconds : {0, -3, INT_MIN}) {
    SCOPED_TRACE(seconds);
    QuietBoard b("t", "m", seconds);
    HWND w = b.board.hwnd();
    EXPECT_STREQ("t", b.board.Caption());
    b.Tick();
    EXPECT_EQ(1, TakePosted(w, WM_CLOSE));
    EXPECT_FALSE(IsWindowVisible(w));
  }
}

TEST(MessageBoard, TextsAreCopiedAndCutToTheirBuffers) {
  std::string title(200, 'T');
  std::string message(1000, 'M');
  char mutableTitle[8] = "abc";
  QuietBoard b(title.c_str(), message.c_str(), INT_MAX);
  EXPECT_EQ(63u, strlen(b.board.Title()));
  EXPECT_EQ(255u, strlen(b.board.Message()));
  b.Tick();
  EXPECT_EQ(std::string(63, 'T') + "(2147483646)", b.board.Caption());

  QuietBoard c(mutableTitle, nullptr, 3);
  mutableTitle[0] = 'x';
  EXPECT_STREQ("abc", c.board.Title());
  EXPECT_STREQ("", c.board.Message());
}

TEST(MessageBoard, ButtonsCloseOnlyWhenPressedAndReleasedOverThem) {
  // Points: X box, OK box, the message area, the caption strip.
  const POINT onX{308, 14}, onOk{160, 165}, inMessage{100, 100}, elsewhere{60, 165};
  struct Step {
    UINT msg;
    bool button;
    POINT at;
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
    bool closes;
  } cases[] = {
      {"click on X", {{WM_MOUSEMOVE, false, onX}, {WM_LBUTTONDOWN, true, onX}, {WM_LBUTTONUP, false, onX}}, true},
      {"click on OK",
       {{WM_MOUSEMOVE, false, onOk}, {WM_LBUTTONDOWN, true, onOk}, {WM_LBUTTONUP, false, onOk}},
       true},
      {"press on X, move off, release elsewhere",
       {{WM_MOUSEMOVE, false, onX},
        {WM_LBUTTONDOWN, true, onX},
        {WM_MOUSEMOVE, true, inMessage},
        {WM_LBUTTONUP, false, inMessage}},
       false},
      {"press elsewhere, move onto X, release there",
       {{WM_MOUSEMOVE, false, inMessage},
        {WM_LBUTTONDOWN, true, inMessage},
        {WM_MOUSEMOVE, true, onX},
        {WM_LBUTTONUP, false, onX}},
       true},
      {"release over X without a press", {{WM_MOUSEMOVE, false, onX}, {WM_LBUTTONUP, false, onX}}, false},
      // Pressed in the board, released outside it: the next move without the
      // button clears the press, so a later release over X does nothing.
      {"press released outside the board",
       {{WM_MOUSEMOVE, false, elsewhere},
        {WM_LBUTTONDOWN, true, elsewhere},
        {WM_MOUSEMOVE, false, onX},
        {WM_LBUTTONUP, false, onX}},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QuietBoard b("t", "m", 5);
    for (const Step& s : c.steps) b.Mouse(s.msg, s.button ? MK_LBUTTON : 0, s.at.x, s.at.y);
    EXPECT_EQ(c.closes ? 1 : 0, TakePosted(b.board.hwnd(), WM_CLOSE));
    EXPECT_FALSE(b.board.Pressed());
    TakePosted(b.board.hwnd(), WM_NCLBUTTONDOWN);
  }
}

TEST(MessageBoard, TracksThePointerAndThePress) {
  QuietBoard b("t", "m", 5);
  b.Mouse(WM_MOUSEMOVE, 0, 298, 4);  // top-left pixel of the X box
  EXPECT_TRUE(b.board.OverClose());
  EXPECT_FALSE(b.board.OverOk());
  b.Mouse(WM_MOUSEMOVE, 0, 318, 24);  // just outside it
  EXPECT_FALSE(b.board.OverClose());
  b.Mouse(WM_MOUSEMOVE, 0, 179, 175);  // bottom-right pixel of the OK box
  EXPECT_TRUE(b.board.OverOk());
  b.Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 179, 175);
  EXPECT_TRUE(b.board.Pressed());
  b.Mouse(WM_MOUSEMOVE, MK_LBUTTON, 170, 170);
  EXPECT_TRUE(b.board.Pressed());
  b.Mouse(WM_MOUSEMOVE, 0, 170, 170);
  EXPECT_FALSE(b.board.Pressed());
}

TEST(MessageBoard, OnlyTheTopStripDragsTheBoard) {
  QuietBoard b("t", "m", 5);
  HWND w = b.board.hwnd();
  // Peeked, never dispatched: the system's move loop would wait for the mouse.
  MSG m{};
  b.Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 50, 10);
  ASSERT_EQ(1, TakePosted(w, WM_NCLBUTTONDOWN, &m));
  EXPECT_EQ(static_cast<WPARAM>(HTCAPTION), m.wParam);
  EXPECT_EQ(MAKELPARAM(50, 10), m.lParam);
  b.Mouse(WM_LBUTTONUP, 0, 50, 10);

  for (POINT p : {POINT{100, 100}, POINT{308, 14}, POINT{296, 10}, POINT{50, 26}}) {
    b.Mouse(WM_LBUTTONDOWN, MK_LBUTTON, p.x, p.y);
    EXPECT_EQ(0, TakePosted(w, WM_NCLBUTTONDOWN)) << p.x << "," << p.y;
    b.Mouse(WM_LBUTTONUP, 0, p.x, p.y);
  }
  TakePosted(w, WM_CLOSE);
}

TEST(MessageBoardPainting, DrawsCaptionMessageAndBoxFrames) {
  const COLORREF idle = MessageBoard::kIdleFrameColour;
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);
  const COLORREF picture = RGB(0, 100, 0);
  QuietBoard b("Title", "AAA\r\nBBB\r\nCCC", 5, SolidPicture(320, 180, picture));
  Surface s;
  long handlesBefore = handles::LiveCount();

  struct Look {
    const char* name;
    POINT pointer;
    bool press;
    COLORREF closeFirst, closeSecond, okFirst, okSecond;
  } looks[] = {
      {"idle", {100, 100}, false, idle, idle, idle, idle},
      {"raised X", {308, 14}, false, light, dark, idle, idle},
      {"sunken X", {308, 14}, true, dark, light, idle, idle},
      {"raised OK", {160, 165}, false, idle, idle, light, dark},
  };
  for (const Look& l : looks) {
    SCOPED_TRACE(l.name);
    b.Mouse(WM_MOUSEMOVE, 0, l.pointer.x, l.pointer.y);
    if (l.press) b.Mouse(WM_LBUTTONDOWN, MK_LBUTTON, l.pointer.x, l.pointer.y);
    b.board.Paint(s.dc());
    // Top and left edges in the first colour, last column and row in the second.
    EXPECT_EQ(l.closeFirst, s.At(298, 4));
    EXPECT_EQ(l.closeFirst, s.At(305, 4));
    EXPECT_EQ(l.closeFirst, s.At(298, 15));
    EXPECT_EQ(l.closeSecond, s.At(317, 10));
    EXPECT_EQ(l.closeSecond, s.At(305, 23));
    EXPECT_EQ(l.closeSecond, s.At(317, 23));
    EXPECT_EQ(l.okFirst, s.At(140, 154));
    EXPECT_EQ(l.okFirst, s.At(140, 170));
    EXPECT_EQ(l.okSecond, s.At(179, 160));
    EXPECT_EQ(l.okSecond, s.At(150, 175));
    // Inside the frames and outside the boxes the picture shows 1:1.
    EXPECT_EQ(picture, s.At(299, 5));
    EXPECT_EQ(picture, s.At(297, 4));
    EXPECT_EQ(picture, s.At(319, 179));
    if (l.press) b.Mouse(WM_LBUTTONUP, 0, 0, 100);
  }
  TakePosted(b.board.hwnd(), WM_CLOSE);

  // Caption in its colour inside the strip and nowhere else; the message
  // text in its colour, on three separate lines.
  EXPECT_GT(s.Count(MessageBoard::kCaptionRect, MessageBoard::kCaptionColour), 0);
  EXPECT_EQ(s.Count(MessageBoard::kCaptionRect, MessageBoard::kCaptionColour),
            s.Count(RECT{0, 0, 320, 180}, MessageBoard::kCaptionColour));
  // Glyph edges may be smoothed: a row belongs to a line when anything but the
  // picture shows in it.
  int bands = 0;
  bool inText = false;
  for (int y = MessageBoard::kMessageRect.top; y < MessageBoard::kMessageRect.bottom; ++y) {
    bool row = s.Count(RECT{6, y, 314, y + 1}, picture) < 314 - 6;
    if (row && !inText) ++bands;
    inText = row;
  }
  EXPECT_EQ(3, bands);
  EXPECT_GT(s.Count(MessageBoard::kCloseBox, MessageBoard::kTextColour), 0);
  EXPECT_GT(s.Count(MessageBoard::kOkBox, MessageBoard::kTextColour), 0);
  EXPECT_EQ(handlesBefore, handles::LiveCount());
}

TEST(MessageBoardPainting, LongMessageIsClippedToItsArea) {
  std::string message;
  for (int i = 0; i < 40; ++i) message += "word wrapped line\r\n";
  QuietBoard b("t", message.c_str(), 5, SolidPicture(320, 180, RGB(0, 0, 0)));
  Surface s;
  b.board.Paint(s.dc());
  const COLORREF text = MessageBoard::kTextColour;
  EXPECT_GT(s.Count(RECT{6, 140, 314, 152}, text), 0);
  // Below the message area only the OK label is in the text colour.
  EXPECT_EQ(0, s.Count(RECT{0, 152, 140, 180}, text));
  EXPECT_EQ(0, s.Count(RECT{180, 152, 320, 180}, text));
  EXPECT_EQ(0, s.Count(RECT{314, 28, 320, 152}, text));
}

// ------------------------------------------------------ the clock's list

// The picture file beside the test program, removed afterwards.
class PictureBesideProgram {
 public:
  PictureBesideProgram(int width, int height) {
    ProgramPath("WndBackgnd.bmp", path_);
    written_ = WriteBytes(path_, SolidBmpBytes(width, height, RGB(10, 20, 30)));
  }
  ~PictureBesideProgram() { DeleteFileA(path_); }
  bool written() const { return written_; }

 private:
  char path_[kProgramPathSize];
  bool written_ = false;
};

TEST(ClockMessageBoards, OpenBoardsLieOnTopOfEachOtherNewestUppermost) {
  long boardsBefore = MessageBoard::LiveCount();
  long handlesBefore = handles::LiveCount();
  {
    PictureBesideProgram file(300, 150);
    ASSERT_TRUE(file.written());
    OwnerWindow owner;
    ClockEffects fx(owner.slot());
    fx.OpenMessageBoard("one", "first", 5);
    fx.OpenMessageBoard("two", "second", 5);
    ASSERT_EQ(2u, fx.MessageBoardCount());
    HWND older = fx.MessageBoardAt(0)->hwnd();
    HWND newer = fx.MessageBoardAt(1)->hwnd();
    ASSERT_TRUE(older && newer);
    EXPECT_STREQ("second", fx.MessageBoardAt(1)->Message());
    RECT a{}, b{};
    GetWindowRect(older, &a);
    GetWindowRect(newer, &b);
    EXPECT_TRUE(EqualRect(&a, &b));
    EXPECT_EQ(300, a.right - a.left);  // the picture's size
    EXPECT_EQ(150, a.bottom - a.top);
    EXPECT_EQ(owner.hwnd(), GetWindow(newer, GW_OWNER));
    bool newerFirst = false;
    for (HWND h = GetWindow(newer, GW_HWNDFIRST); h; h = GetWindow(h, GW_HWNDNEXT)) {
      if (h == newer) newerFirst = true;
      if (h == older) break;
    }
    EXPECT_TRUE(newerFirst);
    // The clock closes: every listed board goes with its window and picture.
    fx.CloseAll();
    EXPECT_EQ(0u, fx.MessageBoardCount());
    EXPECT_FALSE(IsWindow(older));
    EXPECT_FALSE(IsWindow(newer));
    EXPECT_EQ(boardsBefore, MessageBoard::LiveCount());
  }
  EXPECT_EQ(handlesBefore, handles::LiveCount());
}

TEST(ClockMessageBoards, TidyingDeletesClosedBoardsAndReleasesOpenOnes) {
  long boardsBefore = MessageBoard::LiveCount();
  long handlesBefore = handles::LiveCount();
  OwnerWindow owner;
  {
    ClockEffects fx(owner.slot());
    fx.OpenMessageBoard("closed", "m", 5);
    fx.OpenMessageBoard("open", "m", 5);
    fx.OpenMessageBoard("left to the owner", "m", 5);
    HWND open = fx.MessageBoardAt(1)->hwnd();
    HWND lastOpen = fx.MessageBoardAt(2)->hwnd();
    fx.MessageBoardAt(0)->Close();
    fx.TidyMessageBoards();
    EXPECT_EQ(0u, fx.MessageBoardCount());
    // The two open boards now belong to their windows and still count down.
    EXPECT_EQ(boardsBefore + 2, MessageBoard::LiveCount());
    EXPECT_TRUE(IsWindowVisible(open));

    // One closes at the end of its countdown and releases itself.
    KillTimer(open, kMessageBoardTimerId);
    for (int i = 0; i < 6; ++i) SendMessageA(open, WM_TIMER, kMessageBoardTimerId, 0);
    DispatchCloses(open);
    EXPECT_FALSE(IsWindow(open));
    EXPECT_EQ(boardsBefore + 1, MessageBoard::LiveCount());

    // The clock's closing does not touch boards it no longer lists...
    fx.CloseAll();
    EXPECT_TRUE(IsWindow(lastOpen));
    // ...they go with their owner window.
    DestroyWindow(owner.hwnd());
    EXPECT_FALSE(IsWindow(lastOpen));
    EXPECT_EQ(boardsBefore, MessageBoard::LiveCount());
  }
  EXPECT_EQ(handlesBefore, handles::LiveCount());
}

TEST(ClockMessageBoards, BoardWithoutWindowStaysListedUntilTidied) {
  long boardsBefore = MessageBoard::LiveCount();
  HWND gone = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  ClockEffects fx(&gone);  // the owner handle is no longer valid: creation fails
  fx.OpenMessageBoard("t", "m", 5);
  ASSERT_EQ(1u, fx.MessageBoardCount());
  EXPECT_TRUE(fx.MessageBoardAt(0)->Closed());
  fx.TidyMessageBoards();
  EXPECT_EQ(0u, fx.MessageBoardCount());
  EXPECT_EQ(boardsBefore, MessageBoard::LiveCount());
}

}  // namespace
