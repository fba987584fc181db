// The sound-theme directory: "theme.ini" (section THEME: nMode, sClock01 ...
// sClock24) and the sound files it names. Shared by the clock's hourly chime and
// the theme editor.
#pragma once
#include <cstddef>
#include <functional>

#include "base/file_system.h"
#include "base/gbk_text.h"

constexpr const char* kThemeSection = "THEME";
constexpr const char* kThemeFileName = "theme.ini";
constexpr const char* kThemeModeKey = "nMode";
constexpr int kThemeDefaultMode = 12;
// An hour's value is read into a buffer of this size: 63 characters are used.
constexpr size_t kThemeValueSize = 64;
// Room for a composed path, terminator included (the platform's MAX_PATH).
constexpr size_t kThemePathSize = 260;
// Key names "sClock%02d" fit in this size.
constexpr size_t kThemeKeySize = 16;

// Separator put between a theme directory and a file name. Windows paths use a
// backslash; the native build uses the host's slash so themes work there too.
#ifdef _WIN32
constexpr char kThemePathSeparator = '\\';
#else
constexpr char kThemePathSeparator = '/';
#endif

// The cycle length a mode value stands for: 24 stays 24, every other value
// (0, negative, 7, 13, text that is no number read as 0 ...) is a 12-hour theme.
// No value can therefore become a divisor of 0.
int NormalizeThemeMode(int mode);

// Number k of the key sClock<k> holding the sound of a local hour (0..23; other
// values are reduced modulo the cycle): hour mod mode, a remainder of 0 giving
// the mode itself. mode is normalised first, so the result is 1..12 or 1..24.
int ThemeKeyForHour(int hour, int mode);

// "sClock%02d" with number, into out (kThemeKeySize bytes suffice).
void ThemeKeyName(int number, char* out, size_t outSize);

// The file name the theme editor stores for hour number n: "Hour%02d.wav".
void ThemeSoundFileName(int number, char* out, size_t outSize);

// dir + separator + name into out. No separator is added when dir already ends
// in a backslash or slash (a character of its own, not the second byte of a
// double-byte character). A result that would not fit in outSize leaves out
// empty and returns false: a cut path could name some other file.
// isLead tells the lead bytes of the code page the path is in.
bool JoinThemePath(const char* dir, const char* name, char* out, size_t outSize,
                   gbk::LeadByteRule isLead = gbk::IsLeadByte);

// nMode of a theme file exactly as stored (12 when the file or key is missing).
int ReadThemeModeRaw(const char* themeFile);
// nMode normalised: 24 or 12.
int ReadThemeMode(const char* themeFile);

// The value of sClock<number> ("" when missing), at most 63 characters of it
// whatever outSize is; returns the length copied.
size_t ReadThemeHourFile(const char* themeFile, int number, char* out, size_t outSize);

// The full path of the sound for a local hour of the theme in themeDir, reading
// "theme.ini" anew: dir + separator + value of the hour's key. An absent key
// gives the directory path with its separator, which is no playable sound. False
// (out empty) when a composed path does not fit.
bool ThemeSoundPathForHour(const char* themeDir, int hour, char* out, size_t outSize);

// Writes nMode, then sClock01 ... sClock<mode> in ascending order, each holding
// "Hour%02d.wav" of its own number, one profile write each; afterKey(n) runs right
// after key n was written (the editor copies that hour's sound there). mode is
// normalised to 12 or 24. Nothing is deleted from the file; other keys stay.
// True when every write succeeded (all are attempted regardless).
bool WriteTheme(const char* themeFile, int mode,
                const std::function<void(int number)>& afterKey = nullptr);

// Saves a theme as the editor does: the current file with nMode and
// sClock01 ... sClock<mode> set as WriteTheme sets them (its other lines kept)
// is written through WriteFileSafely (base/safe_replace.h), so that a failure
// leaves the old file whole and nothing of the save's own behind. afterKey(n)
// runs after key n was set (the editor copies that hour's sound there), for
// every hour, also when the file cannot be read or written. False when the
// file was not written; the profile bytes are edited by the INI engine's
// rules and code page, the file read and written through fs.
bool SaveTheme(FileSystem& fs, const char* themeFile, int mode,
               const std::function<void(int number)>& afterKey = nullptr);
