// Settings files that an editor saved in Unicode. A byte-order mark at the start
// tells the encoding (UTF-8, UTF-16 little- or big-endian); without one the file
// is ANSI text and passes through untouched. The profile engine works on ANSI
// (GBK) bytes, so a Unicode file is handed to it converted through the ANSI code
// page, and written back in its own encoding with its mark. Only the lines whose
// ANSI text changed are encoded anew; every other line keeps its original bytes,
// so characters the ANSI code page cannot hold survive a write elsewhere in the
// file.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

// Conversion between the ANSI code page and UTF-16.
class AnsiCodePage {
 public:
  virtual ~AnsiCodePage() = default;
  // Appends the ANSI form of count UTF-16 units; a character the code page
  // cannot hold becomes a replacement character ("?").
  virtual void FromUtf16(const char16_t* units, size_t count, std::string* out) = 0;
  // Appends the UTF-16 form of count ANSI bytes.
  virtual void ToUtf16(const char* bytes, size_t count, std::u16string* out) = 0;
};

// Holds ASCII only: every other character becomes "?". The portable fallback.
class AsciiCodePage : public AnsiCodePage {
 public:
  void FromUtf16(const char16_t* units, size_t count, std::string* out) override;
  void ToUtf16(const char* bytes, size_t count, std::u16string* out) override;
};

// The system's ANSI code page in the Windows build, AsciiCodePage natively.
AnsiCodePage& DefaultAnsiCodePage();

enum class TextEncoding { kAnsi, kUtf8, kUtf16Le, kUtf16Be };

class EncodedText {
 public:
  // Decodes a file's bytes. An odd byte at the end of UTF-16 text and bytes
  // that are not UTF-8 in a UTF-8 file read as replacement characters.
  EncodedText(std::string bytes, AnsiCodePage& codePage);

  TextEncoding Encoding() const { return encoding_; }
  // The text as ANSI bytes (the bytes themselves for an ANSI file).
  const std::string& Ansi() const { return ansi_; }
  // The file's bytes holding ansi: the same encoding and mark; a line whose ANSI
  // text is unchanged before and after the edited lines keeps its bytes.
  std::string Encode(const std::string& ansi) const;

 private:
  TextEncoding encoding_ = TextEncoding::kAnsi;
  AnsiCodePage* codePage_;
  std::string mark_;
  std::vector<std::string> rawLines_;   // each line with its break, as in the file
  std::vector<std::string> ansiLines_;  // the same lines converted
  std::string ansi_;
};
