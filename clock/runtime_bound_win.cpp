#include "clock/runtime_bound_win.h"

#include <commdlg.h>
#include <shellapi.h>


#include "base/program_path.h"
#include "base/text_format.h"
#include "controls/handles_win.h"

namespace {

// A system library found among the loaded modules, or loaded for one call and
// released after it.
class BoundLibrary {
 public:
  explicit BoundLibrary(const char* name) {
    module_ = GetModuleHandleA(name);
    if (!module_) {
      loaded_.Reset(LoadLibraryA(name));
      module_ = loaded_.get();
    }
  }
  explicit operator bool() const { return module_ != nullptr; }
  FARPROC Find(const char* entry) const { return module_ ? GetProcAddress(module_, entry) : nullptr; }
  // Keeps a library that was loaded for this call in the process for good.
  void KeepLoaded() { loaded_.Release(); }

 private:
  HMODULE module_ = nullptr;
  Library loaded_;
};

}  // namespace

BOOL PlaySoundFile(const char* path) {
  typedef BOOL(WINAPI * PlaySoundFn)(const void*, HMODULE, DWORD);
  BoundLibrary winmm("winmm.dll");
  if (!winmm) return FALSE;
  PlaySoundFn play = EntryAs<PlaySoundFn>(winmm.Find("PlaySoundA"));
  if (!play) play = EntryAs<PlaySoundFn>(winmm.Find("PlaySoundW"));
  if (!play) play = EntryAs<PlaySoundFn>(winmm.Find("PlaySound"));
  if (!play) return FALSE;
  BOOL result = play(path, nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
  // An asynchronous sound plays on after this call returns; unloading the
  // library now would cut it off, so a library loaded here stays loaded.
  winmm.KeepLoaded();
  return result;
}

BOOL ShowOpenFileDialog(HWND owner, const char* filter, char* fileBuffer) {
  typedef BOOL(WINAPI * OpenFn)(OPENFILENAMEA*);
  BoundLibrary comdlg("Comdlg32.dll");
  if (!comdlg) return FALSE;
  OpenFn open = EntryAs<OpenFn>(comdlg.Find("GetOpenFileNameA"));
  if (!open) return FALSE;
  OPENFILENAMEA ofn{};
  ofn.lStructSize = 76;  // the original record size, understood by every version
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = fileBuffer;
  ofn.nMaxFile = MAX_PATH;
  ofn.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  return open(&ofn);
}

BOOL SetWindowAlpha(HWND window, BYTE alpha) {
  typedef BOOL(WINAPI * AlphaFn)(HWND, COLORREF, BYTE, DWORD);
  SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
  BoundLibrary user32("user32.dll");
  if (!user32) return FALSE;
  AlphaFn set = EntryAs<AlphaFn>(user32.Find("SetLayeredWindowAttributes"));
  if (!set) return FALSE;
  return set(window, 0, alpha, LWA_ALPHA);
}

namespace {

FARPROC FindDorvixEntry(Library& lib, const char* entry) {
  char path[kProgramPathSize];
  ProgramPath("Dorvix.dll", path);
  if (!path[0]) return nullptr;
  lib.Reset(LoadLibraryA(path));
  return lib ? GetProcAddress(lib.get(), entry) : nullptr;
}

}  // namespace

BOOL CallAdjustSystemTime(const SYSTEMTIME* time) {
  typedef BOOL(WINAPI * AdjustFn)(const SYSTEMTIME*);
  Library lib;
  AdjustFn adjust = EntryAs<AdjustFn>(FindDorvixEntry(lib, "AdjustSystemTime"));
  return adjust ? adjust(time) : FALSE;
}

BOOL CallShutDownComputer(BOOL force, BOOL restart) {
  typedef BOOL(WINAPI * ShutdownFn)(BOOL, BOOL);
  Library lib;
  ShutdownFn shutdown = EntryAs<ShutdownFn>(FindDorvixEntry(lib, "ShutDownComputer"));
  return shutdown ? shutdown(force, restart) : FALSE;
}

bool OpenHelp(HWND owner, const char* anchor) {
  char page[kProgramPathSize];
  ProgramPath("Help\\help.htm", page);
  if (!page[0]) return false;
  char target[kProgramPathSize + 64];
  FormatText(target, sizeof target, "%s%s", page, anchor ? anchor : "");
  HINSTANCE r = ShellExecuteA(owner, "open", "IEXPLORE.EXE", target, nullptr, SW_RESTORE);
  if (reinterpret_cast<INT_PTR>(r) > 32) return true;
  // Current systems may have no such browser: open the page with the handler
  // registered for ".htm" files. The anchor cannot be passed through that way.
  r = ShellExecuteA(owner, "open", page, nullptr, nullptr, SW_RESTORE);
  return reinterpret_cast<INT_PTR>(r) > 32;
}
