#pragma once

#include <cstdint>

// Little-endian fields of the library's file formats, byte by byte.

inline std::uint16_t JF_GetU16(const std::uint8_t* pBytes)
{
    return static_cast<std::uint16_t>(pBytes[0] | (pBytes[1] << 8));
}

inline std::uint32_t JF_GetU32(const std::uint8_t* pBytes)
{
    return static_cast<std::uint32_t>(pBytes[0]) | (static_cast<std::uint32_t>(pBytes[1]) << 8)
         | (static_cast<std::uint32_t>(pBytes[2]) << 16) | (static_cast<std::uint32_t>(pBytes[3]) << 24);
}

inline std::uint64_t JF_GetU64(const std::uint8_t* pBytes)
{
    return JF_GetU32(pBytes) | (static_cast<std::uint64_t>(JF_GetU32(pBytes + 4)) << 32);
}

inline void JF_PutU16(std::uint8_t* pBytes, std::uint16_t wValue)
{
    pBytes[0] = static_cast<std::uint8_t>(wValue);
    pBytes[1] = static_cast<std::uint8_t>(wValue >> 8);
}

inline void JF_PutU32(std::uint8_t* pBytes, std::uint32_t dwValue)
{
    for (int i = 0; i < 4; ++i)
        pBytes[i] = static_cast<std::uint8_t>(dwValue >> (8 * i));
}

inline void JF_PutU64(std::uint8_t* pBytes, std::uint64_t qwValue)
{
    JF_PutU32(pBytes, static_cast<std::uint32_t>(qwValue));
    JF_PutU32(pBytes + 4, static_cast<std::uint32_t>(qwValue >> 32));
}
