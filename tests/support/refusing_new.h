// Non-throwing allocations that fail while a test asks them to: the objects a
// program may fail to make are made with new (std::nothrow).
// Include in exactly one source file of a test program: it replaces that
// program's non-throwing operator new.
#pragma once
#include <cstdlib>
#include <new>

inline bool g_refuseNothrowNew = false;

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return g_refuseNothrowNew ? nullptr : std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return g_refuseNothrowNew ? nullptr : std::malloc(size ? size : 1);
}
