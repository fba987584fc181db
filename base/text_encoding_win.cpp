// The system's ANSI code page for settings files saved in Unicode.
#include "base/text_encoding.h"

#include <windows.h>

#include <climits>

namespace {

class SystemCodePage : public AnsiCodePage {
 public:
  void FromUtf16(const char16_t* units, size_t count, std::string* out) override {
    if (count == 0 || count > INT_MAX / 2) return;
    const wchar_t* w = reinterpret_cast<const wchar_t*>(units);
    const int n = static_cast<int>(count);
    int bytes = WideCharToMultiByte(CP_ACP, 0, w, n, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return;
    const size_t at = out->size();
    out->resize(at + static_cast<size_t>(bytes));
    bytes = WideCharToMultiByte(CP_ACP, 0, w, n, &(*out)[at], bytes, nullptr, nullptr);
    out->resize(at + static_cast<size_t>(bytes > 0 ? bytes : 0));
  }

  void ToUtf16(const char* bytes, size_t count, std::u16string* out) override {
    if (count == 0 || count > INT_MAX) return;
    const int n = static_cast<int>(count);
    int units = MultiByteToWideChar(CP_ACP, 0, bytes, n, nullptr, 0);
    if (units <= 0) return;
    const size_t at = out->size();
    out->resize(at + static_cast<size_t>(units));
    units = MultiByteToWideChar(CP_ACP, 0, bytes, n, reinterpret_cast<wchar_t*>(&(*out)[at]), units);
    out->resize(at + static_cast<size_t>(units > 0 ? units : 0));
  }
};

}  // namespace

AnsiCodePage& DefaultAnsiCodePage() {
  static SystemCodePage system;
  return system;
}
