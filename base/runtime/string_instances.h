// Included ahead of every source file of this tree (the compiler's -include):
// the C++ library's strings are instantiated where they are used, member by
// member, instead of being declared as instantiated in the library. The
// library's object that holds its instances carries every member of
// std::string at once, and the linker cannot leave out the unused ones of a
// Windows program (their unwind records keep them), some 30 KiB.
#pragma once
#ifdef __cplusplus
#include <bits/c++config.h>
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE 0
#endif
