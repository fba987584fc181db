// The window framework under Wine: binding, message maps, reflection of
// control notifications, subclassing and its undoing.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "controls/dialog_win.h"
#include "controls/handles_win.h"
#include "controls/message_loop_win.h"
#include "controls/module_win.h"
#include "controls/subclass_win.h"
#include "controls/window_win.h"
#include "tests/support/modal_script.h"
#include "tests/wine/test_dialog_ids.h"

namespace {

// A control that records the reflected messages it receives and answers some.
class RecordingControl : public SubclassedControl {
 public:
  RecordingControl() {
    for (UINT m : {WM_DRAWITEM, WM_MEASUREITEM, WM_COMMAND, WM_NOTIFY, WM_CTLCOLORSTATIC, WM_CTLCOLORBTN,
                   WM_PARENTNOTIFY, WM_COMPAREITEM})
      OnRawMessage(m + kReflectOffset, &RecordingControl::OnReflected);
  }
  bool OnReflected(UINT msg, WPARAM, LPARAM, LRESULT& r) {
    const UINT m = msg - kReflectOffset;
    received.push_back(m);
    r = (m == WM_CTLCOLORSTATIC || m == WM_CTLCOLORBTN) ? reinterpret_cast<LRESULT>(brush.get()) : 4242;
    return true;
  }
  void OnDetached() override { detached = true; }
  std::vector<UINT> received;
  bool detached = false;
  Brush brush{CreateSolidBrush(RGB(1, 2, 3))};
};

class ReflectDialog : public Dialog {
 public:
  ReflectDialog() {
    OnMessage<WM_INITDIALOG>(&ReflectDialog::OnInit);
    OnCommand(IDOK, &ReflectDialog::OnOk);
  }
  bool OnInit(HWND) {
    inits++;
    if (endAtOnce) PostMessageA(hwnd(), WM_COMMAND, IDOK, 0);
    return true;
  }
  void OnOk(int, int, HWND) {
    oks++;
    End(77);
  }
  int inits = 0, oks = 0;
  bool endAtOnce = false;
};

struct ReflectFixture : ::testing::Test {
  void SetUp() override {
    dlg = dialog.CreateModeless(nullptr, IDD_REFLECT_TEST);
    ASSERT_NE(nullptr, dlg);
    ownerDraw = GetDlgItem(dlg, IDC_TEST_OWNERDRAW);
    label = GetDlgItem(dlg, IDC_TEST_STATIC);
    ASSERT_TRUE(control.Attach(ownerDraw));
    ASSERT_TRUE(labelControl.Attach(label));
  }
  void TearDown() override {
    if (IsWindow(dlg)) DestroyWindow(dlg);
  }
  ReflectDialog dialog;
  RecordingControl control, labelControl;
  HWND dlg = nullptr, ownerDraw = nullptr, label = nullptr;
};

TEST_F(ReflectFixture, NotificationsGoBackToTheSendingControlWithItsAnswer) {
  EXPECT_EQ(1, dialog.inits);
  EXPECT_EQ(dlg, dialog.hwnd());

  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_BUTTON;
  dis.CtlID = IDC_TEST_OWNERDRAW;
  dis.hwndItem = ownerDraw;
  EXPECT_EQ(4242, SendMessageA(dlg, WM_DRAWITEM, IDC_TEST_OWNERDRAW, reinterpret_cast<LPARAM>(&dis)));

  MEASUREITEMSTRUCT mis{};
  mis.CtlType = ODT_BUTTON;
  mis.CtlID = IDC_TEST_OWNERDRAW;
  SendMessageA(dlg, WM_MEASUREITEM, IDC_TEST_OWNERDRAW, reinterpret_cast<LPARAM>(&mis));
  SendMessageA(dlg, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));  // id 0: a menu, not reflected

  NMHDR hdr{ownerDraw, IDC_TEST_OWNERDRAW, NM_CLICK};
  EXPECT_EQ(4242, SendMessageA(dlg, WM_NOTIFY, IDC_TEST_OWNERDRAW, reinterpret_cast<LPARAM>(&hdr)));

  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_TEST_OWNERDRAW, BN_CLICKED), reinterpret_cast<LPARAM>(ownerDraw));
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_TEST_OWNERDRAW, 0), 0);  // menu command: not reflected

  LRESULT brush = SendMessageA(dlg, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(GetDC(label)),
                               reinterpret_cast<LPARAM>(label));
  EXPECT_EQ(reinterpret_cast<LRESULT>(labelControl.brush.get()), brush);

  SendMessageA(dlg, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, IDC_TEST_OWNERDRAW), reinterpret_cast<LPARAM>(ownerDraw));
  SendMessageA(dlg, WM_PARENTNOTIFY, MAKEWPARAM(WM_LBUTTONDOWN, IDC_TEST_OWNERDRAW), MAKELPARAM(5, 5));

  std::vector<UINT> expected = {WM_DRAWITEM, WM_MEASUREITEM, WM_NOTIFY, WM_COMMAND, WM_PARENTNOTIFY, WM_PARENTNOTIFY};
  EXPECT_EQ(expected, control.received);
  EXPECT_EQ(std::vector<UINT>{WM_CTLCOLORSTATIC}, labelControl.received);
}

TEST_F(ReflectFixture, DialogHandlersComeFirstAndCommandsEndTheDialog) {
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDOK)));
  EXPECT_EQ(1, dialog.oks);
  EXPECT_TRUE(control.received.empty());
  EXPECT_FALSE(IsWindow(dlg));  // a modeless dialog is destroyed by End
  EXPECT_EQ(nullptr, dialog.hwnd());
  EXPECT_TRUE(control.detached);
  EXPECT_FALSE(control.attached());
}

TEST_F(ReflectFixture, TheLoopGivesAModelessDialogItsKeyboard) {
  ShowWindow(dlg, SW_SHOW);
  SetForegroundWindow(dlg);
  SetFocus(GetDlgItem(dlg, IDC_TEST_BUTTON));
  const auto press = [](UINT key) {
    PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
    PostMessageA(GetFocus(), WM_KEYUP, key, 0xC0000001);
    PostQuitMessage(0);
    MessageLoop loop;
    loop.Run();
  };
  press(VK_TAB);
  EXPECT_EQ(GetDlgItem(dlg, IDC_TEST_OWNERDRAW), GetFocus());
  press(VK_TAB);
  EXPECT_EQ(GetDlgItem(dlg, IDC_TEST_CHECK), GetFocus());
  press(VK_RETURN);  // the default button
  EXPECT_EQ(1, dialog.oks);
  EXPECT_FALSE(IsWindow(dlg));
}

TEST_F(ReflectFixture, UnhandledReflectionsFallToTheDefaultProcedure) {
  // The check box is not subclassed: reflecting to it must be harmless and answer 0.
  HWND check = GetDlgItem(dlg, IDC_TEST_CHECK);
  EXPECT_EQ(0, SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_TEST_CHECK, BN_CLICKED), reinterpret_cast<LPARAM>(check)));
  // The subclassed static does not handle a reflected scroll message: default procedure.
  EXPECT_EQ(0, SendMessageA(label, WM_HSCROLL + kReflectOffset, 0, 0));
  // Ordinary messages still reach the control's own procedure.
  char text[32] = {};
  GetWindowTextA(ownerDraw, text, sizeof text);
  EXPECT_STREQ("\xd7\xd4\xbb\xe6", text);  // GBK bytes of the template's text
}

TEST_F(ReflectFixture, SubclassIsUndoneAtTheFinalMessage) {
  WNDPROC before = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(GetDlgItem(dlg, IDC_TEST_CHECK), GWLP_WNDPROC));
  control.Detach();
  EXPECT_EQ(before, reinterpret_cast<WNDPROC>(GetWindowLongPtrA(ownerDraw, GWLP_WNDPROC)));
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_BUTTON;
  dis.hwndItem = ownerDraw;
  SendMessageA(dlg, WM_DRAWITEM, IDC_TEST_OWNERDRAW, reinterpret_cast<LPARAM>(&dis));
  EXPECT_TRUE(control.received.empty());
}

TEST(DialogFramework, ModalDialogReturnsItsEndValue) {
  ReflectDialog dialog;
  dialog.endAtOnce = true;
  EXPECT_EQ(77, dialog.DoModal(nullptr, IDD_REFLECT_TEST));
  EXPECT_EQ(1, dialog.oks);
  EXPECT_EQ(nullptr, dialog.hwnd());
}

// The test helper that drives modal dialogs: steps run in order on the
// innermost dialog, also inside a message box that a step opened.
TEST(DialogFramework, ScriptDrivesNestedModalLoops) {
  ModalScript script;
  int boxAnswer = 0;
  script.Then([&boxAnswer](HWND dlg) { boxAnswer = MessageBoxA(dlg, "inner", "t", MB_OKCANCEL); })
      .Then(AnswerMessageBox(script, IDCANCEL))
      .Then(EndWith(5));
  ReflectDialog dialog;
  EXPECT_EQ(5, script.Run([&] { return dialog.DoModal(nullptr, IDD_REFLECT_TEST); }));
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(IDCANCEL, boxAnswer);
  ASSERT_EQ(1u, script.MessageBoxTexts().size());
  EXPECT_EQ("inner", script.MessageBoxTexts()[0]);
}

class MapWindow : public Window {
 public:
  MapWindow() {
    OnRawMessage(WM_USER + 1, &MapWindow::OnUser);
    OnMessage<WM_CREATE>(&MapWindow::OnCreate);
    OnCommand(55, &MapWindow::OnFiftyFive);
  }
  bool OnCreate(const CREATESTRUCTA&) {
    boundAtCreate = hwnd() != nullptr;
    return true;
  }
  bool OnUser(UINT, WPARAM w, LPARAM, LRESULT& r) {
    if (w == 0) return false;  // not handled: default procedure answers 0
    r = static_cast<LRESULT>(w * 2);
    return true;
  }
  void OnFiftyFive(int, int, HWND) { commands++; }
  void OnFinalMessage() override { finals++; }
  bool boundAtCreate = false;
  int commands = 0, finals = 0;
};

TEST(WindowFramework, MessageMapDispatchesByNumberAndCommandId) {
  MapWindow w;
  Window::ClassSpec cls{"MapTest", 0, LoadCursor(nullptr, IDC_ARROW), nullptr};
  ASSERT_TRUE(w.CreateWindowFor(cls, 0, "map", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  EXPECT_TRUE(w.boundAtCreate);
  EXPECT_EQ(42, SendMessageA(w.hwnd(), WM_USER + 1, 21, 0));
  EXPECT_EQ(0, SendMessageA(w.hwnd(), WM_USER + 1, 0, 0));
  SendMessageA(w.hwnd(), WM_COMMAND, 55, 0);
  SendMessageA(w.hwnd(), WM_COMMAND, 56, 0);
  EXPECT_EQ(1, w.commands);
  char text[16] = {};
  GetWindowTextA(w.hwnd(), text, sizeof text);  // unhandled: default procedure
  EXPECT_STREQ("map", text);
  // A second window of the same kind reuses the registered class.
  MapWindow w2;
  ASSERT_TRUE(w2.CreateWindowFor(cls, 0, "two", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  char c1[128], c2[128];
  GetClassNameA(w.hwnd(), c1, sizeof c1);
  GetClassNameA(w2.hwnd(), c2, sizeof c2);
  EXPECT_STREQ(c1, c2);
  DestroyWindow(w.hwnd());
  EXPECT_EQ(1, w.finals);
  EXPECT_EQ(nullptr, w.hwnd());
}

// Typed handlers: decoded arguments in, the answer out, and handlers that
// let a message pass on.
class CrackedWindow : public Window {
 public:
  CrackedWindow() {
    OnMessage<WM_MOUSEMOVE>(&CrackedWindow::OnMouseMove);
    OnMessage<WM_TIMER>(&CrackedWindow::OnFirstTimer);
    OnMessage<WM_TIMER>(&CrackedWindow::OnSecondTimer);
    OnMessage<WM_CTLCOLORSTATIC>(&CrackedWindow::OnCtlColor);
    OnCommand(7, BN_CLICKED, &CrackedWindow::OnClicked);
    OnNotify(9, NM_CLICK, &CrackedWindow::OnNotifyClick);
    OnMessage<WM_SETCURSOR>(&CrackedWindow::OnSetCursor);
  }
  void OnMouseMove(POINT at, UINT keys) {
    moved = at;
    movedKeys = keys;
  }
  void OnFirstTimer(UINT_PTR id) {
    timers.push_back(static_cast<int>(id));
    if (id != 1) SetMsgHandled(false);  // the next handler takes other timers
  }
  void OnSecondTimer(UINT_PTR id) { timers.push_back(100 + static_cast<int>(id)); }
  HBRUSH OnCtlColor(HDC dc, HWND control) {
    colourDc = dc;
    colourControl = control;
    return brush.get();
  }
  void OnClicked(int id, int code, HWND control) {
    clicks.push_back(id * 1000 + code);
    clickControl = control;
  }
  LRESULT OnNotifyClick(NMHDR& header) { return static_cast<LRESULT>(header.idFrom) + 40; }
  bool OnSetCursor(HWND, UINT hitTest, UINT mouseMessage) {
    cursorHit = hitTest;
    cursorMouse = mouseMessage;
    return true;
  }
  POINT moved{0, 0};
  UINT movedKeys = 0, cursorHit = 0, cursorMouse = 0;
  std::vector<int> timers, clicks;
  HDC colourDc = nullptr;
  HWND colourControl = nullptr, clickControl = nullptr;
  Brush brush{CreateSolidBrush(RGB(9, 8, 7))};
};

TEST(WindowFramework, TypedHandlersGetDecodedArgumentsAndGiveTheAnswer) {
  CrackedWindow w;
  Window::ClassSpec cls{"CrackTest", 0, LoadCursor(nullptr, IDC_ARROW), nullptr};
  ASSERT_TRUE(w.CreateWindowFor(cls, 0, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  HWND h = w.hwnd();
  SendMessageA(h, WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, 300));
  EXPECT_EQ(-5, w.moved.x) << "client coordinates are signed";
  EXPECT_EQ(300, w.moved.y);
  EXPECT_EQ(static_cast<UINT>(MK_LBUTTON | MK_SHIFT), w.movedKeys);

  SendMessageA(h, WM_TIMER, 1, 0);
  SendMessageA(h, WM_TIMER, 2, 0);
  EXPECT_EQ((std::vector<int>{1, 2, 102}), w.timers);

  HWND fake = reinterpret_cast<HWND>(0x1234);
  EXPECT_EQ(reinterpret_cast<LRESULT>(w.brush.get()),
            SendMessageA(h, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(fake), reinterpret_cast<LPARAM>(fake)));
  EXPECT_EQ(fake, w.colourControl);

  SendMessageA(h, WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), reinterpret_cast<LPARAM>(fake));
  SendMessageA(h, WM_COMMAND, MAKEWPARAM(7, BN_DOUBLECLICKED), reinterpret_cast<LPARAM>(fake));  // other code
  SendMessageA(h, WM_COMMAND, MAKEWPARAM(8, BN_CLICKED), 0);                                     // other id
  EXPECT_EQ(std::vector<int>{7000}, w.clicks);
  EXPECT_EQ(fake, w.clickControl);

  NMHDR click{fake, 9, static_cast<UINT>(NM_CLICK)};
  NMHDR other{fake, 9, static_cast<UINT>(NM_DBLCLK)};
  EXPECT_EQ(49, SendMessageA(h, WM_NOTIFY, 9, reinterpret_cast<LPARAM>(&click)));
  EXPECT_EQ(0, SendMessageA(h, WM_NOTIFY, 9, reinterpret_cast<LPARAM>(&other)));
  EXPECT_EQ(0, SendMessageA(h, WM_NOTIFY, 9, 0)) << "no header: not handled, no crash";

  EXPECT_EQ(TRUE, SendMessageA(h, WM_SETCURSOR, reinterpret_cast<WPARAM>(h), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  EXPECT_EQ(static_cast<UINT>(HTCLIENT), w.cursorHit);
  EXPECT_EQ(static_cast<UINT>(WM_MOUSEMOVE), w.cursorMouse);
  DestroyWindow(h);
}

TEST(WindowFramework, HandleOwnersReleaseExactlyOnce) {
  // Whether a raw handle still names a GDI object shows what its owners did.
  const long before = handles::LiveCount();
  HBITMAP bitmap = nullptr, replaced = nullptr;
  HDC dc = nullptr;
  HRGN given = nullptr;
  {
    Bitmap owner;
    {
      Bitmap a(CreateBitmap(4, 4, 1, 32, nullptr));
      bitmap = a.get();
      Bitmap b(std::move(a));
      EXPECT_FALSE(a);
      EXPECT_EQ(bitmap, b.get());
      owner = std::move(b);
      EXPECT_FALSE(b);
    }
    // The owners it was moved out of are gone; the bitmap is not.
    EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(bitmap));

    // Moving into an owner that holds a handle releases that one.
    Bitmap other(CreateBitmap(4, 4, 1, 32, nullptr));
    replaced = other.get();
    other = std::move(owner);
    EXPECT_EQ(0u, GetObjectType(replaced));
    EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(bitmap));

    Region r(CreateRectRgn(0, 0, 1, 1));
    MemoryDC memory(CreateCompatibleDC(nullptr));
    dc = memory.get();
    { SelectGuard g(memory.get(), other.get()); }
    EXPECT_EQ(before + 3, handles::LiveCount());
    given = r.Release();
    EXPECT_FALSE(r);
  }
  EXPECT_EQ(before, handles::LiveCount());
  EXPECT_EQ(0u, GetObjectType(bitmap));
  EXPECT_EQ(0u, GetObjectType(dc));
  // The region given up is the test's to delete.
  EXPECT_EQ(static_cast<DWORD>(OBJ_REGION), GetObjectType(given));
  EXPECT_TRUE(DeleteObject(given));
  EXPECT_EQ(0u, GetObjectType(given));
}

}  // namespace
