#include "GameProgram/Effect/XC_TextureSpecialEffect_TexCoordGen.h"

#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_TextureSpecialEffect_TexCoordGen::XC_TextureSpecialEffect_TexCoordGen(DWORD dwTexCoordIndex,
                                                                         DWORD dwTransformFlags)
    : m_dwTexCoordIndex(dwTexCoordIndex)
    , m_dwTransformFlags(dwTransformFlags)
{
}

void XC_TextureSpecialEffect_TexCoordGen::Read(const XC_TextNode& TNode)
{
    m_dwStage = TNode.GetDword("dwStage", 0);
}

HRESULT XC_TextureSpecialEffect_TexCoordGen::Apply()
{
    IDirect3DDevice9* const pD3DDevice = GetDevice();
    if (pD3DDevice == nullptr)
        return E_FAIL;
    pD3DDevice->SetTextureStageState(m_dwStage, D3DTSS_TEXCOORDINDEX, m_dwTexCoordIndex);
    return pD3DDevice->SetTextureStageState(m_dwStage, D3DTSS_TEXTURETRANSFORMFLAGS, m_dwTransformFlags);
}

HRESULT XC_TextureSpecialEffect_TexCoordGen::Restore(XI_DirectState* pPredecessor)
{
    if (pPredecessor == nullptr) {
        XM_REPORT_FAILED("pPredecessor");
        return E_FAIL;
    }
    pPredecessor->ApplyTextureStageState(m_dwStage, D3DTSS_TEXCOORDINDEX);
    return pPredecessor->ApplyTextureStageState(m_dwStage, D3DTSS_TEXTURETRANSFORMFLAGS);
}
