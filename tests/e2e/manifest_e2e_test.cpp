// The application manifest both programs carry, read back from the built
// files: the systems they declare, their DPI awareness, no execution level.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/program_dir.h"

namespace {

// The manifest resource (type 24, id 1) of a program; "" when it has none.
std::string ManifestOf(const char* file) {
  HMODULE m = LoadLibraryExA(DistPath(file).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!m) return "";
  std::string text;
  if (HRSRC r = FindResourceA(m, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
    if (const auto* bytes = static_cast<const char*>(LockResource(LoadResource(m, r))))
      text.assign(bytes, SizeofResource(m, r));
  }
  FreeLibrary(m);
  return text;
}

// Vista, 7, 8, 8.1 and 10/11.
const char* const kSystems[] = {
    "{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
};

}  // namespace

TEST(Manifest, BothProgramsDeclareTheirSystemsAndPerMonitorAwareness) {
  for (const char* file : {"Ticora.exe", "Belvane.exe"}) {
    SCOPED_TRACE(file);
    const std::string m = ManifestOf(file);
    ASSERT_FALSE(m.empty());
    for (const char* id : kSystems) EXPECT_NE(std::string::npos, m.find(std::string("supportedOS Id=\"") + id));
    EXPECT_NE(std::string::npos, m.find(">true/pm</dpiAware>"));
    EXPECT_NE(std::string::npos, m.find(">PerMonitorV2, PerMonitor</dpiAwareness>"));
    // An execution level would switch off the redirection of the settings
    // an installed copy writes beside itself.
    EXPECT_EQ(std::string::npos, m.find("requestedExecutionLevel"));
    EXPECT_EQ(std::string::npos, m.find("requestedPrivileges"));
  }
}
