// Shutdown countdown dialog: template and control identifiers.
#pragma once

#define IDD_SHUTDOWN_COUNTDOWN 209
#define IDC_COUNTDOWN_LEAD 1046
#define IDC_COUNTDOWN_SECONDS 1047
#define IDC_COUNTDOWN_ACTION 1048
#define IDC_COUNTDOWN_PICTURE 1049
#define IDC_COUNTDOWN_EXECUTE 1050
