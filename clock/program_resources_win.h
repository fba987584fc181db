// Process-wide resources that the desktop clock creates and the dialogs share:
// the program icon (icon resource 128) and the image strip of the dialog
// headers ("clockIcons_combin.bmp", 32-pixel images at 96 DPI, 32k pixels at
// face scale k).
#pragma once
#include <windows.h>
#include <commctrl.h>

// Null until the desktop clock has loaded them (and after it released them).
HICON ProgramIcon();
// The program icon at the system's small-icon size, for the notification
// area (the large one where no small one could be loaded).
HICON SmallProgramIcon();
HIMAGELIST SkinImageList();

// Loads the program icon once; later calls keep the one loaded.
void LoadProgramIcon();
void ReleaseProgramIcon();
// Loads the image strip from the program directory once, at the scale of the
// system's DPI ("clockIcons_combin@2x.bmp" where there is one, else the 1x
// strip enlarged); a missing or damaged file leaves none.
void LoadSkinImageList();
// The image strip of stripPath at scale k: images of 32k pixels, from the
// file drawn for k ("name@2x.bmp") where it loads, else the 1x strip
// enlarged; the mask colour is transparent. Null when nothing loads.
HIMAGELIST LoadImageStrip(const char* stripPath, int k);
void ReleaseSkinImageList();
