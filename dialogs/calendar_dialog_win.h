// The perpetual calendar: a modeless window over the clock with a month
// grid of six weeks (Gregorian days, lunar days, solar terms, festivals, and
// a mark on the days a reminder falls due), buttons and keys that move the
// month, a date picker, the description of the selected day with its
// reminders, and "添加提醒..." that adds a reminder on the selected day.
#pragma once
#include <windows.h>

#include <cstdint>

#include "base/local_time_win.h"
#include "calendar/gregorian.h"
#include "controls/handles_win.h"
#include "controls/subclass_win.h"
#include "dialogs/dialog_actions_win.h"
#include "dialogs/dialog_look_win.h"
#include "reminders/reminder_list.h"

class ReminderEditorDialog;

// The month grid: draws the page of the selected day through a memory bitmap
// and turns keys and clicks into a newly selected day for its dialog.
class CalendarGrid : public SubclassedControl {
 public:
  class Listener {
   public:
    virtual ~Listener() = default;
    virtual void OnGridSelect(const calendar::Date& date) = 0;
    // A double click on the day date.
    virtual void OnGridOpen(const calendar::Date& date) = 0;
    virtual void OnGridClose() = 0;
  };
  explicit CalendarGrid(Listener* listener = nullptr);

  // marks: bit i set for cell i of the page that carries a reminder's mark.
  void Show(const calendar::Date& selected, const calendar::Date& today, uint64_t marks = 0);
  // Draws the page into dc, width x height pixels from (0, 0).
  void Draw(HDC dc, int width, int height) const;

 private:
  void OnPaint();
  bool OnEraseBackground(HDC dc);
  UINT OnGetDialogCode();
  void OnKeyDown(UINT key);
  void OnLeftButtonDown(POINT at, UINT keys);
  void OnLeftButtonDoubleClick(POINT at, UINT keys);
  // The day of the page's cell at a point of the client area; false for none.
  bool DayAt(POINT at, calendar::Date* day) const;

  Listener* listener_;
  uint64_t marks_ = 0;
  calendar::Date selected_ = calendar::kFirstDate;
  calendar::Date today_ = calendar::kFirstDate;
  Font dayFont_;
  Font labelFont_;
};

class CalendarDialog : public LookedDialog, private CalendarGrid::Listener {
 public:
  // reminders is the list whose days are marked and that "添加提醒..." adds
  // to (the program's when null); it is saved to the program's file at once.
  explicit CalendarDialog(TimeSource* time = nullptr, ReminderList* reminders = nullptr,
                          const DialogActions& actions = DialogActions());

  // Opens the dialog (template 210) modeless, owned by owner and shown, on
  // today; when it is open already, brings it to the front. False when it
  // cannot be created.
  bool Open(HWND owner);
  bool IsOpen() const;
  void Close();
  // Shows the open calendar (or the editor it runs) in front.
  void BringForward();

  void Select(const calendar::Date& date);
  const calendar::Date& Selected() const { return selected_; }
  const CalendarGrid& Grid() const { return grid_; }
  // Opens the reminder editor on a new once-only reminder of date; on OK adds
  // it to the list and saves the list.
  void AddReminderOn(const calendar::Date& date);

 protected:
  // Runs the reminder editor; tests may run a scripted one instead.
  virtual INT_PTR RunEditor(ReminderEditorDialog& editor);

 private:
  bool OnInitDialog(HWND focus);
  LRESULT OnPickerChanged(NMHDR& header);
  void OnMove(int id, int code, HWND control);
  void OnToday(int id, int code, HWND control);
  void OnAddReminder(int id, int code, HWND control);
  void OnCloseCommand(int id, int code, HWND control);
  void OnGridSelect(const calendar::Date& date) override;
  void OnGridOpen(const calendar::Date& date) override;
  void OnGridClose() override;
  calendar::Date Today();
  // The description line and the marks of the page, from the list as it is now.
  void ShowReminders();

  TimeSource* time_;
  SystemTimeSource systemTime_;
  ReminderList& reminders_;
  DialogActions actions_;
  calendar::Date selected_ = calendar::kFirstDate;
  CalendarGrid grid_;
};
