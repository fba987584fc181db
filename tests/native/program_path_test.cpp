#include "base/program_path.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

TEST(ProgramPath, JoinsDirectoryOfModuleWithName) {
    struct {
        const char* module;
        const char* name;
        size_t size;
        bool ok;
        const char* expected;
    } cases[] = {
        {"C:\\Ticora\\Ticora.exe", "Ticora.ini", 256, true, "C:\\Ticora\\Ticora.ini"},
        {"C:\\Ticora\\Ticora.exe", "Help\\help.htm", 256, true, "C:\\Ticora\\Help\\help.htm"},
        {"C:\\Ticora\\Ticora.exe", "", 256, true, "C:\\Ticora\\"},
        {"C:\\Ticora\\Ticora.exe", nullptr, 256, true, "C:\\Ticora\\"},
        {"C:\\Ticora.exe", "a.bmp", 256, true, "C:\\a.bmp"},
        {"\\\\server\\share\\T.exe", "x", 256, true, "\\\\server\\share\\x"},
        {"Ticora.exe", "Ticora.ini", 256, false, ""},
        {"", "Ticora.ini", 256, false, ""},
        {nullptr, "Ticora.ini", 256, false, ""},
        // GBK directory names: a second byte 0x5C is not a backslash.
        {"C:\\\xd6\xd0\\\x81\x5c.exe", "a", 256, true, "C:\\\xd6\xd0\\a"},
        {"C:\\\x81\x5c", "a", 256, true, "C:\\a"},
        // Exactly fitting, one byte too long, tiny buffers.
        {"C:\\d\\p.exe", "abcdef", 12, true, "C:\\d\\abcdef"},
        {"C:\\d\\p.exe", "abcdefg", 12, false, ""},
        {"C:\\d\\p.exe", "", 6, true, "C:\\d\\"},
        {"C:\\d\\p.exe", "", 5, false, ""},
        {"C:\\d\\p.exe", "", 1, false, ""},
    };
    for (const auto& c : cases) {
        std::vector<char> mem(c.size + 16, '#');
        bool ok = JoinProgramPath(c.module, c.name, mem.data(), c.size);
        EXPECT_EQ(ok, c.ok) << (c.module ? c.module : "<null>");
        EXPECT_STREQ(mem.data(), c.expected);
        for (size_t i = c.size; i < mem.size(); ++i) ASSERT_EQ(mem[i], '#') << "overflow";
    }
    EXPECT_FALSE(JoinProgramPath("C:\\a.exe", "b", nullptr, 10));
}

TEST(ProgramPath, DeepDirectoryFailsEmpty) {
    std::string module = "C:";
    while (module.size() < 300) module += "\\deeper";
    module += "\\Ticora.exe";
    char out[kProgramPathSize];
    out[0] = 'x';
    EXPECT_FALSE(JoinProgramPath(module.c_str(), "Ticora.ini", out, sizeof out));
    EXPECT_STREQ(out, "");
}

TEST(ProgramPath, RandomInputsNeverOverrun) {
    std::mt19937 rng(7);
    for (int round = 0; round < 3000; ++round) {
        std::string module(rng() % 400, 'a'), name(rng() % 300, 'n');
        for (char& c : module) c = "\\a\x81\xd6:"[rng() % 5];
        size_t size = rng() % 300;
        std::vector<char> mem(size + 8, '#');
        bool ok = JoinProgramPath(module.c_str(), name.c_str(), mem.data(), size);
        for (size_t i = size; i < mem.size(); ++i) ASSERT_EQ(mem[i], '#');
        if (size == 0) continue;
        std::string got = mem.data();
        ASSERT_LT(got.size(), size);
        if (ok) EXPECT_EQ(got.substr(got.size() - name.size()), name);
        else EXPECT_EQ(got, "");
    }
}

}  // namespace
