#include "clock/program_resources_win.h"

#include "base/bitmap_file_win.h"
#include "base/picture_scale.h"
#include "base/program_path.h"
#include "controls/dpi_win.h"
#include "controls/handles_win.h"
#include "controls/picture_scale_win.h"
#include "resources/app_ids.h"

namespace {

Icon g_programIcon;
Icon g_smallProgramIcon;
HIMAGELIST g_skinImages = nullptr;

const COLORREF kSkinMaskColour = RGB(192, 220, 192);
const int kStripImageSize = 32;

}  // namespace

HIMAGELIST LoadImageStrip(const char* stripPath, int k) {
  if (k <= 1) {
    if (!BitmapFileLoadable(stripPath)) return nullptr;
    return ImageList_LoadImageA(nullptr, stripPath, kStripImageSize, 1, kSkinMaskColour, IMAGE_BITMAP,
                                LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  }
  const int size = kStripImageSize * k;
  char scaledPath[kProgramPathSize];
  if (ScaledPictureName(stripPath, k, scaledPath, sizeof scaledPath) && BitmapFileLoadable(scaledPath)) {
    if (HIMAGELIST drawn = ImageList_LoadImageA(nullptr, scaledPath, size, 1, kSkinMaskColour, IMAGE_BITMAP,
                                                LR_LOADFROMFILE | LR_CREATEDIBSECTION))
      return drawn;
  }
  Bitmap strip(LoadScaledPicture(stripPath, k));
  BITMAP bm{};
  if (!strip || !GetObjectA(strip.get(), sizeof bm, &bm) || bm.bmWidth < size || bm.bmHeight < size) return nullptr;
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, bm.bmWidth / size, 1);
  if (list && ImageList_AddMasked(list, strip.get(), kSkinMaskColour) < 0) {
    ImageList_Destroy(list);
    list = nullptr;
  }
  return list;
}

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
  // The dialogs are laid out at the system's DPI: their images come at the
  // scale it gives.
  g_skinImages = LoadImageStrip(stripPath, FaceScaleForDpi(WindowDpi(nullptr)));
}

void ReleaseSkinImageList() {
  if (!g_skinImages) return;
  ImageList_Destroy(g_skinImages);
  g_skinImages = nullptr;
}
