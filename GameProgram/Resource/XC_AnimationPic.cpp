#include "GameProgram/Resource/XC_AnimationPic.h"

#include "GameProgram/Common/XC_IOTextFile.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_InitOrder.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"
#include "GameProgram/Resource/XC_AnimationLine.h"

#include <cstring>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

std::set<XC_AnimationPic*> XC_AnimationPic::m_setUnloadAnimationPic
    XM_INIT_ORDER(XE_INIT_UNLOADED_ANIMATION_PICTURES);

namespace {

// A picture line: the texture's name, then these numbers.
enum
{
    FIELD_NAME = 0,
    FIELD_WINDING = 1,
    FIELD_MATRIX = 2, // twelve floats, the matrix's first three columns row by row
    FIELD_COLOR_OP = 14,
    FIELD_ALPHA_OP = 15,
    FIELD_ALPHA_BLEND = 16,
    FIELD_SRC_BLEND = 17,
    FIELD_DEST_BLEND = 18,
    FIELD_COLOR = 19,
    PIC_FIELD_COUNT = 20,
};

const DWORD DEFAULT_TEXTURE_OP = D3DTOP_MODULATE;

bool ReadDword(const XC_AnimationLine& line, DWORD dwField, DWORD* pdwValue)
{
    int iValue = 0;
    if (!line.GetInt(dwField, &iValue))
        return false;
    *pdwValue = static_cast<DWORD>(iValue);
    return true;
}

bool ReadMatrix(const XC_AnimationLine& line, D3DXMATRIX* pMatrix)
{
    for (DWORD dwRow = 0; dwRow < 4; ++dwRow) {
        for (DWORD dwColumn = 0; dwColumn < 3; ++dwColumn) {
            if (!line.GetFloat(FIELD_MATRIX + dwRow * 3 + dwColumn, &pMatrix->m[dwRow][dwColumn]))
                return false;
        }
    }
    return true;
}

} // namespace

XC_AnimationPic::XC_AnimationPic()
    : m_dwColorOp(DEFAULT_TEXTURE_OP)
    , m_dwAlphaOp(DEFAULT_TEXTURE_OP)
    , m_bAlphaBlend(FALSE)
    , m_dwSrcBlend(0)
    , m_dwDestBlend(0)
    , m_dwColor(0)
    , m_iWinding(1)
    , m_p2DTextureObj(nullptr)
    , m_bLoadedTexture(FALSE)
    , m_szTextureName()
    , m_p2DTextureManager(nullptr)
{
    D3DXMatrixIdentity(&m_matPic);
}

XC_AnimationPic::~XC_AnimationPic()
{
    ReleaseTexture();
}

HRESULT XC_AnimationPic::LoadPic(XC_IOTextFile* pIOTextFileObj, XC_2DTextureManager* p2DTextureManager)
{
    ReleaseTexture();
    if (pIOTextFileObj == nullptr) {
        XM_REPORT_FAILED("pIOTextFileObj");
        return E_FAIL;
    }
    if (p2DTextureManager == nullptr) {
        XM_REPORT_FAILED("p2DTextureManager");
        return E_FAIL;
    }
    m_bLoadedTexture = FALSE;
    m_p2DTextureManager = p2DTextureManager;
    m_setUnloadAnimationPic.insert(this);

    const char* const lpctstrGetLine = pIOTextFileObj->GetNextLine();
    if (lpctstrGetLine == nullptr) {
        XM_REPORT_FAILED("lpctstrGetLine");
        return E_FAIL;
    }
    const HRESULT hr = ReadPicLine(lpctstrGetLine);
    if (FAILED(hr))
        return hr;
    FillDirectState();
    return S_OK;
}

HRESULT XC_AnimationPic::ReadPicLine(const char* szLine)
{
    const XC_AnimationLine line(szLine);
    const bool bRead = line.GetFieldCount() >= PIC_FIELD_COUNT && line.GetInt(FIELD_WINDING, &m_iWinding)
                    && ReadMatrix(line, &m_matPic) && ReadDword(line, FIELD_COLOR_OP, &m_dwColorOp)
                    && ReadDword(line, FIELD_ALPHA_OP, &m_dwAlphaOp)
                    && line.GetInt(FIELD_ALPHA_BLEND, &m_bAlphaBlend)
                    && ReadDword(line, FIELD_SRC_BLEND, &m_dwSrcBlend)
                    && ReadDword(line, FIELD_DEST_BLEND, &m_dwDestBlend) && line.GetHex(FIELD_COLOR, &m_dwColor);
    if (!bRead) {
        XF_ReportError(s_szSourceFile, __LINE__, "ANI::LoadPic錯誤");
        return E_FAIL;
    }
    m_matPic._14 = 0.0f;
    m_matPic._24 = 0.0f;
    m_matPic._34 = 0.0f;
    m_matPic._44 = 1.0f;
    return ReadTextureName(line.GetWord(FIELD_NAME));
}

HRESULT XC_AnimationPic::ReadTextureName(const std::string& strName)
{
    if (strName.size() >= sizeof(m_szTextureName)) {
        XM_REPORT_FAILED("strlen( szTextureName ) < MAX_PATH");
        return E_FAIL;
    }
    std::memcpy(m_szTextureName, strName.c_str(), strName.size() + 1);
    return S_OK;
}

void XC_AnimationPic::FillDirectState()
{
    const bool bBlend = m_bAlphaBlend == 1;
    const bool bTextureOps = m_dwColorOp != DEFAULT_TEXTURE_OP || m_dwAlphaOp != DEFAULT_TEXTURE_OP;
    if (bBlend) {
        m_SetDirectState.SetRenderState(D3DRS_ALPHABLENDENABLE, static_cast<DWORD>(m_bAlphaBlend));
        m_SetDirectState.SetRenderState(D3DRS_SRCBLEND, m_dwSrcBlend);
        m_SetDirectState.SetRenderState(D3DRS_DESTBLEND, m_dwDestBlend);
    }
    if (bTextureOps) {
        m_SetDirectState.SetTextureStageState(0, D3DTSS_COLOROP, m_dwColorOp);
        m_SetDirectState.SetTextureStageState(0, D3DTSS_ALPHAOP, m_dwAlphaOp);
    }
    if (bBlend || bTextureOps)
        m_SetDirectState.SetRenderState(D3DRS_FOGENABLE, FALSE);
}

HRESULT XC_AnimationPic::CheckTextureExist()
{
    if (m_bLoadedTexture)
        return S_OK;
    if (m_p2DTextureManager == nullptr) {
        XM_REPORT_FAILED("m_p2DTextureManager");
        return E_FAIL;
    }
    m_p2DTextureObj = m_p2DTextureManager->GetTexture(m_szTextureName);
    if (m_p2DTextureObj == nullptr) {
        XM_REPORT_FAILED("m_p2DTextureObj");
        return E_FAIL;
    }
    m_bLoadedTexture = TRUE;
    if (m_setUnloadAnimationPic.erase(this) != 1)
        XM_REPORT_FAILED("1 == m_setUnloadAnimationPic.erase(this)");
    return S_OK;
}

void XC_AnimationPic::ReleaseTexture()
{
    if (!m_bLoadedTexture)
        m_setUnloadAnimationPic.erase(this);
    if (m_p2DTextureObj != nullptr) {
        m_p2DTextureObj->Release();
        m_p2DTextureObj = nullptr;
    }
}

HRESULT XC_AnimationPic::LoadAnimationPic(DWORD dwCount)
{
    for (; dwCount > 0 && !m_setUnloadAnimationPic.empty(); --dwCount) {
        if (FAILED(LoadFirstUnloadPic()))
            return E_FAIL;
    }
    return S_OK;
}

HRESULT XC_AnimationPic::LoadAnimationPicAll()
{
    while (!m_setUnloadAnimationPic.empty()) {
        if (FAILED(LoadFirstUnloadPic()))
            return E_FAIL;
    }
    return S_OK;
}

DWORD XC_AnimationPic::GetUnloadPicCount()
{
    return static_cast<DWORD>(m_setUnloadAnimationPic.size());
}

HRESULT XC_AnimationPic::LoadFirstUnloadPic()
{
    XC_AnimationPic* const pAnimationPic = *m_setUnloadAnimationPic.begin();
    if (pAnimationPic->m_bLoadedTexture) {
        // A loaded picture in the set would never leave it: drop it so the loops end.
        XM_REPORT_FAILED("FALSE == pAnimationPic->m_bLoadedTexture");
        m_setUnloadAnimationPic.erase(m_setUnloadAnimationPic.begin());
        return S_OK;
    }
    const HRESULT hr = pAnimationPic->CheckTextureExist();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pAnimationPic->CheckTextureExist()", hr);
    return hr;
}
