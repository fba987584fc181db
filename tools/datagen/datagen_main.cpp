// ticora_datagen <dist-dir> <gen-dir>: writes the data files of the suite.
#include <cstdio>
#include <string>

#include "tools/datagen/datagen.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <dist-dir> <gen-dir>\n", argc > 0 ? argv[0] : "ticora_datagen");
        return 2;
    }
    std::string failed;
    if (!datagen::GenerateAll(argv[1], argv[2], &failed)) {
        std::fprintf(stderr, "ticora_datagen: cannot write %s\n", failed.c_str());
        return 1;
    }
    return 0;
}
