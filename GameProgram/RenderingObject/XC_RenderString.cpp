#include "GameProgram/RenderingObject/XC_RenderString.h"

#include "GameProgram/Common/XC_Strtok.h"
#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_TokenTable.h"
#include "GameProgram/D3DCommon/XC_Frustum.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"
#include "GameProgram/RenderingObject/XC_WordLineFeed.h"
#include "GameProgram/RenderingObject/XF_TextureFactor.h"
#include "GameProgram/Resource/Font/XC_TextureWord.h"
#include "GameProgram/Resource/Font/XI_D3DFont.h"
#include "GameProgram/Resource/XC_Texture.h"
#include "GameProgram/Resource/XC_TextureManager.h"

#include <cstring>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD DEFAULT_SHOW_WORD_COUNT = 255;

D3DXVECTOR3 Normalized(const D3DXVECTOR3& vDirection)
{
    D3DXVECTOR3 vResult;
    D3DXVec3Normalize(&vResult, &vDirection);
    return vResult;
}

} // namespace

XC_RenderString::XC_RenderWord::XC_RenderWord(XI_Word* pWordObj, DWORD dwWordColor)
    : dwColor(dwWordColor)
    , vPosition(0.0f, 0.0f, 0.0f)
    , pWord(pWordObj)
{
}

XC_RenderString::XC_RenderWord::XC_RenderWord(const XC_RenderWord& source)
    : dwColor(source.dwColor)
    , vPosition(source.vPosition)
    , pWord(source.pWord)
{
    pWord->AddRef();
}

XC_RenderString::XC_RenderWord::~XC_RenderWord()
{
    pWord->Release();
}

XC_RenderString::XC_RenderString()
    : m_dwAligeText(0)
    , m_vecWriteDir(1.0f, 0.0f, 0.0f)
    , m_fInterval(0.0f)
    , m_bAutoLineFeed(FALSE)
    , m_fLineMaxLength(100.0f)
    , m_fLineInterval(23.0f)
    , m_vecLineFeedDir(0.0f, -1.0f, 0.0f)
    , m_vecCenter(0.0f, 0.0f, 0.0f)
    , m_fRadius(0.0f)
    , m_bRenderFontFrame(FALSE)
    , m_bRenderShadow(FALSE)
    , m_fShadowPositionX(1.0f)
    , m_fShadowPositionY(-1.0f)
    , m_dwShowWordCount(DEFAULT_SHOW_WORD_COUNT)
{
    D3DXMatrixIdentity(&m_matWork);
    SetRenderable(TRUE);
    m_SetDirectStateObj.SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    m_SetDirectStateObj.SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    m_SetDirectStateObj.SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    m_SetDirectStateObj.SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    m_SetDirectStateObj.SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
}

XC_RenderString::~XC_RenderString()
{
    ClearString();
}

XC_RenderingObject* XC_RenderString::Duplicate()
{
    XC_RenderString* const pNewObj = new XC_RenderString;
    pNewObj->CopyRenderString(this);
    return pNewObj;
}

HRESULT XC_RenderString::CopyRenderString(XC_RenderString* pSource)
{
    if (pSource == nullptr || pSource == this) {
        XM_REPORT_FAILED("pSource");
        return E_FAIL;
    }
    ClearString();
    m_dwAligeText = pSource->m_dwAligeText;
    m_vecWriteDir = pSource->m_vecWriteDir;
    m_fInterval = pSource->m_fInterval;
    m_bAutoLineFeed = pSource->m_bAutoLineFeed;
    m_fLineMaxLength = pSource->m_fLineMaxLength;
    m_fLineInterval = pSource->m_fLineInterval;
    for (DWORD i = 0; i < pSource->m_PAL_RenderWord.Count(); ++i)
        m_PAL_RenderWord.Add(new XC_RenderWord(*pSource->m_PAL_RenderWord.GetPtr(i)));
    LayoutWords();
    return CopyRenderingObject(pSource);
}

HRESULT XC_RenderString::LoadFromTextNode(XC_TextNode* pTNode)
{
    if (FAILED(XC_RenderingObject::LoadFromTextNode(pTNode)) || pTNode == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    const char* const lpctstrGetStr = pTNode->GetStr("Data", nullptr);
    if (lpctstrGetStr == nullptr) {
        XM_REPORT_FAILED("lpctstrGetStr");
    } else if (FAILED(SetString(lpctstrGetStr, 0xFFFFFFFF))) {
        // Never half-built: a text that cannot be shown whole shows nothing.
        ClearString();
        return E_FAIL;
    }
    SetAligeText(pTNode->GetDword("dwAligeText", 0));
    SetInterval(pTNode->GetFloat("fInterval", 0.0f));
    D3DXVECTOR3 vDirection;
    if (pTNode->GetVector3("xyzWriteDir", &vDirection.x, &vDirection.y, &vDirection.z))
        SetWriteDir(&vDirection);
    SetAutoLineFeed(pTNode->GetBool("bAutoLineFeed", FALSE));
    SetLineMaxLength(pTNode->GetFloat("fLineMaxLength", 100.0f));
    SetLineInterval(pTNode->GetFloat("fLineInterval", 23.0f));
    if (pTNode->GetVector3("xyzLineFeedDir", &vDirection.x, &vDirection.y, &vDirection.z))
        SetLineFeedDir(&vDirection);
    SetRenderFontFrame(pTNode->GetBool("bRenderFontFrame", FALSE));
    SetRenderShadow(pTNode->GetBool("bRenderShadow", FALSE));
    SetShadowPositionX(pTNode->GetFloat("fShadowPositionX", 0.0f));
    SetShadowPositionY(pTNode->GetFloat("fShadowPositionY", 0.0f));
    return S_OK;
}

HRESULT XC_RenderString::AnalyzeScriptToken(XC_Strtok& StrtokObj)
{
    const char* const szToken = StrtokObj.GetToken(FALSE);
    if (szToken != nullptr && std::strcmp(szToken, "RenderString") == 0) {
        StrtokObj.PopFrontToken();
        return AnalyzeStringToken(StrtokObj);
    }
    return XC_RenderingObject::AnalyzeScriptToken(StrtokObj);
}

HRESULT XC_RenderString::AnalyzeStringToken(XC_Strtok& StrtokObj)
{
    const char* const szToken = StrtokObj.GetToken(TRUE);
    if (szToken == nullptr) {
        XM_REPORT_FAILED("szToken");
        return E_FAIL;
    }
    typedef XC_RenderString Text;
    static const struct
    {
        const char* szName;
        HRESULT (*pCommand)(Text&, XC_Strtok&);
    } COMMANDS[] = {
        {"SetString", [](Text& text, XC_Strtok& tok) { return text.TakeString(tok, false, &Text::SetString); }},
        {"AddString", [](Text& text, XC_Strtok& tok) { return text.TakeString(tok, false, &Text::AddString); }},
        {"SetStringEX", [](Text& text, XC_Strtok& tok) { return text.TakeString(tok, true, &Text::SetString); }},
        {"AddStringEX", [](Text& text, XC_Strtok& tok) { return text.TakeString(tok, true, &Text::AddString); }},
        {"xyzWriteDir", [](Text& text, XC_Strtok& tok) { return text.TakeDirection(tok, &Text::SetWriteDir); }},
        {"xyzLineFeedDir", [](Text& text, XC_Strtok& tok) { return text.TakeDirection(tok, &Text::SetLineFeedDir); }},
    };
    if (const auto* const pCommand = XF_FindToken(COMMANDS, szToken))
        return pCommand->pCommand(*this, StrtokObj);
    // Commands of one value.
    static const struct
    {
        const char* szName;
        void (*pCommand)(Text&, XC_Strtok&);
    } VALUE_COMMANDS[] = {
        {"dwAligeText", [](Text& text, XC_Strtok& tok) { text.SetAligeText(tok.GetTokenDword(TRUE)); }},
        {"fInterval", [](Text& text, XC_Strtok& tok) { text.SetInterval(tok.GetTokenFloat(TRUE)); }},
        {"bAutoLineFeed", [](Text& text, XC_Strtok& tok) { text.SetAutoLineFeed(tok.GetTokenBool(TRUE)); }},
        {"fLineMaxLength", [](Text& text, XC_Strtok& tok) { text.SetLineMaxLength(tok.GetTokenFloat(TRUE)); }},
        {"fLineInterval", [](Text& text, XC_Strtok& tok) { text.SetLineInterval(tok.GetTokenFloat(TRUE)); }},
        {"bRenderFontFrame", [](Text& text, XC_Strtok& tok) { text.SetRenderFontFrame(tok.GetTokenBool(TRUE)); }},
        {"bRenderShadow", [](Text& text, XC_Strtok& tok) { text.SetRenderShadow(tok.GetTokenBool(TRUE)); }},
        {"fShadowPositionX", [](Text& text, XC_Strtok& tok) { text.SetShadowPositionX(tok.GetTokenFloat(TRUE)); }},
        {"fShadowPositionY", [](Text& text, XC_Strtok& tok) { text.SetShadowPositionY(tok.GetTokenFloat(TRUE)); }},
    };
    const auto* const pValueCommand = XF_FindToken(VALUE_COMMANDS, szToken);
    if (pValueCommand == nullptr || !StrtokObj.HasToken())
        return E_FAIL;
    pValueCommand->pCommand(*this, StrtokObj);
    return S_OK;
}

HRESULT XC_RenderString::TakeString(XC_Strtok& StrtokObj, bool bWithColor,
                                    HRESULT (XC_RenderString::*pStringCommand)(const char*, DWORD))
{
    const char* const szString = StrtokObj.GetToken(TRUE);
    if (szString == nullptr || (bWithColor && !StrtokObj.HasToken()))
        return E_FAIL;
    const DWORD dwColor = bWithColor ? StrtokObj.GetTokenDword(TRUE) : 0xFFFFFFFF;
    if (FAILED((this->*pStringCommand)(szString, dwColor)) && bWithColor) {
        XM_REPORT_FAILED(pStringCommand == &XC_RenderString::SetString ? "SetString( szString , dwColor )"
                                                                       : "AddString( szString , dwColor )");
    }
    return S_OK;
}

HRESULT XC_RenderString::TakeDirection(XC_Strtok& StrtokObj,
                                       void (XC_RenderString::*pSetDirection)(float, float, float))
{
    float rfValue[3];
    for (float& fValue : rfValue) {
        if (!StrtokObj.HasToken())
            return E_FAIL;
        fValue = StrtokObj.GetTokenFloat(TRUE);
    }
    (this->*pSetDirection)(rfValue[0], rfValue[1], rfValue[2]);
    return S_OK;
}

HRESULT XC_RenderString::SetString(const char* szString, DWORD dwColor)
{
    if (FAILED(ClearString()))
        XM_REPORT_FAILED("ClearString()");
    return AddString(szString, dwColor);
}

HRESULT XC_RenderString::AddString(const char* szString, DWORD dwColor)
{
    if (szString == nullptr || g_pD3DFontObj == nullptr) {
        XM_REPORT_FAILED(szString == nullptr ? "szString" : "g_pD3DFontObj");
        return E_FAIL;
    }
    for (const char* pChar = szString; *pChar != '\0';) {
        if (pChar[0] == '\\' && pChar[1] == 'n') {
            m_PAL_RenderWord.Add(new XC_RenderWord(new XC_WordLineFeed, dwColor));
            pChar += 2;
            continue;
        }
        DWORD dwLength = 0;
        XI_Word* const pWord = g_pD3DFontObj->GetWord(pChar, &dwLength);
        if (pWord == nullptr) {
            XM_REPORT_FAILED("pWord");
            return E_FAIL;
        }
        m_PAL_RenderWord.Add(new XC_RenderWord(pWord, dwColor));
        pChar += dwLength > 0 ? dwLength : 1;
    }
    m_bLayoutStale = true;
    return S_OK;
}

HRESULT XC_RenderString::SetStringEx(const char* szData, DWORD dwColor)
{
    if (FAILED(ClearString()))
        XM_REPORT_FAILED("ClearString()");
    return AddStringEx(szData, dwColor);
}

HRESULT XC_RenderString::AddStringEx(const char* szData, DWORD dwColor)
{
    if (szData == nullptr) {
        XM_REPORT_FAILED("szData");
        return E_FAIL;
    }
    DWORD dwCurrentColor = dwColor;
    std::string strRest(szData);
    while (!strRest.empty()) {
        const size_t uOpen = strRest.find('#');
        if (uOpen == std::string::npos)
            return AddString(strRest.c_str(), dwCurrentColor);
        AddString(strRest.substr(0, uOpen).c_str(), dwCurrentColor);
        strRest.erase(0, uOpen + 1);
        const size_t uClose = strRest.find('#');
        if (uClose == std::string::npos) {
            XF_ReportError(s_szSourceFile, __LINE__, "XC_RenderString::AddStringEx Error , Can't find Token'#' ");
            return AddString(strRest.c_str(), dwCurrentColor);
        }
        RunInlineCommand(strRest.substr(0, uClose).c_str(), &dwCurrentColor);
        strRest.erase(0, uClose + 1);
    }
    return S_OK;
}

void XC_RenderString::RunInlineCommand(const char* szCommand, DWORD* pdwColor)
{
    XC_Strtok StrtokObj;
    if (FAILED(StrtokObj.SetData(szCommand)) || !StrtokObj.HasToken())
        return;
    const std::string strCommand(StrtokObj.GetToken(TRUE));
    if (strCommand == "Color") {
        if (StrtokObj.HasToken())
            *pdwColor = StrtokObj.GetTokenDword(TRUE);
        return;
    }
    if (strCommand != "PicWord")
        return;
    const char* const szTextureName = StrtokObj.GetToken(TRUE);
    if (szTextureName == nullptr) {
        XM_REPORT_FAILED("szTextureName");
        return;
    }
    const std::string strTextureName(szTextureName);
    const int iWidth = StrtokObj.HasToken() ? StrtokObj.GetTokenInt(TRUE) : -1;
    const int iHeight = StrtokObj.HasToken() ? StrtokObj.GetTokenInt(TRUE) : -1;
    const DWORD dwPicWordColor = StrtokObj.HasToken() ? StrtokObj.GetTokenDword(TRUE) : *pdwColor;
    if (FAILED(AddPicWord(strTextureName.c_str(), iWidth, iHeight, dwPicWordColor)))
        XM_REPORT_FAILED("AddPicWord( szTextureName , iWidth , iHeight , dwPicWordColor )");
}

HRESULT XC_RenderString::AddWord(XI_Word* pTextureWordObj, DWORD dwColor)
{
    if (pTextureWordObj == nullptr) {
        XM_REPORT_FAILED("pTextureWordObj");
        return E_FAIL;
    }
    pTextureWordObj->AddRef();
    m_PAL_RenderWord.Add(new XC_RenderWord(pTextureWordObj, dwColor));
    m_bLayoutStale = true;
    return S_OK;
}

HRESULT XC_RenderString::AddPicWord(const char* szTextureName, int iWidth, int iHeight, DWORD dwPicWordColor)
{
    if (szTextureName == nullptr || g_pTextureManager == nullptr) {
        XM_REPORT_FAILED(szTextureName == nullptr ? "szTextureName" : "g_pTextureManager");
        return E_FAIL;
    }
    XC_Texture* const pTexture = g_pTextureManager->GetTexture(szTextureName);
    if (pTexture == nullptr) {
        XM_REPORT_FAILED("pTexture");
        return E_FAIL;
    }
    XC_TextureWord* const pTextureWordObj = new XC_TextureWord;
    pTextureWordObj->SetTexture(pTexture);
    pTexture->Release();
    if (iWidth > 0)
        pTextureWordObj->SetWidth(static_cast<float>(iWidth));
    if (iHeight > 0)
        pTextureWordObj->SetHeight(static_cast<float>(iHeight));
    const HRESULT hr = AddWord(pTextureWordObj, dwPicWordColor);
    if (FAILED(hr))
        XM_REPORT_FAILED("XC_RenderString::AddWord ( pTextureWordObj , dwColor )");
    pTextureWordObj->Release();
    return S_OK;
}

HRESULT XC_RenderString::ClearString()
{
    for (DWORD i = 0; i < m_PAL_RenderWord.Count(); ++i) {
        XC_RenderWord* const pRenderWord = m_PAL_RenderWord.GetPtr(i);
        if (pRenderWord == nullptr)
            XM_REPORT_FAILED("m_PAL_RenderWord.GetPtr(i)");
        delete pRenderWord;
    }
    m_PAL_RenderWord.RemoveAll();
    return S_OK;
}

void XC_RenderString::SetAligeText(DWORD dwAlign)
{
    m_dwAligeText = dwAlign;
    LayoutWords();
}

DWORD XC_RenderString::GetAligeText() const
{
    return m_dwAligeText;
}

void XC_RenderString::SetInterval(float fInterval)
{
    m_fInterval = fInterval;
    LayoutWords();
}

float XC_RenderString::GetInterval() const
{
    return m_fInterval;
}

void XC_RenderString::SetWriteDir(float fX, float fY, float fZ)
{
    const D3DXVECTOR3 vDirection(fX, fY, fZ);
    SetWriteDir(&vDirection);
}

void XC_RenderString::SetWriteDir(const D3DXVECTOR3* pWriteDir)
{
    m_vecWriteDir = Normalized(*pWriteDir);
    LayoutWords();
}

const D3DXVECTOR3* XC_RenderString::GetWriteDir() const
{
    return &m_vecWriteDir;
}

void XC_RenderString::SetAutoLineFeed(BOOL bAutoLineFeed)
{
    m_bAutoLineFeed = bAutoLineFeed;
}

void XC_RenderString::SetLineMaxLength(float fLineMaxLength)
{
    m_fLineMaxLength = fLineMaxLength < 0.0f ? 0.0f : fLineMaxLength;
    if (fLineMaxLength == 0.0f)
        XM_REPORT_FAILED("m_fLineMaxLength");
}

void XC_RenderString::SetLineInterval(float fLineInterval)
{
    m_fLineInterval = fLineInterval;
}

void XC_RenderString::SetLineFeedDir(float fX, float fY, float fZ)
{
    const D3DXVECTOR3 vDirection(fX, fY, fZ);
    SetLineFeedDir(&vDirection);
}

void XC_RenderString::SetLineFeedDir(const D3DXVECTOR3* pLineFeedDir)
{
    m_vecLineFeedDir = Normalized(*pLineFeedDir);
    LayoutWords();
}

BOOL XC_RenderString::GetAutoLineFeed() const
{
    return m_bAutoLineFeed;
}

float XC_RenderString::GetLineMaxLength() const
{
    return m_fLineMaxLength;
}

float XC_RenderString::GetLineInterval() const
{
    return m_fLineInterval;
}

const D3DXVECTOR3* XC_RenderString::GetLineFeedDir() const
{
    return &m_vecLineFeedDir;
}

void XC_RenderString::SetRenderFontFrame(BOOL bRenderFontFrame)
{
    m_bRenderFontFrame = bRenderFontFrame;
}

BOOL XC_RenderString::GetRenderFontFrame() const
{
    return m_bRenderFontFrame;
}

void XC_RenderString::SetRenderShadow(BOOL bRenderShadow)
{
    m_bRenderShadow = bRenderShadow;
}

void XC_RenderString::SetShadowPositionX(float fX)
{
    m_fShadowPositionX = fX;
}

void XC_RenderString::SetShadowPositionY(float fY)
{
    m_fShadowPositionY = fY;
}

BOOL XC_RenderString::GetRenderShadow() const
{
    return m_bRenderShadow;
}

float XC_RenderString::GetShadowPositionX() const
{
    return m_fShadowPositionX;
}

float XC_RenderString::GetShadowPositionY() const
{
    return m_fShadowPositionY;
}

void XC_RenderString::SetShowWordCount(DWORD dwShowWordCount)
{
    m_dwShowWordCount = dwShowWordCount;
}

DWORD XC_RenderString::GetShowWordCount() const
{
    return m_dwShowWordCount;
}

DWORD XC_RenderString::GetWordCount() const
{
    return m_PAL_RenderWord.Count();
}

void XC_RenderString::LayoutIfStale()
{
    if (m_bLayoutStale)
        LayoutWords();
}

const XC_RenderString::XC_RenderWord* XC_RenderString::GetRenderWord(DWORD dwIndex)
{
    LayoutIfStale();
    return m_PAL_RenderWord.GetPtr(dwIndex);
}

const D3DXVECTOR3* XC_RenderString::GetCenter()
{
    LayoutIfStale();
    return &m_vecCenter;
}

float XC_RenderString::GetRadius()
{
    LayoutIfStale();
    return m_fRadius;
}

void XC_RenderString::LayoutWords()
{
    m_bLayoutStale = false;
    m_vecCenter = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    m_fRadius = 0.0f;
    if (m_PAL_RenderWord.Count() == 0)
        return;
    if (m_bAutoLineFeed)
        LayoutLines();
    else
        LayoutLine();
}

void XC_RenderString::LayoutLine()
{
    float fPen = 0.0f;
    for (DWORD i = 0; i < m_PAL_RenderWord.Count(); ++i) {
        XC_RenderWord* const pRenderWord = m_PAL_RenderWord.GetPtr(i);
        pRenderWord->vPosition = fPen * m_vecWriteDir;
        fPen += pRenderWord->pWord->GetWidth() + m_fInterval;
    }
    m_fRadius = fPen / 2.0f;
    float fShift = 0.0f;
    switch (m_dwAligeText) {
    case 0:
        m_vecCenter = m_fRadius * m_vecWriteDir;
        return;
    case 1:
        fShift = -fPen / 2.0f;
        break;
    case 2:
        fShift = -fPen;
        m_vecCenter = -m_fRadius * m_vecWriteDir;
        break;
    default:
        XM_REPORT_FAILED("m_dwAligeText");
        return;
    }
    for (DWORD i = 0; i < m_PAL_RenderWord.Count(); ++i)
        m_PAL_RenderWord.GetPtr(i)->vPosition += fShift * m_vecWriteDir;
}

void XC_RenderString::LayoutLines()
{
    const float fLength = m_fLineMaxLength;
    D3DXVECTOR3 vOrigin(0.0f, 0.0f, 0.0f);
    if (m_dwAligeText == 1)
        vOrigin = -(fLength / 2.0f) * m_vecWriteDir;
    else if (m_dwAligeText == 2)
        vOrigin = -fLength * m_vecWriteDir;
    else if (m_dwAligeText != 0)
        XM_REPORT_FAILED("m_dwAligeText");
    float fPen = 0.0f;
    DWORD dwLines = 0;
    for (DWORD i = 0; i < m_PAL_RenderWord.Count(); ++i) {
        XC_RenderWord* const pRenderWord = m_PAL_RenderWord.GetPtr(i);
        pRenderWord->vPosition = vOrigin + fPen * m_vecWriteDir;
        fPen += pRenderWord->pWord->GetWidth() + m_fInterval;
        if (fPen >= fLength) {
            fPen = 0.0f;
            ++dwLines;
            vOrigin += m_fLineInterval * m_vecLineFeedDir;
        }
    }
    const D3DXVECTOR3 vFirst = m_PAL_RenderWord.GetPtr(0)->vPosition;
    const D3DXVECTOR3 vHalfLine = (fLength / 2.0f) * m_vecWriteDir;
    m_vecCenter = vFirst + vHalfLine + (dwLines * m_fLineInterval / 2.0f) * m_vecLineFeedDir;
    const D3DXVECTOR3 vToFirst = vFirst - m_vecCenter;
    const D3DXVECTOR3 vToMiddle = vFirst + vHalfLine - m_vecCenter;
    const float fToFirst = D3DXVec3Length(&vToFirst);
    const float fToMiddle = D3DXVec3Length(&vToMiddle);
    m_fRadius = fToFirst > fToMiddle ? fToFirst : fToMiddle;
}

BOOL XC_RenderString::IsInFrustum(const XC_Frustum* pFrustumObj)
{
    if (pFrustumObj == nullptr) {
        XM_REPORT_FAILED("pFrustumObj");
        return FALSE;
    }
    LayoutIfStale();
    XS_BoundingSphere sphere = {m_vecCenter, m_fRadius};
    XF_TransformBoundingSphere(&sphere, GetWorldMatrix(), QueryWorldScale());
    return pFrustumObj->SphereInFrustum(&sphere);
}

void XC_RenderString::DrawObject()
{
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    if (pDevice == nullptr)
        return;
    LayoutIfStale();
    XF_SetTextureFactorColor(GetColor());
    const DWORD dwCount = m_PAL_RenderWord.Count() < m_dwShowWordCount ? m_PAL_RenderWord.Count() : m_dwShowWordCount;
    DWORD dwPreviousColor = 0xFFFFFFFF;
    for (DWORD i = 0; i < dwCount; ++i) {
        XC_RenderWord* const pRenderWord = m_PAL_RenderWord.GetPtr(i);
        if (pRenderWord == nullptr) {
            XM_REPORT_FAILED("pRenderWord");
            continue;
        }
        D3DXMATRIX matWord;
        D3DXMatrixTranslation(&matWord, pRenderWord->vPosition.x, pRenderWord->vPosition.y, pRenderWord->vPosition.z);
        matWord *= *GetWorldMatrix();
        if (pRenderWord->dwColor != dwPreviousColor) {
            pDevice->SetRenderState(D3DRS_TEXTUREFACTOR, XF_ModulateColor(GetColor(), pRenderWord->dwColor));
            dwPreviousColor = pRenderWord->dwColor;
        }
        pRenderWord->pWord->Render(&matWord);
        if (m_bRenderFontFrame)
            DrawFontFrame(pRenderWord->pWord, &matWord);
        if (m_bRenderShadow)
            DrawShadow(pRenderWord->pWord, &matWord);
    }
    XF_RestoreTextureFactor();
}

void XC_RenderString::DrawBlackCopy(XI_Word* pWord, const D3DXMATRIX* pMatrix, const D3DXVECTOR3& vOffset,
                                    bool bOffsetOnScreen)
{
    D3DXMATRIX matOffset;
    D3DXMatrixTranslation(&matOffset, vOffset.x, vOffset.y, vOffset.z);
    m_matWork = bOffsetOnScreen ? *pMatrix * matOffset : matOffset * *pMatrix;
    pWord->Render(&m_matWork);
}

void XC_RenderString::DrawFontFrame(XI_Word* pWord, const D3DXMATRIX* pMatrix)
{
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    // Zero blend factors draw the covered pixels black.
    pDevice->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ZERO);
    pDevice->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ZERO);
    const bool bOnScreen = GetCoordinateSystem() == CS_Screen;
    for (const D3DXVECTOR3& vOffset : {D3DXVECTOR3(1.0f, 1.0f, 1.0f), D3DXVECTOR3(1.0f, -1.0f, 1.0f),
                                       D3DXVECTOR3(-1.0f, 1.0f, 1.0f), D3DXVECTOR3(-1.0f, -1.0f, 1.0f)})
        DrawBlackCopy(pWord, pMatrix, vOffset, bOnScreen);
    pDevice->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    pDevice->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
}

void XC_RenderString::DrawShadow(XI_Word* pWord, const D3DXMATRIX* pMatrix)
{
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    pDevice->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ZERO);
    pDevice->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ZERO);
    DrawBlackCopy(pWord, pMatrix, D3DXVECTOR3(m_fShadowPositionX, m_fShadowPositionY, 1.0f), false);
    pDevice->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    pDevice->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
}
