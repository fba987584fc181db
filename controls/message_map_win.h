// Message maps with typed handlers. A window, dialog or subclassed control
// registers member functions that receive the message's decoded arguments and
// return its answer (the crackers of message_crackers_win.h); the framework
// writes the message result. A handler that does not want a message after
// all calls SetMsgHandled(false): the next matching handler, then the default
// procedure, get it.
//
//   OnMessage<WM_TIMER>(&ClockWindow::OnTimer);          void OnTimer(UINT_PTR id)
//   OnCommand(IDOK, &MyDialog::OnOk);                     void OnOk(int id, int code, HWND control)
//   OnCommand(IDOK, BN_CLICKED, &MyDialog::OnOk);         the same, for that code only
//   OnNotify(IDC_LIST, NM_CLICK, &MyDialog::OnClick);     LRESULT OnClick(NMHDR& header)
//   OnReflected<WM_DRAWITEM>(&MyButton::OnDrawItem);      a notification a dialog reflects to its control
//   OnNotifyIcon(WM_TRAYNOTIFY, &ClockWindow::OnTray);    void OnTray(UINT iconId, UINT mouseMessage)
//   OnSignal(taskbarCreated, &ClockWindow::OnRestart);    void OnRestart()
//   OnRawMessage(msg, &X::OnRare);                        bool OnRare(UINT, WPARAM, LPARAM, LRESULT&)
//
// The framework is built without exceptions, for the shipped programs and the
// Wine tests alike: the dispatch catches nothing, and an exception a handler
// threw would end the program. The programs' handlers cannot throw (nothing
// of the programs is built with exceptions); an allocation that fails inside
// one ends the program, so code that can meet a large one asks with
// new (std::nothrow) and checks. Only a build of this folder with exceptions,
// which this project does not make, would catch one at the dispatch, report
// it and answer the message as not handled.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstring>
#include <deque>
#include <optional>
#include <type_traits>

#include "controls/message_crackers_win.h"

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

// The message a handler is running for, and what its dispatch has learnt.
struct MessageFrame {
  HWND hwnd;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
  bool handled;         // cleared by SetMsgHandled(false)
  bool targetAlive;     // cleared when the object is destroyed inside its handler
  MessageFrame* outer;  // the dispatch this one runs inside, if any
};

class MessageTarget;

class MessageMap {
 public:
  // Calls one registered member function of target: decodes the message,
  // runs the handler, stores its answer. False when the message carries no
  // usable arguments.
  using Invoker = bool (*)(MessageTarget& target, const void* member, WPARAM w, LPARAM l, LRESULT& result);
  // Room for any member function pointer (two words on every ABI the
  // programs are built for).
  static constexpr size_t kMemberSize = 2 * sizeof(void*) + sizeof(ptrdiff_t);

  struct Handler {
    Invoker invoke = nullptr;
    unsigned char member[kMemberSize] = {};
  };

  // Out of line: every registration of every window would otherwise carry
  // its own copy of the container's growth code.
  void Add(UINT msg, const Handler& h);
  // WM_COMMAND and WM_NOTIFY filtered by control id and, when given, notification code.
  void AddControl(UINT msg, int id, std::optional<int> code, const Handler& h);

  // Runs the matching handlers in registration order until one keeps the
  // message (frame.handled stays set). Stops when the target is destroyed.
  bool Dispatch(MessageTarget& target, MessageFrame& frame, LRESULT& result) const;

 private:
  struct Entry {
    UINT msg;
    std::optional<int> id;
    std::optional<int> code;
    Handler handler;
  };
  bool Matches(const Entry& e, const MessageFrame& frame) const;
  // A deque keeps registered handlers in place when a handler registers more.
  std::deque<Entry> entries_;
};

// Base of everything that owns a message map.
class MessageTarget {
 public:
  MessageTarget() = default;
  virtual ~MessageTarget();
  MessageTarget(const MessageTarget&) = delete;
  MessageTarget& operator=(const MessageTarget&) = delete;

 protected:
  template <UINT Msg, class T, class R, class... A>
  void OnMessage(R (T::*fn)(A...)) {
    Register<Msg>(Msg, fn);
  }
  // The notification Msg as a dialog reflects it back to the control that sent it.
  template <UINT Msg, class T, class R, class... A>
  void OnReflected(R (T::*fn)(A...)) {
    Register<Msg>(Msg + kReflectOffset, fn);
  }
  template <class T>
  void OnCommand(int id, void (T::*fn)(int, int, HWND)) {
    RegisterControl<WM_COMMAND>(id, std::nullopt, fn);
  }
  template <class T>
  void OnCommand(int id, int code, void (T::*fn)(int, int, HWND)) {
    RegisterControl<WM_COMMAND>(id, code, fn);
  }
  template <class T>
  void OnNotify(int id, LRESULT (T::*fn)(NMHDR&)) {
    RegisterControl<WM_NOTIFY>(id, std::nullopt, fn);
  }
  template <class T>
  void OnNotify(int id, int code, LRESULT (T::*fn)(NMHDR&)) {
    RegisterControl<WM_NOTIFY>(id, code, fn);
  }
  // The callback message of a notification-area icon.
  template <class T>
  void OnNotifyIcon(UINT msg, void (T::*fn)(UINT, UINT)) {
    RegisterWith<crack::NotifyIconCallback>(msg, fn);
  }
  // A message without arguments (a registered or private signal), answered 0.
  template <class T>
  void OnSignal(UINT msg, void (T::*fn)()) {
    RegisterWith<crack::Signal>(msg, fn);
  }
  // For the rare message without a cracker: the handler decodes it, sets the
  // result and says whether it handled the message.
  template <class T>
  void OnRawMessage(UINT msg, bool (T::*fn)(UINT, WPARAM, LPARAM, LRESULT&)) {
    map_.Add(msg, Store(fn, &InvokeRaw<T>));
  }

  // Inside a handler: false passes the message on (to the next matching
  // handler, then to the default processing).
  void SetMsgHandled(bool handled) {
    if (current_) current_->handled = handled;
  }
  // The message being handled; null outside a handler.
  const MessageFrame* CurrentMessage() const { return current_; }

  // Dispatches through the map. Returns whether a handler kept the message;
  // targetGone tells that the object was destroyed meanwhile and must not be
  // touched again.
  bool DispatchMessageMap(HWND hwnd, UINT msg, WPARAM w, LPARAM l, LRESULT& result, bool& targetGone);

 private:
  template <UINT Msg, class T, class R, class... A>
  void Register(UINT number, R (T::*fn)(A...)) {
    RegisterWith<crack::Cracker<Msg>>(number, fn);
  }
  template <class C, class T, class R, class... A>
  void RegisterWith(UINT number, R (T::*fn)(A...)) {
    static_assert(std::is_same<R(A...), typename C::Signature>::value,
                  "the handler's signature does not match the message's cracker");
    map_.Add(number, Store(fn, &Invoke<C, T, R, A...>));
  }
  template <UINT Msg, class T, class R, class... A>
  void RegisterControl(int id, std::optional<int> code, R (T::*fn)(A...)) {
    using C = crack::Cracker<Msg>;
    static_assert(std::is_same<R(A...), typename C::Signature>::value,
                  "the handler's signature does not match the message's cracker");
    map_.AddControl(Msg, id, code, Store(fn, &Invoke<C, T, R, A...>));
  }
  template <class Fn>
  static MessageMap::Handler Store(Fn fn, MessageMap::Invoker invoke) {
    static_assert(sizeof(Fn) <= MessageMap::kMemberSize, "member function pointer too large");
    MessageMap::Handler h;
    h.invoke = invoke;
    std::memcpy(h.member, &fn, sizeof fn);
    return h;
  }
  template <class C, class T, class R, class... A>
  static bool Invoke(MessageTarget& target, const void* member, WPARAM w, LPARAM l, LRESULT& r) {
    R (T::*fn)(A...);
    std::memcpy(&fn, member, sizeof fn);
    T& self = static_cast<T&>(target);
    auto call = [&self, fn](A... args) -> R { return (self.*fn)(args...); };
    return C::Call(call, w, l, r);
  }
  template <class T>
  static bool InvokeRaw(MessageTarget& target, const void* member, WPARAM w, LPARAM l, LRESULT& r) {
    bool (T::*fn)(UINT, WPARAM, LPARAM, LRESULT&);
    std::memcpy(&fn, member, sizeof fn);
    T& self = static_cast<T&>(target);
    const MessageFrame* frame = target.current_;
    if (!(self.*fn)(frame ? frame->msg : 0, w, l, r)) target.SetMsgHandled(false);
    return true;
  }

  MessageMap map_;
  MessageFrame* current_ = nullptr;
};
