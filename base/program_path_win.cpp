#include "base/program_path.h"

#include <windows.h>

#include <vector>

#include "base/gbk_text_win.h"

char* ProgramPath(const char* name, char* buffer) {
    if (!buffer) return buffer;
    buffer[0] = '\0';
    // The module path may be longer than the caller's buffer; fetch it whole
    // first. A return value equal to the buffer size means it was cut (older
    // systems then leave it without a terminator), so try a larger buffer.
    for (DWORD size = 1024; size <= 65536; size *= 4) {
        std::vector<char> module(size);
        DWORD got = GetModuleFileNameA(nullptr, module.data(), size);
        if (got == 0) return buffer;
        if (got < size) {
            module[got] = '\0';
            JoinProgramPath(module.data(), name, buffer, kProgramPathSize, SystemLeadByte);
            return buffer;
        }
    }
    return buffer;
}
