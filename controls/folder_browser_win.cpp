#include "controls/folder_browser_win.h"

#include <shlobj.h>

#include "base/gbk_text.h"

namespace {

// Item lists from the shell are freed through the shell's allocator, which
// every shell version has.
void FreeItemList(LPITEMIDLIST list) {
  IMalloc* allocator = nullptr;
  if (list && SUCCEEDED(SHGetMalloc(&allocator)) && allocator) {
    allocator->Free(list);
    allocator->Release();
  }
}

}  // namespace

FolderBrowser::FolderBrowser(const char* caption, const char* instruction, const char* initial) {
  gbk::CopyText(caption_, sizeof caption_, caption);
  gbk::CopyText(instruction_, sizeof instruction_, instruction);
  gbk::CopyText(initial_, sizeof initial_, initial);
}

int CALLBACK FolderBrowser::Callback(HWND window, UINT msg, LPARAM param, LPARAM self) {
  FolderBrowser& browser = *reinterpret_cast<FolderBrowser*>(self);
  if (msg == BFFM_INITIALIZED) {
    if (browser.initial_[0])
      SendMessageA(window, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(browser.initial_));
    SetWindowTextA(window, browser.caption_);
  } else if (msg == BFFM_SELCHANGED) {
    char path[kPathSize] = {};
    if (!SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(param), path)) path[0] = '\0';
    char status[kStatusSize] = {};
    const bool ok = browser.validateSelection(path, status);
    if (browser.statusText_) SendMessageA(window, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(status));
    SendMessageA(window, BFFM_ENABLEOK, 0, ok ? TRUE : FALSE);
  }
  return 0;
}

bool FolderBrowser::Browse(HWND owner) {
  char displayName[kPathSize] = {};
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.pidlRoot = nullptr;
  info.pszDisplayName = displayName;
  info.lpszTitle = instruction_;
  info.ulFlags = BIF_RETURNONLYFSDIRS | (statusText_ ? BIF_STATUSTEXT : 0);
  info.lpfn = &FolderBrowser::Callback;
  info.lParam = reinterpret_cast<LPARAM>(this);
  LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
  if (!chosen) return false;
  char path[kPathSize] = {};
  const bool ok = SHGetPathFromIDListA(chosen, path) != FALSE;
  FreeItemList(chosen);
  if (!ok) return false;
  gbk::CopyText(result_, sizeof result_, path);
  return true;
}
