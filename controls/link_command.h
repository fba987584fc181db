// The portable rules of the hyperlink label: its target taken from its text,
// the alignment its static style asks for, its hover tracking, and the
// command line that opens a target with the program registered for web pages.
#pragma once
#include <cstddef>
#include <cstdint>

namespace hyperlink {

// The target buffer's size: 127 characters and the terminator.
constexpr size_t kTargetSize = 128;
// The registry value buffer and the command line buffer, terminators included.
constexpr size_t kRegistryValueSize = 260;
constexpr size_t kCommandSize = 520;

// Copies at most 127 bytes of text into target (kTargetSize bytes), never
// splitting a double-byte character.
void TargetFromText(const char* text, char* target);

enum class Align { Left, Center, Right };
// SS_RIGHT (0x2) wins over SS_CENTER (0x1); neither is left-aligned text.
Align AlignmentOf(uint32_t style);

// One mouse move over the label. Entering sets hover, redraws and captures the
// mouse (so the label keeps getting moves outside itself); a move outside the
// client area while hovering clears hover, releases the capture and redraws.
struct HoverStep {
  bool hover = false;
  bool redraw = false;
  bool capture = false;
  bool release = false;
};
HoverStep TrackHover(bool hover, bool inside);

// The command line that opens target with a registered command line: cut at
// the opening quote of the first "%1" in double quotes, else at the first bare
// %1, else kept whole; then one space and the target. The search steps over
// double-byte characters, so a trail byte is never taken for a quote or a
// percent sign. False (out empty) when the result does not fit in outSize: a
// cut command line would open something else.
bool BuildOpenCommand(const char* registered, const char* target, char* out, size_t outSize);

}  // namespace hyperlink
