// layer_check <source-root> [<layer-table>]
// Checks the includes of the source tree against the folder layers declared
// in the table (default: <source-root>/cmake/layers.txt). Prints one line per
// violation and a summary; exits 0 when the tree keeps to its layers, 1 on a
// violation, 2 when the tree or the table cannot be read.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/layercheck/layer_rules.h"
#include "tools/layercheck/source_tree.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: layer_check <source-root> [<layer-table>]\n");
        return 2;
    }
    const std::string root = argv[1];
    const std::string tablePath = argc == 3 ? std::string(argv[2]) : root + "/cmake/layers.txt";
    const std::string tableName = argc == 3 ? tablePath : std::string("cmake/layers.txt");

    std::string text, error;
    layercheck::LayerTable table;
    if (!layercheck::ReadTextFile(tablePath, &text, &error)) {
        std::fprintf(stderr, "layer_check: the layer table: %s\n", error.c_str());
        return 2;
    }
    if (!layercheck::ParseLayerTable(text, &table, &error)) {
        std::fprintf(stderr, "layer_check: %s: %s\n", tablePath.c_str(), error.c_str());
        return 2;
    }
    std::vector<layercheck::SourceFile> files;
    if (!layercheck::LoadSourceTree(root, &files, &error)) {
        std::fprintf(stderr, "layer_check: %s\n", error.c_str());
        return 2;
    }

    const layercheck::Result result = layercheck::Check(files, table, tableName);
    for (const layercheck::Violation& v : result.violations) std::printf("%s\n", layercheck::Format(v).c_str());
    const size_t n = result.violations.size();
    std::printf("layer_check: %zu files, %zu includes: %s\n", result.files, result.includes,
                n == 0 ? "every include keeps to the layers"
                       : (std::to_string(n) + (n == 1 ? " violation" : " violations") + " (" +
                          std::to_string(result.cycles) + (result.cycles == 1 ? " cycle)" : " cycles)"))
                             .c_str());
    return n == 0 ? 0 : 1;
}
