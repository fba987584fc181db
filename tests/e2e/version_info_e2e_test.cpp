// The version the built programs carry, read back with the platform's version
// functions, against the numbers the build writes from its one version.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/about_dialog_ids.h"
#include "tests/support/program_dir.h"
#include <ticora_version.h>  // written by the build

namespace {

struct Shipped {
  const char* file;
  DWORD fileHigh, fileLow;  // the file version, as the fixed part holds it
  const char* fileText;
  const char* aboutLine;  // what the About box says of the version, or null
};

const Shipped kShipped[] = {
    {"Ticora.exe", MAKELONG(TICORA_VERSION_MINOR, TICORA_VERSION_MAJOR), MAKELONG(0, TICORA_VERSION_BUILD),
     TICORA_VERSION_TEXT, "Ticora  v" TICORA_VERSION_TEXT "\n"},
    {"Belvane.exe", MAKELONG(BELVANE_VERSION_MINOR, BELVANE_VERSION_MAJOR), MAKELONG(0, BELVANE_VERSION_BUILD),
     BELVANE_VERSION_TEXT, "\nv" BELVANE_VERSION_TEXT "\n"},
    {"Dorvix.dll", MAKELONG(TICORA_VERSION_MINOR, TICORA_VERSION_MAJOR), MAKELONG(0, TICORA_VERSION_BUILD),
     TICORA_VERSION_TEXT, nullptr},
};

std::string StringValue(std::vector<char>& info, const char* name) {
  char* value = nullptr;
  UINT length = 0;
  const std::string path = std::string("\\StringFileInfo\\080403a8\\") + name;
  if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return "";
  return value;
}

// Whether the dialog template holds text (as the UTF-16 the template stores).
bool TemplateHolds(const std::string& module, const char* text) {
  HMODULE m = LoadLibraryExA(module.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!m) return false;
  bool found = false;
  if (HRSRC r = FindResourceA(m, MAKEINTRESOURCEA(IDD_ABOUT), MAKEINTRESOURCEA(5))) {
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(m, r)));
    const std::string templ(bytes, SizeofResource(m, r));
    std::string wide;
    for (const char* c = text; *c; ++c) wide += std::string{*c, '\0'};
    found = templ.find(wide) != std::string::npos;
  }
  FreeLibrary(m);
  return found;
}

TEST(VersionInfo, EveryShippedProgramCarriesTheBuildsVersion) {
  for (const Shipped& s : kShipped) {
    SCOPED_TRACE(s.file);
    const std::string path = DistPath(s.file);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    ASSERT_NE(0u, size);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(s.fileHigh, fixed->dwFileVersionMS);
    EXPECT_EQ(s.fileLow, fixed->dwFileVersionLS);
    // Every program is a part of the suite of this version.
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(TICORA_VERSION_MINOR, TICORA_VERSION_MAJOR)), fixed->dwProductVersionMS);
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(0, TICORA_VERSION_BUILD)), fixed->dwProductVersionLS);
    EXPECT_EQ(s.fileText, StringValue(info, "FileVersion"));
    EXPECT_EQ(TICORA_VERSION_TEXT, StringValue(info, "ProductVersion"));
    if (s.aboutLine) {
      EXPECT_TRUE(TemplateHolds(path, s.aboutLine));
    }
  }
}

}  // namespace
