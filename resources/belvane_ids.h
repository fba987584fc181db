// Belvane, the sound-theme editor: editor template and controls.
#pragma once

#define IDD_THEME_EDITOR 129
#define IDC_MODE_12 1002
#define IDC_MODE_24 1003
#define IDC_HOUR_LIST 1004
#define IDC_TRY_SOUND 1005
#define IDC_BROWSE_SOUND 1006
#define IDC_OPEN_THEME 1007
#define IDC_SAVE_THEME 1008
#define IDC_EDITOR_ABOUT 57664
