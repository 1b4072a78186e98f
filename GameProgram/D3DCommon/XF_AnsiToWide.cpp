#include "GameProgram/D3DCommon/XF_AnsiToWide.h"

HRESULT XF_AnsiToWide(WCHAR* wszDest, const char* szSource, int iSize)
{
    if (wszDest == nullptr || szSource == nullptr || iSize < 1)
        return E_INVALIDARG;
    const int iResult = MultiByteToWideChar(CP_ACP, 0, szSource, -1, wszDest, iSize);
    wszDest[iSize - 1] = 0;
    return iResult == 0 ? E_FAIL : S_OK;
}

HRESULT XF_AnsiToWideBytes(WCHAR* wszDest, const char* szSource, int iSizeInBytes)
{
    return XF_AnsiToWide(wszDest, szSource, iSizeInBytes / 2);
}
