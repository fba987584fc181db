#include "dialogs/calendar_dialog_win.h"

#include <commctrl.h>

#include <string>

#include "base/text_format.h"
#include "calendar/calendar_day.h"
#include "calendar/month_view.h"
#include "clock/program_resources_win.h"
#include "controls/date_time_picker_win.h"
#include "controls/dpi_win.h"
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
}

void CalendarGrid::Show(const calendar::Date& selected, const calendar::Date& today) {
  selected_ = selected;
  today_ = today;
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

void CalendarGrid::OnLeftButtonDown(POINT at, UINT) {
  SetFocus(hwnd());
  RECT client{};
  GetClientRect(hwnd(), &client);
  const int cell = calendar::GridLayout{client.right, client.bottom}.CellAt(at.x, at.y);
  if (cell < 0 || !listener_) return;
  const calendar::Date first = calendar::GridFirstDay(selected_.year, selected_.month);
  listener_->OnGridSelect(calendar::MoveDays(first, cell));
}

CalendarDialog::CalendarDialog(TimeSource* time) : time_(time ? time : &systemTime_), grid_(this) {
  OnMessage<WM_INITDIALOG>(&CalendarDialog::OnInitDialog);
  OnNotify(IDC_CALENDAR_PICKER, DTN_DATETIMECHANGE, &CalendarDialog::OnPickerChanged);
  for (int id : {IDC_CALENDAR_PREV_YEAR, IDC_CALENDAR_PREV_MONTH, IDC_CALENDAR_NEXT_MONTH, IDC_CALENDAR_NEXT_YEAR})
    OnCommand(id, BN_CLICKED, &CalendarDialog::OnMove);
  OnCommand(IDC_CALENDAR_TODAY, BN_CLICKED, &CalendarDialog::OnToday);
  OnCommand(IDCANCEL, &CalendarDialog::OnCloseCommand);
  OnCommand(IDOK, &CalendarDialog::OnCloseCommand);
}

bool CalendarDialog::Open(HWND owner) {
  if (IsOpen()) {
    if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
    SetForegroundWindow(hwnd());
    return true;
  }
  if (!CreateModeless(owner, IDD_CALENDAR)) return false;
  ShowWindow(hwnd(), SW_SHOW);
  return true;
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
  if (d != selected_) SetDlgItemTextA(dlg, IDC_CALENDAR_DESCRIPTION, calendar::DayDescription(d).c_str());
  selected_ = d;
  EnableWindow(GetDlgItem(dlg, IDC_CALENDAR_PREV_YEAR), calendar::CanMoveMonths(d, -12));
  EnableWindow(GetDlgItem(dlg, IDC_CALENDAR_PREV_MONTH), calendar::CanMoveMonths(d, -1));
  EnableWindow(GetDlgItem(dlg, IDC_CALENDAR_NEXT_MONTH), calendar::CanMoveMonths(d, 1));
  EnableWindow(GetDlgItem(dlg, IDC_CALENDAR_NEXT_YEAR), calendar::CanMoveMonths(d, 12));
  grid_.Show(d, Today());
}

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
