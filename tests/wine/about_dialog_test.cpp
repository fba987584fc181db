// Ticora's About box: opened by the menu command, closed every way a user
// closes it, and its links' colour, cursor and click.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "clock/clock_window_win.h"
#include "controls/hyperlink_win.h"
#include "dialogs/about_dialog_win.h"
#include "dialogs/ticora_dialogs_win.h"
#include "resources/menu_ids.h"
#include "tests/support/dib_surface.h"
#include "tests/support/modal_script.h"
#include "tests/wine/test_dialog_ids.h"

namespace {

std::vector<std::string> g_opened;

INT_PTR RecordOpen(const char* target, int) {
  g_opened.push_back(target);
  return 33;
}

// Draws the link into a surface of the dialog's colour; the pixels of colour.
int LinkPixels(HWND link, COLORREF colour) {
  RECT r{};
  GetClientRect(link, &r);
  DibSurface s(r.right, r.bottom, RGB(215, 241, 215));
  SendMessageA(link, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(s.dc()), PRF_CLIENT);
  return s.Count(r, colour);
}

void PostKey(UINT key) {
  PostMessageA(GetFocus(), WM_KEYDOWN, key, 0);
  PostMessageA(GetFocus(), WM_KEYUP, key, 0xC0000000);
}

}  // namespace

TEST(AboutDialogTest, TheMenuCommandOpensItAndEveryWayClosesIt) {
  struct Case {
    const char* way;
    ModalScript::Step step;
  } cases[] = {
      {"Enter", [](HWND) { PostKey(VK_RETURN); }},
      {"Esc", [](HWND) { PostKey(VK_ESCAPE); }},
      {"OK", Press(IDOK)},
      {"close box", [](HWND dlg) { PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  ClockServices services;
  ClockWindow clock(services);
  for (const Case& c : cases) {
    std::string caption;
    ModalScript script;
    script.Then([&](HWND dlg) {
      char text[64] = {};
      GetWindowTextA(dlg, text, sizeof text);
      caption = text;
    });
    script.Then(c.step);
    TicoraDialogs dialogs;
    script.Run([&] {
      dialogs.Open(IDM_ABOUT, clock, nullptr);
      return 0;
    });
    EXPECT_TRUE(script.Done()) << c.way;
    EXPECT_EQ(caption, "关于 Ticora") << c.way;
  }
}

TEST(AboutDialogTest, LinksTakeTheirTextColourUnderTheMouseAndOpenTheirTarget) {
  g_opened.clear();
  AboutDialog about(IDC_HAND_TICORA, &RecordOpen);
  std::vector<int> hoverPixels, normalPixels;
  bool captured = false, releasedAfterLeaving = false, handShown = false;
  LRESULT cursorAnswer = -1;
  INT_PTR result = 0;
  ModalScript script;
  script.Then([&](HWND dlg) {
    HWND link = GetDlgItem(dlg, IDC_ABOUT_WEB_LINK);
    normalPixels.push_back(LinkPixels(link, kLinkText));
    hoverPixels.push_back(LinkPixels(link, kLinkHoverText));
    SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    captured = GetCapture() == link;
    cursorAnswer =
        SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    handShown = about.HandCursor() && GetCursor() == about.HandCursor();
    normalPixels.push_back(LinkPixels(link, kLinkText));
    hoverPixels.push_back(LinkPixels(link, kLinkHoverText));
    SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(-4, -4));
    releasedAfterLeaving = GetCapture() != link;
    normalPixels.push_back(LinkPixels(link, kLinkText));
    hoverPixels.push_back(LinkPixels(link, kLinkHoverText));
    // A click: the static notifies the dialog, which reflects it to the link.
    for (int id : {IDC_ABOUT_WEB_LINK, IDC_ABOUT_MAIL_LINK})
      SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
  });
  script.Then(Press(IDOK));
  result = script.Run([&] { return about.DoModal(nullptr, IDD_ABOUT); });
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(result, IDOK);
  EXPECT_TRUE(captured);
  EXPECT_TRUE(handShown);
  EXPECT_EQ(0, cursorAnswer);
  EXPECT_TRUE(releasedAfterLeaving);
  ASSERT_EQ(normalPixels.size(), 3u);
  EXPECT_GT(normalPixels[0], 20);
  EXPECT_EQ(hoverPixels[0], 0);
  EXPECT_EQ(normalPixels[1], 0);
  EXPECT_EQ(hoverPixels[1], normalPixels[0]);
  EXPECT_EQ(normalPixels[2], normalPixels[0]);
  EXPECT_EQ(hoverPixels[2], 0);
  EXPECT_EQ(g_opened, (std::vector<std::string>{"http://www.example.com/ticora/", "mailto:support@example.com"}));
  EXPECT_EQ(about.HandCursor(), nullptr);  // destroyed on closing
}

TEST(HyperLinkTest, MadeDirectlyAsAWindowItIsSetUpAtItsCreation) {
  g_opened.clear();
  Dialog parent;
  HWND dlg = parent.CreateModeless(nullptr, IDD_REFLECT_TEST);
  ASSERT_NE(nullptr, dlg);
  HyperLink link(&RecordOpen);
  HWND window = link.Create(dlg, "http://direct.example/", SS_CENTER | WS_VISIBLE, RECT{10, 50, 160, 64}, 950);
  ASSERT_NE(nullptr, window);
  EXPECT_EQ(window, link.hwnd());
  EXPECT_EQ(dlg, GetParent(window));
  EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & SS_NOTIFY);
  EXPECT_STREQ("http://direct.example/", link.Target());
  EXPECT_GT(LinkPixels(window, kLinkText), 20);  // painted as a link
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(950, STN_CLICKED), reinterpret_cast<LPARAM>(window));
  EXPECT_EQ(g_opened, std::vector<std::string>{"http://direct.example/"});
  DestroyWindow(dlg);
  EXPECT_FALSE(link.attached());
}
