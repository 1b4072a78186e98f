#include "GameProgram/Resource/XC_TextureList.h"

#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/XC_TextureManager.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

static const char* const s_szSourceFile = "GameProgram\\Resource\\XC_TextureList";

namespace {

const DWORD TEXTURE_LIST_TIMER_RANK = 7;
const float DEFAULT_FRAME_TIME = 0.04f;
const char* const PLACEHOLDER = "(*)";
// A batch names at most this many pages, so a damaged number cannot make a
// load ask for textures for ever.
const DWORD MAX_BATCH_PAGES = 4096;

// The value of a "TextureBatch" leaf, scanned as "%s , %d ~ %d , %d".
struct TextureBatch
{
    std::string strPattern;
    int iNumStart = 0;
    int iNumEnd = 0;
    int iCharNum = 0;
};

// False when not even the pattern can be read; numbers not read stay 0.
bool ScanTextureBatch(const char* szValue, TextureBatch* pBatch)
{
    // The pattern cannot be longer than the whole text.
    std::string strPattern(std::strlen(szValue) + 1, '\0');
    const int iRead = std::sscanf(szValue, "%s , %d ~ %d , %d", &strPattern[0], &pBatch->iNumStart,
                                  &pBatch->iNumEnd, &pBatch->iCharNum);
    if (iRead < 1)
        return false;
    pBatch->strPattern = strPattern.c_str();
    return true;
}

// The number in decimal, zero-padded to at least dwCharNum digits.
std::string PaddedNumber(DWORD dwNumber, DWORD dwCharNum)
{
    std::string strNumber = std::to_string(dwNumber);
    if (strNumber.size() < dwCharNum)
        strNumber.insert(0, dwCharNum - strNumber.size(), '0');
    return strNumber;
}

} // namespace

XC_TextureList::XC_TextureList()
    : XC_Timer(TEXTURE_LIST_TIMER_RANK)
    , m_fFrameTime(DEFAULT_FRAME_TIME)
    , m_dwCurrentPage(0)
{
    // The one reference of whoever asked for the list.
    m_dwReferenceCount = 1;
}

XC_TextureList::~XC_TextureList()
{
    ClearPages();
}

void XC_TextureList::Release()
{
    if (m_dwReferenceCount <= 0) {
        XM_REPORT_FAILED("m_dwReferenceCount > 0");
        return;
    }
    --m_dwReferenceCount;
    if (m_dwReferenceCount == 0)
        delete this;
}

IDirect3DTexture9* XC_TextureList::GetTexture() const
{
    if (m_PAL_Texture.Count() == 0)
        return nullptr;
    return TextureOfPage(m_dwCurrentPage);
}

HRESULT XC_TextureList::Render(const D3DXMATRIX* pmatWorld)
{
    XC_Texture* const pTextureObj = m_PAL_Texture.GetPtr(m_dwCurrentPage);
    if (pTextureObj == nullptr) {
        XM_REPORT_FAILED("m_dwCurrentPage < m_PAL_Texture.Count()");
        return E_FAIL;
    }
    return pTextureObj->Render(pmatWorld);
}

HRESULT XC_TextureList::LoadMem(const void* pData, DWORD dwSize)
{
    XC_TextTree TTree;
    const HRESULT hr = TTree.LoadMem(pData, dwSize);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("TTree.LoadMem( pData , dwSize )", hr);
    const XC_TextNode* const pTNode = TTree.FindChildNode("[Sys]");
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return E_FAIL;
    }
    return Load(pTNode);
}

HRESULT XC_TextureList::Load(const XC_TextNode* pTNode)
{
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return E_FAIL;
    }
    if (g_pTextureManager == nullptr) {
        XM_REPORT_FAILED("g_pTextureManager");
        return E_FAIL;
    }
    // A frame time of 0 would turn a page every frame and cannot divide a time.
    const float fFrameTime = pTNode->GetFloat("fFrameTime", DEFAULT_FRAME_TIME);
    if (!(fFrameTime > 0.0f)) {
        XM_REPORT_FAILED("fFrameTime > 0");
        return E_FAIL;
    }
    ClearPages();
    if (FAILED(LoadList(pTNode)) && FAILED(LoadBatch(pTNode))) {
        XF_ReportError(s_szSourceFile, __LINE__, "載入材質清單錯誤");
        return E_FAIL;
    }
    if (m_PAL_Texture.Count() == 0) {
        XM_REPORT_FAILED("m_PAL_Texture.Count() > 0");
        return E_FAIL;
    }
    m_fFrameTime = fFrameTime;
    const XC_Texture* const pFirstPage = m_PAL_Texture.GetPtr(0);
    m_fWidth = pFirstPage->GetWidth();
    m_fHeight = pFirstPage->GetHeight();
    return S_OK;
}

HRESULT XC_TextureList::ClearPages()
{
    for (DWORD dwPage = 0; dwPage < m_PAL_Texture.Count(); ++dwPage)
        m_PAL_Texture.GetPtr(dwPage)->Release();
    m_PAL_Texture.RemoveAll();
    m_dwCurrentPage = 0;
    return S_OK;
}

void XC_TextureList::AddPage(XC_Texture* pTexture)
{
    if (pTexture == nullptr) {
        XM_REPORT_FAILED("pTexture");
        return;
    }
    const HRESULT hr = m_PAL_Texture.Add(pTexture);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_PAL_Texture.Add( pTexture )", hr);
        pTexture->Release();
    }
}

void XC_TextureList::SetFrameTime(float fFrameTime)
{
    if (!(fFrameTime > 0.0f)) {
        XM_REPORT_FAILED("fFrameTime > 0");
        return;
    }
    m_fFrameTime = fFrameTime;
}

float XC_TextureList::GetFrameTime() const
{
    return m_fFrameTime;
}

DWORD XC_TextureList::GetPageCount() const
{
    return m_PAL_Texture.Count();
}

IDirect3DTexture9* XC_TextureList::GetTextureAtTime(float fTime) const
{
    const DWORD dwCount = m_PAL_Texture.Count();
    if (dwCount == 0)
        return nullptr;
    double dPage = std::fmod(std::floor(static_cast<double>(fTime) / m_fFrameTime), dwCount);
    if (dPage < 0.0)
        dPage += dwCount;
    if (!(dPage >= 0.0 && dPage < dwCount)) // not a number, or an infinite time
        dPage = 0.0;
    return TextureOfPage(static_cast<DWORD>(dPage));
}

IDirect3DTexture9* XC_TextureList::GetPageTexture(DWORD dwPage) const
{
    if (dwPage >= m_PAL_Texture.Count()) {
        XM_REPORT_FAILED("dwPage < m_PAL_Texture.Count()");
        return nullptr;
    }
    return TextureOfPage(dwPage);
}

IDirect3DTexture9* XC_TextureList::TextureOfPage(DWORD dwPage) const
{
    const XC_Texture* const pTextureObj = m_PAL_Texture.GetPtr(dwPage);
    if (pTextureObj == nullptr) {
        XM_REPORT_FAILED("m_dwCurrentPage < m_PAL_Texture.Count()");
        return nullptr;
    }
    IDirect3DTexture9* const pTexture = pTextureObj->GetTexture();
    if (pTexture == nullptr)
        XM_REPORT_FAILED("pTexture");
    return pTexture;
}

HRESULT XC_TextureList::LoadList(const XC_TextNode* pTNode)
{
    const XC_TextNode* const pListNode = pTNode->FindChildNode("[List]");
    if (pListNode == nullptr)
        return E_FAIL;
    for (int i = 0; i < pListNode->GetLeafCount(); ++i) {
        const char* const szTextureName = pListNode->GetLeaf(i)->GetStr();
        if (szTextureName == nullptr)
            XM_REPORT_FAILED("pLeaf->GetStr()");
        const HRESULT hr = AddNamedPage(szTextureName);
        if (FAILED(hr))
            return hr;
    }
    return S_OK;
}

HRESULT XC_TextureList::LoadBatch(const XC_TextNode* pTNode)
{
    const XC_TextLeaf* const pLeaf = pTNode->FindLeaf("TextureBatch");
    if (pLeaf == nullptr)
        return S_OK;
    if (pLeaf->GetStr() == nullptr) {
        XM_REPORT_FAILED("pLeaf->GetStr()");
        return E_FAIL;
    }
    TextureBatch batch;
    if (!ScanTextureBatch(pLeaf->GetStr(), &batch)) {
        XF_ReportError(s_szSourceFile, __LINE__, "TextureBatch");
        return E_FAIL;
    }
    if (batch.iNumStart < 0 || batch.iNumEnd < 0 || batch.iCharNum < 0) {
        XM_REPORT_FAILED("dwNumStart >= 0 && dwNumEnd >= 0 && dwCharNum >= 0");
        return E_FAIL;
    }
    const DWORD dwNumStart = static_cast<DWORD>(batch.iNumStart);
    const DWORD dwNumEnd = static_cast<DWORD>(batch.iNumEnd);
    const DWORD dwCharNum = static_cast<DWORD>(batch.iCharNum);
    if (dwCharNum == 0)
        XM_REPORT_FAILED("dwCharNum > 0");
    if (dwNumStart >= dwNumEnd)
        XM_REPORT_FAILED("dwNumStart < dwNumEnd");
    if (dwNumEnd >= dwNumStart && dwNumEnd - dwNumStart >= MAX_BATCH_PAGES) {
        XM_REPORT_FAILED("dwNumEnd - dwNumStart < MAX_BATCH_PAGES");
        return E_FAIL;
    }
    if (dwCharNum >= MAX_PATH) {
        XM_REPORT_FAILED("dwCharNum < MAX_PATH");
        return E_FAIL;
    }
    const std::string::size_type posPlaceholder = batch.strPattern.find(PLACEHOLDER);
    if (posPlaceholder == std::string::npos) {
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("TextureBatch without \"(*)\" : %s",
                                                               batch.strPattern.c_str()));
        return E_FAIL;
    }
    // The name is joined from the pattern's parts: its text is never a format.
    const std::string strBefore = batch.strPattern.substr(0, posPlaceholder);
    const std::string strAfter = batch.strPattern.substr(posPlaceholder + std::strlen(PLACEHOLDER));
    for (DWORD dwNumber = dwNumStart; dwNumber <= dwNumEnd; ++dwNumber) {
        const std::string strName = strBefore + PaddedNumber(dwNumber, dwCharNum) + strAfter;
        const HRESULT hr = AddNamedPage(strName.c_str());
        if (FAILED(hr))
            return hr;
    }
    return S_OK;
}

HRESULT XC_TextureList::AddNamedPage(const char* szTextureName)
{
    XC_Texture* const pTextureObj =
        g_pTextureManager != nullptr ? g_pTextureManager->GetTexture(szTextureName) : nullptr;
    if (pTextureObj == nullptr) {
        XM_REPORT_FAILED("pTextureObj");
        ClearPages();
        return E_FAIL;
    }
    AddPage(pTextureObj);
    return S_OK;
}

void XC_TextureList::Update(float)
{
    if (m_fTime <= m_fFrameTime)
        return;
    m_fTime = 0.0f;
    const DWORD dwCount = m_PAL_Texture.Count();
    if (dwCount > 0)
        m_dwCurrentPage = (m_dwCurrentPage + 1) % dwCount;
}
