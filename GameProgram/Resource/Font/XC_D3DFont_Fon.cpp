#include "GameProgram/Resource/Font/XC_D3DFont_Fon.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/Resource/Font/XC_Word_Fon.h"

#include <cstring>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

JC_D3DFont* g_pJC_D3DFontObj = nullptr;

namespace {

const DWORD PAGE_EDGE = 128;

// Copies a text into a fixed field, cut to fit.
void CopyField(char* szField, size_t fieldSize, const char* szText)
{
    std::strncpy(szField, szText, fieldSize - 1);
    szField[fieldSize - 1] = '\0';
}

} // namespace

XC_D3DFont_Fon::~XC_D3DFont_Fon()
{
    Fini();
}

HRESULT XC_D3DFont_Fon::Init(DWORD dwSize, const char* szFaceName, const char* szFontFile)
{
    m_dwSize = dwSize;
    m_strFaceName = szFaceName != nullptr ? szFaceName : "";
    m_strFontFile = szFontFile != nullptr ? szFontFile : "";
    if (g_pJC_D3DFontObj != nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, "XC_D3DFont_Fon物件 同時只能存在一個");
        return E_FAIL;
    }
    const HRESULT hr = CreateRasteriser();
    if (FAILED(hr))
        DeleteRasteriser();
    return hr;
}

HRESULT XC_D3DFont_Fon::CreateRasteriser()
{
    g_pJC_D3DFontObj = new JC_D3DFont;
    m_bOwnsRasteriser = true;

    m_D3DFontInitiationInfoObj = JS_D3DFontInitiationInfo();
    m_D3DFontInitiationInfoObj.pDevice = g_pVar->g_pD3DDevice;
    m_D3DFontInitiationInfoObj.dwFormat = D3DFMT_A4R4G4B4;
    m_D3DFontInitiationInfoObj.dwWidth = PAGE_EDGE;
    m_D3DFontInitiationInfoObj.dwHeight = PAGE_EDGE;
    m_D3DFontInitiationInfoObj.dwPageLimit = 0;
    HRESULT hr = g_pJC_D3DFontObj->Initiation(m_D3DFontInitiationInfoObj);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("g_pJC_D3DFontObj->Initiation( m_D3DFontInitiationInfoObj )", hr);
        return hr;
    }

    m_D3DFontCreateInfoObj = JS_D3DFontCreateInfo();
    CopyField(m_D3DFontCreateInfoObj.szFileName, sizeof(m_D3DFontCreateInfoObj.szFileName), m_strFontFile.c_str());
    CopyField(m_D3DFontCreateInfoObj.szFaceName, sizeof(m_D3DFontCreateInfoObj.szFaceName), m_strFaceName.c_str());
    m_D3DFontCreateInfoObj.dwCharSet = 1;
    m_D3DFontCreateInfoObj.dwSize = m_dwSize;
    m_D3DFontCreateInfoObj.dwColor = 0xFFFFFFFF;
    hr = g_pJC_D3DFontObj->CreateFontA(m_D3DFontCreateInfoObj);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("g_pJC_D3DFontObj->CreateFontA( m_D3DFontCreateInfoObj )", hr);
        return hr;
    }
    return S_OK;
}

HRESULT XC_D3DFont_Fon::Fini()
{
    const HRESULT hr = ClearReserveWord();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("ClearReserveWord( )", hr);
    // The words show the rasteriser's pages: they go before it.
    DeleteAllResource();
    DeleteRasteriser();
    return S_OK;
}

void XC_D3DFont_Fon::DeleteRasteriser()
{
    if (!m_bOwnsRasteriser)
        return;
    delete g_pJC_D3DFontObj;
    g_pJC_D3DFontObj = nullptr;
    m_bOwnsRasteriser = false;
}

HRESULT XC_D3DFont_Fon::CreateObjct(const char* szResourceName, XC_Resource** ppResourceObj)
{
    const DWORD dwStrLen = szResourceName != nullptr ? static_cast<DWORD>(std::strlen(szResourceName)) : 0;
    if (dwStrLen == 0) {
        XM_REPORT_FAILED("dwStrLen > 0");
        return E_FAIL;
    }
    // Another font's rasteriser has pages this font does not own.
    if (!m_bOwnsRasteriser || g_pJC_D3DFontObj == nullptr) {
        XM_REPORT_FAILED("g_pJC_D3DFontObj");
        return E_FAIL;
    }
    JS_D3DFontWordInfo wordInfo;
    HRESULT hr = g_pJC_D3DFontObj->GetWord(szResourceName, dwStrLen, &wordInfo);
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("GetWord error , hr %x", static_cast<unsigned>(hr)));
        return E_FAIL;
    }
    IDirect3DVertexBuffer9* pVertexBuffer = nullptr;
    hr = CreateWordVertexBuffer(g_pVar->g_pD3DDevice, wordInfo.fWidth, wordInfo.fHeight, wordInfo.fU0, wordInfo.fU1,
                                wordInfo.fV0, wordInfo.fV1, &pVertexBuffer);
    if (FAILED(hr))
        return E_FAIL;
    XC_Word_Fon* const pWordObj = new XC_Word_Fon(wordInfo.pTexture, pVertexBuffer);
    pWordObj->SetWidth(wordInfo.fWidth);
    pWordObj->SetHeight(wordInfo.fHeight);
    *ppResourceObj = pWordObj;
    return S_OK;
}

HRESULT XC_D3DFont_Fon::DeleteResource(XC_Resource* pResourceObj)
{
    if (pResourceObj == nullptr) {
        XM_REPORT_FAILED("pResourceObj");
        return E_FAIL;
    }
    XC_Word_Fon* const pWordObj = dynamic_cast<XC_Word_Fon*>(pResourceObj);
    if (pWordObj == nullptr) {
        XM_REPORT_FAILED("pWordObj");
        return E_FAIL;
    }
    delete pWordObj;
    return S_OK;
}
