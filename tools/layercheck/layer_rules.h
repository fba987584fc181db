// The layering rules of the source tree: which folder may include which.
//
// Every top-level folder has a layer (declared in a small text table). A file
// may include headers of its own layer or of lower ones, whatever its name.
// The folder "programs" is the top floor of the product: the programs' entry
// points (*_main_win.cpp) lie there and nowhere else in the product, and
// nothing includes them. The product folders (those at or below the programs'
// layer) must also not include each other in a cycle, even sideways.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace layercheck {

// The folder of the programs. Folders above its layer (tests, tools) are
// outside the product: they may hold entry points of their own and take no
// part in the cycle check. A table without it has no such ceiling.
constexpr const char kProgramsFolder[] = "programs";

// One quoted include: the text between the quotes and its line (from 1).
struct Include {
    std::string path;
    int line = 0;
};

// The quoted includes of a source text. Only lines whose first token is
// "#include" count ("#  include" too); angle-bracket includes, lines inside
// block comments and includes mentioned after "//" or in strings do not.
std::vector<Include> ParseIncludes(const std::string& text);

// Folder name -> layer.
using LayerTable = std::map<std::string, int>;

// Reads "folder layer" lines; "#" starts a comment, blank lines are skipped.
// On a malformed line returns false with a message naming the line.
bool ParseLayerTable(const std::string& text, LayerTable* table, std::string* error);

// A file of the tree: its path relative to the source root ('/' separated)
// and its contents.
struct SourceFile {
    std::string path;
    std::string text;
};

struct Violation {
    std::string file;
    int line = 0;
    std::string message;
};

struct Result {
    std::vector<Violation> violations;
    size_t files = 0;
    size_t includes = 0;
    size_t cycles = 0;
};

// The folder of a path: its first component ("" for a file at the root).
std::string FolderOf(const std::string& path);
bool IsEntryPoint(const std::string& path);

// Checks every quoted include of files against table. tableName is how
// messages refer to the table (e.g. "cmake/layers.txt").
Result Check(const std::vector<SourceFile>& files, const LayerTable& table, const std::string& tableName);

// "file:line: message".
std::string Format(const Violation& v);

}  // namespace layercheck
