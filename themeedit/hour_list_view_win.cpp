#include "themeedit/hour_list_view_win.h"

#include <commctrl.h>

#include "controls/list_row_colours_win.h"
#include "themeedit/theme_rows.h"

HourListView::HourListView() { OnReflected<WM_NOTIFY>(&HourListView::OnNotify); }

bool HourListView::Init(HWND list, int mode) {
  if (!Attach(list)) return false;
  const DWORD extended = static_cast<DWORD>(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, extended | LVS_EX_FULLROWSELECT);

  char title[] = "标题";
  char kind[] = "类型";
  LVCOLUMNA column{};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  column.fmt = LVCFMT_LEFT;
  column.cx = 60;
  column.pszText = title;
  column.iSubItem = 0;
  SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  column.cx = 100;
  column.pszText = kind;
  column.iSubItem = 1;
  SendMessageA(list, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));

  for (int row = 0; row < kHourRows; ++row) {
    std::string text = HourRowTitle(row);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = row;
    item.pszText = &text[0];
    item.lParam = static_cast<LPARAM>(RowDataFor(row, mode));
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  // Column 1 fills the rest of the list; sized once the rows are in, so that
  // the width left beside the vertical scroll bar counts.
  SendMessageA(list, LVM_SETCOLUMNWIDTH, 1, LVSCW_AUTOSIZE_USEHEADER);
  return true;
}

int HourListView::SelectedRow() const {
  return static_cast<int>(SendMessageA(hwnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::string HourListView::Sound(int row) const {
  char text[kEditorPathSize] = {};
  LVITEMA item{};
  item.iSubItem = 1;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(hwnd(), LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return text;
}

bool HourListView::SetSound(int row, const char* path) {
  if (row < 0 || row >= kHourRows) return false;
  std::string text = path ? path : "";
  LVITEMA item{};
  item.iSubItem = 1;
  item.pszText = &text[0];
  return SendMessageA(hwnd(), LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)) != 0;
}

uintptr_t HourListView::RowData(int row) const {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  if (!SendMessageA(hwnd(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return kRowInactive;
  return static_cast<uintptr_t>(item.lParam);
}

void HourListView::SetRowData(int row, uintptr_t data) {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  item.lParam = static_cast<LPARAM>(data);
  SendMessageA(hwnd(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
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
