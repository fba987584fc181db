#include "controls/module_win.h"

#include "controls/legacy_imports_win.h"

#include <map>
#include <string>

#include "base/text_format.h"

namespace module {
namespace {

struct State {
  HINSTANCE instance = nullptr;
  CRITICAL_SECTION lock;
  bool lockReady = false;
  std::map<DWORD, MessageLoop*> loops;
  std::map<DWORD, void*> pending;
  std::map<std::string, std::pair<ATOM, std::string>> classes;
  char lastFailure[512] = {};
  long failures = 0;
};

State& S() {
  static State state;
  if (!state.lockReady) {
    InitializeCriticalSection(&state.lock);
    state.lockReady = true;
  }
  return state;
}

}  // namespace

void Init(HINSTANCE instance) {
  legacy_imports::Link();
  S().instance = instance ? instance : GetModuleHandleA(nullptr);
}

void Shutdown() {
  State& s = S();
  Lock guard;
  s.loops.clear();
  s.pending.clear();
}

HINSTANCE Instance() {
  State& s = S();
  if (!s.instance) s.instance = GetModuleHandleA(nullptr);
  return s.instance;
}

Lock::Lock() { EnterCriticalSection(&S().lock); }
Lock::~Lock() { LeaveCriticalSection(&S().lock); }

void AddLoop(DWORD threadId, MessageLoop* loop) {
  Lock guard;
  S().loops[threadId] = loop;
}

void RemoveLoop(DWORD threadId) {
  Lock guard;
  S().loops.erase(threadId);
}

MessageLoop* LoopOfCurrentThread() {
  Lock guard;
  auto it = S().loops.find(GetCurrentThreadId());
  return it == S().loops.end() ? nullptr : it->second;
}

ATOM RegisterClassOnce(const char* kind, UINT style, HCURSOR cursor, HBRUSH background,
                       WNDPROC proc, const char** nameOut) {
  Lock guard;
  State& s = S();
  auto it = s.classes.find(kind);
  if (it == s.classes.end()) {
    char name[96];
    FormatText(name, sizeof name, "Ticora.%s.%lx", kind, static_cast<unsigned long>(GetCurrentProcessId()));
    WNDCLASSA wc{};
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = Instance();
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    ATOM atom = RegisterClassA(&wc);
    if (!atom) return 0;
    it = s.classes.emplace(kind, std::make_pair(atom, std::string(name))).first;
  }
  if (nameOut) *nameOut = it->second.second.c_str();
  return it->second.first;
}

void ReportHandlerFailure(HWND hwnd, UINT msg, const char* what) {
  char className[128] = {};
  if (!hwnd || !GetClassNameA(hwnd, className, sizeof className)) FormatText(className, sizeof className, "?");
  State& s = S();
  Lock guard;
  FormatText(s.lastFailure, sizeof s.lastFailure,
             "A handler of message 0x%04X in window class \"%s\" failed (%s); the message is "
             "answered as not handled.\n",
             msg, className, what ? what : "an exception of unknown type");
  ++s.failures;
  OutputDebugStringA(s.lastFailure);
}

const char* LastHandlerFailure() { return S().lastFailure; }

long HandlerFailureCount() { return S().failures; }

void SetPendingObject(void* object) {
  Lock guard;
  S().pending[GetCurrentThreadId()] = object;
}

void* TakePendingObject() {
  Lock guard;
  auto& pending = S().pending;
  auto it = pending.find(GetCurrentThreadId());
  if (it == pending.end()) return nullptr;
  void* object = it->second;
  pending.erase(it);
  return object;
}

}  // namespace module
