// The application manifest both programs carry, read back from the built
// files: the systems they declare, their DPI awareness, no execution level.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/app_ids.h"
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

// The program icon at every size the shell asks for from 100 % to 300 %,
// each one drawn for its size (20, 24, 40 and 64 are PNG pictures, which the
// loader must read, not just find), with some of its pixels opaque.
TEST(ProgramIcons, EverySizeTheShellAsksForLoadsAtItsOwnSize) {
  for (const char* file : {"Ticora.exe", "Belvane.exe"}) {
    SCOPED_TRACE(file);
    HMODULE m = LoadLibraryExA(DistPath(file).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(m, nullptr);
    for (int size : {16, 20, 24, 32, 40, 48, 64}) {
      SCOPED_TRACE(size);
      HICON icon = static_cast<HICON>(LoadImageA(m, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, size, size, 0));
      ASSERT_NE(icon, nullptr);
      ICONINFO info{};
      ASSERT_TRUE(GetIconInfo(icon, &info));
      BITMAP bm{};
      GetObjectA(info.hbmColor, sizeof bm, &bm);
      EXPECT_EQ(bm.bmWidth, size);
      // Drawn on white and on black, an opaque pixel looks the same on both.
      int opaque = 0;
      HDC screen = GetDC(nullptr);
      HDC dc = CreateCompatibleDC(screen);
      HBITMAP target = CreateCompatibleBitmap(screen, size, size);
      HGDIOBJ old = SelectObject(dc, target);
      std::vector<COLORREF> onWhite;
      for (int pass = 0; pass < 2; ++pass) {
        RECT r{0, 0, size, size};
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(pass == 0 ? WHITE_BRUSH : BLACK_BRUSH)));
        DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        for (int y = 0; y < size; ++y)
          for (int x = 0; x < size; ++x) {
            if (pass == 0) onWhite.push_back(GetPixel(dc, x, y));
            else opaque += GetPixel(dc, x, y) == onWhite[static_cast<size_t>(y) * size + x];
          }
      }
      SelectObject(dc, old);
      DeleteObject(target);
      DeleteDC(dc);
      ReleaseDC(nullptr, screen);
      EXPECT_GT(opaque, size * size / 4);
      if (info.hbmColor) DeleteObject(info.hbmColor);
      if (info.hbmMask) DeleteObject(info.hbmMask);
      DestroyIcon(icon);
    }
    FreeLibrary(m);
  }
}
