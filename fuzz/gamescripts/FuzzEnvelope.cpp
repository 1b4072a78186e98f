// Any bytes as a previous title's save file: a text or a code, never a fault.
// A decoded text is as long as the payload.

#include "JC_DataManager/Manager/JC_Oskel3Envelope.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t size)
{
    std::string strText;
    const DWORD dwResult = JC_Oskel3Envelope::Decode(pData, size, strText);
    const bool bEnveloped = size > JC_Oskel3Envelope::HEADER_SIZE && std::memcmp(pData, "FEFE", 4) == 0;
    if (dwResult == 0 && strText.size() != (bEnveloped ? size - JC_Oskel3Envelope::HEADER_SIZE : size))
        std::abort();
    return 0;
}
