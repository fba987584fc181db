// The harnesses' one scratch file: bytes written to a file of this process.
#pragma once
#include <cstdio>
#include <string>
#include <unistd.h>

inline const std::string& FuzzFile(const std::string& bytes, const char* name = "input.ini") {
  static std::string dir;
  if (dir.empty()) {
    char pattern[] = "/dev/shm/ticora-fuzz-XXXXXX";
    dir = mkdtemp(pattern) ? pattern : "/tmp";
  }
  static std::string path;
  path = dir + "/" + name;
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  return path;
}
