// Pieces of the C++ runtime, replaced in the shipped programs by lighter ones.
// The programs are built without exceptions: nothing in them throws or
// catches, so nothing may bring in the runtime's exception machinery (the
// unwinder, and the thread library it uses).
//
// - The handler of std::terminate. The runtime's verbose one writes to the
//   standard error stream, which a windowed program does not have, and links
//   the whole C++ demangler for it. This one sends a line to the debugger
//   output and ends the program with abort() as that one does.
// - The functions the standard containers and strings call on a length or
//   range error. The runtime's own throw an exception, which in these programs
//   could only end them through std::terminate; these end the program the
//   same way straight away (message to the debugger output, abort()).
// - operator new and delete. The runtime's operator new throws std::bad_alloc
//   when memory runs out, and its nothrow form is built on top of that one
//   (it catches). Here the nothrow form returns null, which the code that can
//   meet a large allocation (loading a skin) checks, and the plain form ends
//   the program as the uncaught exception did. No new-handler is installed by
//   the programs, so none is called.
//
// This file is an object of the programs themselves (not of a folder's
// library), so that its definitions are there before the runtime's libraries
// are searched; the tests and tools keep the runtime's own versions.
#include <windows.h>

#include <cstdarg>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>

namespace __gnu_cxx {

// The runtime's own small formatter (%s, %zu and %%), which its range errors use.
int __snprintf_lite(char* buf, std::size_t bufsize, const char* fmt, va_list ap);

}  // namespace __gnu_cxx

namespace {

[[noreturn]] void EndProgram(const char* what) {
  char text[300] = "terminate called: ";
  std::strncat(text, what ? what : "", sizeof text - std::strlen(text) - 2);
  std::strcat(text, "\n");
  OutputDebugStringA(text);
  std::abort();
}

void* Allocate(std::size_t size) noexcept { return std::malloc(size ? size : 1); }

void* AllocateOrEnd(std::size_t size) {
  void* p = Allocate(size);
  if (!p) EndProgram("out of memory");
  return p;
}

}  // namespace

namespace __gnu_cxx {

void __verbose_terminate_handler() { EndProgram("std::terminate"); }

}  // namespace __gnu_cxx

namespace std {

void __throw_bad_exception() { EndProgram("bad exception"); }
void __throw_bad_alloc() { EndProgram("out of memory"); }
void __throw_bad_array_new_length() { EndProgram("bad array new length"); }
void __throw_bad_cast() { EndProgram("bad cast"); }
void __throw_bad_typeid() { EndProgram("bad typeid"); }
void __throw_bad_function_call() { EndProgram("bad function call"); }
void __throw_logic_error(const char* what) { EndProgram(what); }
void __throw_domain_error(const char* what) { EndProgram(what); }
void __throw_invalid_argument(const char* what) { EndProgram(what); }
void __throw_length_error(const char* what) { EndProgram(what); }
void __throw_out_of_range(const char* what) { EndProgram(what); }
void __throw_runtime_error(const char* what) { EndProgram(what); }
void __throw_range_error(const char* what) { EndProgram(what); }
void __throw_overflow_error(const char* what) { EndProgram(what); }
void __throw_underflow_error(const char* what) { EndProgram(what); }

void __throw_out_of_range_fmt(const char* format, ...) {
  char text[256];
  va_list args;
  va_start(args, format);
  if (__gnu_cxx::__snprintf_lite(text, sizeof text, format, args) < 0) text[0] = '\0';
  va_end(args);
  EndProgram(text);
}

}  // namespace std

void* operator new(std::size_t size) { return AllocateOrEnd(size); }
void* operator new[](std::size_t size) { return AllocateOrEnd(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
