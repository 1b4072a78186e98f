#pragma once

#include <cstdint>

// The 96 bytes at the very end of a ".jbf" archive. The reserved bytes are
// kept as read, so a saved archive writes back what it was opened with.
struct JS_QuorlinTrailer
{
    static constexpr std::uint32_t SIZE = 96;
    static constexpr std::uint32_t VERSION = 0x00010000;
    static constexpr std::uint32_t RESERVED_SIZE = 68;

    std::uint32_t dwFolderCount = 0;  // folders at the top level
    std::uint32_t dwFileCount = 0;    // files at the top level
    std::uint64_t qwTableOffset = 0;
    std::uint8_t byReserved[RESERVED_SIZE] = {};
    std::uint32_t dwVersion = VERSION;
    std::uint32_t dwSize = SIZE;
    std::uint32_t dwReservedEnd = 0;

    void ToBytes(std::uint8_t* pBytes) const;
    void FromBytes(const std::uint8_t* pBytes);
};
