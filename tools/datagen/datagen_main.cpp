// ticora_datagen [--declared <list>] <dist-dir> <gen-dir>: writes the data files of the suite.
// ticora_datagen --list: prints the files it writes, one a line ("dist/..." or "gen/...").
// ticora_datagen --lunar-table <file>: computes the lunar calendar and writes
// the program's table (calendar/lunar_table_data.cpp).
// ticora_datagen --lunar-report <minutes>: lists the new moons and solar
// terms that fall within that many minutes of the calendar's midnight.
// With --declared, the build's list of outputs is compared with what the
// generator writes first, and nothing is written when they differ.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "tools/datagen/datagen.h"
#include "tools/datagen/lunar_table_gen.h"

namespace {

int Usage(const char* self) {
    std::fprintf(stderr, "usage: %s [--declared <list>] <dist-dir> <gen-dir>\n       %s --list\n", self, self);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const char* self = argc > 0 ? argv[0] : "ticora_datagen";
    if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
        for (const datagen::Output& o : datagen::Outputs()) std::printf("%s\n", datagen::ListedName(o).c_str());
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--lunar-table") == 0) {
        std::ofstream out(argv[2], std::ios::binary);
        out << datagen::LunarTableSource(datagen::ComputeLunarCalendar());
        out.close();
        if (!out) {
            std::fprintf(stderr, "ticora_datagen: cannot write %s\n", argv[2]);
            return 1;
        }
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--lunar-report") == 0) {
        const auto lines = datagen::NearMidnightReport(datagen::ComputeLunarCalendar(), std::atof(argv[2]));
        for (const std::string& line : lines) std::printf("%s\n", line.c_str());
        return 0;
    }
    int first = 1;
    if (argc == 5 && std::strcmp(argv[1], "--declared") == 0) {
        std::ifstream in(argv[2], std::ios::binary);
        std::ostringstream declared;
        if (in) declared << in.rdbuf();
        if (!in || in.bad()) {
            std::fprintf(stderr, "ticora_datagen: cannot read the output list %s\n", argv[2]);
            return 2;
        }
        const auto problems = datagen::CompareWithDeclared(declared.str(), datagen::Outputs());
        for (const std::string& p : problems) std::fprintf(stderr, "%s: %s\n", argv[2], p.c_str());
        if (!problems.empty()) {
            std::fprintf(stderr, "ticora_datagen: the output list %s does not match what the generator writes\n",
                         argv[2]);
            return 1;
        }
        first = 3;
    } else if (argc != 3) {
        return Usage(self);
    }
    std::string failed;
    if (!datagen::GenerateAll(argv[first], argv[first + 1], &failed)) {
        std::fprintf(stderr, "ticora_datagen: cannot write %s\n", failed.c_str());
        return 1;
    }
    return 0;
}
