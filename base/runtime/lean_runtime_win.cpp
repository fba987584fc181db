// Two pieces of the C++ runtime, replaced in the shipped programs by lighter
// ones that behave the same for these programs:
//
// - The handler of std::terminate. The runtime's verbose one writes the
//   exception's demangled type to the standard error stream, which a windowed
//   program does not have, and links the whole C++ demangler (some 45 KiB) for
//   it. This one sends the type, as the compiler names it, to the debugger
//   output and ends the program with abort() as that one does.
// - The functions the standard containers and strings call to throw (length
//   and range errors and the like). The runtime's own throw std::length_error
//   and its relatives, whose message is kept in the old reference-counted
//   string; that brings in a second std::string implementation and the
//   random device it can be built from (some 50 KiB). These throw an exception
//   derived from std::exception whose what() is the same text. The programs
//   catch only std::bad_alloc, std::exception and (...): for them nothing
//   changes. The exceptions of memory and casts stay the standard ones.
//
// This file is an object of the programs themselves (not of a folder's
// library), so that its definitions are there before the runtime's libraries
// are searched; the tests and tools keep the runtime's own versions.
#include <windows.h>

#include <cstdarg>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <cxxabi.h>
#include <exception>
#include <new>
#include <typeinfo>

namespace __gnu_cxx {

// The runtime's own small formatter (%s, %zu and %%), which its range errors use.
int __snprintf_lite(char* buf, std::size_t bufsize, const char* fmt, va_list ap);

void __verbose_terminate_handler() {
  char text[160] = "terminate called";
  if (const std::type_info* type = abi::__cxa_current_exception_type()) {
    std::strncat(text, " after an exception of type ", sizeof text - std::strlen(text) - 1);
    std::strncat(text, type->name(), sizeof text - std::strlen(text) - 1);
  }
  std::strncat(text, "\n", sizeof text - std::strlen(text) - 1);
  OutputDebugStringA(text);
  std::abort();
}

}  // namespace __gnu_cxx

namespace {

// A library error with its message copied in (cut at the buffer's end).
class LibraryError : public std::exception {
 public:
  explicit LibraryError(const char* what) {
    std::strncpy(what_, what ? what : "", sizeof what_ - 1);
    what_[sizeof what_ - 1] = '\0';
  }
  LibraryError(const char* format, va_list args) {
    if (__gnu_cxx::__snprintf_lite(what_, sizeof what_, format, args) < 0) what_[0] = '\0';
  }
  const char* what() const noexcept override { return what_; }

 private:
  char what_[256] = {};
};

}  // namespace

namespace std {

void __throw_bad_exception() { throw bad_exception(); }
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_logic_error(const char* what) { throw LibraryError(what); }
void __throw_domain_error(const char* what) { throw LibraryError(what); }
void __throw_invalid_argument(const char* what) { throw LibraryError(what); }
void __throw_length_error(const char* what) { throw LibraryError(what); }
void __throw_out_of_range(const char* what) { throw LibraryError(what); }
void __throw_runtime_error(const char* what) { throw LibraryError(what); }
void __throw_range_error(const char* what) { throw LibraryError(what); }
void __throw_overflow_error(const char* what) { throw LibraryError(what); }
void __throw_underflow_error(const char* what) { throw LibraryError(what); }

void __throw_out_of_range_fmt(const char* format, ...) {
  va_list args;
  va_start(args, format);
  LibraryError error(format, args);
  va_end(args);
  throw error;
}

}  // namespace std
