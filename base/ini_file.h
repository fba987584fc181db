// Private-profile (INI) files: sections and keys matched without regard to case,
// defaults for a missing file, section or key, leading-number integer reads,
// reads truncated to the caller's buffer, writes that replace a value in place
// and keep every other line. Behaves like the platform's profile functions.
//
// A file that starts with a byte-order mark (UTF-8, UTF-16LE or UTF-16BE) is read
// converted to the ANSI code page, and a write keeps its encoding and its mark
// (base/text_encoding.h).
//
// Text is handled as bytes in the GBK code page: a byte 0x81-0xFE starts a
// two-byte character, so the second byte of such a character is never taken for
// "[", "]", "=", a line break or a letter to fold. Only ASCII letters fold, and
// only ASCII white space and Ctrl-Z count as blanks around names and values.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// A file larger than this is unreadable: reads give their defaults and
// writes fail, leaving it as it is (it is never read whole into memory).
constexpr size_t kMaxIniFileBytes = 1u << 20;

// Copies the value (or def when missing) into out, at most outSize - 1 bytes plus
// the terminator; returns the number of bytes copied, terminator excluded.
// Trailing spaces of def are dropped; a value in matching quotes loses them. A
// NULL section or key gives def.
size_t IniReadString(const char* file, const char* section, const char* key,
                     const char* def, char* out, size_t outSize);

// The leading number of the value: blanks, an optional sign, then decimal digits
// (or, as the platform accepts, digits after a "0x", "0o" or "0b" prefix);
// arithmetic wraps at 32 bits and only the first 29 characters count. A value
// without digits gives 0; a missing or empty value gives def.
int IniReadInt(const char* file, const char* section, const char* key, int def);

// Creates the file, section or key as needed; otherwise replaces the value in place.
// A NULL value deletes the key's line. The file is rewritten through
// WriteFileSafely (base/safe_replace.h): a failure at any point leaves the old
// or the new content, whole; a replacement interrupted earlier is finished
// first. Fails, leaving the file as it was, for a
// NULL section or key or for a section, key or value holding a line break.
bool IniWriteString(const char* file, const char* section, const char* key, const char* value);

// The files IniWriteString reads and replaces: DefaultFileSystem() unless a
// test sets another (nullptr restores the default).
class FileSystem;
void SetIniFileSystem(FileSystem* fs);

// The ANSI code page that files saved in Unicode are converted through:
// DefaultAnsiCodePage() unless a test sets another (nullptr restores it).
class AnsiCodePage;
void SetIniCodePage(AnsiCodePage* codePage);

// A whole file's bytes after edit changed its text: a file with a byte-order
// mark is edited as ANSI text and keeps its encoding and mark, as
// IniWriteString keeps them.
class IniDocument;
std::string IniEditBytes(std::string bytes, const std::function<void(IniDocument&)>& edit);

// Writes value as "%d" text.
bool WriteIniInt(const char* file, const char* section, const char* key, int value);

// One INI file held in memory as its exact bytes plus an index of its lines.
// Lookups follow the profile rules; edits change only the bytes they must.
class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(std::string bytes);

    const std::string& Bytes() const { return text_; }

    // The raw value of key in section (surrounding blanks removed, quotes kept,
    // cut at an embedded NUL). False when the section or key is missing or the
    // key's line has no "=".
    bool Find(const char* section, const char* key, std::string* value) const;

    // Sets key in section to value (leading blanks of value dropped). Returns
    // whether the bytes changed.
    bool Set(const char* section, const char* key, const char* value);

    // Removes the first line of key in any section of that name (names compared
    // without trimming). Returns whether the bytes changed.
    bool Remove(const char* section, const char* key);

private:
    struct Line {
        size_t begin = 0;       // first byte of the line
        size_t contentEnd = 0;  // where the line break starts
        size_t end = 0;         // after the line break
        size_t nameBegin = 0, nameEnd = 0;    // section or key name
        size_t equals = 0;                    // position of "=" in a key line
        size_t valueBegin = 0, valueEnd = 0;  // value after "=", trimmed
        size_t textEnd = 0;     // end of the line without trailing blanks
        bool blank = true;
        bool section = false;
        bool hasValue = false;  // key line with "="
    };

    void Index();
    // Index of the header line of the first section named name; -1 for the lines
    // before the first header (name ""); -2 when missing.
    long FindSection(const std::string& name, size_t from, size_t* sectionEnd) const;
    long FindKeyLine(long header, size_t sectionEnd, const std::string& key) const;
    bool NameEquals(const Line& line, const std::string& name) const;

    std::string text_;
    std::vector<Line> lines_;
};
