// The editor's list of the 24 hours: report view, row r standing for hour
// r + 1, column 0 its title and column 1 its sound's full path; each row's
// item data says whether the hour belongs to the current mode, and the row is
// drawn blue or orange accordingly (custom draw, reflected by the dialog).
#pragma once
#include <windows.h>

#include <string>

#include "controls/list_view_win.h"
#include "controls/subclass_win.h"

class HourListView : public SubclassedControl {
 public:
  HourListView();

  // Subclasses the list, adds full-row selection, inserts the columns and the
  // 24 rows for mode.
  bool Init(HWND list, int mode);

  // The first selected row, or -1.
  int SelectedRow() const;
  // Column 1 of row, at most 259 characters.
  std::string Sound(int row) const;
  // False when row names no row.
  bool SetSound(int row, const char* path);
  uintptr_t RowData(int row) const;
  void SetRowData(int row, uintptr_t data);

 private:
  ListView List() const { return ListView(hwnd()); }
  LRESULT OnNotify(NMHDR& header);
};
