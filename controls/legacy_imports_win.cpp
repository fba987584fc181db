#include "controls/legacy_imports_win.h"

#include "controls/handles_win.h"

// The slots must hold their functions before any code runs (the runtime's
// thread support uses some of them from a TLS callback, ahead of the C++
// constructors), so every slot is a constant-initialised function pointer,
// and binding happens on first use without function-local statics (their
// initialisation guard would itself call into the thread support).

namespace legacy_imports {
namespace {

FARPROC KernelEntry(const char* name) {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  return kernel ? GetProcAddress(kernel, name) : nullptr;
}

// One run-time bound kernel function: looked up once, on first use.
struct LateEntry {
  const char* name;
  bool looked;
  FARPROC entry;
  FARPROC Get() {
    if (!looked) {
      entry = KernelEntry(name);
      looked = true;
    }
    return entry;
  }
};

LateEntry g_tickCount64{"GetTickCount64", false, nullptr};
LateEntry g_addHandler{"AddVectoredExceptionHandler", false, nullptr};
LateEntry g_removeHandler{"RemoveVectoredExceptionHandler", false, nullptr};
LateEntry g_handleInfo{"GetHandleInformation", false, nullptr};
LateEntry g_tryEnter{"TryEnterCriticalSection", false, nullptr};
LateEntry g_debugger{"IsDebuggerPresent", false, nullptr};
LateEntry g_getAffinity{"GetProcessAffinityMask", false, nullptr};
LateEntry g_setAffinity{"SetProcessAffinityMask", false, nullptr};

DWORD g_lastTick = 0;
ULONGLONG g_tickHigh = 0;

ULONGLONG WINAPI TickCount64() {
  if (auto real = EntryAs<ULONGLONG(WINAPI*)()>(g_tickCount64.Get())) return real();
  return ExtendTickCount(GetTickCount());
}

PVOID WINAPI AddHandler(ULONG first, PVECTORED_EXCEPTION_HANDLER handler) {
  auto real = EntryAs<PVOID(WINAPI*)(ULONG, PVECTORED_EXCEPTION_HANDLER)>(g_addHandler.Get());
  return real ? real(first, handler) : nullptr;
}

ULONG WINAPI RemoveHandler(PVOID handle) {
  auto real = EntryAs<ULONG(WINAPI*)(PVOID)>(g_removeHandler.Get());
  return real ? real(handle) : 0;
}

BOOL WINAPI HandleInformation(HANDLE handle, DWORD* flags) {
  if (auto real = EntryAs<BOOL(WINAPI*)(HANDLE, DWORD*)>(g_handleInfo.Get())) return real(handle, flags);
  return GetHandleInformationStandIn(handle, flags);
}

BOOL WINAPI TryEnter(CRITICAL_SECTION* section) {
  if (auto real = EntryAs<BOOL(WINAPI*)(CRITICAL_SECTION*)>(g_tryEnter.Get())) return real(section);
  return TryEnterCriticalSectionStandIn(section);
}

BOOL WINAPI DebuggerPresent() {
  auto real = EntryAs<BOOL(WINAPI*)()>(g_debugger.Get());
  return real ? real() : FALSE;
}

BOOL WINAPI GetAffinity(HANDLE process, DWORD_PTR* processMask, DWORD_PTR* systemMask) {
  auto real = EntryAs<BOOL(WINAPI*)(HANDLE, DWORD_PTR*, DWORD_PTR*)>(g_getAffinity.Get());
  if (real) return real(process, processMask, systemMask);
  if (processMask) *processMask = 1;
  if (systemMask) *systemMask = 1;
  return TRUE;
}

BOOL WINAPI SetAffinity(HANDLE process, DWORD_PTR mask) {
  auto real = EntryAs<BOOL(WINAPI*)(HANDLE, DWORD_PTR)>(g_setAffinity.Get());
  if (real) return real(process, mask);
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

}  // namespace

void Link() {}

ULONGLONG ExtendTickCount(DWORD now) {
  if (now < g_lastTick) g_tickHigh += 0x100000000ULL;
  g_lastTick = now;
  return g_tickHigh + now;
}

BOOL WINAPI TryEnterCriticalSectionStandIn(CRITICAL_SECTION* section) {
  EnterCriticalSection(section);
  return TRUE;
}

BOOL WINAPI GetHandleInformationStandIn(HANDLE handle, DWORD* flags) {
  if (!handle) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (flags) *flags = 0;
  return TRUE;
}

}  // namespace legacy_imports

// The import slots themselves, under the names the linker gives imported
// kernel functions (with the decoration of 32-bit stdcall imports); the
// runtime's objects call through them.
extern "C" {
extern ULONGLONG(WINAPI* const slotGetTickCount64)() __asm__("__imp__GetTickCount64@0");
extern PVOID(WINAPI* const slotAddVectoredExceptionHandler)(ULONG, PVECTORED_EXCEPTION_HANDLER) __asm__(
    "__imp__AddVectoredExceptionHandler@8");
extern ULONG(WINAPI* const slotRemoveVectoredExceptionHandler)(PVOID) __asm__(
    "__imp__RemoveVectoredExceptionHandler@4");
extern BOOL(WINAPI* const slotGetHandleInformation)(HANDLE, DWORD*) __asm__("__imp__GetHandleInformation@8");
extern BOOL(WINAPI* const slotTryEnterCriticalSection)(CRITICAL_SECTION*) __asm__(
    "__imp__TryEnterCriticalSection@4");
extern BOOL(WINAPI* const slotIsDebuggerPresent)() __asm__("__imp__IsDebuggerPresent@0");
extern BOOL(WINAPI* const slotGetProcessAffinityMask)(HANDLE, DWORD_PTR*, DWORD_PTR*) __asm__(
    "__imp__GetProcessAffinityMask@12");
extern BOOL(WINAPI* const slotSetProcessAffinityMask)(HANDLE, DWORD_PTR) __asm__("__imp__SetProcessAffinityMask@8");
}

ULONGLONG(WINAPI* const slotGetTickCount64)() = &legacy_imports::TickCount64;
PVOID(WINAPI* const slotAddVectoredExceptionHandler)(ULONG, PVECTORED_EXCEPTION_HANDLER) = &legacy_imports::AddHandler;
ULONG(WINAPI* const slotRemoveVectoredExceptionHandler)(PVOID) = &legacy_imports::RemoveHandler;
BOOL(WINAPI* const slotGetHandleInformation)(HANDLE, DWORD*) = &legacy_imports::HandleInformation;
BOOL(WINAPI* const slotTryEnterCriticalSection)(CRITICAL_SECTION*) = &legacy_imports::TryEnter;
BOOL(WINAPI* const slotIsDebuggerPresent)() = &legacy_imports::DebuggerPresent;
BOOL(WINAPI* const slotGetProcessAffinityMask)(HANDLE, DWORD_PTR*, DWORD_PTR*) = &legacy_imports::GetAffinity;
BOOL(WINAPI* const slotSetProcessAffinityMask)(HANDLE, DWORD_PTR) = &legacy_imports::SetAffinity;
