// The editor's model of a theme, as its hour list shows it: 24 rows (row r is
// hour r + 1) with a sound path each and an item data value that tells whether
// the hour belongs to the current mode. Row texts and colours, opening a theme
// file into the rows, and the file dialog's structure size.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/gbk_text.h"

constexpr int kHourRows = 24;
// Item data of a row: its hour belongs to the mode, or not (high word 1).
constexpr uintptr_t kRowActive = 0;
constexpr uintptr_t kRowInactive = 0x10000;
// Text colours of active and inactive rows (0x00BBGGRR).
constexpr uint32_t kActiveRowColour = 0xFF8000;    // RGB(0, 128, 255)
constexpr uint32_t kInactiveRowColour = 0x0080FF;  // RGB(255, 128, 0)
// Path buffers of the editor: 259 characters and the terminator.
constexpr size_t kEditorPathSize = 260;

// Item data for row (0-based) in mode: active for the rows below the mode.
uintptr_t RowDataFor(int row, int mode);
// The text colour item data asks for; false for a value that is neither
// active nor inactive (the colour is then left alone).
bool RowColour(uintptr_t itemData, uint32_t* colour);
// Column 0 of a row: " %d 点钟" with hour row + 1.
std::string HourRowTitle(int row);

// The directory of path with its trailing separator: at most 259 bytes of
// path (never half a double-byte character), cut after the last "\" or "/"
// that is a character of its own. "" when there is none.
// isLead tells the lead bytes of the system's code page.
std::string DirectoryOf(const char* path, gbk::LeadByteRule isLead = gbk::IsLeadByte);

// What opening a theme file puts into the editor.
struct OpenedTheme {
  int mode = 12;               // nMode exactly as stored (12 when missing)
  uintptr_t rowData[kHourRows] = {};
  std::string sounds[kHourRows];  // directory + value for active rows, "" otherwise
};
// Reads the chosen file (whatever its name) as a theme: nMode unchanged; rows
// below the mode (at most 24) active with the file's directory directly
// followed by their value; the other rows inactive and without sound.
OpenedTheme OpenThemeFile(const char* chosenPath, gbk::LeadByteRule isLead = gbk::IsLeadByte);

// The byte size of the open/save file dialog's structure: the full 88 bytes on
// systems from version 5 and from 4.90 on, else the 76 bytes older systems
// know. versionKnown false (the query failed) gives the old size.
unsigned long FileDialogStructSize(bool versionKnown, unsigned long major, unsigned long minor);
