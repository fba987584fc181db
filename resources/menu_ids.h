// The tray menu (menu resource 201) and its commands.
#pragma once

#define IDR_TRAY_MENU 201

#define IDM_CLOSE 32773
#define IDM_ABOUT 32774
#define IDM_PROGRAM_SETTINGS 32775
#define IDM_CLOCK_SETTINGS 32776
#define IDM_SHOW_HIDE 32777
#define IDM_TIME_CORRECTION 32778
#define IDM_HELP 32779
#define IDM_CALENDAR 32780
