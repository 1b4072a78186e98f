#include "GameProgram/Resource/Font/XI_D3DFont.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/Font/XI_Word.h"
#include "GameProgram/Resource/VERTEX_XYZ_TEX1.h"

#include <cstring>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XI_D3DFont* g_pD3DFontObj = nullptr;

XI_D3DFont::XI_D3DFont()
{
    SetManagerName("XI_D3DFont");
}

XI_Word* XI_D3DFont::GetWord(const char* szText, DWORD* pdwLength)
{
    if (szText == nullptr) {
        if (pdwLength != nullptr)
            *pdwLength = 0;
        XF_ReportError(s_szSourceFile, __LINE__, "GetWord Error , pWord == NULL");
        return nullptr;
    }
    const DWORD dwLength = static_cast<BYTE>(szText[0]) > 127 ? 2 : 1;
    if (pdwLength != nullptr)
        *pdwLength = dwLength;
    if (strnlen(szText, dwLength) < dwLength) {
        XF_ReportError(s_szSourceFile, __LINE__, "GetWord Error");
        return nullptr;
    }
    return static_cast<XI_Word*>(GetResource(std::string(szText, dwLength).c_str()));
}

HRESULT XI_D3DFont::ReserveWord(const char* szText)
{
    if (szText == nullptr) {
        XM_REPORT_FAILED("szText");
        return E_FAIL;
    }
    for (const char* pChar = szText; *pChar != '\0';) {
        DWORD dwLength = 0;
        XI_Word* const pWordObj = GetWord(pChar, &dwLength);
        if (pWordObj == nullptr) {
            XM_REPORT_FAILED("pWordObj");
            return E_FAIL;
        }
        m_ReserveWordList.push_back(pWordObj);
        pChar += dwLength;
    }
    return S_OK;
}

HRESULT XI_D3DFont::ClearReserveWord()
{
    for (XI_Word* pWordObj : m_ReserveWordList)
        pWordObj->Release();
    m_ReserveWordList.clear();
    return S_OK;
}

void XI_D3DFont::NormalizeName(XC_String&) const
{
}

HRESULT XI_D3DFont::CreateWordVertexBuffer(IDirect3DDevice9* pD3DDevice, float fWidth, float fHeight, float fU0,
                                           float fU1, float fV0, float fV1, IDirect3DVertexBuffer9** ppVertexBuffer)
{
    *ppVertexBuffer = nullptr;
    if (pD3DDevice == nullptr) {
        XM_REPORT_FAILED("pD3DDevice");
        return E_FAIL;
    }
    IDirect3DVertexBuffer9* pVertexBuffer = nullptr;
    HRESULT hr = pD3DDevice->CreateVertexBuffer(4 * sizeof(VERTEX_XYZ_TEX1), 0, VERTEX_XYZ_TEX1::FVF,
                                                D3DPOOL_MANAGED, &pVertexBuffer, nullptr);
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("GetWord CreateVertexBuffer error , hr= %x", static_cast<unsigned>(hr)));
        return E_FAIL;
    }
    VERTEX_XYZ_TEX1* pVertices = nullptr;
    hr = pVertexBuffer->Lock(0, 0, reinterpret_cast<void**>(&pVertices), 0);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("pVertexBuffer->Lock( 0, 0, (void**)&pVertices, 0 )", hr);
        pVertexBuffer->Release();
        return E_FAIL;
    }
    // A strip with y up: top left, top right, bottom left, bottom right.
    pVertices[0] = {0.0f, fHeight, 0.0f, fU0, fV0};
    pVertices[1] = {fWidth, fHeight, 0.0f, fU1, fV0};
    pVertices[2] = {0.0f, 0.0f, 0.0f, fU0, fV1};
    pVertices[3] = {fWidth, 0.0f, 0.0f, fU1, fV1};
    hr = pVertexBuffer->Unlock();
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("pVertexBuffer->Unlock()", hr);
        pVertexBuffer->Release();
        return E_FAIL;
    }
    *ppVertexBuffer = pVertexBuffer;
    return S_OK;
}
