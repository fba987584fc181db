// Reads the files the layer check looks at from a source tree on disk.
#pragma once

#include <string>
#include <vector>

#include "tools/layercheck/layer_rules.h"

namespace layercheck {

// Whether a path relative to the root (with '/' separators) is a file the
// check reads: a .h, .cpp, .c or .rc file outside the build trees ("build*" at
// the top) and hidden folders such as ".git".
bool IsCheckedPath(const std::string& relative);

// Every checked file below root with its contents, sorted by path. On a
// folder or file that cannot be read returns false with a message naming it.
bool LoadSourceTree(const std::string& root, std::vector<SourceFile>* files, std::string* error);

// The whole of a file; false with a message when it cannot be read.
bool ReadTextFile(const std::string& path, std::string* text, std::string* error);

}  // namespace layercheck
