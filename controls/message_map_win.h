// Message maps: typed member-function handlers looked up by message number, and
// for WM_COMMAND / WM_NOTIFY also by control identifier. A handler returns
// whether it handled the message; what no handler takes goes to the default
// procedure of the window, dialog or subclassed control.
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

// Message numbers of notifications that a dialog reflects back to the sending
// control, raised by this offset.
constexpr UINT kReflectOffset = 0x2000;

// True for the WM_CTLCOLOR* messages, which carry the control in lParam and
// whose answer is a brush handle.
inline bool IsControlColorMessage(UINT msg) { return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC; }

// True for a control notification that a dialog sends back to its control.
bool IsReflectableMessage(UINT msg);

// True for a reflected control message (a control message raised by kReflectOffset).
inline bool IsReflectedMessage(UINT msg) { return msg >= kReflectOffset && IsReflectableMessage(msg - kReflectOffset); }

class MessageMap {
 public:
  using Handler = std::function<bool(WPARAM, LPARAM, LRESULT&)>;
  using CommandHandler = std::function<bool(UINT code, HWND control)>;
  using NotifyHandler = std::function<bool(NMHDR*, LRESULT&)>;

  void On(UINT msg, Handler h) { entries_.push_back({msg, 0, std::move(h), nullptr, nullptr}); }
  void OnCommand(UINT id, CommandHandler h) { entries_.push_back({WM_COMMAND, id, nullptr, std::move(h), nullptr}); }
  void OnNotify(UINT id, NotifyHandler h) { entries_.push_back({WM_NOTIFY, id, nullptr, nullptr, std::move(h)}); }

  // Runs the first matching handler that reports the message handled.
  bool Dispatch(UINT msg, WPARAM w, LPARAM l, LRESULT& result) const;

 private:
  struct Entry {
    UINT msg;
    UINT id;
    Handler handler;
    CommandHandler command;
    NotifyHandler notify;
  };
  std::vector<Entry> entries_;
};

// Base of everything that owns a message map, with typed registration helpers:
//   OnMessage(WM_TIMER, &ClockWindow::OnTimer);    bool OnTimer(WPARAM, LPARAM, LRESULT&)
//   OnCommand(IDOK, &MyDialog::OnOk);               bool OnOk(UINT code, HWND control)
//   OnNotify(IDC_LIST, &MyDialog::OnListNotify);     bool OnListNotify(NMHDR*, LRESULT&)
class MessageTarget {
 public:
  virtual ~MessageTarget() = default;

 protected:
  template <class T>
  void OnMessage(UINT msg, bool (T::*fn)(WPARAM, LPARAM, LRESULT&)) {
    T* self = static_cast<T*>(this);
    map_.On(msg, [self, fn](WPARAM w, LPARAM l, LRESULT& r) { return (self->*fn)(w, l, r); });
  }
  template <class T>
  void OnCommand(UINT id, bool (T::*fn)(UINT, HWND)) {
    T* self = static_cast<T*>(this);
    map_.OnCommand(id, [self, fn](UINT code, HWND ctl) { return (self->*fn)(code, ctl); });
  }
  template <class T>
  void OnNotify(UINT id, bool (T::*fn)(NMHDR*, LRESULT&)) {
    T* self = static_cast<T*>(this);
    map_.OnNotify(id, [self, fn](NMHDR* h, LRESULT& r) { return (self->*fn)(h, r); });
  }
  MessageMap& Map() { return map_; }

  // Dispatches through the map; a handler that throws counts as not handled,
  // so no exception ever crosses a window procedure.
  bool DispatchMessageMap(UINT msg, WPARAM w, LPARAM l, LRESULT& result);

 private:
  MessageMap map_;
};
