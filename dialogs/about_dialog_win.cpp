#include "dialogs/about_dialog_win.h"

#include <utility>

#include "base/bitmap_file_win.h"
#include "base/picture_scale.h"
#include "base/program_path.h"
#include "controls/dpi_win.h"
#include "controls/module_win.h"
#include "controls/picture_scale_win.h"

AboutDialog::AboutDialog(int cursorId, HyperLink::Opener opener, const char* bannerFile)
    : LookedDialog(kAboutDialogText), cursorId_(cursorId), bannerFile_(bannerFile), web_(opener), mail_(opener) {
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
  ScaleBanner();
  InitLook(DesktopRect(), nullptr);
  return true;
}

void AboutDialog::ScaleBanner() {
  const HWND dlg = hwnd();
  const int k = FaceScaleForDpi(WindowDpi(dlg));
  HWND place = GetDlgItem(dlg, IDC_ABOUT_BANNER);
  if (k <= 1 || !place) return;
  Bitmap picture;
  char path[kProgramPathSize], scaled[kProgramPathSize];
  if (bannerFile_) {
    ProgramPath(bannerFile_, path);
    if (ScaledPictureName(path, k, scaled, sizeof scaled)) picture.Reset(LoadBitmapFile(scaled, LR_DEFAULTSIZE));
  }
  if (!picture) picture.Reset(EnlargeBitmap(StaticPicture(place), k));
  if (!picture) return;
  // The banner's place spans the dialog's width.
  RECT client{};
  GetClientRect(dlg, &client);
  if (HBITMAP fitted = ShrinkBitmapToFit(picture.get(), client.right, client.bottom)) picture.Reset(fitted);
  banner_ = std::move(picture);
  templateBanner_ = SetStaticPicture(place, banner_.get());
}

void AboutDialog::RestoreBanner() {
  if (!banner_) return;
  // The control gets back the picture it loaded, which it lets go of itself.
  SetStaticPicture(GetDlgItem(hwnd(), IDC_ABOUT_BANNER), templateBanner_);
  templateBanner_ = nullptr;
  banner_.Reset();
}

void AboutDialog::OnClose(int id, int, HWND) {
  web_.SetCursor(nullptr);
  mail_.SetCursor(nullptr);
  handCursor_.Reset();
  RestoreBanner();
  End(id);
}

void ShowAboutDialog(HWND owner, int cursorId, const char* bannerFile) {
  AboutDialog about(cursorId, &OpenLink, bannerFile);
  about.DoModal(owner, IDD_ABOUT);
}
