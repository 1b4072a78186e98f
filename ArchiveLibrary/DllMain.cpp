#include "ArchiveLibrary/JC_Quorlin.h"

#include <windows.h>

#include <cstring>
#include <new>

namespace {

bool SameID(const JS_QuorlinID* pGiven, const JS_QuorlinID& expected)
{
    if (pGiven == nullptr)
        return false;
    return pGiven->dwData1 == expected.dwData1 && pGiven->wData2 == expected.wData2
        && pGiven->wData3 == expected.wData3 && std::memcmp(pGiven->byData4, expected.byData4, 8) == 0;
}

std::int32_t CheckIDs(const JS_QuorlinID* pFirstID, const JS_QuorlinID* pSecondID)
{
    if (!SameID(pFirstID, IID_Quorlin_First))
        return QUORLIN_E_FIRST_ID;
    if (!SameID(pSecondID, IID_Quorlin_Second))
        return QUORLIN_E_SECOND_ID;
    return 0;
}

} // namespace

// The library keeps no per-process or per-thread state of its own.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}

extern "C" __declspec(dllexport) std::int32_t JD_Get_QuorlinObj(const JS_QuorlinID* pFirstID,
                                                                const JS_QuorlinID* pSecondID,
                                                                JI_Quorlin** ppQuorlin)
{
    const std::int32_t iResult = CheckIDs(pFirstID, pSecondID);
    if (iResult != 0)
        return iResult;
    if (ppQuorlin == nullptr)
        return QUORLIN_E_NO_MEMORY;
    // Nothing may leave the library as an exception.
    JC_Quorlin* pManager = nullptr;
    try {
        pManager = new JC_Quorlin;
    } catch (const std::bad_alloc&) {
        *ppQuorlin = nullptr;
        return QUORLIN_E_NO_MEMORY;
    }
    *ppQuorlin = pManager;
    return 0;
}

extern "C" __declspec(dllexport) std::int32_t JD_Del_QuorlinObj(const JS_QuorlinID* pFirstID,
                                                                const JS_QuorlinID* pSecondID,
                                                                JI_Quorlin* pQuorlin)
{
    const std::int32_t iResult = CheckIDs(pFirstID, pSecondID);
    if (iResult != 0)
        return iResult;
    delete static_cast<JC_Quorlin*>(pQuorlin);
    return 0;
}
