// The About boxes of both programs: template, controls, banners and hand cursors.
#pragma once

#define IDD_ABOUT 100
#define IDC_ABOUT_WEB_LINK 1000
#define IDC_ABOUT_MAIL_LINK 1001
#define IDC_ABOUT_BANNER 1002

// Ticora's banner and hand cursor.
#define IDB_ABOUT_TICORA 208
#define IDC_HAND_TICORA 203
// Belvane's banner and hand cursor.
#define IDB_ABOUT_BELVANE 201
#define IDC_HAND_BELVANE 202
