#include "base/ini_file.h"
#include "base/text_encoding.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A scratch file in the temporary directory, removed afterwards.
class TempIni {
public:
    TempIni() {
        static int counter = 0;
        char name[128];
        std::snprintf(name, sizeof name, "/tmp/ini_file_test_%d_%d.ini", static_cast<int>(getpid()),
                      counter++);
        path_ = name;
        std::remove(path_.c_str());
    }
    explicit TempIni(const std::string& content) : TempIni() { Put(content); }
    ~TempIni() { std::remove(path_.c_str()); }
    const char* Path() const { return path_.c_str(); }
    void Put(const std::string& content) const {
        FILE* f = std::fopen(path_.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(content.data(), 1, content.size(), f);
        std::fclose(f);
    }
    std::string Get() const {
        std::string s;
        FILE* f = std::fopen(path_.c_str(), "rb");
        if (!f) return "<missing>";
        char buf[512];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
        std::fclose(f);
        return s;
    }

private:
    std::string path_;
};

// Reads through a buffer guarded by canary bytes on both sides.
std::string GuardedRead(const char* file, const char* section, const char* key, const char* def,
                        size_t size, size_t* returned) {
    std::vector<char> mem(size + 64, '\x5A');
    char* out = mem.data() + 32;
    *returned = IniReadString(file, section, key, def, out, size);
    for (size_t i = 0; i < 32; ++i) EXPECT_EQ(mem[i], '\x5A') << "written before the buffer";
    for (size_t i = 32 + size; i < mem.size(); ++i) EXPECT_EQ(mem[i], '\x5A') << "written past the buffer";
    if (size == 0) return std::string();
    EXPECT_EQ(out[*returned], '\0');
    return std::string(out, *returned);
}

struct ReadCase {
    const char* content;
    const char* section;
    const char* key;
    const char* def;
    size_t size;
    const char* expected;
};

TEST(IniFileRead, StringsFollowProfileRules) {
    const ReadCase cases[] = {
        {"[SYSTEM]\r\nsSignalFile=C:\\themes\\bell\r\n", "SYSTEM", "sSignalFile", "", 128, "C:\\themes\\bell"},
        {"[system]\nSSIGNALFILE = x y \n", "SYSTEM", "sSignalFile", "", 128, "x y"},
        {"[s]\r\nk=1\r\n", " s ", "\tk ", "d", 64, "1"},
        {"[s]\r\nk=1\r\n", "s", "missing", "dflt", 64, "dflt"},
        {"[s]\r\nk=1\r\n", "t", "k", "dflt", 64, "dflt"},
        {"[s]\r\nk=1\r\n", "s", "missing", "dflt   ", 64, "dflt"},
        {"[s]\r\nk=1\r\n", "s", "missing", "  dflt", 64, "  dflt"},
        {"[s]\r\nk=1\r\n", "s", "missing", nullptr, 64, ""},
        {"[s]\r\nk=1\r\n", "s", "", "d", 64, "d"},
        {"[s]\r\n=v\r\n", "s", "", "d", 64, "v"},
        {"[ s ]\r\nk=1\r\n", "s", "k", "d", 64, "1"},
        // Line without "=": the key exists but has no value.
        {"[s]\r\nk\r\n", "s", "k", "d", 64, "d"},
        {"[s]\r\nk=\r\n", "s", "k", "d", 64, ""},
        // Quotes of either kind are removed only as a matching pair.
        {"[s]\r\nk=\"a b\"\r\n", "s", "k", "", 64, "a b"},
        {"[s]\r\nk='a b'\r\n", "s", "k", "", 64, "a b"},
        {"[s]\r\nk='a b\"\r\n", "s", "k", "", 64, "'a b\""},
        {"[s]\r\nk=\"\r\n", "s", "k", "", 64, "\""},
        {"[s]\r\nk=\"\"\r\n", "s", "k", "d", 64, ""},
        {"[s]\r\nk=1\r\n", "s", "x", "\"q\"", 64, "q"},
        // First of duplicate keys; only the first of duplicate sections is searched.
        {"[s]\r\nk=1\r\nk=2\r\n", "s", "k", "", 64, "1"},
        {"[s]\r\nk=1\r\n[S]\r\nj=2\r\n", "s", "j", "d", 64, "d"},
        // Headers: text after "]" is ignored, the last "]" closes, no "]" is no header.
        {"[s] junk\r\nk=1", "s", "k", "", 64, "1"},
        {"[a]b]\r\nk=1", "a]b", "k", "", 64, "1"},
        {"[s\r\nk=1", "s", "k", "d", 64, "d"},
        {"k=top\r\n[s]\r\nk=1", "", "k", "", 64, "top"},
        // Comments are ordinary lines that can never match a normal key.
        {"[s]\r\n;k=1\r\n#k=2\r\nk=3\r\n", "s", "k", "", 64, "3"},
        // Line breaks: LF, CR, CRLF, none at the end.
        {"[s]\rk=1\rj=2", "s", "j", "", 64, "2"},
        {"[s]\n\n\nj=2", "s", "j", "", 64, "2"},
        {"\t [s] \t\r\n\t k \t=\t v \t\r\n", "s", "k", "", 64, "v"},
        // GBK: a second byte equal to "]" or a letter is part of its character.
        {"[\xd6\xd0\xce\xc4]\r\n\xc3\xfb=\xd6\xb5\r\n", "\xd6\xd0\xce\xc4", "\xc3\xfb", "", 64, "\xd6\xb5"},
        {"[s]\r\n\x81\x41=1\r\n", "s", "\x81\x61", "d", 64, "d"},
        // Full-width letters do not fold; the ideographic space is not a blank,
        // while Ctrl-Z is.
        {"[s]\r\n\xa3\xc1=1\r\n", "s", "\xa3\xe1", "d", 64, "d"},
        {"[s]\r\nk=\xa1\xa1v\xa1\xa1\r\n", "s", "k", "", 64, "\xa1\xa1v\xa1\xa1"},
        {"[s]\r\nk=\x1fv\x0b\x1a\r\n", "s", "k", "", 64, "\x1fv"},
        {"[s]\r\nk=x\x81\nj=2\r\n", "s", "j", "d", 64, "d"},
        // Cut to the buffer, never splitting a two-byte character.
        {"[s]\r\nk=abcdef\r\n", "s", "k", "", 1, ""},
        {"[s]\r\nk=abcdef\r\n", "s", "k", "", 2, "a"},
        {"[s]\r\nk=abcdef\r\n", "s", "k", "", 6, "abcde"},
        {"[s]\r\nk=\"abcdef\"\r\n", "s", "k", "", 6, "abcde"},
        {"[s]\r\nk=a\xd6\xd0\r\n", "s", "k", "", 3, "a"},
        {"[s]\r\nk=\xd6\xd0\xce\xc4\r\n", "s", "k", "", 4, "\xd6\xd0"},
    };
    for (const ReadCase& c : cases) {
        TempIni ini(c.content);
        size_t n;
        std::string got = GuardedRead(ini.Path(), c.section, c.key, c.def, c.size, &n);
        EXPECT_EQ(got, c.expected) << "content: " << c.content << " key: " << c.key << " size: " << c.size;
        EXPECT_EQ(n, std::strlen(c.expected));
    }
    // An embedded NUL ends a name or a value.
    TempIni nul(std::string("[s]\r\nk=a\0b\r\nj\0x=2\r\n", 19));
    size_t n;
    EXPECT_EQ(GuardedRead(nul.Path(), "s", "k", "", 64, &n), "a");
    EXPECT_EQ(GuardedRead(nul.Path(), "s", "j", "", 64, &n), "2");
}

TEST(IniFileRead, MissingFileGivesDefaultUnchanged) {
    TempIni ini;
    size_t n;
    EXPECT_EQ(GuardedRead(ini.Path(), "s", "k", "\"q\"  ", 64, &n), "\"q\"");
    EXPECT_EQ(GuardedRead(ini.Path(), "s", "k", "long default", 5, &n), "long");
    EXPECT_EQ(GuardedRead("/nonexistent-dir/x.ini", "s", "k", nullptr, 8, &n), "");
    EXPECT_EQ(IniReadInt(ini.Path(), "s", "k", -3), -3);
    EXPECT_EQ(IniReadString(ini.Path(), "s", "k", "d", nullptr, 10), 0u);
    char one[1] = {'x'};
    EXPECT_EQ(IniReadString(ini.Path(), "s", "k", "d", one, 0), 0u);
    EXPECT_EQ(one[0], 'x');
}

TEST(IniFileRead, AFileOverOneMebibyteIsUnreadableAndNeverRewritten) {
    // The key first, then padding: within the limit it is read, past it the
    // whole file counts as unreadable.
    const std::string head = "[SYSTEM]\r\nnMessageWait=7\r\n;";
    std::string fits = head + std::string(kMaxIniFileBytes - head.size(), 'x');
    TempIni at(fits);
    EXPECT_EQ(7, IniReadInt(at.Path(), "SYSTEM", "nMessageWait", -1));
    TempIni over(fits + "x");
    EXPECT_EQ(-1, IniReadInt(over.Path(), "SYSTEM", "nMessageWait", -1));
    EXPECT_FALSE(IniWriteString(over.Path(), "SYSTEM", "nMessageWait", "8"));
    EXPECT_EQ(fits + "x", over.Get());
}

TEST(IniFileRead, IntegersTakeTheLeadingNumber) {
    struct {
        const char* value;
        int expected;
    } cases[] = {
        {"12", 12},       {"-7", -7},         {" 42abc", 42},      {"abc", 0},
        {"+5", 5},        {"", 99},           {"\"\"", 99},        {"\" 12\"", 12},
        {"- 3", 0},       {"--3", 0},         {"0x10", 16},        {"0X10", 0},
        {"0b11", 3},      {"0o17", 15},       {"-0x10", -16},      {"2147483647", 2147483647},
        {"4294967297", 1}, {"-2147483648", -2147483647 - 1},      {"12 34", 12},
        // Only the first 29 characters are looked at.
        {"0000000000000000000000000000012", 0}, {"000000000000000000000000012", 12},
    };
    for (const auto& c : cases) {
        TempIni ini(std::string("[n]\r\nv=") + c.value + "\r\n");
        EXPECT_EQ(IniReadInt(ini.Path(), "n", "v", 99), c.expected) << c.value;
    }
    TempIni ini("[n]\r\nv=5\r\n");
    EXPECT_EQ(IniReadInt(ini.Path(), "n", "none", 99), 99);
    EXPECT_EQ(IniReadInt(ini.Path(), "N", "V", 99), 5);
}

struct WriteCase {
    const char* before;  // nullptr: no file
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

TEST(IniFileWrite, EditsInPlaceAndKeepsOtherLines) {
    const WriteCase cases[] = {
        {nullptr, "SYSTEM", "bClockMode", "1", "[SYSTEM]\r\nbClockMode=1\r\n"},
        {"", "s", "k", "v", "[s]\r\nk=v\r\n"},
        {"[s]\r\nk=1\r\n", "s", "k", "2", "[s]\r\nk=2\r\n"},
        {"[S]\nK = 1 \n; note\n\n[t]\n", "s", "k", "22", "[S]\nK = 22\n; note\n\n[t]\n"},
        {"[s]\nk=\n", "s", "k", "v", "[s]\nk=v\n"},
        {"[s]\n  k  \n", "s", "k", "v", "[s]\n  k=v\n"},
        {"[s]\nk=1\n; c\n\n[t]\nx=1\n", "s", "n", "2", "[s]\nk=1\n; c\nn=2\r\n\n[t]\nx=1\n"},
        {"[s]\r\nk=1", "s", "n", "v", "[s]\r\nk=1\r\nn=v\r\n"},
        {"[s]\r\nk=1", "t", "n", "v", "[s]\r\nk=1\r\n[t]\r\nn=v\r\n"},
        {"[s]\r\n", "s", "n", "v", "[s]\r\nn=v\r\n"},
        // Leading blanks of the value are not written.
        {"[s]\r\nk=1\r\n", "s", "k", "  v ", "[s]\r\nk=v \r\n"},
        // Same value: nothing changes, not even the spacing.
        {"[s]\r\nk =  1  \r\n", "s", "k", "1", "[s]\r\nk =  1  \r\n"},
        // First of duplicates is replaced; names are trimmed when written.
        {"[s]\r\nk=1\r\nk=2\r\n", "s", "k", "3", "[s]\r\nk=3\r\nk=2\r\n"},
        {"[s]\r\n", " t ", " n ", "v", "[s]\r\n[t]\r\nn=v\r\n"},
        // A NULL value deletes the key's first line in any section of that name.
        {"[s]\r\nk=1\r\nj=2\r\n", "s", "k", nullptr, "[s]\r\nj=2\r\n"},
        {"[s]\r\nx=1\r\n[s]\r\nk=2\r\n", "S", "K", nullptr, "[s]\r\nx=1\r\n[s]\r\n"},
        {"[s]\r\nx=1\r\n", "s", "k", nullptr, "[s]\r\nx=1\r\n"},
        {"x=1\r\n[]\r\nk=2\r\n", "", "k", nullptr, "x=1\r\n[]\r\n"},
        {"[s]\r\nk=2\r\n", " s", "k", nullptr, "[s]\r\nk=2\r\n"},
        // GBK values and names.
        {"[\xd6\xd0]\r\n\xc3\xfb=1\r\n", "\xd6\xd0", "\xc3\xfb", "\xd6\xb5", "[\xd6\xd0]\r\n\xc3\xfb=\xd6\xb5\r\n"},
    };
    for (const WriteCase& c : cases) {
        TempIni ini;
        if (c.before) ini.Put(c.before);
        EXPECT_TRUE(IniWriteString(ini.Path(), c.section, c.key, c.value)) << c.key;
        EXPECT_EQ(ini.Get(), c.after) << "before: " << (c.before ? c.before : "<none>");
    }
}

TEST(IniFileWrite, RefusesWhatWouldBreakTheFile) {
    TempIni ini("[s]\r\nk=1\r\n");
    EXPECT_FALSE(IniWriteString(ini.Path(), "s", "k", "a\r\n[x]"));
    EXPECT_FALSE(IniWriteString(ini.Path(), "s\n", "k", "1"));
    EXPECT_FALSE(IniWriteString(ini.Path(), "s", "k\r", "1"));
    EXPECT_FALSE(IniWriteString(ini.Path(), nullptr, "k", "1"));
    EXPECT_FALSE(IniWriteString(ini.Path(), "s", nullptr, "1"));
    EXPECT_FALSE(IniWriteString(nullptr, "s", "k", "1"));
    EXPECT_EQ(ini.Get(), "[s]\r\nk=1\r\n");
    EXPECT_FALSE(IniWriteString("/nonexistent-dir/x.ini", "s", "k", "1"));
    // Deleting from a missing file succeeds without creating it.
    TempIni none;
    EXPECT_TRUE(IniWriteString(none.Path(), "s", "k", nullptr));
    EXPECT_EQ(none.Get(), "<missing>");
}

TEST(IniFileWrite, IntegersRoundTrip) {
    TempIni ini;
    const int values[] = {0, 1, -1, 255, 2147483647, -2147483647 - 1};
    for (int v : values) {
        ASSERT_TRUE(WriteIniInt(ini.Path(), "SYSTEM", "nTransparence", v));
        EXPECT_EQ(IniReadInt(ini.Path(), "system", "NTRANSPARENCE", 7), v);
    }
    EXPECT_EQ(ini.Get(), "[SYSTEM]\r\nnTransparence=-2147483648\r\n");
}

// Random documents built from plausible and hostile lines.
std::string RandomDocument(std::mt19937& rng) {
    static const char* const pieces[] = {
        "[s]", "[S]", "[ t ]", "[t]", "[]", "[x", "k=1", "K = 2 ", "j=\"q\"", "k", "=v", "; c",
        "#k=3", "  ", "\t", "[\xd6\xd0]", "\xc3\xfb=\xd6\xb5", "k='a", "long=", "[a]b]", "\xa1\xa1k=1",
    };
    static const char* const breaks[] = {"\r\n", "\n", "\r", "\n\n", ""};
    std::string doc;
    int lines = static_cast<int>(rng() % 12);
    for (int i = 0; i < lines; ++i) {
        doc += pieces[rng() % (sizeof pieces / sizeof *pieces)];
        if (rng() % 9 == 0) doc += std::string(1 + rng() % 1200, 'z');
        doc += breaks[rng() % (sizeof breaks / sizeof *breaks)];
    }
    return doc;
}

std::string RandomJunk(std::mt19937& rng) {
    std::string s(rng() % 300, '\0');
    for (char& c : s) c = static_cast<char>(rng() % 4 ? "[]=\r\n \t;k\"'s"[rng() % 13] : rng() % 256);
    return s;
}

TEST(IniFileRandom, ReadsStayInsideTheirBuffers) {
    std::mt19937 rng(1234);
    const char* const names[] = {"s", "S", "t", "k", "K", "j", "", " ", "\xd6\xd0", "x", "a]b"};
    const size_t sizes[] = {1, 2, 3, 7, 64, 256, 1024};
    for (int round = 0; round < 400; ++round) {
        TempIni ini(round % 2 ? RandomJunk(rng) : RandomDocument(rng));
        for (int q = 0; q < 6; ++q) {
            const char* sec = names[rng() % (sizeof names / sizeof *names)];
            const char* key = names[rng() % (sizeof names / sizeof *names)];
            size_t size = sizes[rng() % (sizeof sizes / sizeof *sizes)];
            size_t n;
            GuardedRead(ini.Path(), sec, key, "def", size, &n);
            EXPECT_LT(n, size);
            IniReadInt(ini.Path(), sec, key, 5);
        }
    }
}

// A write changes bytes inside one line only (plus an added line), every other
// line stays, and the value reads back.
TEST(IniFileRandom, WritesTouchOnlyTheirLineAndReadBack) {
    std::mt19937 rng(99);
    const char* const sections[] = {"s", "S", "t", "new", "\xd6\xd0"};
    const char* const keys[] = {"k", "K", "j", "long", "added", "\xc3\xfb"};
    const char* const values[] = {"1", "", "two words", "\xd6\xb5", "x=y"};
    for (int round = 0; round < 600; ++round) {
        const std::string before = round % 5 == 4 ? RandomJunk(rng) : RandomDocument(rng);
        const char* sec = sections[rng() % 5];
        const char* key = keys[rng() % 6];
        const char* value = values[rng() % 5];
        IniDocument deleted(before);
        deleted.Remove(round % 7 ? sec : "", key);
        IniDocument doc(before);
        doc.Set(sec, key, value);
        const std::string& after = doc.Bytes();

        std::string got;
        ASSERT_TRUE(IniDocument(after).Find(sec, key, &got)) << before;
        EXPECT_EQ(got, value) << before;

        size_t p = 0;
        while (p < before.size() && p < after.size() && before[p] == after[p]) ++p;
        size_t q = 0;
        while (q < before.size() - p && q < after.size() - p &&
               before[before.size() - 1 - q] == after[after.size() - 1 - q])
            ++q;
        std::string removed = before.substr(p, before.size() - p - q);
        EXPECT_EQ(removed.find_first_of("\r\n"), std::string::npos)
            << "before: " << before << "\nafter: " << after;
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// Files saved in Unicode

namespace unicode {

// ASCII plus two GBK characters, 中 (D6 D0) and 文 (CE C4); anything else is "?".
class TwoCharCodePage : public AnsiCodePage {
public:
    void FromUtf16(const char16_t* units, size_t count, std::string* out) override {
        for (size_t i = 0; i < count; ++i) {
            if (units[i] < 0x80) *out += static_cast<char>(units[i]);
            else if (units[i] == 0x4E2D) *out += "\xd6\xd0";
            else if (units[i] == 0x6587) *out += "\xce\xc4";
            else *out += '?';
        }
    }
    void ToUtf16(const char* bytes, size_t count, std::u16string* out) override {
        for (size_t i = 0; i < count; ++i) {
            unsigned char c = static_cast<unsigned char>(bytes[i]);
            if (c < 0x80) *out += static_cast<char16_t>(c);
            else if (i + 1 < count && c == 0xD6 && bytes[i + 1] == '\xd0') *out += u'\u4E2D', ++i;
            else if (i + 1 < count && c == 0xCE && bytes[i + 1] == '\xc4') *out += u'\u6587', ++i;
            else *out += u'\uFFFD';
        }
    }
};

class IniFileUnicode : public ::testing::Test {
protected:
    void SetUp() override { SetIniCodePage(&codePage_); }
    void TearDown() override { SetIniCodePage(nullptr); }
    TwoCharCodePage codePage_;
};

// The bytes of text in one encoding, mark first.
std::string Encoded(TextEncoding e, const std::u16string& text) {
    std::string out;
    if (e == TextEncoding::kUtf8) {
        out = "\xEF\xBB\xBF";
        for (char16_t c : text) {
            if (c < 0x80) {
                out += static_cast<char>(c);
            } else {  // the test texts hold no surrogates
                out += static_cast<char>(0xE0 | (c >> 12));
                out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        return out;
    }
    const bool le = e == TextEncoding::kUtf16Le;
    out = le ? "\xFF\xFE" : "\xFE\xFF";
    for (char16_t c : text) {
        char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>(c >> 8);
        out += le ? lo : hi;
        out += le ? hi : lo;
    }
    return out;
}

const TextEncoding kEncodings[] = {TextEncoding::kUtf8, TextEncoding::kUtf16Le, TextEncoding::kUtf16Be};

TEST_F(IniFileUnicode, ReadsEveryEncodingThroughTheCodePage) {
    const std::u16string text = u"[SYSTEM]\r\nbClockMode=1\r\nsSignalFile=C:\\\u4E2D\u6587\\\r\n[t]\nk=\u263A x\n";
    for (TextEncoding e : kEncodings) {
        TempIni ini(Encoded(e, text));
        size_t n;
        EXPECT_EQ(IniReadInt(ini.Path(), "SYSTEM", "bClockMode", 7), 1) << static_cast<int>(e);
        EXPECT_EQ(GuardedRead(ini.Path(), "system", "sSignalFile", "", 64, &n), "C:\\\xd6\xd0\xce\xc4\\");
        EXPECT_EQ(GuardedRead(ini.Path(), "t", "k", "", 64, &n), "? x");  // not in the code page
    }
    // A mark alone, and UTF-16 with an odd byte left at the end.
    TempIni empty("\xFF\xFE");
    EXPECT_EQ(IniReadInt(empty.Path(), "s", "k", 7), 7);
    TempIni odd(Encoded(TextEncoding::kUtf16Le, u"[s]\r\nk=12") + "3");
    EXPECT_EQ(IniReadInt(odd.Path(), "s", "k", 7), 12);
    // Not UTF-8 after a UTF-8 mark: each broken sequence reads as one "?".
    TempIni broken("\xEF\xBB\xBF[s]\r\nk=a\xE4\xB8" "b\xFF" "c\r\n");
    size_t n;
    EXPECT_EQ(GuardedRead(broken.Path(), "s", "k", "", 64, &n), "a?b?c");
}

TEST_F(IniFileUnicode, WritesKeepTheEncodingAndTheUntouchedLines) {
    // The comment holds a character the code page cannot hold: it must survive.
    const std::u16string before = u"; \u263A\r\n[SYSTEM]\r\nbClockMode=0\r\nsSignalFile=C:\\\u4E2D\\\r\n";
    struct Case {
        const char* key;
        const char* value;
        std::u16string after;
    } cases[] = {
        {"bClockMode", "1", u"; \u263A\r\n[SYSTEM]\r\nbClockMode=1\r\nsSignalFile=C:\\\u4E2D\\\r\n"},
        {"sSignalFile", "D:\\\xce\xc4", u"; \u263A\r\n[SYSTEM]\r\nbClockMode=0\r\nsSignalFile=D:\\\u6587\r\n"},
        {"nNew", "5", u"; \u263A\r\n[SYSTEM]\r\nbClockMode=0\r\nsSignalFile=C:\\\u4E2D\\\r\nnNew=5\r\n"},
        {"bClockMode", nullptr, u"; \u263A\r\n[SYSTEM]\r\nsSignalFile=C:\\\u4E2D\\\r\n"},
    };
    for (TextEncoding e : kEncodings) {
        for (const Case& c : cases) {
            TempIni ini(Encoded(e, before));
            EXPECT_TRUE(IniWriteString(ini.Path(), "SYSTEM", c.key, c.value));
            EXPECT_EQ(ini.Get(), Encoded(e, c.after)) << static_cast<int>(e) << " " << c.key;
        }
        // A new section at the end of a file without a final line break.
        TempIni ini(Encoded(e, u"[s]\r\nk=\u263A"));
        EXPECT_TRUE(IniWriteString(ini.Path(), "t", "k", "\xd6\xd0"));
        EXPECT_EQ(ini.Get(), Encoded(e, u"[s]\r\nk=\u263A\r\n[t]\r\nk=\u4E2D\r\n"));
    }
}

}  // namespace unicode
