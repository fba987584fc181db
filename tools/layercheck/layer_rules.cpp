#include "tools/layercheck/layer_rules.h"

#include <algorithm>
#include <functional>
#include <set>
#include <sstream>

namespace layercheck {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Splits text into lines without their line ends ("\n" or "\r\n").
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// Follows comments and literals through one line from position i, so that the
// next line knows whether it starts inside a block comment. Strings and
// character literals end with their line (raw strings are not followed).
bool EndsInBlockComment(const std::string& line, size_t i, bool inBlock) {
    char quote = 0;
    while (i < line.size()) {
        const char c = line[i];
        const char next = i + 1 < line.size() ? line[i + 1] : '\0';
        if (inBlock) {
            if (c == '*' && next == '/') {
                inBlock = false;
                ++i;
            }
        } else if (quote) {
            if (c == '\\') {
                ++i;
            } else if (c == quote) {
                quote = 0;
            }
        } else if (c == '/' && next == '/') {
            return false;
        } else if (c == '/' && next == '*') {
            inBlock = true;
            ++i;
        } else if (c == '"' || c == '\'') {
            quote = c;
        }
        ++i;
    }
    return inBlock;
}

// The quoted path of a line whose first token is #include, or false.
bool QuotedInclude(const std::string& line, size_t i, std::string* path) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size() || line[i] != '#') return false;
    ++i;
    while (i < line.size() && IsBlank(line[i])) ++i;
    static const std::string kInclude = "include";
    if (line.compare(i, kInclude.size(), kInclude) != 0) return false;
    i += kInclude.size();
    // "#include_next", "#includes": another word, not an include.
    if (i < line.size() && !IsBlank(line[i]) && line[i] != '"') return false;
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size() || line[i] != '"') return false;
    const size_t close = line.find('"', i + 1);
    if (close == std::string::npos || close == i + 1) return false;
    *path = line.substr(i + 1, close - i - 1);
    return true;
}

// Joins an include path to a directory ("" is the root) and removes "." and
// ".." steps; backslashes count as separators. False when the path leaves the
// root.
bool Normalise(const std::string& dir, const std::string& path, std::string* out) {
    std::string joined = dir.empty() ? path : dir + "/" + path;
    std::replace(joined.begin(), joined.end(), '\\', '/');
    std::vector<std::string> parts;
    std::stringstream in(joined);
    std::string part;
    while (std::getline(in, part, '/')) {
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (parts.empty()) return false;
            parts.pop_back();
        } else {
            parts.push_back(part);
        }
    }
    out->clear();
    for (const std::string& p : parts) *out += (out->empty() ? "" : "/") + p;
    return true;
}

std::string DirectoryOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// One include that makes the edge between two folders.
struct EdgeWitness {
    std::string file;
    int line = 0;
    std::string target;
};

using Graph = std::map<std::string, std::map<std::string, EdgeWitness>>;

// Every elementary cycle of the graph, each once: it starts at its smallest
// folder and passes only larger ones. The folder count is small, so a plain
// search serves; a limit keeps a pathological tree from running long.
std::vector<std::vector<std::string>> Cycles(const Graph& graph) {
    const size_t kLimit = 100;
    std::vector<std::vector<std::string>> cycles;
    std::vector<std::string> path;
    std::set<std::string> onPath;
    std::function<void(const std::string&, const std::string&)> visit = [&](const std::string& start,
                                                                             const std::string& node) {
        auto edges = graph.find(node);
        if (edges == graph.end()) return;
        for (const auto& edge : edges->second) {
            if (cycles.size() >= kLimit) return;
            const std::string& next = edge.first;
            if (next == start) {
                cycles.push_back(path);
            } else if (next > start && !onPath.count(next)) {
                path.push_back(next);
                onPath.insert(next);
                visit(start, next);
                onPath.erase(next);
                path.pop_back();
            }
        }
    };
    for (const auto& node : graph) {
        path = {node.first};
        onPath = {node.first};
        visit(node.first, node.first);
    }
    return cycles;
}

std::string LayerName(int layer) { return "layer " + std::to_string(layer); }

}  // namespace

std::vector<Include> ParseIncludes(const std::string& text) {
    std::vector<Include> includes;
    bool inBlock = false;
    int number = 0;
    for (const std::string& line : Lines(text)) {
        ++number;
        size_t start = 0;
        if (inBlock) {
            const size_t end = line.find("*/");
            if (end == std::string::npos) continue;
            start = end + 2;
            inBlock = false;
        } else {
            std::string path;
            if (QuotedInclude(line, 0, &path)) includes.push_back({path, number});
        }
        inBlock = EndsInBlockComment(line, start, false);
    }
    return includes;
}

bool ParseLayerTable(const std::string& text, LayerTable* table, std::string* error) {
    table->clear();
    int number = 0;
    for (std::string line : Lines(text)) {
        ++number;
        const size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        std::stringstream in(line);
        std::string folder, layer, extra;
        if (!(in >> folder)) continue;
        const std::string where = "line " + std::to_string(number) + ": ";
        if (!(in >> layer) || (in >> extra)) {
            *error = where + "expected \"<folder> <layer>\", found \"" + line + "\"";
            return false;
        }
        if (layer.size() > 3 || layer.find_first_not_of("0123456789") != std::string::npos) {
            *error = where + "layer of " + folder + " must be a number from 0 to 999, found \"" + layer + "\"";
            return false;
        }
        if (folder.find('/') != std::string::npos || folder.find('\\') != std::string::npos) {
            *error = where + "\"" + folder + "\" is not a top-level folder name";
            return false;
        }
        if (!table->emplace(folder, std::stoi(layer)).second) {
            *error = where + folder + " is declared twice";
            return false;
        }
    }
    if (table->empty()) {
        *error = "declares no folder";
        return false;
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool IsEntryPoint(const std::string& path) {
    static const std::string kSuffix = "_main_win.cpp";
    const std::string name = BaseName(path);
    return name.size() > kSuffix.size() && name.compare(name.size() - kSuffix.size(), kSuffix.size(), kSuffix) == 0;
}

Result Check(const std::vector<SourceFile>& input, const LayerTable& table, const std::string& tableName) {
    Result result;
    std::vector<const SourceFile*> files;
    for (const SourceFile& f : input) files.push_back(&f);
    std::sort(files.begin(), files.end(), [](const SourceFile* a, const SourceFile* b) { return a->path < b->path; });
    std::set<std::string> known;
    for (const SourceFile* f : files) known.insert(f->path);
    result.files = files.size();

    auto layerOf = [&](const std::string& folder, int* layer) {
        auto it = table.find(folder);
        if (it == table.end()) return false;
        *layer = it->second;
        return true;
    };

    // Each undeclared folder once, at its first file.
    std::set<std::string> undeclared;
    for (const SourceFile* f : files) {
        const std::string folder = FolderOf(f->path);
        int layer = 0;
        if (layerOf(folder, &layer) || !undeclared.insert(folder).second) continue;
        result.violations.push_back(
            {f->path, 1,
             folder.empty() ? "lies outside every folder; source files belong in a folder declared in " + tableName
                            : "folder " + folder + " has no layer; declare it in " + tableName});
    }

    // The product ends with the programs' floor; without one every folder belongs to it.
    int productTop = 0;
    const bool ceiling = layerOf(kProgramsFolder, &productTop);
    auto inProduct = [&](int layer) { return !ceiling || layer <= productTop; };

    Graph graph;
    for (const SourceFile* f : files) {
        const std::string folder = FolderOf(f->path);
        int layer = 0;
        const bool declared = layerOf(folder, &layer);
        if (declared && IsEntryPoint(f->path) && folder != kProgramsFolder && inProduct(layer)) {
            result.violations.push_back({f->path, 1,
                                         "is a program's entry point in " + folder +
                                             "; the programs' entry points belong in " + kProgramsFolder + "/"});
        }
        for (const Include& inc : ParseIncludes(f->text)) {
            ++result.includes;
            auto report = [&](const std::string& message) {
                result.violations.push_back({f->path, inc.line, message});
            };
            // Like the compiler: beside the including file first, then from the root.
            std::string beside, rooted, target;
            const bool besideOk = Normalise(DirectoryOf(f->path), inc.path, &beside);
            const bool rootedOk = Normalise("", inc.path, &rooted);
            if (besideOk && known.count(beside)) {
                target = beside;
            } else if (rootedOk && known.count(rooted)) {
                target = rooted;
            } else {
                report("includes \"" + inc.path + "\", which is not a file of the source tree");
                continue;
            }
            if (IsEntryPoint(target)) {
                report("includes the entry point " + target + "; nothing may include a program's entry point");
                continue;
            }
            const std::string targetFolder = FolderOf(target);
            int targetLayer = 0;
            if (!declared || !layerOf(targetFolder, &targetLayer)) continue;  // reported above
            if (targetLayer > layer) {
                report("includes " + target + " from " + targetFolder + " (" + LayerName(targetLayer) + "), above " +
                       folder + " (" + LayerName(layer) + ")");
                continue;
            }
            if (targetFolder != folder && inProduct(layer) && inProduct(targetLayer)) {
                graph[folder].emplace(targetFolder, EdgeWitness{f->path, inc.line, target});
            }
        }
    }

    for (const std::vector<std::string>& cycle : Cycles(graph)) {
        ++result.cycles;
        std::string names, edges;
        const EdgeWitness* first = nullptr;
        for (size_t i = 0; i < cycle.size(); ++i) {
            const std::string& from = cycle[i];
            const std::string& to = cycle[(i + 1) % cycle.size()];
            const EdgeWitness& w = graph.at(from).at(to);
            if (!first) first = &w;
            names += from + " -> ";
            edges += (i ? "; " : "") + from + " -> " + to + ": " + w.file + ":" + std::to_string(w.line) +
                     " includes " + w.target;
        }
        names += cycle.front();
        result.violations.push_back({first->file, first->line, "folders include each other in a cycle " + names +
                                                                   " (" + edges + ")"});
    }
    return result;
}

std::string Format(const Violation& v) { return v.file + ":" + std::to_string(v.line) + ": " + v.message; }

}  // namespace layercheck
