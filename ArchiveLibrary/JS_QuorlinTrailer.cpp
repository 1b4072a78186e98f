#include "ArchiveLibrary/JS_QuorlinTrailer.h"

#include "ArchiveLibrary/JF_LittleEndian.h"

#include <cstring>

void JS_QuorlinTrailer::ToBytes(std::uint8_t* pBytes) const
{
    JF_PutU32(pBytes, dwFolderCount);
    JF_PutU32(pBytes + 4, dwFileCount);
    JF_PutU64(pBytes + 8, qwTableOffset);
    std::memcpy(pBytes + 16, byReserved, RESERVED_SIZE);
    JF_PutU32(pBytes + 84, dwVersion);
    JF_PutU32(pBytes + 88, dwSize);
    JF_PutU32(pBytes + 92, dwReservedEnd);
}

void JS_QuorlinTrailer::FromBytes(const std::uint8_t* pBytes)
{
    dwFolderCount = JF_GetU32(pBytes);
    dwFileCount = JF_GetU32(pBytes + 4);
    qwTableOffset = JF_GetU64(pBytes + 8);
    std::memcpy(byReserved, pBytes + 16, RESERVED_SIZE);
    dwVersion = JF_GetU32(pBytes + 84);
    dwSize = JF_GetU32(pBytes + 88);
    dwReservedEnd = JF_GetU32(pBytes + 92);
}
