// The typed wrappers of the common controls on real controls, where the
// dialogs' own tests do not reach: the up-down's 32-bit range and position,
// the picker's value as a LocalTime with its range and its empty state, the
// edit's limit, and the list view's cut texts, missing rows and hit test.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "controls/date_time_picker_win.h"
#include "controls/edit_win.h"
#include "controls/list_view_win.h"
#include "controls/up_down_win.h"

namespace {

class CommonControls : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_DATE_CLASSES | ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
    parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 40, 40, 400, 300, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, parent_);
  }
  void TearDown() override { DestroyWindow(parent_); }

  HWND Child(const char* cls, DWORD style, int height = 24) {
    HWND w = CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 300, height, parent_, nullptr, nullptr,
                             nullptr);
    EXPECT_NE(nullptr, w) << cls;
    return w;
  }

  HWND parent_ = nullptr;
};

LocalTime At(int year, int month, int day, int hour, int minute, int second) {
  LocalTime t;
  t.wYear = static_cast<uint16_t>(year);
  t.wMonth = static_cast<uint16_t>(month);
  t.wDay = static_cast<uint16_t>(day);
  t.wHour = static_cast<uint16_t>(hour);
  t.wMinute = static_cast<uint16_t>(minute);
  t.wSecond = static_cast<uint16_t>(second);
  return t;
}

void ExpectSameMoment(const LocalTime& expected, const LocalTime& got) {
  EXPECT_EQ(expected.wYear, got.wYear);
  EXPECT_EQ(expected.wMonth, got.wMonth);
  EXPECT_EQ(expected.wDay, got.wDay);
  EXPECT_EQ(expected.wHour, got.wHour);
  EXPECT_EQ(expected.wMinute, got.wMinute);
  EXPECT_EQ(expected.wSecond, got.wSecond);
}

TEST_F(CommonControls, UpDownTakesRangesAndPositionsBeyondSixteenBits) {
  UpDown upDown(Child(UPDOWN_CLASSA, UDS_NOTHOUSANDS));
  upDown.SetRange(1, 36000);
  upDown.SetPos(36000);
  int low = 0, high = 0;
  SendMessageA(upDown.hwnd(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(1, low);
  EXPECT_EQ(36000, high);
  EXPECT_EQ(36000, static_cast<int>(SendMessageA(upDown.hwnd(), UDM_GETPOS32, 0, 0)));

  NMUPDOWN step{};
  step.iPos = 7;
  step.iDelta = -1;
  const UpDown::Step got = UpDown::StepOf(step.hdr);
  EXPECT_EQ(7, got.position);
  EXPECT_EQ(-1, got.delta);
}

TEST_F(CommonControls, PickerKeepsItsValueAsLocalTimeWithinItsRange) {
  DateTimePicker picker(Child(DATETIMEPICK_CLASSA, DTS_SHORTDATEFORMAT));
  picker.SetRange(At(1901, 1, 1, 0, 0, 0), At(2100, 12, 31, 23, 59, 59));
  const LocalTime shown = At(2024, 2, 10, 13, 45, 30);
  picker.SetTime(shown);
  LocalTime got;
  ASSERT_TRUE(picker.GetTime(&got));
  ExpectSameMoment(shown, got);
  // Outside the range: refused, the value stays.
  picker.SetTime(At(2101, 1, 1, 0, 0, 0));
  ASSERT_TRUE(picker.GetTime(&got));
  ExpectSameMoment(shown, got);

  // A picker that shows no value leaves the caller's time as it was.
  DateTimePicker empty(Child(DATETIMEPICK_CLASSA, DTS_SHOWNONE));
  SendMessageA(empty.hwnd(), DTM_SETSYSTEMTIME, GDT_NONE, 0);
  LocalTime kept = shown;
  EXPECT_FALSE(empty.GetTime(&kept));
  ExpectSameMoment(shown, kept);
}

TEST_F(CommonControls, EditLimitsWhatIsTypedAndGivesItsWholeText) {
  Edit edit(Child("EDIT", ES_AUTOHSCROLL));
  edit.SetLimit(63);
  EXPECT_EQ(63, static_cast<int>(SendMessageA(edit.hwnd(), EM_GETLIMITTEXT, 0, 0)));
  EXPECT_EQ("", edit.Text());
  SetWindowTextA(edit.hwnd(), "整点提示 C:\\声音");
  EXPECT_EQ("整点提示 C:\\声音", edit.Text());
  EXPECT_EQ("", Edit().Text());
}

TEST_F(CommonControls, ListViewRowsTextsAndHitTest) {
  ListView list(Child(WC_LISTVIEWA, LVS_REPORT | LVS_SHOWSELALWAYS, 200));
  list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  EXPECT_EQ(static_cast<DWORD>(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT), list.ExtendedStyle());
  list.InsertColumn(0, "标题", 100);
  list.InsertColumn(1, "类型", 100);
  ASSERT_EQ(0, list.InsertItem(0, "一", 11));
  ASSERT_EQ(1, list.InsertItem(1, "二", 22));
  EXPECT_TRUE(list.SetItemText(1, 1, "C:\\chimes\\one.wav"));
  EXPECT_FALSE(list.SetItemText(5, 1, "none"));
  char text[260];
  list.ItemText(1, 1, text, sizeof text);
  EXPECT_STREQ("C:\\chimes\\one.wav", text);
  list.ItemText(1, 1, text, 8);
  EXPECT_STREQ("C:\\chim", text);  // cut to size - 1 bytes
  list.ItemText(1, 0, text, sizeof text);
  EXPECT_STREQ("二", text);
  list.ItemText(7, 0, text, sizeof text);
  EXPECT_STREQ("", text);
  EXPECT_EQ(22, list.ItemData(1));
  EXPECT_EQ(-7, list.ItemData(5, -7));
  list.SetChecked(1, true);
  EXPECT_TRUE(list.Checked(1));
  EXPECT_FALSE(list.Checked(0));

  RECT row{};
  row.left = LVIR_LABEL;
  ASSERT_TRUE(SendMessageA(list.hwnd(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row)));
  UINT flags = 0;
  EXPECT_EQ(1, list.HitTest({(row.left + row.right) / 2, (row.top + row.bottom) / 2}, &flags));
  EXPECT_TRUE(flags & LVHT_ONITEM);
  EXPECT_EQ(-1, list.HitTest({row.left + 4, row.bottom + 3 * (row.bottom - row.top)}, &flags));
  EXPECT_FALSE(flags & LVHT_ONITEM);

  list.DeleteItem(0);
  EXPECT_EQ(1, list.ItemCount());
  EXPECT_EQ(22, list.ItemData(0));
}

}  // namespace
