#include "GameProgram/Resource/XC_TextureList.h"

#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/XC_TextureManager.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD TEXTURE_LIST_TIMER_RANK = 7;
const float DEFAULT_FRAME_TIME = 0.04f;
const char* const PLACEHOLDER = "(*)";
// A batch names at most this many pages, so a damaged number cannot make a
// load ask for textures for ever.
const DWORD MAX_BATCH_PAGES = 4096;

// The value of a "TextureBatch" leaf, read as "%s , %d ~ %d , %d" would
// read it, but with no buffer of fixed size and no number overflowing.
struct TextureBatch
{
    std::string strPattern;
    long long llNumStart = 0;
    long long llNumEnd = 0;
    long long llCharNum = 0;
};

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

// Reads the separator and the number after it, each after optional blanks.
bool ScanNumber(const char*& pText, char chSeparator, long long* pllNumber)
{
    while (IsBlank(*pText))
        ++pText;
    if (*pText != chSeparator)
        return false;
    ++pText;
    while (IsBlank(*pText))
        ++pText;
    char* pEnd = nullptr;
    // Out of range gives the largest or smallest number, which later checks refuse.
    const long long llNumber = std::strtoll(pText, &pEnd, 10);
    if (pEnd == pText)
        return false;
    pText = pEnd;
    *pllNumber = llNumber;
    return true;
}

// False when not even the pattern can be read; numbers not read stay 0.
bool ScanTextureBatch(const char* szValue, TextureBatch* pBatch)
{
    const char* pText = szValue;
    while (IsBlank(*pText))
        ++pText;
    const char* const pPattern = pText;
    while (*pText != '\0' && !IsBlank(*pText))
        ++pText;
    if (pText == pPattern)
        return false;
    pBatch->strPattern.assign(pPattern, pText);
    if (ScanNumber(pText, ',', &pBatch->llNumStart) && ScanNumber(pText, '~', &pBatch->llNumEnd))
        ScanNumber(pText, ',', &pBatch->llCharNum);
    return true;
}

bool IsCount(long long llNumber)
{
    return llNumber >= 0 && llNumber <= INT_MAX;
}

// Reports what is odd about the numbers; false when they cannot be used.
// A first number equal to the last gives one page, one above it none.
bool CheckTextureBatch(const TextureBatch& batch, const char* szValue)
{
    if (!IsCount(batch.llNumStart) || !IsCount(batch.llNumEnd) || !IsCount(batch.llCharNum)) {
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("TextureBatch numbers out of range : %s", szValue));
        return false;
    }
    if (batch.llCharNum == 0)
        XM_REPORT_FAILED("dwCharNum > 0");
    if (batch.llNumStart >= batch.llNumEnd)
        XM_REPORT_FAILED("dwNumStart < dwNumEnd");
    if (batch.llNumEnd - batch.llNumStart >= MAX_BATCH_PAGES) {
        XM_REPORT_FAILED("dwNumEnd - dwNumStart < MAX_BATCH_PAGES");
        return false;
    }
    if (batch.llCharNum >= MAX_PATH) {
        XM_REPORT_FAILED("dwCharNum < MAX_PATH");
        return false;
    }
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
    if (pData == nullptr && dwSize > 0) {
        XM_REPORT_FAILED("pData");
        return E_FAIL;
    }
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
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return E_FAIL;
    }
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
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return E_FAIL;
    }
    const XC_TextLeaf* const pLeaf = pTNode->FindLeaf("TextureBatch");
    if (pLeaf == nullptr)
        return S_OK;
    if (pLeaf->GetStr() == nullptr) {
        XM_REPORT_FAILED("pLeaf->GetStr()");
        return E_FAIL;
    }
    TextureBatch batch;
    if (!ScanTextureBatch(pLeaf->GetStr(), &batch)) {
        XF_ReportError(s_szSourceFile, __LINE__, "TextureBatch without a name pattern");
        return E_FAIL;
    }
    if (!CheckTextureBatch(batch, pLeaf->GetStr()))
        return E_FAIL;
    const DWORD dwNumStart = static_cast<DWORD>(batch.llNumStart);
    const DWORD dwNumEnd = static_cast<DWORD>(batch.llNumEnd);
    const DWORD dwCharNum = static_cast<DWORD>(batch.llCharNum);
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
    // A page that is itself a list would load lists within lists, and a list
    // naming itself would do so without end: lists do not nest.
    if (szTextureName != nullptr && XC_TextureManager::IsTextureListName(szTextureName)) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("XC_TextureList page %s is a texture list : lists do not nest", szTextureName));
        ClearPages();
        return E_FAIL;
    }
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
