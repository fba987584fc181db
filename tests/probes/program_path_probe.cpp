// Test program for ProgramPathWin.DeepDirectoryGivesEmptyPath: placed in a
// deep directory, it writes what ProgramPath answers there to the file named
// by its argument, one line per name ("Ticora.ini", then the bare directory):
//   <same|other>|<path>
// "same" means ProgramPath returned the caller's buffer.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "base/program_path.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: program_path_probe <report-file>\n");
    return 2;
  }
  std::FILE* out = std::fopen(argv[1], "wb");
  if (!out) {
    std::fprintf(stderr, "program_path_probe: cannot write %s\n", argv[1]);
    return 1;
  }
  for (const char* name : {"Ticora.ini", ""}) {
    char buffer[kProgramPathSize];
    std::memset(buffer, 'x', sizeof buffer);
    char* r = ProgramPath(name, buffer);
    std::fprintf(out, "%s|%s\n", r == buffer ? "same" : "other", buffer);
  }
  return std::fclose(out) == 0 ? 0 : 1;
}
