// The About box both programs show from their own template 100: banner,
// program icon, name and version, and two links (web page and support mail)
// with the program's hand cursor. Everything that differs between the
// programs is in their templates and the cursor resource they name.
#pragma once
#include <windows.h>

#include "controls/hyperlink_win.h"
#include "controls/handles_win.h"
#include "dialogs/dialog_look_win.h"
#include "resources/about_dialog_ids.h"

class AboutDialog : public LookedDialog {
 public:
  // cursorId: the program's hand cursor resource; opener: how the links open
  // their targets; bannerFile: the banner's file name, whose pictures drawn
  // for larger scales ("name@2x.bmp") lie in the program's folder (null: the
  // template's banner, enlarged at larger scales).
  explicit AboutDialog(int cursorId, HyperLink::Opener opener = &OpenLink, const char* bannerFile = nullptr);

  const HyperLink& WebLink() const { return web_; }
  const HyperLink& MailLink() const { return mail_; }
  HCURSOR HandCursor() const { return handCursor_.get(); }
  // The banner shown in place of the template's at a scale above 1 (null at 1).
  HBITMAP ScaledBanner() const { return banner_.get(); }

 private:
  bool OnInitDialog(HWND focus);
  void OnClose(int id, int code, HWND control);
  // At a scale above 1: the banner drawn for it, else the template's enlarged,
  // in the banner's place (shrunk where it would not fit).
  void ScaleBanner();
  void RestoreBanner();

  int cursorId_;
  const char* bannerFile_;
  Bitmap banner_;
  HBITMAP templateBanner_ = nullptr;
  Cursor handCursor_;
  HyperLink web_;
  HyperLink mail_;
};

// Runs the About box of template IDD_ABOUT modally over owner (the window
// active when the command came); bannerFile as for AboutDialog.
void ShowAboutDialog(HWND owner, int cursorId, const char* bannerFile);
