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
  // their targets.
  explicit AboutDialog(int cursorId, HyperLink::Opener opener = &OpenLink);

  const HyperLink& WebLink() const { return web_; }
  const HyperLink& MailLink() const { return mail_; }
  HCURSOR HandCursor() const { return handCursor_.get(); }

 private:
  bool OnInitDialog(HWND focus);
  void OnClose(int id, int code, HWND control);

  int cursorId_;
  Cursor handCursor_;
  HyperLink web_;
  HyperLink mail_;
};

// Runs the About box of template IDD_ABOUT modally over owner (the window
// active when the command came).
void ShowAboutDialog(HWND owner, int cursorId);
