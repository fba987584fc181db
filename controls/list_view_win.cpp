#include "controls/list_view_win.h"

#include "controls/dpi_win.h"

namespace {

// The state images of a list with check boxes: 1 clear, 2 checked.
constexpr UINT kClearImage = 1;
constexpr UINT kCheckedImage = 2;

LRESULT Send(HWND list, UINT msg, WPARAM w, const void* item) {
  return SendMessageA(list, msg, w, reinterpret_cast<LPARAM>(item));
}

}  // namespace

void ListView::InsertColumn(int index, const char* header, int width) {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = const_cast<char*>(header);
  column.cx = ScaleToWindow(hwnd_, width);
  column.iSubItem = index;
  Send(hwnd_, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), &column);
}

int ListView::InsertItem(int row, const char* text, LPARAM data) {
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = row;
  item.pszText = const_cast<char*>(text);
  item.lParam = data;
  return static_cast<int>(Send(hwnd_, LVM_INSERTITEMA, 0, &item));
}

void ListView::SetItem(int row, const char* text, LPARAM data) {
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = row;
  item.pszText = const_cast<char*>(text);
  item.lParam = data;
  Send(hwnd_, LVM_SETITEMA, 0, &item);
}

void ListView::ItemText(int row, int column, char* text, size_t size) const {
  text[0] = '\0';
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = static_cast<int>(size);
  Send(hwnd_, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), &item);
  // A text longer than the buffer is cut; Wine then leaves it unterminated.
  text[size - 1] = '\0';
}

bool ListView::SetItemText(int row, int column, const char* text) {
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text);
  return Send(hwnd_, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), &item) != 0;
}

LPARAM ListView::ItemData(int row, LPARAM missing) const {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  return Send(hwnd_, LVM_GETITEMA, 0, &item) ? item.lParam : missing;
}

void ListView::SetItemData(int row, LPARAM data) {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  item.lParam = data;
  Send(hwnd_, LVM_SETITEMA, 0, &item);
}

bool ListView::Checked(int row) const {
  const UINT state =
      static_cast<UINT>(SendMessageA(hwnd_, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
  return (state >> 12) == kCheckedImage;
}

void ListView::SetChecked(int row, bool checked) {
  LVITEMA item{};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(checked ? kCheckedImage : kClearImage);
  Send(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), &item);
}

int ListView::HitTest(POINT client, UINT* flags) const {
  LVHITTESTINFO hit{};
  hit.pt = client;
  const int row = static_cast<int>(Send(hwnd_, LVM_HITTEST, 0, &hit));
  if (flags) *flags = hit.flags;
  return row;
}
