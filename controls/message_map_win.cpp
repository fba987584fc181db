#include "controls/message_map_win.h"

#include <exception>

#include "controls/module_win.h"

bool IsReflectableMessage(UINT msg) {
  if (IsControlColorMessage(msg)) return true;
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
      return true;
    default:
      return false;
  }
}

void MessageMap::Add(UINT msg, const Handler& h) { entries_.push_back({msg, std::nullopt, std::nullopt, h}); }

void MessageMap::AddControl(UINT msg, int id, std::optional<int> code, const Handler& h) {
  entries_.push_back({msg, id, code, h});
}

bool MessageMap::Matches(const Entry& e, const MessageFrame& frame) const {
  if (e.msg != frame.msg) return false;
  if (!e.id) return true;
  if (frame.msg == WM_COMMAND) {
    return LOWORD(frame.wParam) == *e.id && (!e.code || HIWORD(frame.wParam) == *e.code);
  }
  if (frame.msg == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(frame.lParam);
    return header && static_cast<int>(header->idFrom) == *e.id &&
           (!e.code || static_cast<int>(header->code) == *e.code);
  }
  return false;
}

bool MessageMap::Dispatch(MessageTarget& target, MessageFrame& frame, LRESULT& result) const {
  for (size_t i = 0; i < entries_.size(); ++i) {
    const Entry& e = entries_[i];
    if (!Matches(e, frame)) continue;
    // A copy: the handler may destroy the object and with it this map.
    const Handler handler = e.handler;
    frame.handled = true;
    LRESULT answer = 0;
    const bool ran = handler.invoke(target, handler.member, frame.wParam, frame.lParam, answer);
    if (ran && frame.handled) {
      result = answer;
      return true;
    }
    if (!frame.targetAlive) return false;
  }
  return false;
}

MessageTarget::~MessageTarget() {
  // Destroyed inside one of its own handlers: the dispatches still running
  // for it must not touch it again.
  for (MessageFrame* f = current_; f; f = f->outer) f->targetAlive = false;
}

bool MessageTarget::DispatchMessageMap(HWND hwnd, UINT msg, WPARAM w, LPARAM l, LRESULT& result,
                                       bool& targetGone) {
  MessageFrame frame{hwnd, msg, w, l, true, true, current_};
  current_ = &frame;
  bool handled = false;
#if __cpp_exceptions
  // No exception may cross the system's call of the window procedure.
  try {
    handled = map_.Dispatch(*this, frame, result);
  } catch (const std::exception& e) {
    module::ReportHandlerFailure(hwnd, msg, e.what());
    handled = false;
  } catch (...) {
    module::ReportHandlerFailure(hwnd, msg, nullptr);
    handled = false;
  }
#else
  // Built without exceptions (as the Windows tree builds every folder): a
  // handler cannot throw, and running out of memory ends the program.
  handled = map_.Dispatch(*this, frame, result);
#endif
  targetGone = !frame.targetAlive;
  if (!targetGone) current_ = frame.outer;
  return handled;
}
