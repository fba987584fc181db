#include "dialogs/calendar_dialog_win.h"

#include <commctrl.h>

#include <string>

#include "base/text_format.h"
#include "calendar/calendar_day.h"
#include "calendar/month_view.h"
#include "clock/program_resources_win.h"
#include "controls/date_time_picker_win.h"
#include "controls/dpi_win.h"
#include "dialogs/reminder_editor.h"
#include "dialogs/reminder_editor_dialog_win.h"
#include "dialogs/reminder_file_win.h"
#include "dialogs/reminder_rows.h"
#include "reminders/program_reminders_win.h"
#include "reminders/reminder_days.h"
#include "resources/calendar_dialog_ids.h"

namespace {

constexpr COLORREF kGridBackground = RGB(255, 255, 255);
constexpr COLORREF kHeaderBackground = RGB(190, 225, 190);
constexpr COLORREF kDayText = RGB(0, 0, 0);
constexpr COLORREF kWeekendText = RGB(200, 0, 0);
constexpr COLORREF kOtherMonthText = RGB(170, 170, 170);
constexpr COLORREF kFestivalText = RGB(220, 0, 0);
constexpr COLORREF kTermText = RGB(0, 140, 0);
constexpr COLORREF kLunarText = RGB(90, 90, 90);
constexpr COLORREF kSelectedBackground = RGB(255, 236, 160);
constexpr COLORREF kTodayFrame = RGB(0, 0, 255);
constexpr COLORREF kGridLine = RGB(220, 230, 220);
// The corner mark of a day with a reminder: apart from the red festivals and
// weekends, the green solar terms and the blue frame of today.
constexpr COLORREF kReminderMark = RGB(255, 140, 0);

const char* const kWeekdayHeaders[7] = {"日", "一", "二", "三", "四", "五", "六"};

calendar::Date FromPicker(const LocalTime& t) { return {t.wYear, t.wMonth, t.wDay}; }

LocalTime ToPicker(const calendar::Date& d) {
  LocalTime t;
  t.wYear = static_cast<uint16_t>(d.year);
  t.wMonth = static_cast<uint16_t>(d.month);
  t.wDay = static_cast<uint16_t>(d.day);
  t.wDayOfWeek = static_cast<uint16_t>(calendar::Weekday(d));
  return t;
}

// A font of height pixels at 96 DPI, at the screen's DPI: the grid's cells
// grow with the dialog's, and so do the texts in them.
HFONT MakeFont(int height, int weight) {
  return CreateFontA(-ScaleToWindow(nullptr, height), 0, 0, 0, weight, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "宋体");
}

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

COLORREF LabelColour(calendar::CellMark mark) {
  switch (mark) {
    case calendar::CellMark::Festival:
      return kFestivalText;
    case calendar::CellMark::SolarTerm:
      return kTermText;
    default:
      return kLunarText;
  }
}

}  // namespace

CalendarGrid::CalendarGrid(Listener* listener)
    : listener_(listener), dayFont_(MakeFont(16, FW_BOLD)), labelFont_(MakeFont(12, FW_NORMAL)) {
  OnMessage<WM_PAINT>(&CalendarGrid::OnPaint);
  OnMessage<WM_ERASEBKGND>(&CalendarGrid::OnEraseBackground);
  OnMessage<WM_GETDLGCODE>(&CalendarGrid::OnGetDialogCode);
  OnMessage<WM_KEYDOWN>(&CalendarGrid::OnKeyDown);
  OnMessage<WM_LBUTTONDOWN>(&CalendarGrid::OnLeftButtonDown);
  OnMessage<WM_LBUTTONDBLCLK>(&CalendarGrid::OnLeftButtonDoubleClick);
}

void CalendarGrid::Show(const calendar::Date& selected, const calendar::Date& today, uint64_t marks) {
  selected_ = selected;
  today_ = today;
  marks_ = marks;
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void CalendarGrid::Draw(HDC dc, int width, int height) const {
  const calendar::GridLayout layout{width, height};
  FillSolid(dc, RECT{0, 0, width, height}, kGridBackground);
  FillSolid(dc, RECT{0, 0, width, layout.HeaderHeight()}, kHeaderBackground);
  SetBkMode(dc, TRANSPARENT);
  // Texts are centred on a point (TA_CENTER), in two passes with one font each.
  DcStateGuard state(dc);
  SetTextAlign(dc, TA_CENTER | TA_TOP | TA_NOUPDATECP);
  SelectGuard font(dc, labelFont_.get());
  TEXTMETRICA label{};
  GetTextMetricsA(dc, &label);
  for (int column = 0; column < 7; ++column) {
    SetTextColor(dc, column == 0 || column == 6 ? kWeekendText : kDayText);
    TextOutA(dc, width * (2 * column + 1) / 14, (layout.HeaderHeight() - label.tmHeight) / 2,
             kWeekdayHeaders[column], 2);
  }
  const int firstNumber = calendar::DayNumber(calendar::GridFirstDay(selected_.year, selected_.month));
  const int todayCell = calendar::DayNumber(today_) - firstNumber;
  const int selectedCell = calendar::DayNumber(selected_) - firstNumber;
  calendar::Date days[calendar::kGridDays];
  for (int cell = 0; cell < calendar::kGridDays; ++cell) {
    days[cell] = calendar::DateOfDayNumber(firstNumber + cell);
    const calendar::CellBox b = layout.CellRect(cell);
    if (cell == selectedCell) FillSolid(dc, RECT{b.left, b.top, b.right, b.bottom}, kSelectedBackground);
    FillSolid(dc, RECT{b.left, b.bottom - 1, b.right, b.bottom}, kGridLine);
  }
  if (marks_ != 0) {
    // A small triangle in the top right corner, inside today's frame.
    Brush fill(CreateSolidBrush(kReminderMark));
    Pen edge(CreatePen(PS_SOLID, 1, kReminderMark));
    SelectGuard brush(dc, fill.get());
    SelectGuard pen(dc, edge.get());
    for (int cell = 0; cell < calendar::kGridDays; ++cell) {
      if (!(marks_ >> cell & 1)) continue;
      const calendar::CellBox b = layout.CellRect(cell);
      const int size = (b.bottom - b.top) / 4 > 5 ? (b.bottom - b.top) / 4 : 5;
      const POINT corner[3] = {{b.right - 3 - size, b.top + 3}, {b.right - 3, b.top + 3}, {b.right - 3, b.top + 3 + size}};
      Polygon(dc, corner, 3);
    }
  }
  for (int cell = 0; cell < calendar::kGridDays; ++cell) {
    const calendar::CellBox b = layout.CellRect(cell);
    const bool inMonth = days[cell].month == selected_.month;
    const calendar::CellLabel text = calendar::CellLabelOf(days[cell]);
    SetTextColor(dc, inMonth ? LabelColour(text.mark) : kOtherMonthText);
    TextOutA(dc, (b.left + b.right) / 2, b.top + (b.bottom - b.top) * 11 / 20, text.text.c_str(),
             static_cast<int>(text.text.size()));
  }
  SelectGuard big(dc, dayFont_.get());
  TEXTMETRICA day{};
  GetTextMetricsA(dc, &day);
  for (int cell = 0; cell < calendar::kGridDays; ++cell) {
    const calendar::CellBox b = layout.CellRect(cell);
    const bool inMonth = days[cell].month == selected_.month;
    const bool weekend = cell % 7 == 0 || cell % 7 == 6;
    SetTextColor(dc, !inMonth ? kOtherMonthText : weekend ? kWeekendText : kDayText);
    char number[4];
    const int length = FormatText(number, sizeof number, "%d", days[cell].day);
    TextOutA(dc, (b.left + b.right) / 2, b.top + ((b.bottom - b.top) * 11 / 20 - day.tmHeight) / 2 + 1, number,
             length);
  }
  if (todayCell >= 0 && todayCell < calendar::kGridDays) {
    const calendar::CellBox b = layout.CellRect(todayCell);
    Pen frame(CreatePen(PS_SOLID, 2, kTodayFrame));
    SelectGuard pen(dc, frame.get());
    SelectGuard brush(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, b.left + 1, b.top + 1, b.right, b.bottom);
  }
}

void CalendarGrid::OnPaint() {
  PaintDC paint(hwnd());
  RECT client{};
  GetClientRect(hwnd(), &client);
  const int w = client.right, h = client.bottom;
  if (w <= 0 || h <= 0) return;
  // The whole page goes to the screen in one copy: nothing flickers.
  MemoryDC memory(CreateCompatibleDC(paint.get()));
  Bitmap bitmap(CreateCompatibleBitmap(paint.get(), w, h));
  if (!memory || !bitmap) return;
  SelectGuard select(memory.get(), bitmap.get());
  Draw(memory.get(), w, h);
  BitBlt(paint.get(), 0, 0, w, h, memory.get(), 0, 0, SRCCOPY);
}

bool CalendarGrid::OnEraseBackground(HDC) { return true; }

UINT CalendarGrid::OnGetDialogCode() { return DLGC_WANTARROWS | DLGC_WANTALLKEYS; }

void CalendarGrid::OnKeyDown(UINT key) {
  if (!listener_) return;
  calendar::Date next = selected_;
  switch (key) {
    case VK_LEFT: next = calendar::MoveDays(selected_, -1); break;
    case VK_RIGHT: next = calendar::MoveDays(selected_, 1); break;
    case VK_UP: next = calendar::MoveDays(selected_, -7); break;
    case VK_DOWN: next = calendar::MoveDays(selected_, 7); break;
    case VK_PRIOR: next = calendar::MoveMonths(selected_, -1); break;
    case VK_NEXT: next = calendar::MoveMonths(selected_, 1); break;
    case VK_HOME: next = today_; break;
    case VK_ESCAPE: listener_->OnGridClose(); return;
    default: SetMsgHandled(false); return;
  }
  listener_->OnGridSelect(next);
}

bool CalendarGrid::DayAt(POINT at, calendar::Date* day) const {
  RECT client{};
  GetClientRect(hwnd(), &client);
  const int cell = calendar::GridLayout{client.right, client.bottom}.CellAt(at.x, at.y);
  if (cell < 0) return false;
  // The day under the pointer; a grey day outside the calendar's range is none.
  return calendar::GridDayAt(selected_.year, selected_.month, cell, day);
}

void CalendarGrid::OnLeftButtonDown(POINT at, UINT) {
  SetFocus(hwnd());
  calendar::Date day;
  if (listener_ && DayAt(at, &day)) listener_->OnGridSelect(day);
}

void CalendarGrid::OnLeftButtonDoubleClick(POINT at, UINT) {
  calendar::Date day;
  if (!listener_ || !DayAt(at, &day)) return;
  // The day is selected first: the page may move to its month.
  listener_->OnGridSelect(day);
  listener_->OnGridOpen(day);
}

CalendarDialog::CalendarDialog(TimeSource* time, ReminderList* reminders, const DialogActions& actions)
    : time_(time ? time : &systemTime_),
      reminders_(reminders ? *reminders : ProgramReminders()),
      actions_(actions),
      grid_(this) {
  OnMessage<WM_INITDIALOG>(&CalendarDialog::OnInitDialog);
  OnNotify(IDC_CALENDAR_PICKER, DTN_DATETIMECHANGE, &CalendarDialog::OnPickerChanged);
  for (int id : {IDC_CALENDAR_PREV_YEAR, IDC_CALENDAR_PREV_MONTH, IDC_CALENDAR_NEXT_MONTH, IDC_CALENDAR_NEXT_YEAR})
    OnCommand(id, BN_CLICKED, &CalendarDialog::OnMove);
  OnCommand(IDC_CALENDAR_TODAY, BN_CLICKED, &CalendarDialog::OnToday);
  OnCommand(IDC_CALENDAR_ADD_REMINDER, BN_CLICKED, &CalendarDialog::OnAddReminder);
  OnCommand(IDCANCEL, &CalendarDialog::OnCloseCommand);
  OnCommand(IDOK, &CalendarDialog::OnCloseCommand);
}

bool CalendarDialog::Open(HWND owner) {
  if (IsOpen()) {
    BringForward();
    return true;
  }
  if (!CreateModeless(owner, IDD_CALENDAR)) return false;
  ShowWindow(hwnd(), SW_SHOW);
  return true;
}

void CalendarDialog::BringForward() {
  if (!IsOpen()) return;
  if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
  // The reminder editor, when it runs over the calendar.
  SetForegroundWindow(GetLastActivePopup(hwnd()));
}

bool CalendarDialog::IsOpen() const { return hwnd() != nullptr && IsWindow(hwnd()); }

void CalendarDialog::Close() {
  if (IsOpen()) End(IDCANCEL);
}

calendar::Date CalendarDialog::Today() {
  const LocalTime now = time_->Now();
  return calendar::ClampToRange({now.wYear, now.wMonth, now.wDay});
}

bool CalendarDialog::OnInitDialog(HWND) {
  HWND dlg = hwnd();
  InitLook(DesktopRect(), ProgramIcon());
  DateTimePicker picker(GetDlgItem(dlg, IDC_CALENDAR_PICKER));
  picker.SetRange(ToPicker(calendar::kFirstDate), ToPicker(calendar::kLastDate));
  ApplyCalendarPalette(picker);
  grid_.Attach(GetDlgItem(dlg, IDC_CALENDAR_GRID));
  selected_ = calendar::Date{};  // the first Select writes every control
  Select(Today());
  SetFocus(grid_.hwnd());
  return false;
}

void CalendarDialog::Select(const calendar::Date& date) {
  const calendar::Date d = calendar::ClampToRange(date);
  HWND dlg = hwnd();
  if (!dlg) return;
  LocalTime shown;
  DateTimePicker picker(GetDlgItem(dlg, IDC_CALENDAR_PICKER));
  if (!picker.GetTime(&shown) || FromPicker(shown) != d) picker.SetTime(ToPicker(d));
  const bool moved = d != selected_;
  selected_ = d;
  EnableWindow(GetDlgItem(dlg, IDC_CALENDAR_PREV_YEAR), calendar::CanMoveMonths(d, -12));
  EnableWindow(GetDlgItem(dlg, IDC_CALENDAR_PREV_MONTH), calendar::CanMoveMonths(d, -1));
  EnableWindow(GetDlgItem(dlg, IDC_CALENDAR_NEXT_MONTH), calendar::CanMoveMonths(d, 1));
  EnableWindow(GetDlgItem(dlg, IDC_CALENDAR_NEXT_YEAR), calendar::CanMoveMonths(d, 12));
  if (moved)
    ShowReminders();
  else
    grid_.Show(d, Today(), MarkedCells(reminders_, d.year, d.month));
}

void CalendarDialog::ShowReminders() {
  std::string text = calendar::DayDescription(selected_);
  const std::string reminders = DayRemindersText(RemindersOn(reminders_, selected_));
  if (!reminders.empty()) text += " " + reminders;
  SetDlgItemTextA(hwnd(), IDC_CALENDAR_DESCRIPTION, text.c_str());
  grid_.Show(selected_, Today(), MarkedCells(reminders_, selected_.year, selected_.month));
}

INT_PTR CalendarDialog::RunEditor(ReminderEditorDialog& editor) { return editor.Run(hwnd()); }

void CalendarDialog::AddReminderOn(const calendar::Date& date) {
  ReminderEditorDialog editor(actions_);
  editor.NewOnDay(date.year, date.month, date.day);
  if (RunEditor(editor) != IDOK) return;
  // The calendar may have been closed while the editor ran.
  if (!IsOpen()) return;
  editor.record.nId = DistinctReminderId(reminders_, editor.record.nId);
  if (!reminders_.Append(editor.record)) return;
  SaveReminderFile(hwnd(), reminders_);
  ShowReminders();
}

void CalendarDialog::OnAddReminder(int, int, HWND) { AddReminderOn(selected_); }

void CalendarDialog::OnGridOpen(const calendar::Date& date) { AddReminderOn(date); }

LRESULT CalendarDialog::OnPickerChanged(NMHDR&) {
  LocalTime shown;
  if (DateTimePicker(GetDlgItem(hwnd(), IDC_CALENDAR_PICKER)).GetTime(&shown)) Select(FromPicker(shown));
  return 0;
}

void CalendarDialog::OnMove(int id, int, HWND) {
  const int months = id == IDC_CALENDAR_PREV_YEAR    ? -12
                     : id == IDC_CALENDAR_PREV_MONTH ? -1
                     : id == IDC_CALENDAR_NEXT_MONTH ? 1
                                                     : 12;
  Select(calendar::MoveMonths(selected_, months));
}

void CalendarDialog::OnToday(int, int, HWND) { Select(Today()); }

void CalendarDialog::OnCloseCommand(int, int, HWND) { End(IDCANCEL); }

void CalendarDialog::OnGridSelect(const calendar::Date& date) { Select(date); }

void CalendarDialog::OnGridClose() { End(IDCANCEL); }
