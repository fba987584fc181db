// An up-down control: its range and position, and the step a UDN_DELTAPOS
// notification announces. It names the control and does not own it.
#pragma once
#include <windows.h>
#include <commctrl.h>

class UpDown {
 public:
  explicit UpDown(HWND hwnd = nullptr) : hwnd_(hwnd) {}
  HWND hwnd() const { return hwnd_; }

  // Both set the 16-bit value first, for the oldest common controls (cut to
  // 32767), then the 32-bit one where the control understands it (a wait of
  // 36000 does not fit 16 signed bits).
  void SetRange(int low, int high);
  void SetPos(int position);

  // The position before a step and the step itself (UDN_DELTAPOS).
  struct Step {
    int position;
    int delta;
  };
  static Step StepOf(const NMHDR& header) {
    const NMUPDOWN& step = reinterpret_cast<const NMUPDOWN&>(header);
    return {step.iPos, step.iDelta};
  }

 private:
  HWND hwnd_;
};
