// A library that loads but exports nothing the programs look for, to stand
// where the helper library is expected.
#include <windows.h>

extern "C" __declspec(dllexport) int WINAPI UnrelatedEntry() { return 7; }
