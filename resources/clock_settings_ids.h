// Clock settings dialog: template and control identifiers.
#pragma once

#define IDD_CLOCK_SETTINGS 204
#define IDC_THEME_DIRECTORY 1009
#define IDC_THEME_TRY 1032
#define IDC_THEME_BROWSE 1010
#define IDC_REMINDER_LIST 1011
#define IDC_REMINDER_ADD 1013
#define IDC_REMINDER_DELETE 1014
#define IDC_REMINDER_EDIT 1015
#define IDC_CLOCK_SETTINGS_HELP 1008
