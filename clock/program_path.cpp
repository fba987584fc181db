#include "clock/program_path.h"

#include <cstring>

bool JoinProgramPath(const char* modulePath, const char* name, char* out, size_t outSize) {
    if (!out || outSize == 0) return false;
    out[0] = '\0';
    if (!modulePath) return false;
    if (!name) name = "";

    // Last backslash, stepping over two-byte GBK characters whose second byte
    // may equal a backslash.
    const size_t len = std::strlen(modulePath);
    size_t dirLen = 0;
    for (size_t i = 0; i < len;) {
        unsigned char c = static_cast<unsigned char>(modulePath[i]);
        if (c >= 0x81 && c <= 0xFE && i + 1 < len) {
            i += 2;
            continue;
        }
        if (c == '\\') dirLen = i + 1;
        ++i;
    }
    if (dirLen == 0) return false;

    const size_t nameLen = std::strlen(name);
    if (dirLen >= outSize || nameLen >= outSize - dirLen) return false;
    std::memcpy(out, modulePath, dirLen);
    std::memcpy(out + dirLen, name, nameLen);
    out[dirLen + nameLen] = '\0';
    return true;
}
