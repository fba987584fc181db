// The tray icon and the owner-drawn tray menu in-process under Wine: the
// records handed to the shell, the clicks on the icon, the day-change tooltip,
// the menu resource, and the menu items measured and drawn by the clock window.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "clock/clock_window_win.h"
#include "clock/menu_painter_win.h"
#include "base/program_path.h"
#include "clock/tray_icon_win.h"
#include "controls/handles_win.h"
#include "resources/menu_ids.h"
#include "clock/program_resources_win.h"
#include "tests/support/dib_surface.h"
#include "tests/support/fixed_time.h"
#include "tests/support/posted_messages.h"
#include "tests/support/program_ini.h"
#include "tests/support/shell_calls.h"

namespace {

// An analog desktop clock needs no skin files, only its settings file.
const char kAnalogClockIni[] = "[SYSTEM]\r\nbClockMode=1\r\nnLostPosLeft=40\r\nnLastPostop=60\r\n";

// Starts a fresh record of the shell calls.
struct ShellRecorder {
  ShellRecorder() { g_shellCalls.clear(); }
};

// A clock whose shell calls are recorded.
ClockServices Recorded(FixedTime* time) {
  ClockServices services;
  services.time = time;
  services.shellNotify = &RecordShellCall;
  return services;
}

std::string Hex(const char* s) {
  std::string out;
  char b[4];
  for (; *s; ++s) {
    snprintf(b, sizeof b, "%02x", static_cast<unsigned char>(*s));
    out += b;
  }
  return out;
}

void Tick(HWND hwnd) { SendMessageA(hwnd, WM_TIMER, kClockTimerId, 0); }


TEST(TrayIcon, RecordsHandedToTheShellOverTheClocksLife) {
  ProgramIni ini(kAnalogClockIni);
  ShellRecorder recorder;
  FixedTime time;
  time.Set(7, 1, 23, 59, 58);  // Monday 7 December 2026
  HWND hwnd = nullptr;
  {
    ClockWindow clock(Recorded(&time));
    ASSERT_TRUE(clock.CreateClock(nullptr, false, nullptr));
    hwnd = clock.hwnd();
    ASSERT_EQ(1u, g_shellCalls.size());
    const ShellCall& add = g_shellCalls[0];
    EXPECT_EQ(static_cast<DWORD>(NIM_ADD), add.message);
    EXPECT_EQ(488u, add.data.cbSize);
    EXPECT_EQ(hwnd, add.data.hWnd);
    EXPECT_EQ(0u, add.data.uID);
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP), add.data.uFlags);
    EXPECT_EQ(0x0411u, add.data.uCallbackMessage);
    EXPECT_NE(nullptr, add.data.hIcon);
    EXPECT_EQ(SmallProgramIcon(), add.data.hIcon);
    // "2026年12月 7日,星期一" in GBK.
    EXPECT_EQ("32303236c4ea3132d4c22037c8d52cd0c7c6dad2bb", Hex(add.data.szTip));

    // The last second of a day leaves the tooltip alone; the first tick of
    // the next date rewrites it, and only it, whatever its time.
    time.Set(7, 1, 23, 59, 59);
    Tick(hwnd);
    EXPECT_EQ(1u, g_shellCalls.size());
    time.Set(8, 2, 0, 0, 0);
    Tick(hwnd);
    ASSERT_EQ(2u, g_shellCalls.size());
    EXPECT_EQ(static_cast<DWORD>(NIM_MODIFY), g_shellCalls[1].message);
    EXPECT_EQ(static_cast<UINT>(NIF_TIP), g_shellCalls[1].data.uFlags);
    EXPECT_EQ(hwnd, g_shellCalls[1].data.hWnd);
    EXPECT_EQ(0u, g_shellCalls[1].data.uID);
    EXPECT_STREQ("2026年12月 8日,星期二", g_shellCalls[1].data.szTip);
    time.Set(8, 2, 0, 0, 1);
    Tick(hwnd);
    EXPECT_EQ(2u, g_shellCalls.size());
    time.Set(8, 2, 12, 0, 0);
    Tick(hwnd);
    EXPECT_EQ(2u, g_shellCalls.size());
    // Asleep over midnight: the first tick of the 9th comes at 15:00.
    time.Set(9, 3, 15, 0, 0);
    Tick(hwnd);
    ASSERT_EQ(3u, g_shellCalls.size());
    EXPECT_STREQ("2026年12月 9日,星期三", g_shellCalls[2].data.szTip);

    // After a time correction the dialog asks for the new date.
    time.Set(24, 4, 9, 30, 0);
    clock.UpdateTrayTip();
    ASSERT_EQ(4u, g_shellCalls.size());
    EXPECT_EQ(static_cast<DWORD>(NIM_MODIFY), g_shellCalls[3].message);
    EXPECT_STREQ("2026年12月24日,星期四", g_shellCalls[3].data.szTip);

    // A restarted shell announces itself; the icon is added again in full.
    SendMessageA(hwnd, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    ASSERT_EQ(5u, g_shellCalls.size());
    EXPECT_EQ(static_cast<DWORD>(NIM_ADD), g_shellCalls[4].message);
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP), g_shellCalls[4].data.uFlags);
    EXPECT_EQ(SmallProgramIcon(), g_shellCalls[4].data.hIcon);
    EXPECT_EQ(488u, g_shellCalls[4].data.cbSize);

    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    DrainQuit();
    EXPECT_EQ(5u, g_shellCalls.size());  // closing the window keeps the icon until the object goes
  }
  ASSERT_EQ(6u, g_shellCalls.size());
  EXPECT_EQ(static_cast<DWORD>(NIM_DELETE), g_shellCalls[5].message);
  EXPECT_EQ(0u, g_shellCalls[5].data.uFlags);
  EXPECT_EQ(hwnd, g_shellCalls[5].data.hWnd);
  EXPECT_EQ(0u, g_shellCalls[5].data.uID);
}

TEST(TrayIcon, ThePreviewNeverTalksToTheShell) {
  ShellRecorder recorder;
  FixedTime time;
  time.Set(8, 2, 0, 0, 0);
  {
    ClockWindow preview(Recorded(&time));
    preview.SetFaceMode(1);
    RECT target{0, 0, 200, 200};
    ASSERT_TRUE(preview.CreateClock(nullptr, true, &target));
    Tick(preview.hwnd());
    preview.UpdateTrayTip();
    SendMessageA(preview.hwnd(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(IsWindowVisible(preview.hwnd()));
    SendMessageA(preview.hwnd(), WM_TRAYNOTIFY, 0, WM_LBUTTONUP);
    EXPECT_TRUE(IsWindowVisible(preview.hwnd()));
    SendMessageA(preview.hwnd(), WM_CLOSE, 0, 0);
  }
  EXPECT_TRUE(g_shellCalls.empty());
}

TEST(TrayIcon, LeftClicksOnTheIconToggleTheClock) {
  ProgramIni ini(kAnalogClockIni);
  ShellRecorder recorder;
  FixedTime time;
  time.Set(7, 1, 12, 0, 0);
  ClockWindow clock(Recorded(&time));
  ASSERT_TRUE(clock.CreateClock(nullptr, false, nullptr));
  HWND hwnd = clock.hwnd();
  RECT before{};
  GetWindowRect(hwnd, &before);
  ASSERT_TRUE(IsWindowVisible(hwnd));

  EXPECT_EQ(0, SendMessageA(hwnd, WM_TRAYNOTIFY, 0, WM_LBUTTONUP));
  EXPECT_FALSE(IsWindowVisible(hwnd));
  EXPECT_EQ(0, SendMessageA(hwnd, WM_TRAYNOTIFY, 0, WM_LBUTTONUP));
  EXPECT_TRUE(IsWindowVisible(hwnd));
  RECT after{};
  GetWindowRect(hwnd, &after);
  EXPECT_EQ(before.left, after.left);
  EXPECT_EQ(before.top, after.top);

  // A double click arrives as down, up, double click, up: two toggles.
  const UINT doubleClick[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP};
  const bool visibleAfter[] = {true, false, false, true};
  for (int i = 0; i < 4; ++i) {
    SendMessageA(hwnd, WM_TRAYNOTIFY, 0, doubleClick[i]);
    EXPECT_EQ(visibleAfter[i], IsWindowVisible(hwnd) != FALSE) << i;
  }

  // Other mouse messages and other icon ids change nothing.
  SendMessageA(hwnd, WM_TRAYNOTIFY, 0, WM_MOUSEMOVE);
  SendMessageA(hwnd, WM_TRAYNOTIFY, 0, WM_RBUTTONDOWN);
  SendMessageA(hwnd, WM_TRAYNOTIFY, 1, WM_LBUTTONUP);
  EXPECT_TRUE(IsWindowVisible(hwnd));

  SendMessageA(hwnd, WM_CLOSE, 0, 0);
  DrainQuit();
}

TEST(TrayMenu, ResourceHoldsTheCommandsInOrderWithTheirTexts) {
  struct Item {
    UINT id;  // 0 for a separator
    const char* text;
  } const items[] = {
      {IDM_SHOW_HIDE, "隐藏 Ticora\t(&I)"},
      {0, nullptr},
      {IDM_CLOCK_SETTINGS, "时钟设置\t(&C)"},
      {IDM_PROGRAM_SETTINGS, "程序设置\t(&P)"},
      {IDM_TIME_CORRECTION, "校对系统时间\t(&U)"},
      {IDM_CALENDAR, "万年历\t(L)"},
      {0, nullptr},
      {IDM_HELP, "帮助\t(H)"},
      {IDM_ABOUT, "关于 Ticora...\t(&A)"},
      {0, nullptr},
      {IDM_CLOSE, "关闭\t(&E)"},
  };
  HMENU popup = nullptr;
  Menu menu = LoadTrayMenu(GetModuleHandleA(nullptr), true, &popup);
  ASSERT_TRUE(menu);
  ASSERT_NE(nullptr, popup);
  ASSERT_EQ(11, GetMenuItemCount(popup));
  for (int i = 0; i < 11; ++i) {
    SCOPED_TRACE(i);
    UINT state = GetMenuState(popup, i, MF_BYPOSITION);
    if (!items[i].text) {
      EXPECT_TRUE(state & MF_SEPARATOR);
      continue;
    }
    EXPECT_FALSE(state & (MF_SEPARATOR | MF_POPUP | MF_GRAYED | MF_CHECKED));
    EXPECT_EQ(items[i].id, GetMenuItemID(popup, i));
    char text[64] = {};
    GetMenuStringA(popup, i, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(items[i].text, text);
  }
  // The bytes the system hands out are GBK, whatever the compiler made of the literals.
  char text[64] = {};
  GetMenuStringA(popup, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_EQ("d2feb2d8205469636f72610928264929", Hex(text));
  GetMenuStringA(popup, 10, text, sizeof text, MF_BYPOSITION);
  EXPECT_EQ("b9d8b1d50928264529", Hex(text));

  // While the clock is hidden the first item offers to show it, with the same command.
  Menu hidden = LoadTrayMenu(GetModuleHandleA(nullptr), false, &popup);
  ASSERT_TRUE(hidden);
  ASSERT_EQ(11, GetMenuItemCount(popup));
  EXPECT_EQ(static_cast<UINT>(IDM_SHOW_HIDE), GetMenuItemID(popup, 0));
  GetMenuStringA(popup, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_EQ("cfd4cabe205469636f72610928265729", Hex(text));  // "显示 Ticora\t(&W)"
}

LRESULT DrawItem(HWND hwnd, HMENU menu, HDC dc, UINT id, RECT r, UINT action, UINT state) {
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_MENU;
  dis.itemID = id;
  dis.itemAction = action;
  dis.itemState = state;
  dis.hwndItem = reinterpret_cast<HWND>(menu);
  dis.hDC = dc;
  dis.rcItem = r;
  return SendMessageA(hwnd, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
}

TEST(TrayMenu, ClockWindowMeasuresAndDrawsTheOwnerDrawnItems) {
  ProgramIni ini(kAnalogClockIni);
  ShellRecorder recorder;
  FixedTime time;
  time.Set(7, 1, 12, 0, 0);
  ClockWindow clock(Recorded(&time));
  ASSERT_TRUE(clock.CreateClock(nullptr, false, nullptr));
  HWND hwnd = clock.hwnd();
  HMENU popup = nullptr;
  Menu menu = LoadTrayMenu(GetModuleHandleA(nullptr), true, &popup);
  ASSERT_TRUE(menu);

  // Opening the menu makes every item owner-drawn and keeps its text and other type bits.
  EXPECT_EQ(0, SendMessageA(hwnd, WM_INITMENU, reinterpret_cast<WPARAM>(popup), 0));
  EXPECT_EQ(popup, clock.Painter().CurrentMenu());
  for (int i = 0; i < GetMenuItemCount(popup); ++i) {
    SCOPED_TRACE(i);
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoA(popup, i, TRUE, &mii));
    EXPECT_TRUE(mii.fType & MFT_OWNERDRAW);
    EXPECT_EQ(i == 1 || i == 6 || i == 9, (mii.fType & MFT_SEPARATOR) != 0);
  }
  std::string text;
  ASSERT_TRUE(ReadMenuItemText(popup, IDM_CLOSE, false, &text));
  EXPECT_EQ("关闭\t(&E)", text);

  // Sizes: a separator is half a menu bar, a text item its text plus 35 and at least 20 high.
  const int menuBar = GetSystemMetrics(SM_CYMENU);
  MEASUREITEMSTRUCT mis{};
  mis.CtlType = ODT_MENU;
  mis.itemID = 0;
  EXPECT_EQ(TRUE, SendMessageA(hwnd, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis)));
  EXPECT_EQ(0u, mis.itemWidth);
  EXPECT_EQ(static_cast<UINT>(menuBar / 2), mis.itemHeight);

  int textWidth = 0;
  {
    WindowDC screen(nullptr);
    SelectGuard font(screen.get(), GetStockObject(DEFAULT_GUI_FONT));
    RECT r{0, 0, 0, 0};
    DrawTextA(screen.get(), "关于 Ticora...\t(&A)", -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    textWidth = r.right - r.left;
  }
  ASSERT_GT(textWidth, 20);
  mis = MEASUREITEMSTRUCT{};
  mis.CtlType = ODT_MENU;
  mis.itemID = IDM_ABOUT;
  EXPECT_EQ(TRUE, SendMessageA(hwnd, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis)));
  EXPECT_EQ(static_cast<UINT>(35 + textWidth), mis.itemWidth);
  EXPECT_EQ(static_cast<UINT>(menuBar < 20 ? 20 : menuBar), mis.itemHeight);

  // Controls other than menus are not the painter's business.
  mis = MEASUREITEMSTRUCT{};
  mis.CtlType = ODT_LISTBOX;
  SendMessageA(hwnd, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
  EXPECT_EQ(0u, mis.itemWidth);

  const COLORREF column = RGB(215, 241, 215), back = RGB(255, 255, 220);
  const COLORREF selBack = RGB(255, 238, 194), navy = RGB(0, 0, 128);
  DibSurface canvas(200, 60, RGB(255, 255, 255));
  const RECT item{0, 0, 200, 20};
  long live = handles::LiveCount();

  // A normal item: green column, pale yellow area, black text in the text rectangle.
  EXPECT_EQ(TRUE, DrawItem(hwnd, popup, canvas.dc(), IDM_ABOUT, item, ODA_DRAWENTIRE, 0));
  EXPECT_EQ(column, canvas.At(0, 0));
  EXPECT_EQ(column, canvas.At(19, 19));
  EXPECT_EQ(back, canvas.At(20, 0));
  EXPECT_EQ(back, canvas.At(199, 19));
  EXPECT_GT(canvas.CountOther({28, 1, 198, 19}, back), 10);  // the text
  EXPECT_EQ(0, canvas.CountOther({0, 0, 20, 20}, column));
  EXPECT_EQ(0, canvas.CountOther({20, 0, 27, 20}, back));

  // The item under the mouse: pale orange box framed in navy from L + 2 to R - 2, over the column too.
  EXPECT_EQ(TRUE, DrawItem(hwnd, popup, canvas.dc(), IDM_ABOUT, item, ODA_SELECT, ODS_SELECTED));
  EXPECT_EQ(navy, canvas.At(2, 1));
  EXPECT_EQ(navy, canvas.At(197, 18));
  EXPECT_EQ(navy, canvas.At(60, 1));
  EXPECT_EQ(selBack, canvas.At(5, 10));
  EXPECT_EQ(selBack, canvas.At(196, 17));
  EXPECT_EQ(column, canvas.At(1, 10));
  EXPECT_EQ(back, canvas.At(199, 10));
  EXPECT_GT(canvas.CountOther({28, 2, 196, 18}, selBack), 10);

  // Leaving it restores the column and the plain area.
  EXPECT_EQ(TRUE, DrawItem(hwnd, popup, canvas.dc(), IDM_ABOUT, item, ODA_SELECT, 0));
  EXPECT_EQ(column, canvas.At(2, 1));
  EXPECT_EQ(column, canvas.At(5, 10));
  EXPECT_EQ(back, canvas.At(197, 18));
  EXPECT_EQ(0, canvas.Count({0, 0, 200, 20}, navy));

  // Drawn entire while selected: the box starts after the column.
  const RECT second{0, 20, 200, 40};
  EXPECT_EQ(TRUE, DrawItem(hwnd, popup, canvas.dc(), IDM_CLOSE, second, ODA_DRAWENTIRE, ODS_SELECTED));
  EXPECT_EQ(column, canvas.At(5, 30));
  EXPECT_EQ(column, canvas.At(19, 21));
  EXPECT_EQ(navy, canvas.At(22, 21));
  EXPECT_EQ(selBack, canvas.At(24, 30));

  // A separator: column, background and an etched line at half height.
  const RECT sep{0, 40, 200, 49};
  EXPECT_EQ(TRUE, DrawItem(hwnd, popup, canvas.dc(), 0, sep, ODA_DRAWENTIRE, 0));
  EXPECT_EQ(column, canvas.At(5, 44));
  EXPECT_EQ(back, canvas.At(60, 41));
  EXPECT_EQ(back, canvas.At(60, 48));
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), canvas.At(60, 44));
  EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), canvas.At(60, 45));
  EXPECT_EQ(column, canvas.At(19, 44));

  // Many paints leak no pens, brushes or device contexts.
  for (int i = 0; i < 200; ++i) {
    DrawItem(hwnd, popup, canvas.dc(), IDM_ABOUT, item, ODA_DRAWENTIRE | ODA_SELECT, i % 2 ? ODS_SELECTED : 0);
    mis = MEASUREITEMSTRUCT{};
    mis.CtlType = ODT_MENU;
    mis.itemID = IDM_HELP;
    SendMessageA(hwnd, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
  }
  EXPECT_EQ(live, handles::LiveCount());

  EXPECT_EQ(0, SendMessageA(hwnd, WM_MENUSELECT, 0, 0));
  EXPECT_EQ(0, SendMessageA(hwnd, WM_ENTERMENULOOP, TRUE, 0));
  EXPECT_EQ(0, SendMessageA(hwnd, WM_EXITMENULOOP, TRUE, 0));
  EXPECT_EQ(nullptr, clock.Painter().CurrentMenu());
  SendMessageA(hwnd, WM_CLOSE, 0, 0);
  DrainQuit();
}

}  // namespace

namespace {

// Windows 95 and NT 4.0 know neither MIIM_FTYPE nor MIIM_STRING; their
// MIIM_TYPE call on an owner-drawn item takes dwTypeData as the item's data.
constexpr UINT kNewerMasks = MIIM_FTYPE | MIIM_STRING | MIIM_BITMAP;
BOOL WINAPI OldGetItem(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOA mii) {
  if (mii->fMask & kNewerMasks) return FALSE;
  return GetMenuItemInfoA(menu, item, byPosition, mii);
}
BOOL WINAPI OldSetItem(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA mii) {
  if (mii->fMask & kNewerMasks) return FALSE;
  if ((mii->fMask & MIIM_TYPE) && (mii->fType & MFT_OWNERDRAW)) {
    // What the older systems do: the pointer becomes the data, the text is gone.
    MENUITEMINFOA data = *mii;
    data.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_DATA;
    data.dwItemData = reinterpret_cast<ULONG_PTR>(mii->dwTypeData);
    data.dwTypeData = const_cast<char*>("");
    return SetMenuItemInfoA(menu, item, byPosition, &data);
  }
  return SetMenuItemInfoA(menu, item, byPosition, mii);
}

}  // namespace

// Where the type cannot be set alone, the items still draw their own texts,
// and the data the system holds points at a copy that lives with the painter.
TEST(TrayMenu, OwnerDrawnItemsKeepTheirTextsOnTheOlderSystems) {
  HMENU popup = nullptr;
  Menu menu = LoadTrayMenu(GetModuleHandleA(nullptr), true, &popup);
  ASSERT_TRUE(menu);
  std::vector<std::pair<UINT, std::string>> texts;
  for (int i = 0; i < GetMenuItemCount(popup); ++i) {
    std::string text;
    const UINT id = GetMenuItemID(popup, i);
    if (id != 0 && ReadMenuItemText(popup, i, true, &text)) texts.push_back({id, text});
  }
  ASSERT_GT(texts.size(), 5u);

  MenuItemCalls oldSystem;
  oldSystem.get = OldGetItem;
  oldSystem.set = OldSetItem;
  MenuPainter painter(oldSystem);
  painter.InitMenu(popup);
  painter.InitMenu(popup);  // opened again: the kept texts stay
  for (const auto& item : texts) {
    SCOPED_TRACE(item.second);
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE | MIIM_DATA;
    ASSERT_TRUE(GetMenuItemInfoA(popup, item.first, FALSE, &mii));
    EXPECT_TRUE(mii.fType & MFT_OWNERDRAW);
    ASSERT_NE(0u, mii.dwItemData);
    EXPECT_EQ(item.second, reinterpret_cast<const char*>(mii.dwItemData));
    std::string drawn;
    ASSERT_TRUE(painter.ItemText(popup, item.first, &drawn));
    EXPECT_EQ(item.second, drawn);
  }
  MEASUREITEMSTRUCT mis{};
  mis.CtlType = ODT_MENU;
  mis.itemID = texts[0].first;
  painter.InitMenu(popup);
  ASSERT_TRUE(painter.MeasureItem(&mis));
  EXPECT_GT(mis.itemWidth, 35u) << "the text's width plus the margins";
}
