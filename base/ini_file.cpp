#include "base/ini_file.h"

#include "base/gbk_text.h"
#include "base/safe_replace.h"
#include "base/text_encoding.h"
#include "base/text_format.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

namespace {

bool IsLeadByte(char c) { return gbk::IsLeadByte(static_cast<unsigned char>(c)); }

// Length of the character at s[i], never reaching end.
size_t CharLen(const char* s, size_t i, size_t end) {
    return (IsLeadByte(s[i]) && i + 1 < end) ? 2 : 1;
}

// Length of the blank character at s[i] (0 when it is not blank): ASCII white
// space and Ctrl-Z, an old end-of-file mark.
size_t BlankLen(const char* s, size_t i, size_t end) {
    (void)end;
    unsigned char c = static_cast<unsigned char>(s[i]);
    return (c == ' ' || (c >= 0x09 && c <= 0x0D) || c == 0x1A) ? 1 : 0;
}

// Narrows [b, e) of s to its part without leading and trailing blanks.
void Trim(const char* s, size_t* b, size_t* e) {
    size_t i = *b;
    while (i < *e) {
        size_t w = BlankLen(s, i, *e);
        if (!w) break;
        i += w;
    }
    *b = i;
    size_t last = i;
    while (i < *e) {
        size_t w = BlankLen(s, i, *e);
        size_t len = w ? w : CharLen(s, i, *e);
        i += len;
        if (!w) last = i;
    }
    *e = last;
}

std::string Trimmed(const char* s) {
    size_t b = 0, e = std::strlen(s);
    Trim(s, &b, &e);
    return std::string(s + b, e - b);
}

// A character folded for comparison without regard to case: only ASCII letters
// fold; two-byte characters compare as they are.
unsigned FoldChar(const char* s, size_t len) {
    unsigned a = static_cast<unsigned char>(s[0]);
    if (len == 1) return (a >= 'A' && a <= 'Z') ? a + 32 : a;
    return 0x10000u | (a << 8) | static_cast<unsigned char>(s[1]);
}

bool NamesEqual(const char* a, size_t an, const char* b, size_t bn) {
    size_t i = 0, j = 0;
    while (i < an && j < bn) {
        size_t la = CharLen(a, i, an), lb = CharLen(b, j, bn);
        if (la != lb || FoldChar(a + i, la) != FoldChar(b + j, lb)) return false;
        i += la;
        j += lb;
    }
    return i == an && j == bn;
}

// Length of s up to its first NUL: names and values end there.
size_t CutAtNul(const char* s, size_t n) {
    const void* z = std::memchr(s, '\0', n);
    return z ? static_cast<size_t>(static_cast<const char*>(z) - s) : n;
}

bool HasLineBreak(const char* s) {
    return std::strchr(s, '\r') != nullptr || std::strchr(s, '\n') != nullptr;
}

// Reads the whole file. On failure *missing tells whether the file does not exist.
bool ReadFileBytes(const char* path, std::string* out, bool* missing) {
    *missing = false;
    errno = 0;
    FILE* f = std::fopen(path, "rb");
    if (!f) {
        *missing = (errno == ENOENT);
        return false;
    }
    char buf[4096];
    size_t got;
    while (out->size() <= kMaxIniFileBytes && (got = std::fread(buf, 1, sizeof buf, f)) > 0) out->append(buf, got);
    bool ok = !std::ferror(f) && out->size() <= kMaxIniFileBytes;
    std::fclose(f);
    return ok;
}

FileSystem* g_iniFiles = nullptr;

FileSystem& IniFiles() { return g_iniFiles ? *g_iniFiles : DefaultFileSystem(); }

AnsiCodePage* g_iniCodePage = nullptr;

AnsiCodePage& IniCodePage() { return g_iniCodePage ? *g_iniCodePage : DefaultAnsiCodePage(); }

// Reads the whole file through fs. On failure *missing tells whether the file
// does not exist.
bool ReadFileBytes(FileSystem& fs, const char* path, std::string* out, bool* missing) {
    std::unique_ptr<FileStream> f = fs.OpenRead(path);
    if (!f) {
        *missing = !fs.Exists(path);
        return false;
    }
    *missing = false;
    const int64_t size = f->Size();
    if (size < 0 || static_cast<uint64_t>(size) > kMaxIniFileBytes) return false;
    char buf[4096];
    size_t got;
    while (out->size() <= kMaxIniFileBytes && (got = f->Read(buf, sizeof buf)) > 0) out->append(buf, got);
    return static_cast<uint64_t>(size) == out->size();
}

// The default the caller passed, without its trailing spaces.
std::string DefaultText(const char* def) {
    std::string d = def ? def : "";
    while (!d.empty() && d.back() == ' ') d.pop_back();
    return d;
}

// Copies src into out (outSize > 0), cut to outSize - 1 bytes without splitting a
// two-byte character; with stripQuotes a value enclosed in a matching pair of
// single or double quotes loses them. Returns the bytes copied.
size_t CopyOut(const std::string& src, bool stripQuotes, char* out, size_t outSize) {
    const char* p = src.data();
    size_t n = src.size();
    if (stripQuotes && n >= 2 && (p[0] == '"' || p[0] == '\'') && p[n - 1] == p[0]) {
        ++p;
        n -= 2;
    }
    size_t room = outSize - 1;
    size_t len = 0;
    while (len < n) {
        size_t c = CharLen(p, len, n);
        if (len + c > room) break;
        len += c;
    }
    std::memcpy(out, p, len);
    out[len] = '\0';
    return len;
}

// The text a string read returns before it is cut to the caller's buffer, and
// whether quotes around it are removed.
std::string LookUp(const char* file, const char* section, const char* key,
                   const std::string& def, bool* stripQuotes) {
    *stripQuotes = false;
    std::string bytes;
    bool missing;
    if (!file || !ReadFileBytes(file, &bytes, &missing)) return def;
    *stripQuotes = true;
    if (!section || !key) return def;
    EncodedText text(std::move(bytes), IniCodePage());
    IniDocument doc(text.Ansi());
    std::string value;
    return doc.Find(section, key, &value) ? value : def;
}

}  // namespace

IniDocument::IniDocument(std::string bytes) : text_(std::move(bytes)) { Index(); }

void IniDocument::Index() {
    lines_.clear();
    const char* s = text_.data();
    const size_t n = text_.size();
    size_t i = 0;
    while (i < n) {
        Line line;
        line.begin = i;
        // A two-byte character swallows its second byte even when that is a line break.
        size_t j = i;
        while (j < n && s[j] != '\r' && s[j] != '\n') j += CharLen(s, j, n);
        line.contentEnd = j;
        if (j < n) j += (s[j] == '\r' && j + 1 < n && s[j + 1] == '\n') ? 2 : 1;
        line.end = j;

        size_t b = line.begin, e = line.contentEnd;
        Trim(s, &b, &e);
        line.textEnd = e;
        if (b < e) {
            line.blank = false;
            size_t close = 0;
            bool closed = false;
            if (s[b] == '[') {
                for (size_t k = b; k < e; k += CharLen(s, k, e)) {
                    if (s[k] == ']') {
                        close = k;
                        closed = true;
                    }
                }
            }
            if (closed) {
                line.section = true;
                line.nameBegin = b + 1;
                line.nameEnd = close;
                Trim(s, &line.nameBegin, &line.nameEnd);
            } else {
                size_t eq = b;
                while (eq < e && s[eq] != '=') eq += CharLen(s, eq, e);
                line.nameBegin = b;
                line.nameEnd = eq;
                if (eq < e) {
                    size_t nb = b;
                    Trim(s, &nb, &line.nameEnd);
                    line.hasValue = true;
                    line.equals = eq;
                    line.valueBegin = eq + 1;
                    line.valueEnd = e;
                    Trim(s, &line.valueBegin, &line.valueEnd);
                }
            }
        }
        lines_.push_back(line);
        i = j;
    }
}

bool IniDocument::NameEquals(const Line& line, const std::string& name) const {
    const char* s = text_.data() + line.nameBegin;
    size_t n = CutAtNul(s, line.nameEnd - line.nameBegin);
    return NamesEqual(s, n, name.data(), name.size());
}

long IniDocument::FindSection(const std::string& name, size_t from, size_t* sectionEnd) const {
    // The lines before the first header form a section without a name.
    if (from == 0 && name.empty()) {
        size_t k = 0;
        while (k < lines_.size() && !lines_[k].section) ++k;
        *sectionEnd = k;
        return -1;
    }
    for (size_t h = from; h < lines_.size(); ++h) {
        if (!lines_[h].section || !NameEquals(lines_[h], name)) continue;
        size_t k = h + 1;
        while (k < lines_.size() && !lines_[k].section) ++k;
        *sectionEnd = k;
        return static_cast<long>(h);
    }
    return -2;
}

long IniDocument::FindKeyLine(long header, size_t sectionEnd, const std::string& key) const {
    for (size_t k = static_cast<size_t>(header + 1); k < sectionEnd; ++k) {
        const Line& line = lines_[k];
        if (!line.blank && !line.section && NameEquals(line, key)) return static_cast<long>(k);
    }
    return -1;
}

bool IniDocument::Find(const char* section, const char* key, std::string* value) const {
    if (!section || !key) return false;
    size_t end = 0;
    long header = FindSection(Trimmed(section), 0, &end);
    if (header == -2) return false;
    long k = FindKeyLine(header, end, Trimmed(key));
    if (k < 0 || !lines_[k].hasValue) return false;
    const Line& line = lines_[k];
    const char* v = text_.data() + line.valueBegin;
    value->assign(v, CutAtNul(v, line.valueEnd - line.valueBegin));
    return true;
}

bool IniDocument::Set(const char* section, const char* key, const char* value) {
    if (!section || !key || !value) return false;
    const std::string sec = Trimmed(section), name = Trimmed(key);
    size_t vb = 0, vn = std::strlen(value);
    while (vb < vn) {
        size_t w = BlankLen(value, vb, vn);
        if (!w) break;
        vb += w;
    }
    const std::string val(value + vb, vn - vb);

    size_t end = 0;
    long header = FindSection(sec, 0, &end);
    if (header == -2) {
        // New section at the end of the file.
        std::string add;
        if (!lines_.empty() && lines_.back().end == lines_.back().contentEnd) add = "\r\n";
        add += "[" + sec + "]\r\n" + name + "=" + val + "\r\n";
        text_ += add;
        Index();
        return true;
    }
    long k = FindKeyLine(header, end, name);
    if (k >= 0) {
        const Line line = lines_[k];
        if (line.hasValue) {
            const char* old = text_.data() + line.valueBegin;
            if (std::string(old, CutAtNul(old, line.valueEnd - line.valueBegin)) == val) return false;
            // Keep the key and the spacing around "=" as they are; the old value and
            // the blanks after it give way to the new value.
            size_t from = line.valueBegin < line.valueEnd ? line.valueBegin : line.equals + 1;
            text_.replace(from, line.contentEnd - from, val);
        } else {
            text_.replace(line.textEnd, line.contentEnd - line.textEnd, "=" + val);
        }
        Index();
        return true;
    }
    // New key after the last non-blank line of the section.
    std::string add = name + "=" + val + "\r\n";
    size_t at = 0;
    long last = header;
    for (size_t i = static_cast<size_t>(header + 1); i < end; ++i) {
        if (!lines_[i].blank) last = static_cast<long>(i);
    }
    if (last >= 0) {
        const Line& line = lines_[last];
        at = line.end;
        if (line.end == line.contentEnd) add = "\r\n" + add;
    }
    text_.insert(at, add);
    Index();
    return true;
}

bool IniDocument::Remove(const char* section, const char* key) {
    if (!section || !key) return false;
    // Names are compared as given, blanks included, as the platform does when
    // deleting; every section of that name is searched, the top part first.
    const std::string sec = section, name = key;
    long header = -1;
    size_t begin = 0;
    for (;;) {
        size_t end = begin;
        while (end < lines_.size() && !lines_[end].section) ++end;
        bool match = header < 0 ? sec.empty() : NameEquals(lines_[header], sec);
        long k = match ? FindKeyLine(header, end, name) : -1;
        if (k >= 0) {
            text_.erase(lines_[k].begin, lines_[k].end - lines_[k].begin);
            Index();
            return true;
        }
        if (end >= lines_.size()) return false;
        header = static_cast<long>(end);
        begin = end + 1;
    }
}

size_t IniReadString(const char* file, const char* section, const char* key,
                     const char* def, char* out, size_t outSize) {
    if (!out || outSize == 0) return 0;
    bool strip;
    std::string text = LookUp(file, section, key, DefaultText(def), &strip);
    return CopyOut(text, strip, out, outSize);
}

int IniReadInt(const char* file, const char* section, const char* key, int def) {
    // The value is looked at through a small buffer, as the platform does.
    char buf[30];
    bool strip;
    std::string text = LookUp(file, section, key, std::string(), &strip);
    size_t n = CopyOut(text, strip, buf, sizeof buf);
    if (n == 0) return def;

    size_t i = 0;
    while (i < n && static_cast<unsigned char>(buf[i]) <= ' ') ++i;
    bool negative = false;
    if (i < n && (buf[i] == '+' || buf[i] == '-')) negative = buf[i++] == '-';
    unsigned base = 10;
    if (n - i >= 2 && buf[i] == '0') {
        if (buf[i + 1] == 'x') base = 16;
        else if (buf[i + 1] == 'o') base = 8;
        else if (buf[i + 1] == 'b') base = 2;
        if (base != 10) i += 2;
    }
    uint32_t total = 0;  // wraps around like the platform's conversion
    for (; i < n; ++i) {
        unsigned char c = static_cast<unsigned char>(buf[i]);
        unsigned digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'z') digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'Z') digit = c - 'A' + 10;
        else break;
        if (digit >= base) break;
        total = total * base + digit;
    }
    if (negative) total = 0u - total;
    return static_cast<int>(total);
}

bool IniWriteString(const char* file, const char* section, const char* key, const char* value) {
    if (!file || !section || !key) return false;
    if (HasLineBreak(section) || HasLineBreak(key) || (value && HasLineBreak(value))) return false;
    FileSystem& fs = IniFiles();
    RecoverReplacement(fs, file);
    std::string bytes;
    bool missing;
    if (!ReadFileBytes(fs, file, &bytes, &missing)) {
        if (!missing) return false;  // unreadable: never overwrite what we could not read
        if (!value) return true;     // nothing to delete
        bytes.clear();
    }
    EncodedText text(std::move(bytes), IniCodePage());
    IniDocument doc(text.Ansi());
    bool changed = value ? doc.Set(section, key, value) : doc.Remove(section, key);
    if (!changed) return true;
    const std::string out = text.Encode(doc.Bytes());
    return WriteFileSafely(fs, file, out.data(), out.size());
}

std::string IniEditBytes(std::string bytes, const std::function<void(IniDocument&)>& edit) {
    EncodedText text(std::move(bytes), IniCodePage());
    IniDocument doc(text.Ansi());
    if (edit) edit(doc);
    return text.Encode(doc.Bytes());
}

void SetIniFileSystem(FileSystem* fs) { g_iniFiles = fs; }

void SetIniCodePage(AnsiCodePage* codePage) { g_iniCodePage = codePage; }

bool WriteIniInt(const char* file, const char* section, const char* key, int value) {
    char text[16];
    FormatText(text, sizeof text, "%d", value);
    return IniWriteString(file, section, key, text);
}
