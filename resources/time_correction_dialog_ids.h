// Time correction dialog: template and control identifiers.
#pragma once

#define IDD_TIME_CORRECTION 207
#define IDC_CURRENT_DATE 1041
#define IDC_CURRENT_TIME 1042
#define IDC_NEW_DATE 1043
#define IDC_CORRECT_TIME 1044
#define IDC_NEW_TIME 1045
