// System functions bound at run time by name, so that Ticora starts on every
// system even where a library or function is missing (the operation then
// returns 0), plus the help launcher.
#pragma once
#include <windows.h>

#include "controls/handles_win.h"  // EntryAs

// Plays a sound file asynchronously, without a default sound; a new sound cuts
// off the one still playing. Returns the playback function's result, 0 when missing.
BOOL PlaySoundFile(const char* path);

// Runs the open-file dialog; fileBuffer (260 bytes) holds the initial name and
// receives the chosen path. Non-zero when a file was chosen.
BOOL ShowOpenFileDialog(HWND owner, const char* filter, char* fileBuffer);

// Makes the window layered (always) and sets its alpha. 0 when the alpha
// function is missing.
BOOL SetWindowAlpha(HWND window, BYTE alpha);

// Dorvix.dll beside the program, loaded for the call and released after it.
BOOL CallAdjustSystemTime(const SYSTEMTIME* time);
BOOL CallShutDownComputer(BOOL force, BOOL restart);

// Opens the help page "Help\help.htm" (plus anchor, e.g. "#remind") in the
// browser; true when it was started.
bool OpenHelp(HWND owner, const char* anchor);
