// The perpetual calendar: a modeless window over the clock with a month
// grid of six weeks (Gregorian days, lunar days, solar terms, festivals),
// buttons and keys that move the month, a date picker and the description
// of the selected day.
#pragma once
#include <windows.h>

#include "base/local_time_win.h"
#include "calendar/gregorian.h"
#include "controls/handles_win.h"
#include "controls/subclass_win.h"
#include "dialogs/dialog_look_win.h"

// The month grid: draws the page of the selected day through a memory bitmap
// and turns keys and clicks into a newly selected day for its dialog.
class CalendarGrid : public SubclassedControl {
 public:
  class Listener {
   public:
    virtual ~Listener() = default;
    virtual void OnGridSelect(const calendar::Date& date) = 0;
    virtual void OnGridClose() = 0;
  };
  explicit CalendarGrid(Listener* listener = nullptr);

  void Show(const calendar::Date& selected, const calendar::Date& today);
  // Draws the page into dc, width x height pixels from (0, 0).
  void Draw(HDC dc, int width, int height) const;

 private:
  void OnPaint();
  bool OnEraseBackground(HDC dc);
  UINT OnGetDialogCode();
  void OnKeyDown(UINT key);
  void OnLeftButtonDown(POINT at, UINT keys);

  Listener* listener_;
  calendar::Date selected_ = calendar::kFirstDate;
  calendar::Date today_ = calendar::kFirstDate;
  Font dayFont_;
  Font labelFont_;
};

class CalendarDialog : public LookedDialog, private CalendarGrid::Listener {
 public:
  explicit CalendarDialog(TimeSource* time = nullptr);

  // Opens the dialog (template 210) modeless, owned by owner and shown, on
  // today; when it is open already, brings it to the front. False when it
  // cannot be created.
  bool Open(HWND owner);
  bool IsOpen() const;
  void Close();

  void Select(const calendar::Date& date);
  const calendar::Date& Selected() const { return selected_; }

 private:
  bool OnInitDialog(HWND focus);
  LRESULT OnPickerChanged(NMHDR& header);
  void OnMove(int id, int code, HWND control);
  void OnToday(int id, int code, HWND control);
  void OnCloseCommand(int id, int code, HWND control);
  void OnGridSelect(const calendar::Date& date) override;
  void OnGridClose() override;
  calendar::Date Today();

  TimeSource* time_;
  SystemTimeSource systemTime_;
  calendar::Date selected_ = calendar::kFirstDate;
  CalendarGrid grid_;
};
