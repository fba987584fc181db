#include "clock/program_resources_win.h"

#include "base/bitmap_file_win.h"
#include "base/program_path.h"
#include "controls/handles_win.h"
#include "resources/app_ids.h"

namespace {

Icon g_programIcon;
HIMAGELIST g_skinImages = nullptr;

const COLORREF kSkinMaskColour = RGB(192, 220, 192);

}  // namespace

HICON ProgramIcon() { return g_programIcon.get(); }

HIMAGELIST SkinImageList() { return g_skinImages; }

void LoadProgramIcon() {
  if (g_programIcon) return;
  g_programIcon.Reset(static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
}

void ReleaseProgramIcon() { g_programIcon.Reset(); }

void LoadSkinImageList() {
  if (g_skinImages) return;
  char stripPath[kProgramPathSize];
  ProgramPath("clockIcons_combin.bmp", stripPath);
  if (BitmapFileLoadable(stripPath))
    g_skinImages = ImageList_LoadImageA(nullptr, stripPath, 32, 1, kSkinMaskColour, IMAGE_BITMAP,
                                        LR_LOADFROMFILE | LR_CREATEDIBSECTION);
}

void ReleaseSkinImageList() {
  if (!g_skinImages) return;
  ImageList_Destroy(g_skinImages);
  g_skinImages = nullptr;
}
