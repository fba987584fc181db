#include "tools/layercheck/source_tree.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace layercheck {

namespace {

// A source file larger than this is not one anybody wrote by hand.
constexpr std::uintmax_t kMaxFileSize = 16u << 20;

// Hidden folders (".git") anywhere, and the build trees at the top.
bool Skipped(const std::string& folder, bool topLevel) {
    return folder.empty() || folder[0] == '.' || (topLevel && folder.compare(0, 5, "build") == 0);
}

}  // namespace

bool IsCheckedPath(const std::string& relative) {
    std::stringstream in(relative);
    std::string part;
    std::vector<std::string> parts;
    while (std::getline(in, part, '/')) parts.push_back(part);
    if (parts.empty()) return false;
    for (size_t i = 0; i + 1 < parts.size(); ++i)
        if (Skipped(parts[i], i == 0)) return false;
    const std::string ext = fs::path(parts.back()).extension().string();
    return ext == ".h" || ext == ".cpp" || ext == ".c" || ext == ".rc";
}

bool ReadTextFile(const std::string& path, std::string* text, std::string* error) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) {
        *error = "cannot read " + path + ": " + ec.message();
        return false;
    }
    if (size > kMaxFileSize) {
        *error = "cannot read " + path + ": larger than " + std::to_string(kMaxFileSize >> 20) + " MiB";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = "cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        *error = "cannot read " + path + ": read error";
        return false;
    }
    *text = content.str();
    return true;
}

bool LoadSourceTree(const std::string& root, std::vector<SourceFile>* files, std::string* error) {
    files->clear();
    std::error_code ec;
    if (!fs::is_directory(root, ec)) {
        *error = "cannot read the source tree " + root + ": not a directory";
        return false;
    }
    fs::recursive_directory_iterator it(root, ec), end;
    if (ec) {
        *error = "cannot read the source tree " + root + ": " + ec.message();
        return false;
    }
    for (; it != end; it.increment(ec)) {
        if (ec) break;
        const fs::path relative = it->path().lexically_relative(root);
        const std::string name = relative.filename().string();
        if (it->is_directory(ec)) {
            if (Skipped(name, it.depth() == 0)) it.disable_recursion_pending();
            continue;
        }
        const std::string path = relative.generic_string();
        if (!IsCheckedPath(path)) continue;
        SourceFile file{path, std::string()};
        if (!ReadTextFile(it->path().string(), &file.text, error)) return false;
        files->push_back(std::move(file));
    }
    if (ec) {
        *error = "cannot read the source tree " + root + ": " + ec.message();
        return false;
    }
    std::sort(files->begin(), files->end(), [](const SourceFile& a, const SourceFile& b) { return a.path < b.path; });
    return true;
}

}  // namespace layercheck
