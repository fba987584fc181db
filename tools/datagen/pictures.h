// Pictures other than skins: the dialog image strip, program icons, the
// hyperlink cursor, the message-board and countdown pictures, About banners.
#pragma once

#include <string>
#include <vector>

#include "tools/datagen/canvas.h"
#include "tools/datagen/encoders.h"

namespace datagen {

// Mask colour of the image strip: its pixels are transparent in the dialogs.
constexpr uint8_t kStripMaskR = 192, kStripMaskG = 220, kStripMaskB = 192;
constexpr int kStripImageSize = 32;
constexpr int kStripImageCount = 12;

// The pictures below take a scale k: drawn k times larger from the same
// artwork (k = 1: the pictures themselves).
Image MakeImageStrip(int k = 1);

enum class IconKind { Clock, ThemeEditor, Helper };
// Icon file with 16 x 16 and 32 x 32 pictures in 256 colours and 16, 32 and
// 48 pixel pictures with an alpha channel.
Bytes MakeIconFile(IconKind kind);

// 32 x 32 pointing hand; '#' black, '.' white, ' ' transparent.
std::vector<std::string> HandCursorPixels();
constexpr int kHandHotX = 5, kHandHotY = 0;  // the fingertip

Image MakeMessageBoardPicture(int k = 1);        // 320 x 180 at 1x
Image MakeWarningPicture(int k = 1);             // 273 x 50 at 1x
Image MakeAboutBanner(IconKind kind, int k = 1);  // 280 x 50 at 1x

}  // namespace datagen
