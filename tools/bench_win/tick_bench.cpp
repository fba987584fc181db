// Benchmark of the clock's tick under Wine or Windows, for both faces: the
// whole tick (the timer message and the paint into the window's device
// context), each of its steps timed on its own, and the floor of each face
// measured on the same regions and bitmaps in the same run:
//   analog  - one SetWindowRgn of the finished outline plus the five fills;
//   digital - one copy of the finished face to the window.
// Each tick is reported as a ratio to its floor, and the GDI objects owned
// before and after 10,000 more ticks of each face are counted (the handle
// owners' counter, and the system's count where it has one).
// Usage: tick_bench [ticks per measurement, default 2000]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "clock/analog_face_win.h"
#include "clock/clock_window_win.h"
#include "clock/digital_face_win.h"
#include "clock/face_geometry.h"
#include "clock/skin_region_win.h"
#include "controls/handles_win.h"
#include "controls/module_win.h"
#include "tests/support/stopwatch_win.h"

namespace {

double Now() { return MillisecondsNow(); }

struct FedTime : TimeSource {
  LocalTime t{};
  LocalTime Now() override { return t; }
  // The i-th second of a run: every second and minute of the dial comes by.
  void Step(int i) {
    t.wSecond = static_cast<uint16_t>(i % 60);
    t.wMinute = static_cast<uint16_t>((i / 60) % 60);
    t.wHour = static_cast<uint16_t>((i / 3600) % 24);
  }
};

// Runs body(i) n times; microseconds per run.
template <class Body>
double PerRun(int n, Body body) {
  const double t0 = Now();
  for (int i = 0; i < n; ++i) body(i);
  return (Now() - t0) * 1000.0 / n;
}

long SystemGdiObjects() {
  typedef DWORD(WINAPI * CountFn)(HANDLE, DWORD);
  auto count = reinterpret_cast<CountFn>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetGuiResources")));
  return count ? static_cast<long>(count(GetCurrentProcess(), 0 /* GR_GDIOBJECTS */)) : -1;
}

void Objects(const char* face, ClockWindow& clock, FedTime& time, HDC dc, int from) {
  const long ownersBefore = handles::LiveCount(), systemBefore = SystemGdiObjects();
  for (int i = 0; i < 10000; ++i) {
    time.Step(from + i);
    SendMessageA(clock.hwnd(), WM_TIMER, kClockTimerId, 0);
    clock.PaintFace(dc);
  }
  printf("%s: objects owned before/after 10000 ticks: %ld/%ld (system count %ld/%ld)\n", face, ownersBefore,
         handles::LiveCount(), systemBefore, SystemGdiObjects());
}

// A 32-bit picture written as a bitmap file: key-colour corners, a dark face
// and, for the strip, ten digits' worth of columns.
void WriteBitmap(const std::string& path, int w, int h, bool strip) {
  std::vector<uint32_t> px(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool corner = !strip && ((x < 6 || x >= w - 6) && (y < 6 || y >= h - 6));
      uint32_t c = corner ? 0xFF00FFu : 0x203040u + static_cast<uint32_t>((x * 7 + y * 3) & 0x7F);
      if (!strip && x >= 20 && x < w - 20 && y >= 15 && y < 15 + kDigitAreaHeight + 2) c = 0;  // the digit area
      px[static_cast<size_t>(y) * w + x] = c;
    }
  BITMAPFILEHEADER fh{};
  BITMAPINFOHEADER ih{};
  ih.biSize = sizeof ih;
  ih.biWidth = w;
  ih.biHeight = -h;
  ih.biPlanes = 1;
  ih.biBitCount = 32;
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof fh + sizeof ih;
  fh.bfSize = fh.bfOffBits + static_cast<DWORD>(px.size() * 4);
  if (FILE* f = fopen(path.c_str(), "wb")) {
    fwrite(&fh, sizeof fh, 1, f);
    fwrite(&ih, sizeof ih, 1, f);
    fwrite(px.data(), 4, px.size(), f);
    fclose(f);
  }
}

void AnalogRun(int n, FedTime& time) {
  ClockWindow clock(ClockServices{&time});
  clock.SetFaceMode(1);
  RECT target{0, 0, 136, 136};
  if (!clock.CreateClock(nullptr, true, &target)) return;
  WindowDC dc(clock.hwnd());

  const double tick = PerRun(n, [&](int i) {
    time.Step(i);
    SendMessageA(clock.hwnd(), WM_TIMER, kClockTimerId, 0);
    clock.PaintFace(dc.get());
  });

  // The steps, each on its own.
  const double geometry = PerRun(n, [&](int i) {
    time.Step(i);
    for (HandKind k : {HandKind::kHour, HandKind::kMinute, HandKind::kSecond})
      HandDots(k, time.t.wHour, time.t.wMinute, time.t.wSecond);
  });
  AnalogFace face;
  face.BuildDial();
  const double hands = PerRun(n, [&](int i) {
    time.Step(i);
    face.BuildHands(time.t.wHour, time.t.wMinute, time.t.wSecond);
  });
  // Finished outlines, one per run, made before the timing.
  std::vector<HRGN> outlines;
  for (int i = 0; i < n; ++i) {
    time.Step(i);
    outlines.push_back(face.BuildHands(time.t.wHour, time.t.wMinute, time.t.wSecond).Release());
  }
  const double windowRegion = PerRun(n, [&](int i) { SetWindowRgn(clock.hwnd(), outlines[i], TRUE); });
  const double invalidate = PerRun(n, [&](int) { InvalidateRect(clock.hwnd(), nullptr, TRUE); });
  ValidateRect(clock.hwnd(), nullptr);
  const double paint = PerRun(n, [&](int) { face.Paint(dc.get()); });

  // The floor: the finished outline given to the window, and five fills of
  // finished regions with brushes made before.
  outlines.clear();
  for (int i = 0; i < n; ++i) {
    time.Step(i);
    outlines.push_back(face.BuildHands(time.t.wHour, time.t.wMinute, time.t.wSecond).Release());
  }
  std::vector<Region> parts;
  {
    // The face's own five regions are private; regions of the same dots do as well.
    auto dotsRegion = [](const std::vector<DotBox>& dots) {
      Region r(CreateRectRgn(0, 0, 0, 0));
      for (const DotBox& b : dots) {
        Region dot(CreateEllipticRgn(b.left, b.top, b.right, b.bottom));
        CombineRgn(r.get(), r.get(), dot.get(), RGN_OR);
      }
      return r;
    };
    std::vector<DotBox> hourMarks{CenterDot()}, minuteMarks;
    for (const DialMark& m : DialMarks()) (m.hourMark ? hourMarks : minuteMarks).push_back(m.box);
    parts.push_back(dotsRegion(hourMarks));
    parts.push_back(dotsRegion(minuteMarks));
    for (HandKind k : {HandKind::kHour, HandKind::kMinute, HandKind::kSecond}) parts.push_back(dotsRegion(HandDots(k, 10, 8, 30)));
  }
  std::vector<Brush> brushes;
  for (COLORREF c : {AnalogFace::kHourMarkColour, AnalogFace::kMinuteMarkColour, AnalogFace::kHourHandColour,
                     AnalogFace::kMinuteHandColour, AnalogFace::kSecondHandColour})
    brushes.emplace_back(CreateSolidBrush(c));
  const double floor = PerRun(n, [&](int i) {
    SetWindowRgn(clock.hwnd(), outlines[i], TRUE);
    for (int p = 0; p < 5; ++p) FillRgn(dc.get(), parts[p].get(), brushes[p].get());
  });

  printf("analog tick: %.0f us, floor %.0f us, ratio %.2f\n", tick, floor, tick / floor);
  printf("  steps: hand geometry %.1f us, hand regions and outline %.0f us, SetWindowRgn %.0f us, "
         "invalidate %.1f us, five fills %.0f us\n",
         geometry, hands, windowRegion, invalidate, paint);
  face.Release();
  Objects("analog", clock, time, dc.get(), n);
  clock.CloseClock();
}

void DigitalRun(int n, FedTime& time) {
  char dir[MAX_PATH];
  GetTempPathA(sizeof dir, dir);
  const std::string bg = std::string(dir) + "tick_bench_bg.bmp", digits = std::string(dir) + "tick_bench_digits.bmp";
  WriteBitmap(bg, 200, 60, false);
  WriteBitmap(digits, 162, kDigitAreaHeight, true);
  ClockWindow clock(ClockServices{&time});
  clock.SetFaceMode(0);
  const bool loaded = clock.LoadBackground(bg.c_str(), false) && clock.LoadDigitStrip(digits.c_str());
  RECT target{0, 0, 200, 60};
  if (!loaded || !clock.CreateClock(nullptr, true, &target)) {
    printf("digital: the face could not be made\n");
    return;
  }
  WindowDC dc(clock.hwnd());
  const RECT face = clock.FaceRect();
  const int w = face.right - face.left, h = face.bottom - face.top;

  const double tick = PerRun(n, [&](int i) {
    time.Step(i);
    SendMessageA(clock.hwnd(), WM_TIMER, kClockTimerId, 0);
    clock.PaintFace(dc.get());
  });

  // The steps of one composition, as separate timings.
  Bitmap bgBitmap(DigitalFace::LoadSkin(bg.c_str())), strip(DigitalFace::LoadSkin(digits.c_str()));
  const double invalidate = PerRun(n, [&](int) { InvalidateRect(clock.hwnd(), nullptr, FALSE); });
  ValidateRect(clock.hwnd(), nullptr);
  const double surface = PerRun(n, [&](int) {
    MemoryDC memory(CreateCompatibleDC(dc.get()));
    Bitmap canvas(CreateCompatibleBitmap(dc.get(), w, h));
    SelectGuard select(memory.get(), canvas.get());
  });
  MemoryDC memory(CreateCompatibleDC(dc.get()));
  Bitmap canvas(CreateCompatibleBitmap(dc.get(), w, h));
  SelectGuard select(memory.get(), canvas.get());
  MemoryDC bgSource(CreateCompatibleDC(dc.get()));
  SelectGuard selectBg(bgSource.get(), bgBitmap.get());
  MemoryDC stripSource(CreateCompatibleDC(dc.get()));
  SelectGuard selectStrip(stripSource.get(), strip.get());
  const double background =
      PerRun(n, [&](int) { BitBlt(memory.get(), 0, 0, w, h, bgSource.get(), 0, 0, SRCCOPY); });
  const POINT origin = clock.DigitOrigin();
  const double pieces = PerRun(n, [&](int i) {
    time.Step(i);
    for (const DigitPiece& p : DigitLayout(time.t.wHour, time.t.wMinute, time.t.wSecond))
      BitBlt(memory.get(), origin.x + p.destX, origin.y, p.width, kDigitAreaHeight, stripSource.get(), p.sourceX, 0,
             SRCCOPY);
  });
  // The floor: the finished face copied once to the window.
  const double floor = PerRun(n, [&](int) { BitBlt(dc.get(), 0, 0, w, h, memory.get(), 0, 0, SRCCOPY); });

  printf("digital tick: %.0f us, floor %.0f us, ratio %.2f\n", tick, floor, tick / floor);
  printf("  steps: invalidate %.1f us, memory surface %.0f us, background copy %.0f us, digit pieces %.0f us, "
         "copy to the window %.0f us\n",
         invalidate, surface, background, pieces, floor);
  Objects("digital", clock, time, dc.get(), n);
  clock.CloseClock();
  DeleteFileA(bg.c_str());
  DeleteFileA(digits.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  module::Init(GetModuleHandleA(nullptr));
  const int n = argc > 1 ? std::max(100, std::atoi(argv[1])) : 2000;
  FedTime time;
  printf("clock tick, %d ticks a measurement (times per tick)\n", n);
  AnalogRun(n, time);
  DigitalRun(n, time);
  return 0;
}
