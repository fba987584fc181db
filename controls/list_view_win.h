// A list view in report view as the dialogs use it: columns, rows with a text
// and an item data value, the texts of further columns, check boxes, the
// selection and a hit test. It names the control and does not own it: a list
// of a dialog template lives as long as its dialog.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstddef>

class ListView {
 public:
  explicit ListView(HWND hwnd = nullptr) : hwnd_(hwnd) {}
  HWND hwnd() const { return hwnd_; }

  DWORD ExtendedStyle() const { return static_cast<DWORD>(SendMessageA(hwnd_, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0)); }
  // Sets the extended styles (LVS_EX_*) of mask to those of style; a mask of
  // 0 sets every style.
  void SetExtendedStyle(DWORD mask, DWORD style) { SendMessageA(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style); }

  // Inserts column index with its header text and width in pixels at 96 DPI
  // (made wider at the list's DPI, so that its texts fit as they do at 100 %).
  void InsertColumn(int index, const char* header, int width);
  // A width in pixels, or LVSCW_AUTOSIZE_USEHEADER (the last column: the rest of the list).
  void SetColumnWidth(int column, int width) {
    SendMessageA(hwnd_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), width);
  }

  int ItemCount() const { return static_cast<int>(SendMessageA(hwnd_, LVM_GETITEMCOUNT, 0, 0)); }
  // Inserts a row at row with the text of column 0 and its item data; the
  // row it went to, or -1.
  int InsertItem(int row, const char* text, LPARAM data);
  // Sets the text of column 0 and the item data of row.
  void SetItem(int row, const char* text, LPARAM data);
  void DeleteItem(int row) { SendMessageA(hwnd_, LVM_DELETEITEM, static_cast<WPARAM>(row), 0); }
  // The text of column of row into text (size bytes, at least 1): at most
  // size - 1 bytes, "" when row names no row.
  void ItemText(int row, int column, char* text, size_t size) const;
  // False when row names no row.
  bool SetItemText(int row, int column, const char* text);
  // The item data of row; missing when row names no row.
  LPARAM ItemData(int row, LPARAM missing = 0) const;
  void SetItemData(int row, LPARAM data);

  // The check box of row (LVS_EX_CHECKBOXES).
  bool Checked(int row) const;
  void SetChecked(int row, bool checked);

  // The first selected row, or -1.
  int SelectedItem() const {
    return static_cast<int>(SendMessageA(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  }
  // The row at a point of the client area, or -1; flags receives where on
  // the row the point lies (LVHT_*).
  int HitTest(POINT client, UINT* flags) const;

  // The row an item activation (NM_DBLCLK, NM_CLICK) names; -1 for none.
  static int ActivatedItem(const NMHDR& header) { return reinterpret_cast<const NMITEMACTIVATE&>(header).iItem; }

 private:
  HWND hwnd_;
};
