#include "GameProgram/Resource/Font/XI_Word.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/VERTEX_XYZ_TEX1.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

float XI_Word::GetWidth() const
{
    if (!(m_fWidth > 0.0f))
        XM_REPORT_FAILED("m_fWidth > 0.0f");
    return m_fWidth;
}

float XI_Word::GetHeight() const
{
    if (!(m_fHeight > 0.0f))
        XM_REPORT_FAILED("m_fHeight > 0.0f");
    return m_fHeight;
}

void XI_Word::SetWidth(float fWidth)
{
    if (!(fWidth > 0.0f))
        XM_REPORT_FAILED("fWidth > 0.0f");
    m_fWidth = fWidth;
}

void XI_Word::SetHeight(float fHeight)
{
    if (!(fHeight > 0.0f))
        XM_REPORT_FAILED("fHeight > 0.0f");
    m_fHeight = fHeight;
}

HRESULT XI_Word::RenderQuad(IDirect3DDevice9* pD3DDevice, IDirect3DTexture9* pTexture,
                            IDirect3DVertexBuffer9* pVertexBuffer, const D3DXMATRIX* pmatWorld)
{
    if (pD3DDevice == nullptr || pVertexBuffer == nullptr || pmatWorld == nullptr) {
        XM_REPORT_FAILED("pD3DDevice && pVertexBuffer && pmatWorld");
        return E_FAIL;
    }
    pD3DDevice->SetTransform(D3DTS_WORLD, pmatWorld);
    pD3DDevice->SetTexture(0, pTexture);
    pD3DDevice->SetStreamSource(0, pVertexBuffer, 0, sizeof(VERTEX_XYZ_TEX1));
    pD3DDevice->SetFVF(VERTEX_XYZ_TEX1::FVF);
    return pD3DDevice->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2);
}
