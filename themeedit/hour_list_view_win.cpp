#include "themeedit/hour_list_view_win.h"

#include <commctrl.h>

#include "controls/list_row_colours_win.h"
#include "themeedit/theme_rows.h"

HourListView::HourListView() { OnReflected<WM_NOTIFY>(&HourListView::OnNotify); }

bool HourListView::Init(HWND control, int mode) {
  if (!Attach(control)) return false;
  ListView list = List();
  list.SetExtendedStyle(0, list.ExtendedStyle() | LVS_EX_FULLROWSELECT);
  list.InsertColumn(0, "标题", 60);
  list.InsertColumn(1, "类型", 100);
  for (int row = 0; row < kHourRows; ++row)
    list.InsertItem(row, HourRowTitle(row).c_str(), static_cast<LPARAM>(RowDataFor(row, mode)));
  // Column 1 fills the rest of the list; sized once the rows are in, so that
  // the width left beside the vertical scroll bar counts.
  list.SetColumnWidth(1, LVSCW_AUTOSIZE_USEHEADER);
  return true;
}

int HourListView::SelectedRow() const { return List().SelectedItem(); }

std::string HourListView::Sound(int row) const {
  char text[kEditorPathSize];
  List().ItemText(row, 1, text, sizeof text);
  return text;
}

bool HourListView::SetSound(int row, const char* path) {
  if (row < 0 || row >= kHourRows) return false;
  return List().SetItemText(row, 1, path ? path : "");
}

uintptr_t HourListView::RowData(int row) const {
  return static_cast<uintptr_t>(List().ItemData(row, static_cast<LPARAM>(kRowInactive)));
}

void HourListView::SetRowData(int row, uintptr_t data) {
  List().SetItemData(row, static_cast<LPARAM>(data));
  InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT HourListView::OnNotify(NMHDR& header) {
  LRESULT answer = 0;
  const auto colourOf = [](LPARAM itemData, COLORREF* colour) {
    uint32_t rgb = 0;
    if (!RowColour(static_cast<uintptr_t>(itemData), &rgb)) return false;
    *colour = rgb;
    return true;
  };
  if (!AnswerRowColours(header, colourOf, answer)) SetMsgHandled(false);
  return answer;
}
