#include "base/gbk_text_win.h"

#include <windows.h>

bool SystemLeadByte(unsigned char c) { return IsDBCSLeadByte(c) != FALSE; }
