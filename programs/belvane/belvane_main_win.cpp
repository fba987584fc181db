// Belvane's entry point: common controls, the framework's module state, and
// the editor dialog, whose result is the exit code (1 after "关闭", 2 after
// Esc or the close box).
#include <windows.h>
#include <commctrl.h>

#include "controls/module_win.h"
#include "resources/belvane_ids.h"
#include "themeedit/theme_editor_dialog_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Bar and cool classes, and the list view the editor shows: a comctl32
  // that registers its classes on request only would otherwise fail the dialog.
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  module::Init(instance);
  INT_PTR result = 0;
  {
    ThemeEditorDialog editor;
    result = editor.DoModal(GetActiveWindow(), IDD_THEME_EDITOR);
  }
  module::Shutdown();
  return static_cast<int>(result);
}
