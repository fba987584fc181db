// Benchmark of the clock's tick under Wine or Windows, for both faces: the
// whole tick as the message loop runs it (the timer message, then the paint
// message it asked for), each of its steps timed on its own, and the floor of
// each face measured on the same regions and bitmaps in the same run:
//   analog  - one SetWindowRgn of the finished outline, as the tick makes it
//             (with redraw), plus the five fills of finished regions with
//             brushes made before;
//   digital - one copy of the finished face to the window.
// Each floor is measured twice: painted in a paint message of a bare window
// of the clock's kind (what any tick pays at the least to show its face, as
// the clock draws only when the system asks it to paint), and drawn straight
// into a device context kept from GetDC (the bare calls).
// Each tick is reported as a ratio to both. The timings are taken in rounds:
// every round runs each sequence for a block of ticks in turn, and a figure
// is the median of its rounds, so that a burst of load elsewhere spoils a few
// rounds and not a figure. Then the GDI objects owned before, at most during
// and after 10,000 more ticks of each face are counted (the handle owners'
// counter, and the system's count where it has one).
// Usage: tick_bench [ticks a block, default 100] [rounds, default 15]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "clock/analog_face_win.h"
#include "clock/clock_window_win.h"
#include "clock/digital_face_win.h"
#include "clock/face_geometry.h"
#include "controls/handles_win.h"
#include "controls/module_win.h"
#include "tests/support/stopwatch_win.h"

namespace {

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

// Sequences timed in turns. Each round prepares every sequence's block
// (untimed) and then times body(i) over the block, i counting on over the
// whole run; a sequence's figure is the median of its rounds, in
// microseconds a run.
class Rounds {
 public:
  Rounds(int block, int rounds) : block_(block), rounds_(rounds) {}
  int Add(std::function<void(int)> body, std::function<void(int, int)> prepare = nullptr) {
    sequences_.push_back({std::move(body), std::move(prepare), {}});
    return static_cast<int>(sequences_.size()) - 1;
  }
  void Run() {
    for (int r = 0; r < rounds_; ++r)
      for (Sequence& s : sequences_) {
        const int from = r * block_;
        if (s.prepare) s.prepare(from, block_);
        const double t0 = MillisecondsNow();
        for (int i = from; i < from + block_; ++i) s.body(i);
        s.times.push_back((MillisecondsNow() - t0) * 1000.0 / block_);
      }
  }
  double operator[](int sequence) const {
    std::vector<double> t = sequences_[sequence].times;
    std::sort(t.begin(), t.end());
    return t.empty() ? 0 : t[t.size() / 2];
  }

 private:
  struct Sequence {
    std::function<void(int)> body;
    std::function<void(int, int)> prepare;
    std::vector<double> times;
  };
  int block_, rounds_;
  std::vector<Sequence> sequences_;
};

long SystemGdiObjects() {
  typedef DWORD(WINAPI * CountFn)(HANDLE, DWORD);
  auto count = reinterpret_cast<CountFn>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetGuiResources")));
  return count ? static_cast<long>(count(GetCurrentProcess(), 0 /* GR_GDIOBJECTS */)) : -1;
}

// One tick as the message loop runs it: the timer message, then the paint.
void Tick(ClockWindow& clock, FedTime& time, int i) {
  time.Step(i);
  SendMessageA(clock.hwnd(), WM_TIMER, kClockTimerId, 0);
  UpdateWindow(clock.hwnd());
}

void Objects(const char* face, ClockWindow& clock, FedTime& time, int from) {
  const long ownersBefore = handles::LiveCount(), systemBefore = SystemGdiObjects();
  handles::ResetPeak();
  for (int i = 0; i < 10000; ++i) Tick(clock, time, from + i);
  printf("%s: objects owned before/at most/after 10000 ticks: %ld/%ld/%ld, the clock's own %zu "
         "(system count %ld/%ld)\n",
         face, ownersBefore, handles::PeakCount(), handles::LiveCount(), clock.GdiObjects().size(), systemBefore,
         SystemGdiObjects());
}

// A bare window of the clock's kind (a visible borderless tool window of the
// face's size beside the clock, of a class with the clock's styles) whose paint message runs paint on the paint
// context and nothing else: the floors are measured on it.
class FloorWindow {
 public:
  FloorWindow(int x, int width, int height, std::function<void(HDC)> paint) : paint_(std::move(paint)) {
    WNDCLASSA wc{};
    // The clock's class styles, cursor and background.
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpfnWndProc = &FloorWindow::Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TickFloor";
    RegisterClassA(&wc);
    hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, "TickFloor", "", WS_POPUP | WS_SYSMENU, x, 0, width, height, nullptr,
                            nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ShowWindow(hwnd_, SW_SHOWNA);
    UpdateWindow(hwnd_);
  }
  ~FloorWindow() { DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }

 private:
  static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<FloorWindow*>(GetWindowLongPtrA(w, GWLP_USERDATA));
    if (msg == WM_ERASEBKGND) return 1;
    if (msg == WM_PAINT && self) {
      PaintDC dc(w);
      self->paint_(dc.get());
      return 0;
    }
    return DefWindowProcA(w, msg, wp, lp);
  }
  HWND hwnd_;
  std::function<void(HDC)> paint_;
};

// Finished outlines for the ticks from..from+count, made before a timing and
// handed over one by one (the window takes each over).
class Outlines {
 public:
  void Make(FedTime& time, int from, int count) {
    for (HRGN r : list_) DeleteObject(r);
    list_.clear();
    AnalogFace face;
    face.BuildDial();
    for (int i = from; i < from + count; ++i) {
      time.Step(i);
      list_.push_back(face.BuildHands(time.t.wHour, time.t.wMinute, time.t.wSecond).Release());
    }
    from_ = from;
  }
  HRGN Take(int i) { return std::exchange(list_[static_cast<size_t>(i - from_)], nullptr); }
  ~Outlines() {
    for (HRGN r : list_) DeleteObject(r);
  }

 private:
  std::vector<HRGN> list_;
  int from_ = 0;
};

void Report(const char* face, double tick, double floor, double bareFloor) {
  printf("%s tick: %.0f us, floor %.0f us, ratio %.2f (bare floor %.1f us, ratio %.1f)\n", face, tick, floor,
         tick / floor, bareFloor, tick / bareFloor);
}

void AnalogRun(int block, int rounds, FedTime& time) {
  ClockWindow clock(ClockServices{&time});
  clock.SetFaceMode(1);
  RECT target{0, 0, kAnalogFaceSize, kAnalogFaceSize};
  if (!clock.CreateClock(nullptr, true, &target)) return;
  WindowDC dc(clock.hwnd());

  // The face's own five regions are private; regions of the same dots do as well.
  auto dotsRegion = [](const std::vector<DotBox>& dots) {
    Region r(CreateRectRgn(0, 0, 0, 0));
    for (const DotBox& b : dots) {
      Region dot(CreateEllipticRgn(b.left, b.top, b.right, b.bottom));
      CombineRgn(r.get(), r.get(), dot.get(), RGN_OR);
    }
    return r;
  };
  std::vector<Region> parts;
  std::vector<DotBox> hourMarks{CenterDot()}, minuteMarks;
  for (const DialMark& m : DialMarks()) (m.hourMark ? hourMarks : minuteMarks).push_back(m.box);
  parts.push_back(dotsRegion(hourMarks));
  parts.push_back(dotsRegion(minuteMarks));
  for (HandKind k : {HandKind::kHour, HandKind::kMinute, HandKind::kSecond})
    parts.push_back(dotsRegion(HandDots(k, 10, 8, 30)));
  std::vector<Brush> brushes;
  for (COLORREF c : {AnalogFace::kHourMarkColour, AnalogFace::kMinuteMarkColour, AnalogFace::kHourHandColour,
                     AnalogFace::kMinuteHandColour, AnalogFace::kSecondHandColour})
    brushes.emplace_back(CreateSolidBrush(c));
  auto fills = [&](HDC into) {
    for (int p = 0; p < 5; ++p) FillRgn(into, parts[p].get(), brushes[p].get());
  };
  FloorWindow bare(kAnalogFaceSize + 20, kAnalogFaceSize, kAnalogFaceSize, fills);
  WindowDC bareDc(bare.hwnd());

  Rounds timed(block, rounds);
  const int tick = timed.Add([&](int i) { Tick(clock, time, i); });
  // The steps, each on its own.
  const int geometry = timed.Add([&](int i) {
    time.Step(i);
    for (HandKind k : {HandKind::kHour, HandKind::kMinute, HandKind::kSecond})
      HandDots(k, time.t.wHour, time.t.wMinute, time.t.wSecond);
  });
  AnalogFace face;
  face.BuildDial();
  const int hands = timed.Add([&](int i) {
    time.Step(i);
    face.BuildHands(time.t.wHour, time.t.wMinute, time.t.wSecond);
  });
  Outlines outlines;
  auto prepare = [&](int from, int count) { outlines.Make(time, from, count); };
  const int windowRegion = timed.Add(
      [&](int i) {
        SetWindowRgn(clock.hwnd(), outlines.Take(i), TRUE);
        ValidateRect(clock.hwnd(), nullptr);
      },
      prepare);
  const int paint = timed.Add([&](int) {
    InvalidateRect(clock.hwnd(), nullptr, FALSE);
    UpdateWindow(clock.hwnd());
  });
  const int fillsOnly = timed.Add([&](int) { fills(dc.get()); });
  // The floors.
  const int floor = timed.Add(
      [&](int i) {
        SetWindowRgn(bare.hwnd(), outlines.Take(i), TRUE);
        UpdateWindow(bare.hwnd());
      },
      prepare);
  const int bareFloor = timed.Add(
      [&](int i) {
        SetWindowRgn(bare.hwnd(), outlines.Take(i), TRUE);
        fills(bareDc.get());
        // What the redraw left to paint is done: left invalid, it would grow
        // over the rounds and the next outline's redraw would pay for it.
        ValidateRect(bare.hwnd(), nullptr);
      },
      prepare);
  timed.Run();

  Report("analog", timed[tick], timed[floor], timed[bareFloor]);
  printf("  steps: hand geometry %.1f us, hand regions and outline %.0f us, SetWindowRgn (and validate) %.0f us, "
         "paint message (five fills) %.0f us, five fills alone %.0f us\n",
         timed[geometry], timed[hands], timed[windowRegion], timed[paint], timed[fillsOnly]);
  face.Release();
  Objects("analog", clock, time, block * rounds);
  clock.CloseClock();
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

void DigitalRun(int block, int rounds, FedTime& time) {
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
  const RECT rect = clock.FaceRect();
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;

  // A finished face in memory, composed once.
  Bitmap bgBitmap(DigitalFace::LoadSkin(bg.c_str())), strip(DigitalFace::LoadSkin(digits.c_str()));
  MemoryDC memory(CreateCompatibleDC(dc.get()));
  Bitmap canvas(CreateCompatibleBitmap(dc.get(), w, h));
  SelectGuard select(memory.get(), canvas.get());
  MemoryDC bgSource(CreateCompatibleDC(dc.get()));
  SelectGuard selectBg(bgSource.get(), bgBitmap.get());
  MemoryDC stripSource(CreateCompatibleDC(dc.get()));
  SelectGuard selectStrip(stripSource.get(), strip.get());
  BitBlt(memory.get(), 0, 0, w, h, bgSource.get(), 0, 0, SRCCOPY);
  auto copy = [&](HDC into) { BitBlt(into, 0, 0, w, h, memory.get(), 0, 0, SRCCOPY); };
  FloorWindow bare(w + 20, w, h, copy);
  // The bare window's region is the clock's outline.
  Region outline(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(clock.hwnd(), outline.get()) != ERROR && SetWindowRgn(bare.hwnd(), outline.get(), FALSE))
    outline.Release();
  WindowDC bareDc(bare.hwnd());

  Rounds timed(block, rounds);
  const int tick = timed.Add([&](int i) { Tick(clock, time, i); });
  // The steps of one composition from scratch, as separate timings.
  const int invalidate = timed.Add([&](int) { InvalidateRect(clock.hwnd(), nullptr, FALSE); });
  const int paintMessage = timed.Add([&](int) {
    InvalidateRect(clock.hwnd(), nullptr, FALSE);
    UpdateWindow(clock.hwnd());
  });
  const int surface = timed.Add([&](int) {
    MemoryDC m(CreateCompatibleDC(dc.get()));
    Bitmap c(CreateCompatibleBitmap(dc.get(), w, h));
    SelectGuard s(m.get(), c.get());
  });
  const int background =
      timed.Add([&](int) { BitBlt(memory.get(), 0, 0, w, h, bgSource.get(), 0, 0, SRCCOPY); });
  const POINT origin = clock.DigitOrigin();
  const int pieces = timed.Add([&](int i) {
    time.Step(i);
    for (const DigitPiece& p : DigitLayout(time.t.wHour, time.t.wMinute, time.t.wSecond))
      BitBlt(memory.get(), origin.x + p.destX, origin.y, p.width, kDigitAreaHeight, stripSource.get(), p.sourceX,
             0, SRCCOPY);
  });
  // The floors: the finished face copied once to the window.
  const int floor = timed.Add([&](int) {
    InvalidateRect(bare.hwnd(), nullptr, FALSE);
    UpdateWindow(bare.hwnd());
  });
  const int bareFloor = timed.Add([&](int) { copy(bareDc.get()); });
  timed.Run();

  Report("digital", timed[tick], timed[floor], timed[bareFloor]);
  printf("  steps: invalidate %.1f us, paint message %.0f us, memory surface from scratch %.0f us, background "
         "copy %.1f us, ten digit pieces %.1f us, copy to the window %.1f us\n",
         timed[invalidate], timed[paintMessage], timed[surface], timed[background], timed[pieces],
         timed[bareFloor]);
  Objects("digital", clock, time, block * rounds);
  clock.CloseClock();
  DeleteFileA(bg.c_str());
  DeleteFileA(digits.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  module::Init(GetModuleHandleA(nullptr));
  const int block = argc > 1 ? std::max(10, std::atoi(argv[1])) : 100;
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
  FedTime time;
  printf("clock tick, %d rounds of %d ticks a sequence (medians of the rounds, times per tick)\n", rounds, block);
  AnalogRun(block, rounds, time);
  DigitalRun(block, rounds, time);
  return 0;
}
