// Runs the INI engine and the platform's profile functions side by side over a
// corpus of generated and hand-written files and compares every answer: string
// reads at several buffer sizes, integer reads, and the bytes of files after
// writes done on two copies of the same start file.
#include "base/ini_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

std::string Escaped(const std::string& s, size_t limit = 160) {
    std::string out;
    char hex[8];
    for (size_t i = 0; i < s.size() && i < limit; ++i) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    if (s.size() > limit) out += "...";
    return out;
}

bool PutFile(const std::string& path, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

bool GetFile(const std::string& path, std::string* bytes) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    char buf[4096];
    size_t n;
    bytes->clear();
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes->append(buf, n);
    std::fclose(f);
    return true;
}

// True when the bytes survive a trip through the ANSI code page and back. The
// platform keeps profile text as UTF-16 internally, so bytes that are not valid
// GBK come back replaced.
bool RoundTrips(const std::string& s) {
    if (s.empty()) return true;
    int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, s.data(), static_cast<int>(s.size()),
                                nullptr, 0);
    if (n <= 0) return false;
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, s.data(), static_cast<int>(s.size()), &w[0], n);
    int m = WideCharToMultiByte(CP_ACP, 0, w.data(), n, nullptr, 0, nullptr, nullptr);
    std::string back(static_cast<size_t>(m), '\0');
    WideCharToMultiByte(CP_ACP, 0, w.data(), n, &back[0], m, nullptr, nullptr);
    return back == s;
}

bool HasByteOrderMark(const std::string& s) {
    return s.compare(0, 3, "\xEF\xBB\xBF") == 0 || s.compare(0, 2, "\xFF\xFE") == 0 ||
           s.compare(0, 2, "\xFE\xFF") == 0;
}

// ---------------------------------------------------------------------------
// Corpus

std::string Repeat(const std::string& piece, size_t bytes) {
    std::string s;
    while (s.size() < bytes) s += piece;
    return s;
}

std::vector<std::string> HandWrittenFiles() {
    const std::string longValue = Repeat("0123456789abcdef", 1100);
    const std::string longGbk = Repeat("\xd6\xd0\xce\xc4", 1030);
    return {
        "",
        "[SYSTEM]\r\nbSignalClock=1\r\nbClockMode=0\r\nbAffairRemind=1\r\nsSignalFile=C:\\themes\\bell\r\n"
        "bTransparent=1\r\nnTransparence=200\r\nnMessageWait=30\r\nnShutdownWait=20\r\n"
        "nLostPosLeft=-12\r\nnLastPostop=40\r\nbAutoStart=0\r\n[BACKGROUND]\r\nnTotal=2\r\nnCurrent=1\r\n"
        "sFile01=skins\\bg1.bmp\r\nsFile02=skins\\bg2.bmp\r\n[NUMBER]\r\nnTotal=1\r\nsFile01=digits.bmp\r\n",
        "[SYSTEM]\nbClockMode=1",
        "[SYSTEM]\r\nbClockMode=1\r\n\r\n\r\n[NUMBER]\r\n\r\nnCurrent=3\r\n\r\n",
        "  [ SYSTEM ]  \r\n  bClockMode  =  1  \r\n\tnTotal\t=\t7\t\r\n",
        "[s]\r\nquoted=\"a b c\"\r\nsingle='x y'\r\nmixed=\"x'\r\nlone=\"\r\npair=\"\"\r\ninner=a\"b\"c\r\n"
        "spaced= \" padded \" \r\n",
        "[s]\r\ndup=1\r\nDUP=2\r\n[S]\r\ndup=3\r\nother=4\r\n[s]\r\nlate=5\r\n",
        "[s]\r\nnoequals\r\n=novalue\r\n==double\r\nempty=\r\nspaces=   \r\n; comment=1\r\n# hash=2\r\n"
        "k=v ; not a comment\r\n",
        "[s]\nk=lf only\n[t]\nk=second\n",
        "[s]\rk=cr only\r[t]\rk=second\r",
        "[s]\n\rk=mixed\r\n\n\rj=2\n",
        "[s]\r\nlong=" + longValue + "\r\nafter=1\r\n",
        "[s]\r\ngbklong=" + longGbk + "\r\n",
        "[" + Repeat("section", 1200) + "]\r\nk=1\r\n",
        "[s]\r\n" + Repeat("key", 400) + "=long key\r\n",
        "[key with spaces]\r\nname with spaces = value with spaces\r\n  x  y  =  z  \r\n",
        "[\xd6\xd0\xce\xc4]\r\n\xc3\xfb\xd7\xd6=\xd6\xb5\r\n\xbc\xfc=\xc4\xda\xc8\xdd \xd6\xd0\r\n",
        // GBK characters whose second byte is "[", "]", "\", a letter.
        "[\x81\x5d\x81\x5b]\r\n\x81\x41=upper trail\r\n\x81\x61=lower trail\r\nk=\x81\x5c\r\n",
        // Full-width, Greek and Cyrillic letters in both cases.
        "[\xa3\xd3\xa3\xd9\xa3\xd3]\r\n\xa6\xa1\xa6\xa2=greek\r\n\xa7\xa1\xa7\xa7=cyrillic\r\n",
        // Ideographic spaces around names and values.
        "[s]\r\n\xa1\xa1k\xa1\xa1=\xa1\xa1v\xa1\xa1\r\n",
        "[s]\r\nk=1",
        "[s]",
        "[]\r\nk=empty section\r\n",
        "k=before any section\r\n[s]\r\nk=1\r\n",
        "[s] trailing text\r\nk=1\r\n[a]b]\r\nk=2\r\n[unclosed\r\nk=3\r\n",
        "[s]\r\nn1=12\r\nn2=-7\r\nn3= 42abc\r\nn4=abc\r\nn5=+5\r\nn6=0x10\r\nn7=\r\nn8=99999999999\r\n"
        "n9=-2147483649\r\nn10=4294967297\r\nn11=\"15\"\r\nn12=- 3\r\nn13=0b101\r\nn14=0o17\r\n"
        "n15=00000000000000000000000000000000000007\r\nn16=0X10\r\nn17=2147483648\r\n",
        "[s]\r\nk=a\x1a\r\nj=\x1a" "b\r\n\x1a\r\n",
        "[s]\r\nk=tab\tinside\r\n\x0b\x0cj=\x0c" "ff\r\n",
        std::string("[s]\r\nk=a\0b\r\nj\0x=2\r\n\0[t]\r\n", 26),
        "\xEF\xBB\xBF[s]\r\nk=utf-8 mark\r\n",
        "[s]\r\nk=1\r\n\r\n[t]\r\n; only a comment\r\n",
    };
}

std::string Junk(std::mt19937& rng) {
    static const char kFavourites[] = "[]=\r\n \t;#\"'sSkK0123-+x";
    std::string s(rng() % 600, '\0');
    for (char& c : s) {
        unsigned r = rng() % 10;
        if (r < 6) c = kFavourites[rng() % (sizeof kFavourites - 1)];
        else c = static_cast<char>(rng() % 256);
    }
    // A leading byte-order mark would switch the platform to another encoding.
    if (s.size() >= 2 && (static_cast<unsigned char>(s[0]) >= 0xEF)) s[0] = 'j';
    return s;
}

std::string Generated(std::mt19937& rng) {
    static const char* const kSections[] = {
        "SYSTEM", "system", "System", " SYSTEM ", "BACKGROUND", "NUMBER", "number", "s", "S",
        "key with spaces", "\xd6\xd0\xce\xc4", "\xa3\xd3\xa3\xd9", "", "t", "\tTAB\t",
    };
    static const char* const kKeys[] = {
        "bClockMode", "bclockmode", "BCLOCKMODE", "nTotal", "nCurrent", "sFile01", "sfile01", "k",
        "K", "dup", "DUP", "name with spaces", "\xc3\xfb\xd7\xd6", "empty", "x", "\xa6\xa1",
    };
    static const char* const kValues[] = {
        "1", "0", "-7", " 42abc", "abc", "+5", "0x10", "", "99999999999", "\"quoted\"", "'single'",
        "\"", "\"\"", "a=b", "two  words ", "\xd6\xb5", "C:\\path\\file.bmp", "\t12\t", "\"mixed'",
    };
    static const char* const kBreaks[] = {"\r\n", "\r\n", "\r\n", "\n", "\n", "\r", "\r\n\r\n", "\n\n"};
    auto pick = [&rng](const char* const* list, size_t n) { return std::string(list[rng() % n]); };
#define PICK(list) pick(list, sizeof list / sizeof *list)
    const std::string br = PICK(kBreaks);
    std::string doc;
    int lines = 1 + static_cast<int>(rng() % 14);
    for (int i = 0; i < lines; ++i) {
        unsigned kind = rng() % 12;
        std::string line;
        if (kind < 3) {
            line = "[" + PICK(kSections) + "]";
        } else if (kind < 9) {
            line = PICK(kKeys) + (rng() % 4 == 0 ? " = " : "=") + PICK(kValues);
            if (rng() % 15 == 0) line += Repeat("v", 1000 + rng() % 300);
        } else if (kind == 9) {
            line = rng() % 2 ? "; comment=1" : "# remark";
        } else if (kind == 10) {
            line = PICK(kKeys);  // no "="
        } else {
            line = std::string(rng() % 3, ' ');  // blank
        }
        if (rng() % 6 == 0) line = std::string(1 + rng() % 3, rng() % 2 ? ' ' : '\t') + line;
        if (rng() % 8 == 0) line += std::string(1 + rng() % 3, rng() % 2 ? ' ' : '\t');
        doc += line;
        // Mostly the file's own line break; sometimes another one.
        doc += rng() % 10 ? br : PICK(kBreaks);
    }
    if (rng() % 5 == 0) {
        // No line break at the end.
        while (!doc.empty() && (doc.back() == '\n' || doc.back() == '\r')) doc.pop_back();
    }
#undef PICK
    return doc;
}

// The ANSI text saved in Unicode with a byte-order mark, as an editor saves it.
std::string SavedAs(const std::string& ansi, UINT codePage, bool bigEndian) {
    std::wstring w(ansi.size() + 1, L'\0');
    int n = ansi.empty() ? 0
                         : MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &w[0],
                                               static_cast<int>(w.size()));
    w.resize(static_cast<size_t>(n));
    if (codePage == CP_UTF8) {
        std::string out(w.size() * 3 + 3, '\0');
        int m = w.empty() ? 0
                          : WideCharToMultiByte(CP_UTF8, 0, w.data(), n, &out[3], static_cast<int>(out.size() - 3),
                                                nullptr, nullptr);
        out.resize(3 + static_cast<size_t>(m));
        out.replace(0, 3, "\xEF\xBB\xBF");
        return out;
    }
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (wchar_t c : w) {
        char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>((c >> 8) & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

// A file's text as ANSI bytes, whatever its encoding; *mark gets its mark.
std::string AsAnsi(const std::string& bytes, std::string* mark) {
    mark->clear();
    UINT codePage = 0;
    bool bigEndian = false;
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) codePage = CP_UTF8, *mark = bytes.substr(0, 3);
    else if (bytes.compare(0, 2, "\xFF\xFE") == 0) codePage = 1200, *mark = bytes.substr(0, 2);
    else if (bytes.compare(0, 2, "\xFE\xFF") == 0) codePage = 1201, bigEndian = true, *mark = bytes.substr(0, 2);
    if (!codePage) return bytes;
    std::wstring w;
    const std::string body = bytes.substr(mark->size());
    if (codePage == CP_UTF8) {
        w.resize(body.size() + 1);
        w.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, body.data(), static_cast<int>(body.size()),
                                                         &w[0], static_cast<int>(w.size()))));
    } else {
        for (size_t i = 0; i + 1 < body.size(); i += 2) {
            unsigned char a = static_cast<unsigned char>(body[i]), b = static_cast<unsigned char>(body[i + 1]);
            w += static_cast<wchar_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
        }
    }
    if (w.empty()) return std::string();
    std::string out(w.size() * 2, '\0');
    out.resize(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), &out[0],
                                                       static_cast<int>(out.size()), nullptr, nullptr)));
    return out;
}

std::vector<std::string> Corpus() {
    std::vector<std::string> files = HandWrittenFiles();
    std::mt19937 rng(20240601);
    for (int i = 0; i < 190; ++i) files.push_back(Generated(rng));
    for (int i = 0; i < 30; ++i) files.push_back(Junk(rng));
    // Every eighth text of the corpus also saved in each Unicode encoding.
    const size_t plain = files.size();
    for (size_t i = 0; i < plain; i += 8) {
        if (HasByteOrderMark(files[i]) || !RoundTrips(files[i])) continue;
        files.push_back(SavedAs(files[i], CP_UTF8, false));
        files.push_back(SavedAs(files[i], 1200, false));
        files.push_back(SavedAs(files[i], 1200, true));
    }
    return files;
}

// Section and key names to ask for: what the file holds, in other cases and with
// blanks around, and names it does not hold.
struct Names {
    std::vector<std::string> sections, keys;
};

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return s;
}

Names Harvest(const std::string& doc) {
    Names names;
    size_t i = 0;
    while (i < doc.size()) {
        size_t e = doc.find_first_of("\r\n", i);
        if (e == std::string::npos) e = doc.size();
        std::string line = doc.substr(i, e - i);
        i = e + 1;
        size_t b = line.find_first_not_of(" \t");
        if (b == std::string::npos) continue;
        line = line.substr(b);
        if (line.find('\0') != std::string::npos) line = line.substr(0, line.find('\0'));
        if (line.empty()) continue;
        if (line[0] == '[') {
            size_t close = line.rfind(']');
            if (close != std::string::npos && close > 0) names.sections.push_back(line.substr(1, close - 1));
        } else {
            size_t eq = line.find('=');
            std::string key = line.substr(0, eq);
            while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) key.pop_back();
            if (!key.empty() && key.size() < 300) names.keys.push_back(key);
        }
    }
    return names;
}

// ---------------------------------------------------------------------------
// Comparison bookkeeping

struct Tally {
    int checks = 0;
    int identical = 0;
    std::map<std::string, int> known;  // reason -> count
    std::vector<std::string> unexplained;

    void Same() {
        ++checks;
        ++identical;
    }
    void Differ(const char* reason, const std::string& detail) {
        ++checks;
        if (reason) {
            ++known[reason];
        } else {
            unexplained.push_back(detail);
        }
    }
};

// Reasons for differences that are decided and kept on purpose.
const char* const kInvalidGbk =
    "bytes that are not valid GBK: the platform keeps profile text as UTF-16 and hands back "
    "replacement characters; the engine returns the file's bytes unchanged";
const char* const kUnicodeRewrite =
    "a file saved in Unicode: the emulator writes it back in normalised form, the engine changes "
    "only the line written; both keep the encoding and its mark (checked: the same mark, and "
    "normalising the engine's text gives the emulator's)";
const char* const kRewrite =
    "the emulator rewrites every line of the file in normalised form on a write; Windows and the "
    "engine change only the line written (checked: normalising the engine's file gives the "
    "emulator's bytes)";
const char* const kBlankDefault =
    "a default made only of spaces: Windows documents that trailing blanks of the default are "
    "removed, the emulator keeps one space";
const char* const kQuotedCut =
    "a quoted value that exactly fills the buffer: the emulator drops one character more than "
    "the buffer needs (also for integer reads of 29-character quoted values); the engine "
    "removes the quotes first and then cuts, as documented";
const char* const kDbcsCut =
    "the buffer ends inside a two-byte character: the emulator reports the full length with a "
    "byte it never wrote (whatever the caller's buffer held); the engine stops before the "
    "split character and reports what it copied";
const char* const kLineBreak =
    "a value with a line break: the emulator writes it raw, injecting lines into the file; the "
    "engine refuses the write and leaves the file as it was";

class Runner {
public:
    explicit Runner(const std::string& dir) : dir_(dir) {}

    std::string NewPath(const char* tag) {
        char name[64];
        std::snprintf(name, sizeof name, "%s%05d.ini", tag, counter_++);
        return dir_ + name;
    }

    void CompareRead(const std::string& doc, const std::string& path, const std::string& section,
                     const std::string& key, const char* def, size_t size) {
        std::vector<char> theirs(size + 16, '\x5A'), ours(size + 16, '\x5A');
        DWORD t = GetPrivateProfileStringA(section.c_str(), key.c_str(), def, theirs.data(),
                                           static_cast<DWORD>(size), path.c_str());
        size_t o = IniReadString(path.c_str(), section.c_str(), key.c_str(), def, ours.data(), size);
        for (size_t i = size; i < ours.size(); ++i) {
            if (ours[i] != '\x5A') {
                tally.Differ(nullptr, "engine wrote past the buffer");
                return;
            }
        }
        std::string a(theirs.data(), t), b(ours.data(), o);
        if (t == o && a == b && theirs[t] == '\0' && ours[o] == '\0') {
            tally.Same();
            return;
        }
        const char* reason = nullptr;
        std::string d = def ? def : "";
        if (!RoundTrips(b) || !RoundTrips(a) || !RoundTrips(doc)) reason = kInvalidGbk;
        else if (!d.empty() && d.find_first_not_of(' ') == std::string::npos) reason = kBlankDefault;
        else if (QuotedCut(doc, section, key, size, a, b)) reason = kQuotedCut;
        else if (DbcsCut(size, a, b, theirs.data())) reason = kDbcsCut;
        tally.Differ(reason, "read [" + Escaped(section) + "] " + Escaped(key) + " def=" + Escaped(d) +
                                 " size=" + std::to_string(size) + " platform=" + std::to_string(t) + " '" +
                                 Escaped(a) + "' engine=" + std::to_string(o) + " '" + Escaped(b) +
                                 "' in file '" + Escaped(doc) + "'");
    }

    void CompareInt(const std::string& doc, const std::string& path, const std::string& section,
                    const std::string& key, int def) {
        int t = static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), def, path.c_str()));
        int o = IniReadInt(path.c_str(), section.c_str(), key.c_str(), def);
        if (t == o) {
            tally.Same();
            return;
        }
        const char* reason = nullptr;
        std::string raw;
        if (!RoundTrips(doc)) reason = kInvalidGbk;
        else if (IniDocument(doc).Find(section.c_str(), key.c_str(), &raw) && raw.size() == 31 &&
                 (raw[0] == '"' || raw[0] == '\'') && raw.back() == raw[0])
            reason = kQuotedCut;
        tally.Differ(reason, "int [" + Escaped(section) + "] " + Escaped(key) + " platform=" +
                                 std::to_string(t) + " engine=" + std::to_string(o) + " in file '" +
                                 Escaped(doc) + "'");
    }

    // start == nullptr: the file does not exist before the write.
    void CompareWrite(const std::string* start, const std::string& section, const std::string& key,
                      const char* value) {
        std::string theirsPath = NewPath("wa"), oursPath = NewPath("wb");
        if (start) {
            ASSERT_TRUE(PutFile(theirsPath, *start));
            ASSERT_TRUE(PutFile(oursPath, *start));
        }
        BOOL t = WritePrivateProfileStringA(section.c_str(), key.c_str(), value, theirsPath.c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, theirsPath.c_str());  // flush the cache
        bool o = IniWriteString(oursPath.c_str(), section.c_str(), key.c_str(), value);
        std::string a = "<missing>", b = "<missing>";
        bool haveA = GetFile(theirsPath, &a), haveB = GetFile(oursPath, &b);
        if ((t != 0) == o && haveA == haveB && a == b) {
            tally.Same();
            return;
        }
        const std::string doc = start ? *start : std::string();
        const char* reason = nullptr;
        std::string markA, markB;
        if (value && std::strpbrk(value, "\r\n") && !o && start && b == *start) {
            reason = kLineBreak;
        } else if (HasByteOrderMark(doc)) {
            const std::string textA = AsAnsi(a, &markA), textB = AsAnsi(b, &markB);
            if ((t != 0) == o && haveA && haveB && markA == markB && Normalised(textB) == textA)
                reason = kUnicodeRewrite;
        } else if (!RoundTrips(doc)) reason = kInvalidGbk;
        else if ((t != 0) == o && haveA && haveB && Normalised(b) == a) reason = kRewrite;
        tally.Differ(reason, "write [" + Escaped(section) + "] " + Escaped(key) + "=" +
                                 (value ? Escaped(value) : std::string("<NULL>")) + " on '" +
                                 (start ? Escaped(*start) : std::string("<no file>")) + "' platform=" +
                                 std::to_string(t) + " '" + Escaped(a) + "' engine=" + std::to_string(o) +
                                 " '" + Escaped(b) + "'");
    }

    Tally tally;

private:
    // The emulator's answer for a quoted value that, without its quotes, exactly
    // fills the buffer: the engine's answer less its last character.
    static bool QuotedCut(const std::string& doc, const std::string& section, const std::string& key,
                          size_t size, const std::string& theirs, const std::string& ours) {
        std::string raw;
        if (!IniDocument(doc).Find(section.c_str(), key.c_str(), &raw)) return false;
        return raw.size() >= 2 && (raw[0] == '"' || raw[0] == '\'') && raw.back() == raw[0] &&
               raw.size() - 2 == size - 1 && ours.size() == size - 1 &&
               theirs == ours.substr(0, ours.size() - 1);
    }

    // The emulator's answer when the cut falls inside a two-byte character: the
    // engine's answer followed by untouched buffer bytes up to size - 1.
    static bool DbcsCut(size_t size, const std::string& theirs, const std::string& ours,
                        const char* theirBuffer) {
        if (theirs.size() != size - 1 || ours.size() >= theirs.size()) return false;
        if (theirs.compare(0, ours.size(), ours) != 0) return false;
        for (size_t i = ours.size(); i < theirs.size(); ++i)
            if (theirBuffer[i] != '\x5A') return false;
        return true;
    }

    // The file as the emulator writes it back: every section header and key line
    // without blanks around names and values, CRLF line breaks, blank lines dropped.
    static std::string Normalised(const std::string& bytes);

    std::string dir_;
    int counter_ = 0;
};

// Blank per the profile rules (ASCII white space and Ctrl-Z).
std::string TrimBlanks(const std::string& s) {
    const char* blanks = " \t\n\v\f\r\x1a";
    size_t b = s.find_first_not_of(blanks);
    if (b == std::string::npos) return std::string();
    return s.substr(b, s.find_last_not_of(blanks) - b + 1);
}

std::string CutAtNul(const std::string& s) { return s.substr(0, s.find('\0')); }

// Names and values end at an embedded NUL; a "[]" header is not written back
// (its lines join the top part); of consecutive lines with an empty name before
// "=" only the first is kept.
std::string Runner::Normalised(const std::string& bytes) {
    std::string out;
    bool havePrev = false, prevUnnamed = false;
    size_t i = 0;
    while (i < bytes.size()) {
        size_t e = i;
        while (e < bytes.size() && bytes[e] != '\r' && bytes[e] != '\n') {
            unsigned char c = static_cast<unsigned char>(bytes[e]);
            e += (c >= 0x81 && c <= 0xFE && e + 1 < bytes.size()) ? 2 : 1;
        }
        std::string line = TrimBlanks(bytes.substr(i, e - i));
        i = e;
        while (i < bytes.size() && (bytes[i] == '\r' || bytes[i] == '\n')) ++i;
        if (line.empty()) continue;
        size_t close = line.rfind(']');
        if (line[0] == '[' && close != std::string::npos) {
            std::string name = CutAtNul(TrimBlanks(line.substr(1, close - 1)));
            havePrev = false;
            if (name.empty()) continue;
            out += "[" + name + "]\r\n";
            continue;
        }
        size_t eq = line.find('=');
        std::string k = TrimBlanks(line.substr(0, eq));
        if (k.empty() && havePrev && prevUnnamed) continue;
        havePrev = true;
        prevUnnamed = CutAtNul(k).empty();
        std::string written = CutAtNul(k);
        if (eq != std::string::npos) written += "=" + CutAtNul(TrimBlanks(line.substr(eq + 1)));
        line = written;
        out += line + "\r\n";
    }
    return out;
}

std::string TempDirectory() {
    char base[MAX_PATH];
    DWORD n = GetTempPathA(MAX_PATH, base);
    if (n == 0 || n >= MAX_PATH) return std::string();
    char dir[MAX_PATH + 64];
    std::snprintf(dir, sizeof dir, "%sticora_ini_%lu\\", base, GetCurrentProcessId());
    CreateDirectoryA(dir, nullptr);
    return dir;
}

void RemoveDirectoryTree(const std::string& dir) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((dir + fd.cFileName).c_str());
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
}

TEST(IniDifferential, EngineAgreesWithPlatform) {
    const std::string dir = TempDirectory();
    ASSERT_FALSE(dir.empty());
    Runner run(dir);
    const std::vector<std::string> corpus = Corpus();
    ASSERT_GE(corpus.size(), 200u);

    const char* const defaults[] = {"dflt", "", "  padded  ", "\"quoted\"", "\xc4\xac\xc8\xcf", "   ", nullptr};
    const size_t sizes[] = {1, 2, 3, 8, 256, 1024};
    std::mt19937 rng(7);

    for (size_t f = 0; f < corpus.size(); ++f) {
        const std::string& file = corpus[f];
        const std::string path = run.NewPath("c");
        ASSERT_TRUE(PutFile(path, file));
        std::string mark;
        const std::string doc = AsAnsi(file, &mark);  // the text as both sides should read it
        Names names = Harvest(doc);
        std::vector<std::string> sections = names.sections, keys = names.keys;
        if (sections.size() > 3) sections.resize(3);
        if (keys.size() > 4) keys.resize(4);
        if (!sections.empty()) sections.push_back(Upper(sections[0]));
        sections.push_back("nosuchsection");
        if (!keys.empty()) keys.push_back(" " + Upper(keys[0]) + "\t");
        keys.push_back("nosuchkey");

        for (const std::string& s : sections) {
            for (const std::string& k : keys) {
                const char* def = defaults[rng() % (sizeof defaults / sizeof *defaults)];
                for (size_t size : sizes) run.CompareRead(doc, path, s, k, def, size);
                run.CompareInt(doc, path, s, k, 77);
            }
        }

        // Writes, each on two copies of the start file.
        const std::string sec = names.sections.empty() ? "SYSTEM" : names.sections[0];
        const std::string key = names.keys.empty() ? "bClockMode" : names.keys[0];
        run.CompareWrite(&file, sec, key, "new value");
        run.CompareWrite(&file, sec, "AddedKey", "42");
        run.CompareWrite(&file, "NewSection", "k", "v");
        run.CompareWrite(&file, Upper(sec), Upper(key), "\xd6\xb5 v");
        if (f % 4 == 0) run.CompareWrite(&file, sec, key, nullptr);
        if (f % 4 == 1) run.CompareWrite(&file, sec, key, "  leading blanks");
        if (f % 50 == 2) run.CompareWrite(&file, sec, key, "two\r\n[lines]");
    }

    // Integer values one by one.
    const char* const ints[] = {"12", "-7", " 42abc", "abc", "+5", "0x10", "", "99999999999", "-0",
                                "2147483648", "-2147483648", "4294967295", "\"8\"", "'9'", "1e3", "\t3"};
    for (const char* v : ints) {
        std::string doc = std::string("[n]\r\nv=") + v + "\r\n";
        std::string path = run.NewPath("i");
        ASSERT_TRUE(PutFile(path, doc));
        run.CompareInt(doc, path, "n", "v", 77);
        run.CompareInt(doc, path, "N", "V", -1);
    }

    // Writes into files that do not exist yet.
    run.CompareWrite(nullptr, "SYSTEM", "nLostPosLeft", "-20");
    run.CompareWrite(nullptr, "\xd6\xd0\xce\xc4", "\xc3\xfb", "\xd6\xb5");
    run.CompareWrite(nullptr, "s", "k", "");
    run.CompareWrite(nullptr, "s", "k", nullptr);

    const Tally& t = run.tally;
    std::printf("ini agreement: %d of %d checks identical\n", t.identical, t.checks);
    for (const auto& k : t.known) std::printf("  known difference (%d): %s\n", k.second, k.first.c_str());
    for (size_t i = 0; i < t.unexplained.size() && i < 40; ++i)
        std::printf("  UNEXPLAINED: %s\n", t.unexplained[i].c_str());
    EXPECT_EQ(t.unexplained.size(), 0u);
    RemoveDirectoryTree(dir);
}

}  // namespace
