#include "Code/Begin/XC_DirectXVersion.h"

#include <initguid.h>

#include <dxdiag.h>
#include <oleauto.h>

namespace {

// Reads the system information's three version answers and composes them.
DWORD ReadSystemInfo(IDxDiagContainer* pSystemInfo)
{
    VARIANT varMajor, varMinor, varLetter;
    VariantInit(&varMajor);
    VariantInit(&varMinor);
    VariantInit(&varLetter);
    DWORD dwVersion = 0;
    if (SUCCEEDED(pSystemInfo->GetProp(L"dwDirectXVersionMajor", &varMajor)) &&
        SUCCEEDED(pSystemInfo->GetProp(L"dwDirectXVersionMinor", &varMinor)) &&
        SUCCEEDED(pSystemInfo->GetProp(L"szDirectXVersionLetter", &varLetter)))
        dwVersion = XC_DirectXVersion::Compose(varMajor, varMinor, varLetter);
    VariantClear(&varMajor);
    VariantClear(&varMinor);
    VariantClear(&varLetter);
    return dwVersion;
}

DWORD AskProvider(IDxDiagProvider* pProvider)
{
    DXDIAG_INIT_PARAMS params = {};
    params.dwSize = sizeof(DXDIAG_INIT_PARAMS);
    params.dwDxDiagHeaderVersion = DXDIAG_DX9_SDK_VERSION;
    params.bAllowWHQLChecks = FALSE;
    params.pReserved = nullptr;
    if (FAILED(pProvider->Initialize(&params)))
        return 0;
    IDxDiagContainer* pRoot = nullptr;
    if (FAILED(pProvider->GetRootContainer(&pRoot)))
        return 0;
    DWORD dwVersion = 0;
    IDxDiagContainer* pSystemInfo = nullptr;
    if (SUCCEEDED(pRoot->GetChildContainer(L"DxDiag_SystemInfo", &pSystemInfo))) {
        dwVersion = ReadSystemInfo(pSystemInfo);
        pSystemInfo->Release();
    }
    pRoot->Release();
    return dwVersion;
}

} // namespace

DWORD XC_DirectXVersion::Query()
{
    const bool bCoInitialized = SUCCEEDED(CoInitialize(nullptr));
    DWORD dwVersion = 0;
    IDxDiagProvider* pProvider = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_DxDiagProvider, nullptr, CLSCTX_INPROC_SERVER, IID_IDxDiagProvider,
                                   reinterpret_cast<void**>(&pProvider)))) {
        dwVersion = AskProvider(pProvider);
        pProvider->Release();
    }
    if (bCoInitialized)
        CoUninitialize();
    return dwVersion;
}

DWORD XC_DirectXVersion::Compose(const VARIANT& varMajor, const VARIANT& varMinor, const VARIANT& varLetter)
{
    if (varMajor.vt != VT_UI4 || varMinor.vt != VT_UI4 || varLetter.vt != VT_BSTR || varLetter.bstrVal == nullptr ||
        varLetter.bstrVal[0] == L'\0')
        return 0;
    char szLetter[10] = " ";
    WideCharToMultiByte(CP_ACP, 0, varLetter.bstrVal, -1, szLetter, sizeof(szLetter), nullptr, nullptr);
    DWORD dwVersion = ((varMajor.ulVal * 256) + varMinor.ulVal) * 256;
    if (szLetter[0] >= 'a' && szLetter[0] <= 'z')
        dwVersion += static_cast<DWORD>(szLetter[0] - 96);
    return dwVersion;
}
