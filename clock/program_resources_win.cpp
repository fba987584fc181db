#include "clock/program_resources_win.h"

#include "base/bitmap_file_win.h"
#include "base/program_path.h"
#include "controls/handles_win.h"
#include "resources/app_ids.h"

namespace {

Icon g_programIcon;
Icon g_smallProgramIcon;
HIMAGELIST g_skinImages = nullptr;

const COLORREF kSkinMaskColour = RGB(192, 220, 192);

}  // namespace

HICON ProgramIcon() { return g_programIcon.get(); }

HICON SmallProgramIcon() { return g_smallProgramIcon ? g_smallProgramIcon.get() : g_programIcon.get(); }

HIMAGELIST SkinImageList() { return g_skinImages; }

void LoadProgramIcon() {
  if (g_programIcon) return;
  g_programIcon.Reset(static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
  // The notification area shows small icons: the image of that size (20 at
  // 125 %, 32 at 200 %) rather than the large one shrunk.
  g_smallProgramIcon.Reset(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM),
                                                         IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                         GetSystemMetrics(SM_CYSMICON), 0)));
}

void ReleaseProgramIcon() {
  g_smallProgramIcon.Reset();
  g_programIcon.Reset();
}

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
