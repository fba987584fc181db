// Flat push buttons on a real dialog: which buttons are converted, hover
// tracking with the mouse capture, and the pixels each state draws.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

#include "controls/flat_button_win.h"
#include "tests/support/dib_surface.h"
#include "tests/support/flat_button_drawing.h"
#include "tests/wine/flat_button_dialog_ids.h"

namespace {

const COLORREF kFace = RGB(215, 241, 215);
const COLORREF kHoverFace = RGB(43, 200, 213);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kBorder = RGB(254, 128, 62);
const COLORREF kGrey = RGB(128, 128, 128);
const COLORREF kBackground = RGB(255, 0, 255);

struct FlatButtonFixture : ::testing::Test {
  void SetUp() override {
    dlg = dialog.CreateModeless(nullptr, IDD_FLAT_BUTTON_TEST);
    ASSERT_NE(nullptr, dlg);
    ShowWindow(dlg, SW_SHOW);
    push = GetDlgItem(dlg, IDC_FLAT_PUSH);
    // The dialog gives its first control the focus; the drawings below want
    // a push button without it unless a test gives it.
    SetFocus(GetDlgItem(dlg, IDC_FLAT_CHECK));
  }
  void TearDown() override {
    if (GetCapture()) ReleaseCapture();
    if (IsWindow(dlg)) DestroyWindow(dlg);
  }
  FlatButton* Find(HWND button) { return dialog.Find(button); }
  void DrawThroughDialog(HWND button, DibSurface& s, RECT rect, UINT state) {
    EXPECT_EQ(TRUE, ::DrawThroughDialog(dlg, button, s, rect, state));
  }
  FlatDialog dialog;
  HWND dlg = nullptr;
  HWND push = nullptr;
};

const RECT kItem{0, 0, 80, 24};
const RECT kInterior{2, 2, 78, 22};

}  // namespace

TEST_F(FlatButtonFixture, OnlyPushButtonsBecomeOwnerDrawn) {
  const int converted[] = {IDC_FLAT_PUSH, IDOK, IDC_FLAT_EMPTY, IDC_FLAT_LONG, IDC_FLAT_DISABLED};
  std::set<HWND> listed;
  for (auto& b : dialog.buttons) {
    EXPECT_TRUE(b->attached());
    listed.insert(b->Button());
  }
  EXPECT_EQ(sizeof converted / sizeof converted[0], dialog.buttons.size());
  for (int id : converted) {
    HWND w = GetDlgItem(dlg, id);
    EXPECT_EQ(1u, listed.count(w)) << id;
    EXPECT_EQ(BS_OWNERDRAW, GetWindowLongA(w, GWL_STYLE) & BS_TYPEMASK) << id;
  }
  struct Kept {
    int id;
    LONG type;
  };
  const Kept kept[] = {{IDC_FLAT_CHECK, BS_AUTOCHECKBOX},
                       {IDC_FLAT_RADIO, BS_AUTORADIOBUTTON},
                       {IDC_FLAT_GROUP, BS_GROUPBOX},
                       {IDC_FLAT_THREE_STATE, BS_AUTO3STATE},
                       {IDC_FLAT_OWNERDRAW, BS_OWNERDRAW}};
  for (const Kept& k : kept) {
    HWND w = GetDlgItem(dlg, k.id);
    EXPECT_EQ(0u, listed.count(w)) << k.id;
    EXPECT_EQ(k.type, GetWindowLongA(w, GWL_STYLE) & BS_TYPEMASK) << k.id;
  }
  // Running the conversion again adds nothing.
  ApplyFlatButtons(dlg, dialog.buttons);
  EXPECT_EQ(sizeof converted / sizeof converted[0], dialog.buttons.size());
  // A converted button still sends its command.
  EXPECT_EQ(IDC_FLAT_PUSH, GetDlgCtrlID(push));
}

TEST_F(FlatButtonFixture, ObjectsLetGoWhenTheDialogCloses) {
  ASSERT_FALSE(dialog.buttons.empty());
  DestroyWindow(dlg);
  for (auto& b : dialog.buttons) EXPECT_FALSE(b->attached());
  dialog.buttons.clear();
}

TEST_F(FlatButtonFixture, HoverFollowsTheMouseAndTheCapture) {
  FlatButton* button = Find(push);
  ASSERT_NE(nullptr, button);
  // A drag that enters the button does not highlight it.
  SendMessageA(push, WM_MOUSEMOVE, MK_LBUTTON, MousePoint(5, 5));
  EXPECT_FALSE(button->Hover());
  EXPECT_NE(push, GetCapture());

  SendMessageA(push, WM_MOUSEMOVE, 0, MousePoint(5, 5));
  EXPECT_TRUE(button->Hover());
  EXPECT_EQ(push, GetCapture());
  SendMessageA(push, WM_MOUSEMOVE, 0, MousePoint(6, 6));
  EXPECT_TRUE(button->Hover());

  // Another window takes the capture: the button lets go but stays highlighted,
  // and the next move over it captures again.
  SetCapture(dlg);
  EXPECT_TRUE(button->Hover());
  EXPECT_EQ(dlg, GetCapture());
  SendMessageA(push, WM_MOUSEMOVE, 0, MousePoint(6, 6));
  EXPECT_EQ(push, GetCapture());

  // Leaving with the left button held keeps the capture; without, it is released.
  SendMessageA(push, WM_MOUSEMOVE, MK_LBUTTON, MousePoint(-3, 4));
  EXPECT_FALSE(button->Hover());
  EXPECT_EQ(push, GetCapture());
  SendMessageA(push, WM_MOUSEMOVE, 0, MousePoint(5, 5));  // captured and inside
  EXPECT_FALSE(button->Hover());
  SendMessageA(push, WM_MOUSEMOVE, 0, MousePoint(500, 4));
  EXPECT_EQ(nullptr, GetCapture());

  SendMessageA(push, WM_MOUSEMOVE, 0, MousePoint(5, 5));
  EXPECT_TRUE(button->Hover());
  SendMessageA(push, WM_KILLFOCUS, 0, 0);
  EXPECT_FALSE(button->Hover());
}

TEST_F(FlatButtonFixture, AnswersOfTheSubclassedButton) {
  DibSurface s(10, 10, kBackground);
  EXPECT_EQ(1, SendMessageA(push, WM_ERASEBKGND, reinterpret_cast<WPARAM>(s.dc()), 0));
  EXPECT_EQ(kBackground, s.At(5, 5));
  EXPECT_EQ(0, SendMessageA(push, WM_SETCURSOR, reinterpret_cast<WPARAM>(push), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));

  MEASUREITEMSTRUCT mis{};
  mis.CtlType = ODT_BUTTON;
  mis.CtlID = IDC_FLAT_PUSH;
  SendMessageA(dlg, WM_MEASUREITEM, IDC_FLAT_PUSH, reinterpret_cast<LPARAM>(&mis));
  HDC dc = GetDC(push);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  ReleaseDC(push, dc);
  EXPECT_EQ(static_cast<UINT>(tm.tmHeight), mis.itemHeight);
  mis.CtlType = ODT_MENU;
  SendMessageA(dlg, WM_MEASUREITEM, IDC_FLAT_PUSH, reinterpret_cast<LPARAM>(&mis));
  EXPECT_EQ(static_cast<UINT>(GetSystemMetrics(SM_CYMENU)), mis.itemHeight);

  COMPAREITEMSTRUCT cis{};
  cis.CtlType = ODT_BUTTON;
  cis.CtlID = IDC_FLAT_PUSH;
  cis.hwndItem = push;
  EXPECT_EQ(0, SendMessageA(dlg, WM_COMPAREITEM, IDC_FLAT_PUSH, reinterpret_cast<LPARAM>(&cis)));
}

TEST_F(FlatButtonFixture, IdleFaceWithOrangeBorderAndBlueText) {
  DibSurface s(100, 40, kBackground);
  DrawThroughDialog(push, s, kItem, 0);
  for (POINT p : {POINT{0, 0}, POINT{79, 0}, POINT{0, 23}, POINT{79, 23}, POINT{40, 0}, POINT{0, 12}})
    EXPECT_EQ(kBorder, s.At(p.x, p.y)) << p.x << "," << p.y;
  EXPECT_EQ(kBackground, s.At(80, 0));
  EXPECT_EQ(kBackground, s.At(0, 24));
  EXPECT_EQ(kFace, s.At(1, 1));
  EXPECT_GT(s.Count(kInterior, kBlue), 0);
  EXPECT_EQ(0, s.Count(kItem, kHoverFace));
  EXPECT_EQ(0, s.Count(kItem, kGrey));  // no focus marks
}

TEST_F(FlatButtonFixture, HoveredAndPressedEdgesAndTextShift) {
  FlatButton* button = Find(push);
  ASSERT_NE(nullptr, button);
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF text = GetSysColor(COLOR_HIGHLIGHTTEXT);

  SendMessageA(push, WM_MOUSEMOVE, 0, MousePoint(5, 5));
  ASSERT_TRUE(button->Hover());
  DibSurface hovered(100, 40, kBackground);
  DrawThroughDialog(push, hovered, kItem, 0);
  // Raised: light on the left and top, dark on the bottom and right.
  EXPECT_EQ(light, hovered.At(0, 0));
  EXPECT_EQ(light, hovered.At(40, 0));
  EXPECT_EQ(light, hovered.At(0, 12));
  EXPECT_EQ(dark, hovered.At(40, 23));
  EXPECT_EQ(dark, hovered.At(79, 12));
  EXPECT_EQ(dark, hovered.At(79, 0));
  EXPECT_EQ(dark, hovered.At(0, 23));
  EXPECT_EQ(kBackground, hovered.At(80, 12));
  EXPECT_EQ(kHoverFace, hovered.At(2, 2));
  EXPECT_EQ(0, hovered.Count(kItem, kBorder));

  SendMessageA(push, WM_MOUSEMOVE, 0, MousePoint(500, 5));
  ASSERT_FALSE(button->Hover());
  DibSurface pressed(100, 40, kBackground);
  DrawThroughDialog(push, pressed, kItem, ODS_SELECTED);
  // Sunken: dark on the left and top, light on the bottom and right.
  EXPECT_EQ(dark, pressed.At(0, 0));
  EXPECT_EQ(dark, pressed.At(40, 0));
  EXPECT_EQ(dark, pressed.At(0, 12));
  EXPECT_EQ(light, pressed.At(40, 23));
  EXPECT_EQ(light, pressed.At(79, 12));
  EXPECT_EQ(kHoverFace, pressed.At(2, 2));

  // Same face, same text colour: the pressed text is the hovered text moved
  // one pixel right and down.
  if (text != kHoverFace) {
    const RECT a = hovered.BoundsOfOther(kInterior, kHoverFace);
    const RECT b = pressed.BoundsOfOther(kInterior, kHoverFace);
    ASSERT_LT(a.left, a.right);
    EXPECT_EQ(a.left + 1, b.left);
    EXPECT_EQ(a.top + 1, b.top);
    EXPECT_EQ(a.right + 1, b.right);
    EXPECT_EQ(a.bottom + 1, b.bottom);
    EXPECT_GT(pressed.Count(kInterior, text), 0);
  }
}

TEST_F(FlatButtonFixture, DisabledIsGreyOnTheNormalFace) {
  HWND disabled = GetDlgItem(dlg, IDC_FLAT_DISABLED);
  DibSurface s(100, 40, kBackground);
  DrawThroughDialog(disabled, s, kItem, ODS_DISABLED);
  EXPECT_EQ(GetSysColor(COLOR_INACTIVEBORDER), s.At(0, 0));
  EXPECT_EQ(GetSysColor(COLOR_INACTIVEBORDER), s.At(79, 23));
  EXPECT_EQ(kFace, s.At(1, 1));
  EXPECT_GT(s.Count(kInterior, GetSysColor(COLOR_GRAYTEXT)), 0);
  EXPECT_EQ(0, s.Count(kInterior, kBlue));
}

TEST_F(FlatButtonFixture, FocusedShowsFourGreyCornerMarks) {
  SetFocus(push);
  ASSERT_EQ(push, GetFocus());
  DibSurface s(100, 40, kBackground);
  DrawThroughDialog(push, s, kItem, ODS_FOCUS);
  // Inner rectangle 4, 3, 76, 21; each mark is two 4-pixel strokes.
  const POINT grey[] = {{4, 3}, {8, 3}, {4, 6},  {72, 3},  {76, 3},  {76, 6},
                        {4, 17}, {4, 21}, {7, 21}, {72, 21}, {76, 21}, {76, 18}};
  for (POINT p : grey) EXPECT_EQ(kGrey, s.At(p.x, p.y)) << p.x << "," << p.y;
  const POINT notGrey[] = {{4, 7}, {9, 3}, {71, 3}, {76, 7}, {4, 16}, {8, 21}, {76, 17}, {3, 3}};
  for (POINT p : notGrey) EXPECT_NE(kGrey, s.At(p.x, p.y)) << p.x << "," << p.y;
  EXPECT_EQ(32, s.Count(kItem, kGrey));
  // A button without the focus draws none, whatever the item state says.
  DibSurface other(100, 40, kBackground);
  DrawThroughDialog(GetDlgItem(dlg, IDC_FLAT_EMPTY), other, kItem, ODS_FOCUS);
  EXPECT_EQ(0, other.Count(kItem, kGrey));
}

TEST_F(FlatButtonFixture, EmptyTextDrawsNoneAndLongTextIsCut) {
  DibSurface empty(100, 40, kBackground);
  DrawThroughDialog(GetDlgItem(dlg, IDC_FLAT_EMPTY), empty, kItem, 0);
  EXPECT_EQ(0, empty.BoundsOfOther({1, 1, 79, 23}, kFace).right);

  HWND longButton = GetDlgItem(dlg, IDC_FLAT_LONG);
  const RECT wide{0, 0, 1400, 30};
  auto textWidth = [&](const std::string& text) {
    SetWindowTextA(longButton, text.c_str());
    DibSurface s(1400, 30, kBackground);
    DrawThroughDialog(longButton, s, wide, 0);
    const RECT box = s.BoundsOfOther({1, 1, 1399, 29}, kFace);
    return box.right - box.left;
  };
  const int w62 = textWidth(std::string(62, 'W'));
  const int w63 = textWidth(std::string(63, 'W'));
  const int w90 = textWidth(std::string(90, 'W'));
  EXPECT_GT(w63, w62);
  EXPECT_EQ(w63, w90);
}
