#include "dialogs/about_dialog_win.h"

#include "controls/module_win.h"

AboutDialog::AboutDialog(int cursorId, HyperLink::Opener opener)
    : LookedDialog(kAboutDialogText), cursorId_(cursorId), web_(opener), mail_(opener) {
  OnMessage<WM_INITDIALOG>(&AboutDialog::OnInitDialog);
  OnCommand(IDOK, &AboutDialog::OnClose);
  OnCommand(IDCANCEL, &AboutDialog::OnClose);
}

bool AboutDialog::OnInitDialog(HWND) {
  const HWND dlg = hwnd();
  handCursor_.Reset(static_cast<HCURSOR>(
      LoadImageA(module::Instance(), MAKEINTRESOURCEA(cursorId_), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE)));
  HyperLink* links[] = {&web_, &mail_};
  const int ids[] = {IDC_ABOUT_WEB_LINK, IDC_ABOUT_MAIL_LINK};
  for (int i = 0; i < 2; ++i) {
    links[i]->AttachStatic(GetDlgItem(dlg, ids[i]));
    links[i]->SetCursor(handCursor_.get());
  }
  InitLook(DesktopRect(), nullptr);
  return true;
}

void AboutDialog::OnClose(int id, int, HWND) {
  web_.SetCursor(nullptr);
  mail_.SetCursor(nullptr);
  handCursor_.Reset();
  End(id);
}

void ShowAboutDialog(HWND owner, int cursorId) {
  AboutDialog about(cursorId);
  about.DoModal(owner, IDD_ABOUT);
}
