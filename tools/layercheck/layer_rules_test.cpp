// Tests of the layer check on small trees held in memory, and of reading a
// tree from disk.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/layercheck/layer_rules.h"
#include "tools/layercheck/source_tree.h"

namespace {

using namespace layercheck;

const LayerTable kTable = {{"base", 0},    {"resources", 0}, {"controls", 1}, {"clock", 2}, {"reminders", 2},
                           {"sysutil", 2}, {"programs", 3},  {"tests", 4},    {"tools", 4}};

std::vector<std::string> Formatted(const Result& r) {
    std::vector<std::string> lines;
    for (const Violation& v : r.violations) lines.push_back(Format(v));
    return lines;
}

TEST(ParseIncludes, OnlyQuotedIncludeDirectivesCount) {
    struct Case {
        const char* name;
        const char* text;
        std::vector<std::pair<std::string, int>> expected;
    } cases[] = {
        {"plain", "#include \"clock/a.h\"\n", {{"clock/a.h", 1}}},
        {"spaces around the hash", "  #  include   \"clock/a.h\"\n", {{"clock/a.h", 1}}},
        {"no space before the quote", "#include\"clock/a.h\"", {{"clock/a.h", 1}}},
        {"angle brackets", "#include <vector>\n#include <clock/a.h>\n", {}},
        {"line comment", "// #include \"clock/a.h\"\n", {}},
        {"after code and //", "int x;  // then #include \"clock/a.h\"\n", {}},
        {"in a string", "const char* s = \"#include \\\"clock/a.h\\\"\";\n", {}},
        {"other directives", "#include_next \"clock/a.h\"\n#includes \"clock/b.h\"\n#define X \"clock/c.h\"\n", {}},
        {"trailing comment names another file", "#include \"clock/a.h\"  // not \"clock/b.h\"\n", {{"clock/a.h", 1}}},
        {"block comment over lines",
         "/* old:\n#include \"clock/a.h\"\n*/\n#include \"clock/b.h\"\n",
         {{"clock/b.h", 4}}},
        {"block comment opened after an include",
         "#include \"clock/a.h\" /* begins\n#include \"clock/b.h\"\nends */\n#include \"clock/c.h\"\n",
         {{"clock/a.h", 1}, {"clock/c.h", 4}}},
        {"comment opener inside a string", "const char* s = \"/*\";\n#include \"clock/a.h\"\n", {{"clock/a.h", 2}}},
        {"comment opener after //", "int x;  // see /* here\n#include \"clock/a.h\"\n", {{"clock/a.h", 2}}},
        {"comment closed on one line", "/* a */ int x;\n#include \"clock/a.h\"\n", {{"clock/a.h", 2}}},
        {"windows line ends", "#pragma once\r\n#include \"clock/a.h\"\r\n", {{"clock/a.h", 2}}},
        {"empty or unclosed quotes", "#include \"\"\n#include \"clock/a.h\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::pair<std::string, int>> got;
        for (const Include& inc : ParseIncludes(c.text)) got.push_back({inc.path, inc.line});
        EXPECT_EQ(c.expected, got);
    }
}

TEST(ParseLayerTable, ReadsFoldersAndRejectsMalformedLines) {
    LayerTable table;
    std::string error;
    ASSERT_TRUE(ParseLayerTable("# layers\nbase 0\n\n  clock\t2  # the clock\r\ntests 4\n", &table, &error)) << error;
    EXPECT_EQ((LayerTable{{"base", 0}, {"clock", 2}, {"tests", 4}}), table);

    struct Case {
        const char* text;
        const char* message;
    } bad[] = {
        {"base\n", "line 1: expected"},
        {"base 0\nclock 2 3\n", "line 2: expected"},
        {"base zero\n", "line 1: layer of base must be a number"},
        {"base -1\n", "must be a number"},
        {"base 0\nbase 1\n", "line 2: base is declared twice"},
        {"clock/x 1\n", "not a top-level folder"},
        {"# nothing\n\n", "declares no folder"},
    };
    for (const Case& c : bad) {
        SCOPED_TRACE(c.text);
        error.clear();
        EXPECT_FALSE(ParseLayerTable(c.text, &table, &error));
        EXPECT_NE(std::string::npos, error.find(c.message)) << error;
    }
}

TEST(LayerCheck, IncludeRules) {
    struct Case {
        const char* name;
        std::vector<SourceFile> files;
        std::vector<std::string> expected;
    } cases[] = {
        {"downwards",
         {{"clock/w.cpp", "#include \"controls/c.h\"\n#include \"base/b.h\"\n"}, {"controls/c.h", ""}, {"base/b.h", ""}},
         {}},
        {"sideways between application folders",
         {{"clock/w.cpp", "#include \"reminders/r.h\""}, {"reminders/r.h", ""}},
         {}},
        {"uphill",
         {{"base/b.cpp", "#include \"base/b.h\"\n#include \"clock/w.h\"\n"}, {"base/b.h", ""}, {"clock/w.h", ""}},
         {"base/b.cpp:2: includes clock/w.h from clock (layer 2), above base (layer 0)"}},
        {"uphill through a relative path",
         {{"base/b.cpp", "#include \"../controls/c.h\""}, {"controls/c.h", ""}},
         {"base/b.cpp:1: includes controls/c.h from controls (layer 1), above base (layer 0)"}},
        {"product includes a test header",
         {{"clock/w.cpp", "#include \"tests/support/s.h\""}, {"tests/support/s.h", ""}},
         {"clock/w.cpp:1: includes tests/support/s.h from tests (layer 4), above clock (layer 2)"}},
        {"tests and tools see each other and the product",
         {{"tools/t.cpp", "#include \"tests/s.h\"\n#include \"clock/w.h\""}, {"tests/s.h", "#include \"tools/t.h\""},
          {"tools/t.h", ""}, {"clock/w.h", ""}},
         {}},
        {"a name without folder is found beside the includer",
         {{"resources/app.rc", "#include \"ids.h\"\n#include \"menu.rc\""}, {"resources/ids.h", ""},
          {"resources/menu.rc", "#include \"ids.h\""}},
         {}},
        {"the programs include every product folder",
         {{"programs/ticora/ticora_main_win.cpp", "#include \"clock/w.h\"\n#include \"programs/ticora/wiring.h\""},
          {"programs/ticora/wiring.h", "#include \"base/b.h\""}, {"clock/w.h", ""}, {"base/b.h", ""}},
         {}},
        {"an entry point has the layer of its folder",
         {{"clock/ticora_main_win.cpp", "#include \"programs/p.h\""}, {"programs/p.h", ""}},
         {"clock/ticora_main_win.cpp:1: is a program's entry point in clock; the programs' entry points belong in "
          "programs/",
          "clock/ticora_main_win.cpp:1: includes programs/p.h from programs (layer 3), above clock (layer 2)"}},
        {"an entry point outside the programs, on its own",
         {{"base/tool_main_win.cpp", ""}},
         {"base/tool_main_win.cpp:1: is a program's entry point in base; the programs' entry points belong in "
          "programs/"}},
        {"tests and tools hold entry points of their own",
         {{"tools/bench/bare_main_win.cpp", "#include \"clock/w.h\""}, {"tests/probe_main_win.cpp", ""},
          {"clock/w.h", ""}},
         {}},
        {"the programs stay below the tests",
         {{"programs/ticora_main_win.cpp", "#include \"tests/s.h\""}, {"tests/s.h", ""}},
         {"programs/ticora_main_win.cpp:1: includes tests/s.h from tests (layer 4), above programs (layer 3)"}},
        {"nothing includes an entry point",
         {{"tests/t.cpp", "\n#include \"programs/ticora_main_win.cpp\""}, {"programs/ticora_main_win.cpp", ""}},
         {"tests/t.cpp:2: includes the entry point programs/ticora_main_win.cpp; nothing may include a program's "
          "entry point"}},
        {"undeclared folder, once",
         {{"dialogs2/a.cpp", "#include \"base/b.h\""}, {"dialogs2/b.cpp", ""}, {"base/b.h", ""},
          {"clock/w.cpp", "#include \"dialogs2/a.h\""}, {"dialogs2/a.h", ""}},
         {"dialogs2/a.cpp:1: folder dialogs2 has no layer; declare it in layers.txt"}},
        {"a file at the root",
         {{"loose.cpp", ""}},
         {"loose.cpp:1: lies outside every folder; source files belong in a folder declared in layers.txt"}},
        {"included file missing or outside the tree",
         {{"clock/w.cpp", "#include \"clock/gone.h\"\n#include \"../../x.h\""}},
         {"clock/w.cpp:1: includes \"clock/gone.h\", which is not a file of the source tree",
          "clock/w.cpp:2: includes \"../../x.h\", which is not a file of the source tree"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result r = Check(c.files, kTable, "layers.txt");
        EXPECT_EQ(c.expected, Formatted(r));
        EXPECT_EQ(0u, r.cycles);
    }
}

TEST(LayerCheck, CyclesAreNamedWithAnIncludeForEachEdge) {
    struct Case {
        const char* name;
        std::vector<SourceFile> files;
        std::vector<std::string> expected;
    } cases[] = {
        {"two folders",
         {{"reminders/r.cpp", "#include \"base/b.h\"\n#include \"clock/w.h\""}, {"base/b.h", ""},
          {"clock/w.h", "#include \"reminders/r.h\""}, {"clock/x.h", "#include \"reminders/r.h\""},
          {"reminders/r.h", ""}},
         {"clock/w.h:1: folders include each other in a cycle clock -> reminders -> clock (clock -> reminders: "
          "clock/w.h:1 includes reminders/r.h; reminders -> clock: reminders/r.cpp:2 includes clock/w.h)"}},
        {"three folders",
         {{"clock/w.cpp", "#include \"sysutil/s.h\""}, {"sysutil/s.h", "#include \"reminders/r.h\""},
          {"reminders/r.h", "\n\n#include \"clock/w.h\""}, {"clock/w.h", ""}},
         {"clock/w.cpp:1: folders include each other in a cycle clock -> sysutil -> reminders -> clock (clock -> "
          "sysutil: clock/w.cpp:1 includes sysutil/s.h; sysutil -> reminders: sysutil/s.h:1 includes "
          "reminders/r.h; reminders -> clock: reminders/r.h:3 includes clock/w.h)"}},
        {"two cycles through one folder",
         {{"clock/w.h", "#include \"reminders/r.h\"\n#include \"sysutil/s.h\""},
          {"reminders/r.h", "#include \"clock/w.h\""}, {"sysutil/s.h", "#include \"clock/w.h\""}},
         {"clock/w.h:1: folders include each other in a cycle clock -> reminders -> clock (clock -> reminders: "
          "clock/w.h:1 includes reminders/r.h; reminders -> clock: reminders/r.h:1 includes clock/w.h)",
          "clock/w.h:2: folders include each other in a cycle clock -> sysutil -> clock (clock -> sysutil: "
          "clock/w.h:2 includes sysutil/s.h; sysutil -> clock: sysutil/s.h:1 includes clock/w.h)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result r = Check(c.files, kTable, "layers.txt");
        EXPECT_EQ(c.expected, Formatted(r));
        EXPECT_EQ(c.expected.size(), r.cycles);
    }
}

TEST(LayerCheck, CyclesTakeInTheProgramsAndLeaveOutTestsAndTools) {
    const std::vector<SourceFile> files = {
        {"clock/w.h", "#include \"reminders/r.h\""},
        {"reminders/r.h", ""},
        {"programs/ticora_main_win.cpp", "#include \"clock/w.h\"\n#include \"reminders/r.h\""},
        {"tests/t.h", "#include \"tools/u.h\""},
        {"tools/u.h", "#include \"tests/t.h\""},
    };
    Result r = Check(files, kTable, "layers.txt");
    EXPECT_TRUE(r.violations.empty()) << Formatted(r).front();
    EXPECT_EQ(5u, r.files);
    EXPECT_EQ(5u, r.includes);

    // Without the programs' floor in the table, tests and tools count as product too.
    LayerTable flat = kTable;
    flat.erase("programs");
    r = Check({files.begin(), files.begin() + 2}, flat, "layers.txt");
    EXPECT_TRUE(r.violations.empty());
    r = Check({files.begin() + 3, files.end()}, flat, "layers.txt");
    EXPECT_EQ(1u, r.cycles);
}

// The table this tree declares keeps the real order of its folders: each row
// an include between two folders and whether the check lets it pass.
TEST(LayerCheck, TheTreesTableStatesTheRealOrder) {
    std::string text, error;
    ASSERT_TRUE(ReadTextFile(std::string(LAYERCHECK_SOURCE_ROOT) + "/cmake/layers.txt", &text, &error)) << error;
    LayerTable table;
    ASSERT_TRUE(ParseLayerTable(text, &table, &error)) << error;
    const struct {
        const char* from;
        const char* to;
        bool allowed;
    } rows[] = {
        {"controls", "base", true},       {"base", "controls", false},     {"reminders", "controls", true},
        {"calendar", "base", true},       {"reminders", "clock", false},   {"reminders", "dialogs", false},
        {"calendar", "dialogs", false},   {"clock", "reminders", true},    {"clock", "dialogs", false},
        {"dialogs", "clock", true},       {"dialogs", "calendar", true},   {"themeedit", "dialogs", true},
        {"themeedit", "programs", false}, {"dialogs", "programs", false},  {"programs", "dialogs", true},
        {"programs", "themeedit", true},  {"programs", "sysutil", true},   {"sysutil", "controls", false},
        {"programs", "tests", false},     {"tests", "programs", true},
    };
    for (const auto& row : rows) {
        const std::string from = std::string(row.from) + "/x.cpp";
        const std::string to = std::string(row.to) + "/y.h";
        SCOPED_TRACE(from + " -> " + to);
        const Result r = Check({{from, "#include \"" + to + "\""}, {to, ""}}, table, "cmake/layers.txt");
        EXPECT_EQ(row.allowed, r.violations.empty()) << (r.violations.empty() ? "" : Format(r.violations.front()));
    }
}

class SourceTreeOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = std::filesystem::temp_directory_path() / ("layer_check_test_" + std::to_string(::getpid()));
        std::filesystem::remove_all(root_);
    }
    void TearDown() override { std::filesystem::remove_all(root_); }
    void Write(const std::string& relative, const std::string& text) {
        const auto path = root_ / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }
    std::filesystem::path root_;
};

TEST_F(SourceTreeOnDisk, ReadsSourceFilesAndSkipsBuildTreesAndHiddenFolders) {
    for (const char* p : {"base/a.h", "base/a.cpp", "tools/visual/x.c", "resources/app.rc", "tests/builds/b.h",
                          "base/notes.txt", "scripts/run.sh", "build/gen/g.h", "build-win/w.cpp", ".git/h.h",
                          "tests/.cache/c.h"})
        Write(p, "// text\n");
    std::vector<SourceFile> files;
    std::string error;
    ASSERT_TRUE(LoadSourceTree(root_.string(), &files, &error)) << error;
    std::vector<std::string> paths;
    for (const SourceFile& f : files) paths.push_back(f.path);
    EXPECT_EQ((std::vector<std::string>{"base/a.cpp", "base/a.h", "resources/app.rc", "tests/builds/b.h",
                                        "tools/visual/x.c"}),
              paths);
    EXPECT_EQ("// text\n", files.front().text);
}

TEST_F(SourceTreeOnDisk, MissingTreeOrFileIsAnError) {
    std::vector<SourceFile> files;
    std::string error, text;
    EXPECT_FALSE(LoadSourceTree((root_ / "none").string(), &files, &error));
    EXPECT_NE(std::string::npos, error.find("none")) << error;
    error.clear();
    EXPECT_FALSE(ReadTextFile((root_ / "layers.txt").string(), &text, &error));
    EXPECT_NE(std::string::npos, error.find("cannot read")) << error;
}

}  // namespace
