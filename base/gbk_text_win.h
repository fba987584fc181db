// The lead bytes of the system's ANSI code page, for the path helpers of
// base/gbk_text.h: GBK on a Chinese system, none on a Western one (1252),
// Shift-JIS's on a Japanese one (932).
#pragma once

bool SystemLeadByte(unsigned char c);
