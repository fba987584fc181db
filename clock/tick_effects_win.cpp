#include "clock/tick_effects_win.h"

#include <new>

#include "base/program_path.h"
#include "base/text_format.h"
#include "clock/program_resources_win.h"
#include "clock/runtime_bound_win.h"
#include "controls/picture_scale_win.h"

namespace {

BOOL ShutDownThroughHelper(BOOL force, BOOL restart) { return CallShutDownComputer(force, restart); }

}  // namespace

CountdownActions SystemCountdownActions() {
  CountdownActions actions;
  actions.shutDown = &ShutDownThroughHelper;
  return actions;
}

ClockEffects::ClockEffects(HWND* owner, const CountdownActions& actions) : owner_(owner), actions_(actions) {}

ClockEffects::~ClockEffects() { CloseAll(); }

void ClockEffects::StartSound(const char* path) { PlaySoundFile(path); }

void ClockEffects::TidyMessageBoards() {
  for (auto& board : boards_) {
    // A closed board is deleted here; an open one runs to the end of its own
    // countdown and deletes itself when its window is destroyed.
    if (!board->Closed()) board.release()->ReleaseToWindow();
  }
  boards_.clear();
}

namespace {

// The board's picture at the scale boards are drawn at.
Bitmap LoadBoardPicture() {
  char picturePath[kProgramPathSize];
  ProgramPath("WndBackgnd.bmp", picturePath);
  return LoadScaledPicture(picturePath, MessageBoard::ScreenScale());
}

}  // namespace

void ClockEffects::Attach(TrayIcon* tray, BoardSnooze* snooze) {
  tray_ = tray;
  snooze_ = snooze;
}

void ClockEffects::OpenMessageBoard(const char* title, const char* message, int seconds) {
  OpenBoard(nullptr, ReminderKey(), title, message, seconds);
}

void ClockEffects::OpenReminderBoard(const ReminderKey& key, const char* title, const char* message, int seconds) {
  OpenBoard(snooze_, key, title, message, seconds);
}

void ClockEffects::ShowTaskbarMessage(const ReminderKey& key, const char* title, const char* message, int seconds) {
  // A balloon needs some text: an empty message shows the title.
  const char* text = message && *message ? message : title;
  const UINT timeout = seconds > 0 ? static_cast<UINT>(seconds) * 1000u : 0u;
  if (tray_ && tray_->ShowBalloon(title, text, timeout)) return;
  // No balloons on this shell (or the shell refused): the board instead.
  OpenReminderBoard(key, title, message, seconds);
}

void ClockEffects::ReportMissed(const MissedReminder* missed, size_t count) {
  if (!missed || count == 0) return;
  // A board still open takes the new ones; a closed one starts afresh.
  const bool open = missed_ && !missed_->Closed();
  if (!open) missedItems_.clear();
  MergeMissed(missedItems_, std::vector<MissedReminder>(missed, missed + count));
  char text[512];
  FormatMissedBoard(missedItems_, text, sizeof text);
  if (open) {
    missed_->SetMessage(text);
    return;
  }
  missed_.reset(new (std::nothrow) MessageBoard());
  HWND owner = owner_ ? *owner_ : nullptr;
  if (missed_) missed_->CreateLasting(owner, "错过的提醒", text, LoadBoardPicture());
}

void ClockEffects::OpenBoard(BoardSnooze* snooze, const ReminderKey& key, const char* title, const char* message,
                             int seconds) {
  // Out of memory the board is skipped, as one whose window cannot be made.
  std::unique_ptr<MessageBoard> board(new (std::nothrow) MessageBoard());
  if (!board) return;
  if (snooze) board->EnableSnooze(snooze, key);
  HWND owner = owner_ ? *owner_ : nullptr;
  board->Create(owner, title, message, LoadBoardPicture(), seconds);
  // Listed even when its window could not be created; the next tidying drops it.
  if (boards_.push_back(std::move(board))) return;
  // No room in the list: an open board runs on by itself and deletes itself
  // when its window goes, as every board does after a tidying.
  if (!board->Closed()) board.release()->ReleaseToWindow();
}

void ClockEffects::StartProgram(const char* commandLine) {
  char line[260];
  FormatText(line, sizeof line, "%s", commandLine ? commandLine : "");
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
  }
}

bool ClockEffects::IsCountdownRunning() { return countdown_ && countdown_->IsOpen(); }

void ClockEffects::StartShutdownCountdown(bool force, bool restart, int seconds) {
  // One countdown object per run, made at the first shutdown or restart.
  // Out of memory there is no countdown, as when its window cannot be made.
  if (!countdown_) countdown_.reset(new (std::nothrow) ShutdownCountdownDialog(actions_, ProgramIcon()));
  if (!countdown_) return;
  countdown_->Start(owner_ ? *owner_ : nullptr, force, restart, seconds);
}

void ClockEffects::CloseAll() {
  for (auto& board : boards_) board->Close();
  boards_.clear();
  if (missed_) missed_->Close();
  // The countdown's window goes first, then the object itself.
  if (countdown_) countdown_->Close();
  countdown_.reset();
}
