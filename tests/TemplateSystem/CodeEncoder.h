#pragma once

#include <windows.h>

#include <string>

// The test's own scrambler for the "CODE" header: the inverse of each of the
// six methods, and the stored header in front.

using Bytes = std::string;

inline BYTE At(const Bytes& bytes, size_t i)
{
    return static_cast<BYTE>(bytes[i]);
}

inline Bytes EncodePayload(const Bytes& text, BYTE byMethod, const BYTE* pKey)
{
    const size_t n = text.size();
    Bytes payload(n, '\0');
    for (size_t i = 0; i < n; ++i) {
        BYTE byValue = At(text, i);
        switch (byMethod) {
        case 1:
        case 6: byValue = static_cast<BYTE>(byValue + pKey[i % 10]); break;
        case 2: byValue = i == 0 ? byValue : static_cast<BYTE>(byValue + At(text, i - 1)); break;
        case 3: byValue = i < 2 ? byValue : static_cast<BYTE>(byValue + At(text, i - 2)); break;
        case 4:
            if (i % 2 == 0 && i + 1 < n)
                byValue = static_cast<BYTE>(byValue + At(text, i + 1));
            break;
        case 5:
            if (i % 2 == 1)
                byValue = static_cast<BYTE>(byValue + At(text, i - 1));
            else if (i + 1 < n)
                byValue = static_cast<BYTE>(byValue + At(text, i + 1) + At(text, i));
            break;
        }
        payload[i] = static_cast<char>(byValue);
    }
    return payload;
}

// A whole scrambled file: the stored header, then the payload. Method 6 gets
// the key whose check matches the text's byte sum (below 2^32): its first
// eight key bytes are the sum's hexadecimal digits.
inline Bytes Encode(const Bytes& text, BYTE byMethod)
{
    BYTE abyHeader[24] = {'C', 'O', 'D', 'E', byMethod};
    for (int i = 0; i < 10; ++i)
        abyHeader[5 + i] = static_cast<BYTE>(17 * i + 3);
    if (byMethod == 6) {
        unsigned long long ullSum = 0;
        for (size_t i = 0; i < text.size(); ++i)
            ullSum += At(text, i);
        for (int i = 0; i < 8; ++i)
            abyHeader[5 + i] = static_cast<BYTE>((ullSum >> (4 * (7 - i))) & 0xF);
    }
    const BYTE abyCheck[5] = {1, 2, 3, 4, 250};
    BYTE bySum = 0;
    for (int i = 0; i < 5; ++i) {
        abyHeader[19 + i] = abyCheck[i];
        bySum = static_cast<BYTE>(bySum + abyCheck[i]);
    }
    Bytes file;
    for (int i = 0; i < 24; ++i)
        file += static_cast<char>(i < 19 ? static_cast<BYTE>(abyHeader[i] + bySum) : abyHeader[i]);
    return file + EncodePayload(text, byMethod, abyHeader + 5);
}
