#include "base/program_path.h"

#include <cstring>


bool JoinProgramPath(const char* modulePath, const char* name, char* out, size_t outSize,
                     gbk::LeadByteRule isLead) {
    if (!out || outSize == 0) return false;
    out[0] = '\0';
    if (!modulePath) return false;
    if (!name) name = "";

    // Last backslash, stepping over two-byte characters whose second byte
    // may equal a backslash.
    const size_t dirLen = gbk::DirectoryLength(modulePath, isLead);
    if (dirLen == 0) return false;

    const size_t nameLen = std::strlen(name);
    if (dirLen >= outSize || nameLen >= outSize - dirLen) return false;
    std::memcpy(out, modulePath, dirLen);
    std::memcpy(out + dirLen, name, nameLen);
    out[dirLen + nameLen] = '\0';
    return true;
}
