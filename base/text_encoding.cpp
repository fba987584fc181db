#include "base/text_encoding.h"

#include "base/gbk_text.h"

#include <cstdint>

namespace {

const char kUtf8Mark[] = "\xEF\xBB\xBF";
const char kUtf16LeMark[] = "\xFF\xFE";
const char kUtf16BeMark[] = "\xFE\xFF";
const char16_t kReplacement = 0xFFFD;

bool StartsWith(const std::string& s, const char* mark, size_t n) { return s.compare(0, n, mark, n) == 0; }

size_t UnitSize(TextEncoding e) { return (e == TextEncoding::kUtf16Le || e == TextEncoding::kUtf16Be) ? 2 : 1; }

// The code unit at s[i] (a byte for UTF-8, two bytes for UTF-16).
unsigned UnitAt(const std::string& s, size_t i, TextEncoding e) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(s.data()) + i;
  if (e == TextEncoding::kUtf16Le) return p[0] | (p[1] << 8);
  if (e == TextEncoding::kUtf16Be) return (p[0] << 8) | p[1];
  return p[0];
}

// Splits s from begin into lines that end after "\r\n", "\r" or "\n" in units
// of the encoding. An odd byte left over at the end of UTF-16 text joins the
// last line.
std::vector<std::string> SplitUnits(const std::string& s, size_t begin, TextEncoding e) {
  std::vector<std::string> lines;
  const size_t w = UnitSize(e);
  size_t start = begin, i = begin;
  while (i + w <= s.size()) {
    unsigned u = UnitAt(s, i, e);
    i += w;
    if (u == '\r' && i + w <= s.size() && UnitAt(s, i, e) == '\n') i += w;
    if (u == '\r' || u == '\n') {
      lines.push_back(s.substr(start, i - start));
      start = i;
    }
  }
  if (start < s.size()) lines.push_back(s.substr(start));
  return lines;
}

// Splits ANSI text into lines the way the profile engine does: a two-byte
// character is never split, not even by a line break after its first byte.
std::vector<std::string> SplitAnsi(const std::string& s) {
  std::vector<std::string> lines;
  size_t start = 0, i = 0;
  const size_t n = s.size();
  while (i < n) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c == '\r' || c == '\n') {
      i += (c == '\r' && i + 1 < n && s[i + 1] == '\n') ? 2 : 1;
      lines.push_back(s.substr(start, i - start));
      start = i;
    } else {
      i += (gbk::IsLeadByte(c) && i + 1 < n) ? 2 : 1;
    }
  }
  if (start < n) lines.push_back(s.substr(start));
  return lines;
}

void DecodeUtf8(const std::string& s, std::u16string* out) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(s.data());
  const size_t n = s.size();
  size_t i = 0;
  while (i < n) {
    unsigned c = p[i];
    size_t len = c < 0x80 ? 1 : (c >= 0xC2 && c <= 0xDF) ? 2 : (c >= 0xE0 && c <= 0xEF) ? 3
               : (c >= 0xF0 && c <= 0xF4) ? 4 : 0;
    uint32_t cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
    size_t k = 1;
    for (; len > 1 && k < len && i + k < n && (p[i + k] & 0xC0) == 0x80; ++k) cp = (cp << 6) | (p[i + k] & 0x3F);
    bool valid = len != 0 && k == len && !(len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) &&
                 !(len == 4 && (cp < 0x10000 || cp > 0x10FFFF));
    if (!valid) {
      out->push_back(kReplacement);
      i += k > 1 ? k : 1;  // a broken sequence reads as one replacement
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out->push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out->push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out->push_back(static_cast<char16_t>(cp));
    }
    i += len;
  }
}

void EncodeUtf8(const std::u16string& u, std::string* out) {
  for (size_t i = 0; i < u.size(); ++i) {
    uint32_t cp = u[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < u.size() && u[i + 1] >= 0xDC00 && u[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (u[++i] - 0xDC00);
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = kReplacement;
    }
    if (cp < 0x80) {
      out->push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out->push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out->push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
}

// The UTF-16 units of one line in the encoding.
std::u16string UnitsOf(const std::string& line, TextEncoding e) {
  std::u16string u;
  if (e == TextEncoding::kUtf8) {
    DecodeUtf8(line, &u);
    return u;
  }
  size_t i = 0;
  for (; i + 2 <= line.size(); i += 2) u.push_back(static_cast<char16_t>(UnitAt(line, i, e)));
  if (i < line.size()) u.push_back(kReplacement);
  return u;
}

std::string BytesOf(const std::u16string& u, TextEncoding e) {
  std::string out;
  if (e == TextEncoding::kUtf8) {
    EncodeUtf8(u, &out);
    return out;
  }
  out.reserve(u.size() * 2);
  for (char16_t c : u) {
    char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>(c >> 8);
    if (e == TextEncoding::kUtf16Le) {
      out.push_back(lo);
      out.push_back(hi);
    } else {
      out.push_back(hi);
      out.push_back(lo);
    }
  }
  return out;
}

}  // namespace

void AsciiCodePage::FromUtf16(const char16_t* units, size_t count, std::string* out) {
  for (size_t i = 0; i < count; ++i) {
    if (units[i] >= 0xD800 && units[i] <= 0xDBFF && i + 1 < count && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) ++i;
    out->push_back(units[i] < 0x80 ? static_cast<char>(units[i]) : '?');
  }
}

void AsciiCodePage::ToUtf16(const char* bytes, size_t count, std::u16string* out) {
  for (size_t i = 0; i < count; ++i) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    out->push_back(c < 0x80 ? static_cast<char16_t>(c) : kReplacement);
  }
}

#ifndef _WIN32
AnsiCodePage& DefaultAnsiCodePage() {
  static AsciiCodePage ascii;
  return ascii;
}
#endif

EncodedText::EncodedText(std::string bytes, AnsiCodePage& codePage) : codePage_(&codePage) {
  if (StartsWith(bytes, kUtf8Mark, 3)) {
    encoding_ = TextEncoding::kUtf8;
    mark_.assign(kUtf8Mark, 3);
  } else if (StartsWith(bytes, kUtf16LeMark, 2)) {
    encoding_ = TextEncoding::kUtf16Le;
    mark_.assign(kUtf16LeMark, 2);
  } else if (StartsWith(bytes, kUtf16BeMark, 2)) {
    encoding_ = TextEncoding::kUtf16Be;
    mark_.assign(kUtf16BeMark, 2);
  } else {
    ansi_ = std::move(bytes);
    return;
  }
  rawLines_ = SplitUnits(bytes, mark_.size(), encoding_);
  for (const std::string& raw : rawLines_) {
    const std::u16string units = UnitsOf(raw, encoding_);
    std::string line;
    codePage_->FromUtf16(units.data(), units.size(), &line);
    ansiLines_.push_back(line);
    ansi_ += line;
  }
}

std::string EncodedText::Encode(const std::string& ansi) const {
  if (encoding_ == TextEncoding::kAnsi) return ansi;
  const std::vector<std::string> lines = SplitAnsi(ansi);
  // The edit lies between the unchanged lines at the start and at the end.
  size_t head = 0;
  while (head < lines.size() && head < ansiLines_.size() && lines[head] == ansiLines_[head]) ++head;
  size_t tail = 0;
  while (tail < lines.size() - head && tail < ansiLines_.size() - head &&
         lines[lines.size() - 1 - tail] == ansiLines_[ansiLines_.size() - 1 - tail])
    ++tail;
  std::string out = mark_;
  for (size_t i = 0; i < head; ++i) out += rawLines_[i];
  for (size_t i = head; i < lines.size() - tail; ++i) {
    size_t kept = 0;
    if (i == head && head < ansiLines_.size() - tail) {
      // A last line without a break that the edit only extended (a break and
      // new lines after it) keeps its bytes too.
      const std::string& old = ansiLines_[head];
      const bool unbroken = old.empty() || (old.back() != '\n' && old.back() != '\r');
      const bool whole = rawLines_[head].size() % UnitSize(encoding_) == 0;  // no odd byte
      if (unbroken && whole && lines[i].compare(0, old.size(), old) == 0) {
        out += rawLines_[head];
        kept = old.size();
      }
    }
    std::u16string units;
    codePage_->ToUtf16(lines[i].data() + kept, lines[i].size() - kept, &units);
    out += BytesOf(units, encoding_);
  }
  for (size_t i = rawLines_.size() - tail; i < rawLines_.size(); ++i) out += rawLines_[i];
  return out;
}
