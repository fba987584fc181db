#include "dialogs/dialog_look_win.h"

#include <commctrl.h>

#include "clock/program_resources_win.h"

// Apart from the dialog look, so that a program without the clock's image
// strip (the theme editor) links none of it.
void DrawHeaderImage(HDC dc, int index, int x, int y) {
  HIMAGELIST images = SkinImageList();
  if (images && dc) ImageList_Draw(images, index, dc, x, y, ILD_TRANSPARENT);
}
