#include "GameProgram/RenderingObject/XC_ParticleEmitter.h"

#include "GameProgram/Common/XC_ReportFileScope.h"
#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_Frustum.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"
#include "GameProgram/DirectState/XF_DeviceStateRange.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "GameProgram/Resource/XC_TextureList.h"
#include "GameProgram/Resource/XC_TextureManager.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD TIMER_RANK = 8;
const DWORD VB_COUNT = 50;
const DWORD VERTEX_FVF = D3DFVF_XYZ | D3DFVF_PSIZE | D3DFVF_DIFFUSE;
const float DEGREE = 0.017453292f;
const float PARTICLE_SIZE_MIN = 0.01f;
const float PARTICLE_SIZE_MAX = 500.0f;
const DWORD ALL_PAGES = 0xFFFFFFFF;

struct VERTEX_XYZ_PSIZE_DIFFUSE
{
    float x, y, z;
    float fSize;
    DWORD dwColor;
};

// A float render state's value as the device takes it.
DWORD FloatBits(float fValue)
{
    DWORD dwBits = 0;
    std::memcpy(&dwBits, &fValue, sizeof(dwBits));
    return dwBits;
}

float ClampSize(float fSize)
{
    return fSize > PARTICLE_SIZE_MAX ? PARTICLE_SIZE_MAX : (fSize < PARTICLE_SIZE_MIN ? PARTICLE_SIZE_MIN : fSize);
}

// A blend factor the device takes; 0 (the value when the key is missing)
// in place of one it does not.
DWORD ReadBlend(const XC_TextNode* pTNode, const char* szName)
{
    const DWORD dwBlend = pTNode->GetDword(szName, 0);
    if (dwBlend == 0 || XF_IsRenderStateValue(D3DRS_SRCBLEND, dwBlend))
        return dwBlend;
    XF_ReportError(s_szSourceFile, __LINE__,
                   XF_FormatText("%s = %u : not a Direct3D 9 blend", szName, static_cast<unsigned>(dwBlend)));
    return 0;
}

// A rate, time or size: 0 in place of a value that is not a finite number of
// at least 0, which would stop the emitter or fill it without end.
float ReadAmount(const XC_TextNode* pTNode, const char* szName)
{
    const float fValue = pTNode->GetFloat(szName, 0.0f);
    if (std::isfinite(fValue) && fValue >= 0.0f)
        return fValue;
    XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("%s = %g : not a number of at least 0", szName, fValue));
    return 0.0f;
}

D3DXVECTOR3 ReadXYZ(const XC_TextNode* pTNode, const char* szName)
{
    D3DXVECTOR3 vValue(0.0f, 0.0f, 0.0f);
    pTNode->GetVector3(szName, &vValue.x, &vValue.y, &vValue.z);
    return vValue;
}

// Four integers as red, green, blue and alpha in 0 to 1; white when missing.
D3DXVECTOR4 ReadRGBA(const XC_TextNode* pTNode, const char* szName)
{
    int r = 255, g = 255, b = 255, a = 255;
    if (!pTNode->GetInt4(szName, &r, &g, &b, &a))
        r = g = b = a = 255;
    for (const int iPart : {r, g, b, a}) {
        if (iPart < 0 || iPart > 255) {
            XF_ReportError(s_szSourceFile, __LINE__,
                           XF_FormatText("%s = %d , %d , %d , %d : parts lie in 0 to 255", szName, r, g, b, a));
            break;
        }
    }
    return D3DXVECTOR4(r / 255.0f, g / 255.0f, b / 255.0f, a / 255.0f);
}

DWORD ColorByte(float fComponent)
{
    if (fComponent >= 1.0f)
        return 255;
    if (fComponent <= 0.0f)
        return 0;
    return static_cast<DWORD>(fComponent * 255.0f + 0.5f);
}

float Longest(std::initializer_list<D3DXVECTOR3> vectors)
{
    float fLongest = 0.0f;
    for (const D3DXVECTOR3& vVector : vectors) {
        const float fLength = D3DXVec3Length(&vVector);
        if (fLength > fLongest)
            fLongest = fLength;
    }
    return fLongest;
}

D3DXVECTOR3 Rotated(const D3DXVECTOR3& vVector, const D3DXMATRIX& matRotation)
{
    D3DXVECTOR3 vResult;
    D3DXVec3TransformNormal(&vResult, &vVector, &matRotation);
    return vResult;
}

} // namespace

XC_ParticleEmitter::XC_ParticleEmitter()
    : XC_Timer(TIMER_RANK)
    , m_BoundingSphere{D3DXVECTOR3(0.0f, 0.0f, 0.0f), 0.0f}
    , m_bRotateParticleEnable(FALSE)
    , m_fRotateParticleAngle(0.0f)
    , m_vRotateParticleAxial(0.0f, 0.0f, 0.0f)
    , m_pfnRender(nullptr)
    , m_pfnUpdate(nullptr)
    , m_pTextureListObj(nullptr)
    , m_dwPageCount(0)
    , m_fTextureChangeTime1(0.04f)
    , m_fTextureChangeTime2(0.04f)
    , m_pTextureObj(nullptr)
    , m_dwDestBlend(0)
    , m_dwSrcBlend(0)
    , m_dwMaxParticles(500)
    , m_fEmitRate1(0.0f), m_fEmitRate2(0.0f)
    , m_fLifeTime1(0.0f), m_fLifeTime2(0.0f)
    , m_vEmitPos(0.0f, 0.0f, 0.0f), m_vGravity(0.0f, 0.0f, 0.0f)
    , m_vPosStart1(0.0f, 0.0f, 0.0f), m_vPosStart2(0.0f, 0.0f, 0.0f)
    , m_vPosEnd1(0.0f, 0.0f, 0.0f), m_vPosEnd2(0.0f, 0.0f, 0.0f)
    , m_bPosEndIsDir(TRUE)
    , m_vColorStart1(0.0f, 0.0f, 0.0f, 0.0f), m_vColorStart2(0.0f, 0.0f, 0.0f, 0.0f)
    , m_vColorEnd1(0.0f, 0.0f, 0.0f, 0.0f), m_vColorEnd2(0.0f, 0.0f, 0.0f, 0.0f)
    , m_fSizeStart1(0.0f), m_fSizeStart2(0.0f), m_fSizeEnd1(0.0f), m_fSizeEnd2(0.0f)
    , m_fEmitAccumulator(0.0f)
    , m_dwVBCount(VB_COUNT)
    , m_bStopEmit(FALSE)
    , m_pParticlesVB(nullptr)
    , m_vCurrentEmitPos(0.0f, 0.0f, 0.0f)
    , m_bMoved(FALSE)
    , m_vPreviousEmitPos(0.0f, 0.0f, 0.0f)
    , m_vMoveDelta(0.0f, 0.0f, 0.0f)
{
    D3DXMatrixIdentity(&m_matWorld);
    D3DXMatrixIdentity(&m_matEmitRotation);
    SetUseTextureList(FALSE);
}

XC_ParticleEmitter::~XC_ParticleEmitter()
{
    ReleaseParticleResource();
}

HRESULT XC_ParticleEmitter::LoadFromTextNode(XC_TextNode* pTNode)
{
    // Without a device the buffer is made at the first draw.
    if (g_pVar->g_pD3DDevice != nullptr)
        CreateParticlesVB();
    if (FAILED(XC_RenderingObject::LoadFromTextNode(pTNode)) || pTNode == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    m_bRotateParticleEnable = pTNode->GetBool("bRotateParticleEnable", FALSE);
    if (m_bRotateParticleEnable) {
        m_fRotateParticleAngle = pTNode->GetFloat("fRotateParticleAngle", 0.0f) * DEGREE;
        m_vRotateParticleAxial = ReadXYZ(pTNode, "xyzRotateParticleAxial");
    }
    const char* const lpctstrGetStr = pTNode->GetStr("ParticleName", nullptr);
    if (lpctstrGetStr == nullptr) {
        XM_REPORT_FAILED("lpctstrGetStr");
        return E_FAIL;
    }
    if (!LoadFromFile(lpctstrGetStr)) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    return S_OK;
}

BOOL XC_ParticleEmitter::LoadFromFile(const char* lpctstrFileName)
{
    if (lpctstrFileName == nullptr || g_pPackFile_Data == nullptr) {
        XM_REPORT_FAILED(lpctstrFileName == nullptr ? "lpctstrFileName" : "g_pPackFile_Data");
        return FALSE;
    }
    const std::unique_ptr<XS_FileData> pFileData(g_pPackFile_Data->GetData(lpctstrFileName));
    if (pFileData == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("XC_ParticleEmitter::LoadFromFile\n\t讀取檔案失敗 %s", lpctstrFileName));
        return FALSE;
    }
    const XC_ReportFileScope fileScope(lpctstrFileName);
    XC_TextTree TTree;
    const HRESULT hr = TTree.LoadMem(pFileData->pData, pFileData->dwSize);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("TTree.LoadMem( pFileData->pData , pFileData->dwSize)", hr);
        return FALSE;
    }
    XC_TextNode* const pTNode = TTree.FindChildNode(0);
    if (pTNode == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("( %s ) failed \r\n%s", "pTNode", lpctstrFileName));
        return FALSE;
    }
    return LoadParticleFromNode(pTNode);
}

void XC_ParticleEmitter::ReleaseTextures()
{
    if (m_pTextureObj != nullptr)
        m_pTextureObj->Release();
    m_pTextureObj = nullptr;
    if (m_pTextureListObj != nullptr)
        m_pTextureListObj->Release();
    m_pTextureListObj = nullptr;
    m_dwPageCount = 0;
}

BOOL XC_ParticleEmitter::LoadParticleFromNode(XC_TextNode* pTNode)
{
    ReleaseTextures();
    const char* const szTexture = pTNode != nullptr ? pTNode->GetStr("Texture", nullptr) : nullptr;
    XC_Texture* const pTexture =
        szTexture != nullptr && g_pTextureManager != nullptr ? g_pTextureManager->GetTexture(szTexture) : nullptr;
    if (pTexture == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, "載入分子失敗 找不到Texture資料");
        return FALSE;
    }
    m_pTextureListObj = dynamic_cast<XC_TextureList*>(pTexture);
    if (m_pTextureListObj != nullptr) {
        m_dwPageCount = m_pTextureListObj->GetPageCount();
        m_fTextureChangeTime1 = pTNode->GetFloat("fTextureChangeTime1", 0.04f);
        m_fTextureChangeTime2 = pTNode->GetFloat("fTextureChangeTime2", 0.04f);
        SetUseTextureList(TRUE);
    } else {
        m_pTextureObj = pTexture;
        SetUseTextureList(FALSE);
    }
    LoadParticleKeys(pTNode);
    SetRenderable(TRUE);
    return TRUE;
}

void XC_ParticleEmitter::LoadParticleKeys(const XC_TextNode* pTNode)
{
    m_dwDestBlend = ReadBlend(pTNode, "dwDestBlend");
    m_dwSrcBlend = ReadBlend(pTNode, "dwSrcBlend");
    m_dwMaxParticles = pTNode->GetDword("dwMaxParticles", 0);
    if (m_dwMaxParticles > MAX_PARTICLES) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("dwMaxParticles = %u , 最多 %u", static_cast<unsigned>(m_dwMaxParticles),
                                     static_cast<unsigned>(MAX_PARTICLES)));
        m_dwMaxParticles = MAX_PARTICLES;
    }
    m_fEmitRate1 = ReadAmount(pTNode, "fEmitRate1");
    m_fEmitRate2 = ReadAmount(pTNode, "fEmitRate2");
    m_fLifeTime1 = ReadAmount(pTNode, "fLifeTime1");
    m_fLifeTime2 = ReadAmount(pTNode, "fLifeTime2");
    m_vEmitPos = ReadXYZ(pTNode, "xyzEmitPos");
    m_vGravity = ReadXYZ(pTNode, "xyzGravity");
    m_vPosStart1 = ReadXYZ(pTNode, "xyzPosStart1");
    m_vPosStart2 = ReadXYZ(pTNode, "xyzPosStart2");
    m_vPosEnd1 = ReadXYZ(pTNode, "xyzPosEnd1");
    m_vPosEnd2 = ReadXYZ(pTNode, "xyzPosEnd2");
    m_bPosEndIsDir = pTNode->GetBool("bPosEndIsDir", TRUE);
    m_vColorStart1 = ReadRGBA(pTNode, "rgbaColorStart1");
    m_vColorStart2 = ReadRGBA(pTNode, "rgbaColorStart2");
    m_vColorEnd1 = ReadRGBA(pTNode, "rgbaColorEnd1");
    m_vColorEnd2 = ReadRGBA(pTNode, "rgbaColorEnd2");
    m_fSizeStart1 = ClampSize(ReadAmount(pTNode, "fSizeStart1"));
    m_fSizeStart2 = ClampSize(ReadAmount(pTNode, "fSizeStart2"));
    m_fSizeEnd1 = ClampSize(ReadAmount(pTNode, "fSizeEnd1"));
    m_fSizeEnd2 = ClampSize(ReadAmount(pTNode, "fSizeEnd2"));
    m_BoundingSphere.vCenter = m_vEmitPos;
    m_BoundingSphere.fRadius = m_bPosEndIsDir ? Longest({m_vPosStart1, m_vPosStart2, m_vPosEnd1, m_vPosEnd2})
                                              : Longest({m_vPosStart1 + m_vPosEnd1, m_vPosStart1 + m_vPosEnd2,
                                                         m_vPosStart2 + m_vPosEnd1, m_vPosStart2 + m_vPosEnd2});
}

BOOL XC_ParticleEmitter::SetUseTextureList(BOOL bUse)
{
    if (bUse != FALSE && bUse != TRUE) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return FALSE;
    }
    if (bUse) {
        m_pfnRender = &XC_ParticleEmitter::RenderParticles_TextureList;
        m_pfnUpdate = m_bRotateParticleEnable ? &XC_ParticleEmitter::UpdateParticles_TextureList_Rotate
                                              : &XC_ParticleEmitter::UpdateParticles_TextureList;
    } else {
        m_pfnRender = &XC_ParticleEmitter::RenderParticles_Texture;
        m_pfnUpdate = m_bRotateParticleEnable ? &XC_ParticleEmitter::UpdateParticles_Texture_Rotate
                                              : &XC_ParticleEmitter::UpdateParticles_Texture;
    }
    return TRUE;
}

HRESULT XC_ParticleEmitter::CreateParticlesVB()
{
    if (m_pParticlesVB != nullptr)
        m_pParticlesVB->Release();
    m_pParticlesVB = nullptr;
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    const HRESULT hr = pDevice == nullptr ? E_FAIL
                                          : pDevice->CreateVertexBuffer(
                                                m_dwVBCount * sizeof(VERTEX_XYZ_PSIZE_DIFFUSE),
                                                D3DUSAGE_DYNAMIC | D3DUSAGE_WRITEONLY | D3DUSAGE_POINTS, VERTEX_FVF,
                                                D3DPOOL_SYSTEMMEM, &m_pParticlesVB, nullptr);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("g_pVar->g_pD3DDevice->CreateVertexBuffer( m_dwVBCount * sizeof( VERTEX_XYZ_PSIZE_DIFFUSE ) "
                            ", (0x00000200L) | (0x00000008L) | (0x00000040L) , (0x002|0x020|0x040) , "
                            "D3DPOOL_SYSTEMMEM , &m_pParticlesVB , 0 )",
                            hr);
        m_pParticlesVB = nullptr;
    }
    return hr;
}

HRESULT XC_ParticleEmitter::ReleaseParticleResource()
{
    ReleaseTextures();
    if (m_pParticlesVB != nullptr)
        m_pParticlesVB->Release();
    m_pParticlesVB = nullptr;
    return S_OK;
}

BOOL XC_ParticleEmitter::SaveToFile(const char*)
{
    XF_ReportError(s_szSourceFile, __LINE__, "XC_ParticleEmitter::Save 還沒寫");
    return FALSE;
}

BOOL XC_ParticleEmitter::SaveParticleToNode(XC_TextNode*)
{
    XF_ReportError(s_szSourceFile, __LINE__, "XC_ParticleEmitter::Save 還沒寫");
    return FALSE;
}

void XC_ParticleEmitter::SetShow(BOOL bShow)
{
    if (bShow) {
        XC_RenderingObject::SetShow(TRUE);
        m_bStopEmit = FALSE;
        return;
    }
    // The particles alive die out first; the update hides the emitter then.
    m_bStopEmit = TRUE;
}

void XC_ParticleEmitter::OnAddToPainter()
{
    XC_Timer::Start();
    m_vPreviousEmitPos = *GetWorldPosition() + m_vEmitPos;
}

void XC_ParticleEmitter::OnRemoveFromPainter()
{
    XC_Timer::Reset();
}

BOOL XC_ParticleEmitter::IsAlphaBlend()
{
    return TRUE;
}

BOOL XC_ParticleEmitter::IsInFrustum(const XC_Frustum* pFrustumObj)
{
    if (pFrustumObj == nullptr) {
        XM_REPORT_FAILED("pFrustumObj");
        return FALSE;
    }
    XS_BoundingSphere sphere = m_BoundingSphere;
    XF_TransformBoundingSphere(&sphere, GetWorldMatrix(), QueryWorldScale());
    return pFrustumObj->SphereInFrustum(&sphere);
}

void XC_ParticleEmitter::Update(float fElapsedTime)
{
    UpdateEmitter(fElapsedTime);
}

void XC_ParticleEmitter::UpdateEmitter(float fElapsedTime)
{
    if (m_bStopEmit && m_Particles.GetUsedCount() == 0) {
        XC_RenderingObject::SetShow(FALSE);
        return;
    }
    m_vCurrentEmitPos = *GetWorldPosition() + m_vEmitPos;
    D3DXMatrixRotationQuaternion(&m_matEmitRotation, GetWorldQuaternion());
    m_vStartBox[0] = m_vCurrentEmitPos + Rotated(m_vPosStart1, m_matEmitRotation);
    m_vStartBox[1] = m_vCurrentEmitPos + Rotated(m_vPosStart2, m_matEmitRotation);
    m_vEndBox[0] = Rotated(m_vPosEnd1, m_matEmitRotation);
    m_vEndBox[1] = Rotated(m_vPosEnd2, m_matEmitRotation);
    if (!m_bPosEndIsDir) {
        m_vEndBox[0] += m_vCurrentEmitPos;
        m_vEndBox[1] += m_vCurrentEmitPos;
    }
    m_bMoved = m_vCurrentEmitPos != m_vPreviousEmitPos ? TRUE : FALSE;
    m_vMoveDelta = m_vPreviousEmitPos - m_vCurrentEmitPos;
    (this->*m_pfnUpdate)(fElapsedTime);
    m_vPreviousEmitPos = m_vCurrentEmitPos;
}

void XC_ParticleEmitter::UpdateParticles_Texture(float fElapsedTime)
{
    UpdateParticles(fElapsedTime, false, false);
}

void XC_ParticleEmitter::UpdateParticles_TextureList(float fElapsedTime)
{
    UpdateParticles(fElapsedTime, true, false);
}

void XC_ParticleEmitter::UpdateParticles_Texture_Rotate(float fElapsedTime)
{
    UpdateParticles(fElapsedTime, false, true);
}

void XC_ParticleEmitter::UpdateParticles_TextureList_Rotate(float fElapsedTime)
{
    UpdateParticles(fElapsedTime, true, true);
}

void XC_ParticleEmitter::UpdateParticles(float fElapsedTime, bool bTextureList, bool bRotate)
{
    for (DWORD i = 0; i < MAX_PARTICLES; ++i) {
        if (!m_Particles.IsAlive(i))
            continue;
        XS_Particle& particle = *m_Particles.GetAt(i);
        particle.fAge += fElapsedTime;
        if (particle.fAge > particle.fLife) {
            m_Particles.Delete(&particle);
            continue;
        }
        const float fAge = particle.fAge;
        particle.vPosition = particle.vPositionStart + particle.vVelocity * fAge;
        particle.vColor = particle.vColorStart + particle.vColorStep * fAge;
        particle.fSize = particle.fSizeStep * fAge + particle.fSizeStart;
        if (bRotate) {
            D3DXMATRIX matTurn;
            D3DXMatrixRotationAxis(&matTurn, &particle.vRotateAxis, m_fRotateParticleAngle * fAge);
            particle.vPosition = Rotated(particle.vPosition - particle.vRotateCenter, matTurn) + particle.vRotateCenter;
        }
        particle.vPosition += 0.5f * m_vGravity * fAge * fAge;
        if (bTextureList) {
            particle.fPageTimer += fElapsedTime;
            if (particle.fPageTime <= particle.fPageTimer) {
                particle.fPageTimer = 0.0f;
                if (++particle.dwPage >= m_dwPageCount)
                    particle.dwPage = 0;
            }
        }
    }
    if (!m_bStopEmit)
        EmitParticles(fElapsedTime, bTextureList, bRotate);
}

void XC_ParticleEmitter::EmitParticles(float fElapsedTime, bool bTextureList, bool bRotate)
{
    m_fEmitAccumulator += XF_RandomFloat(m_fEmitRate1, m_fEmitRate2) * fElapsedTime;
    // A negative rate or step emits nothing and does not build up a debt.
    if (m_fEmitAccumulator < 0.0f)
        m_fEmitAccumulator = 0.0f;
    const float fWhole = m_fEmitAccumulator < static_cast<float>(MAX_PARTICLES) ? m_fEmitAccumulator
                                                                               : static_cast<float>(MAX_PARTICLES);
    DWORD dwCount = static_cast<DWORD>(fWhole);
    m_fEmitAccumulator -= static_cast<float>(dwCount);
    const DWORD dwRoom = m_dwMaxParticles > m_Particles.GetUsedCount() ? m_dwMaxParticles - m_Particles.GetUsedCount() : 0;
    if (dwCount > dwRoom)
        dwCount = dwRoom;
    const D3DXVECTOR3 vAxis = bRotate ? Rotated(m_vRotateParticleAxial, m_matEmitRotation) : D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    for (DWORD i = 0; i < dwCount; ++i) {
        XS_Particle* const pParticle = m_Particles.New();
        if (pParticle == nullptr)
            return;
        pParticle->fLife = XF_RandomFloat(m_fLifeTime1, m_fLifeTime2);
        pParticle->fSizeStart = XF_RandomFloat(m_fSizeStart1, m_fSizeStart2);
        pParticle->vColorStart = XF_RandomVector4(&m_vColorStart1, &m_vColorStart2);
        pParticle->vPositionStart = XF_RandomVector3(&m_vStartBox[0], &m_vStartBox[1]);
        if (m_bMoved)
            pParticle->vPositionStart += static_cast<float>(std::rand() % 100) / 100.0f * m_vMoveDelta;
        // A life of 0 (or less) dies at the next step: it changes nothing meanwhile.
        const float fInverseLife = pParticle->fLife > 0.0f ? 1.0f / pParticle->fLife : 0.0f;
        pParticle->fSizeStep = (XF_RandomFloat(m_fSizeEnd1, m_fSizeEnd2) - pParticle->fSizeStart) * fInverseLife;
        pParticle->vColorStep = (XF_RandomVector4(&m_vColorEnd1, &m_vColorEnd2) - pParticle->vColorStart) * fInverseLife;
        const D3DXVECTOR3 vEnd = XF_RandomVector3(&m_vEndBox[0], &m_vEndBox[1]);
        pParticle->vVelocity = (m_bPosEndIsDir ? vEnd : vEnd - pParticle->vPositionStart) * fInverseLife;
        pParticle->fSize = pParticle->fSizeStart;
        pParticle->vColor = pParticle->vColorStart;
        pParticle->vPosition = pParticle->vPositionStart;
        pParticle->fAge = 0.0f;
        if (bTextureList) {
            pParticle->dwPage = m_dwPageCount > 0 ? XF_RandomUInt(0, m_dwPageCount - 1) : 0;
            pParticle->fPageTime = XF_RandomFloat(m_fTextureChangeTime1, m_fTextureChangeTime2);
            pParticle->fPageTimer = XF_RandomFloat(0.0f, pParticle->fPageTime);
        }
        if (bRotate) {
            pParticle->vRotateCenter = m_vCurrentEmitPos;
            pParticle->vRotateAxis = vAxis;
        }
    }
}

DWORD XC_ParticleEmitter::ParticleColor(const D3DXVECTOR4& vColor) const
{
    const DWORD dwObjectColor = GetColor();
    const DWORD dwRed = ColorByte(vColor.x) * ((dwObjectColor >> 16) & 0xFF) / 255;
    const DWORD dwGreen = ColorByte(vColor.y) * ((dwObjectColor >> 8) & 0xFF) / 255;
    const DWORD dwBlue = ColorByte(vColor.z) * (dwObjectColor & 0xFF) / 255;
    const DWORD dwAlpha = ColorByte(vColor.w) * (dwObjectColor >> 24) / 255;
    return (dwAlpha << 24) | (dwRed << 16) | (dwGreen << 8) | dwBlue;
}

void XC_ParticleEmitter::DrawObject()
{
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    if (m_pParticlesVB == nullptr && FAILED(CreateParticlesVB()))
        return;
    pDevice->SetTransform(D3DTS_WORLD, &m_matWorld);
    const float fPointSize = 0.08f, fPointSizeMin = 0.0f, fPointSizeMax = PARTICLE_SIZE_MAX, fScaleA = 0.0f, fScaleB = 0.0f,
                fScaleC = 1.0f;
    pDevice->SetRenderState(D3DRS_POINTSPRITEENABLE, TRUE);
    pDevice->SetRenderState(D3DRS_POINTSCALEENABLE, TRUE);
    pDevice->SetRenderState(D3DRS_POINTSIZE, FloatBits(fPointSize));
    pDevice->SetRenderState(D3DRS_POINTSIZE_MIN, FloatBits(fPointSizeMin));
    pDevice->SetRenderState(D3DRS_POINTSIZE_MAX, FloatBits(fPointSizeMax));
    pDevice->SetRenderState(D3DRS_POINTSCALE_A, FloatBits(fScaleA));
    pDevice->SetRenderState(D3DRS_POINTSCALE_B, FloatBits(fScaleB));
    pDevice->SetRenderState(D3DRS_POINTSCALE_C, FloatBits(fScaleC));
    pDevice->SetRenderState(D3DRS_ZWRITEENABLE, FALSE);
    pDevice->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    pDevice->SetRenderState(D3DRS_SRCBLEND, m_dwSrcBlend);
    pDevice->SetRenderState(D3DRS_DESTBLEND, m_dwDestBlend);
    pDevice->SetVertexShader(nullptr);
    pDevice->SetFVF(VERTEX_FVF);
    pDevice->SetStreamSource(0, m_pParticlesVB, 0, sizeof(VERTEX_XYZ_PSIZE_DIFFUSE));
    (this->*m_pfnRender)();
    pDevice->SetRenderState(D3DRS_POINTSPRITEENABLE, FALSE);
    pDevice->SetRenderState(D3DRS_POINTSCALEENABLE, FALSE);
    pDevice->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    pDevice->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ONE);
    pDevice->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ZERO);
    pDevice->SetRenderState(D3DRS_ZWRITEENABLE, TRUE);
}

void XC_ParticleEmitter::RenderParticles_Texture()
{
    if (m_pTextureObj == nullptr) {
        XM_REPORT_FAILED("m_pTextureObj");
        return;
    }
    g_pVar->g_pD3DDevice->SetTexture(0, m_pTextureObj->GetTexture());
    RenderParticles(ALL_PAGES);
}

void XC_ParticleEmitter::RenderParticles_TextureList()
{
    if (m_pTextureListObj == nullptr) {
        XM_REPORT_FAILED("m_pTextureListObj");
        return;
    }
    for (DWORD dwPage = 0; dwPage < m_dwPageCount; ++dwPage) {
        g_pVar->g_pD3DDevice->SetTexture(0, m_pTextureListObj->GetPageTexture(dwPage));
        RenderParticles(dwPage);
    }
}

void XC_ParticleEmitter::RenderParticles(DWORD dwPage)
{
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    VERTEX_XYZ_PSIZE_DIFFUSE* pVertices = nullptr;
    if (FAILED(m_pParticlesVB->Lock(0, 0, reinterpret_cast<void**>(&pVertices), D3DLOCK_DISCARD)) || pVertices == nullptr) {
        XM_REPORT_FAILED("pVertices");
        return;
    }
    DWORD dwWritten = 0;
    for (DWORD i = 0; i < MAX_PARTICLES; ++i) {
        if (!m_Particles.IsAlive(i))
            continue;
        const XS_Particle& particle = *m_Particles.GetAt(i);
        if (dwPage != ALL_PAGES && particle.dwPage != dwPage)
            continue;
        pVertices[dwWritten] = {particle.vPosition.x, particle.vPosition.y, particle.vPosition.z, particle.fSize,
                                ParticleColor(particle.vColor)};
        if (++dwWritten < m_dwVBCount)
            continue;
        m_pParticlesVB->Unlock();
        pDevice->DrawPrimitive(D3DPT_POINTLIST, 0, dwWritten);
        dwWritten = 0;
        if (FAILED(m_pParticlesVB->Lock(0, 0, reinterpret_cast<void**>(&pVertices), D3DLOCK_DISCARD)) ||
            pVertices == nullptr) {
            XM_REPORT_FAILED("pVertices");
            return;
        }
    }
    m_pParticlesVB->Unlock();
    if (dwWritten > 0)
        pDevice->DrawPrimitive(D3DPT_POINTLIST, 0, dwWritten);
}
