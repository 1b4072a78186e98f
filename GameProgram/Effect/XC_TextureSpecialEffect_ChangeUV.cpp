#include "GameProgram/Effect/XC_TextureSpecialEffect_ChangeUV.h"

#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"

#include <cmath>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_TextureSpecialEffect_ChangeUV::XC_TextureSpecialEffect_ChangeUV()
    : XC_Timer(TIMER_RANK)
{
    D3DXMatrixIdentity(&m_matTexture);
    Start();
}

void XC_TextureSpecialEffect_ChangeUV::Read(const XC_TextNode& TNode)
{
    const float fRadiansPerDegree = 0.017453292f;
    m_dwStage = TNode.GetDword("dwStage", 0);
    m_fdeltaU = TNode.GetFloat("fDeltaU", 0.0f);
    m_fdeltaV = TNode.GetFloat("fDeltaV", 0.0f);
    m_fRotateUV_Angle = TNode.GetFloat("fRotateUV_Angle", 0.0f) * fRadiansPerDegree;
    m_fRotateUV_Radius = TNode.GetFloat("fRotateUV_Radius", 0.0f);
    m_fRotateUV_RateU = TNode.GetFloat("fRotateUV_RateU", 1.0f);
    m_fRotateUV_RateV = TNode.GetFloat("fRotateUV_RateV", 1.0f);
    m_fRotateTexture_Angle = TNode.GetFloat("fRotateTexture_Angle", 0.0f) * fRadiansPerDegree;
    m_fRotateTexture_CenterX = TNode.GetFloat("fRotateTexture_CenterX", 0.5f);
    m_fRotateTexture_CenterY = TNode.GetFloat("fRotateTexture_CenterY", 0.5f);
}

HRESULT XC_TextureSpecialEffect_ChangeUV::Apply()
{
    IDirect3DDevice9* const pD3DDevice = GetDevice();
    if (pD3DDevice == nullptr)
        return E_FAIL;
    pD3DDevice->SetTextureStageState(m_dwStage, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_COUNT2);
    return pD3DDevice->SetTransform(static_cast<D3DTRANSFORMSTATETYPE>(D3DTS_TEXTURE0 + m_dwStage), &m_matTexture);
}

HRESULT XC_TextureSpecialEffect_ChangeUV::Restore(XI_DirectState* pPredecessor)
{
    if (pPredecessor == nullptr) {
        XM_REPORT_FAILED("pPredecessor");
        return E_FAIL;
    }
    IDirect3DDevice9* const pD3DDevice = GetDevice();
    if (pD3DDevice == nullptr)
        return E_FAIL;
    pPredecessor->ApplyTextureStageState(m_dwStage, D3DTSS_TEXTURETRANSFORMFLAGS);
    return pD3DDevice->SetTransform(static_cast<D3DTRANSFORMSTATETYPE>(D3DTS_TEXTURE0 + m_dwStage),
                                    &g_pVar->g_matIdentity);
}

void XC_TextureSpecialEffect_ChangeUV::Update(float fDelta)
{
    if (m_fdeltaU == 0.0f && m_fdeltaV == 0.0f && m_fRotateUV_Angle == 0.0f && m_fRotateTexture_Angle == 0.0f)
        XM_REPORT_FAILED("!(m_fdeltaU == 0.0f && m_fdeltaV == 0.0f && m_fRotateUV_Angle == 0.0f && "
                         "m_fRotateTexture_Angle == 0.0f )");
    D3DXMatrixIdentity(&m_matTexture);

    if (m_fRotateTexture_Angle != 0.0f) {
        m_fRotateTexture_CurrentAngle += fDelta * m_fRotateTexture_Angle;
        m_matTexture._41 = -m_fRotateTexture_CenterX;
        m_matTexture._42 = -m_fRotateTexture_CenterY;
        D3DXMATRIX matRotation;
        D3DXMatrixRotationZ(&matRotation, m_fRotateTexture_CurrentAngle);
        m_matTexture *= matRotation;
        // A 2D texture transform keeps its offset in the third row.
        m_matTexture._31 = m_matTexture._41;
        m_matTexture._32 = m_matTexture._42;
        m_matTexture._41 = 0.0f;
        m_matTexture._42 = 0.0f;
    }

    if (m_fdeltaU != 0.0f)
        m_fOffsetU += fDelta * m_fdeltaU;
    if (m_fdeltaV != 0.0f)
        m_fOffsetV += fDelta * m_fdeltaV;
    m_matTexture._31 += m_fOffsetU;
    m_matTexture._32 += m_fOffsetV;

    if (m_fRotateUV_Angle != 0.0f && m_fRotateUV_Radius != 0.0f) {
        m_fRotateUV_CurrentAngle += fDelta * m_fRotateUV_Angle;
        m_matTexture._31 += std::cos(m_fRotateUV_CurrentAngle) * m_fRotateUV_Radius * m_fRotateUV_RateU;
        m_matTexture._32 += -std::sin(m_fRotateUV_CurrentAngle) * m_fRotateUV_Radius * m_fRotateUV_RateV;
    }
}
