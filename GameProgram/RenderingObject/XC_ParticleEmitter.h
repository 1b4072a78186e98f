#pragma once

#include "GameProgram/Common/XC_Timer.h"
#include "GameProgram/D3DCommon/XS_BoundingSphere.h"
#include "GameProgram/RenderingObject/CRecyclingArray.h"
#include "GameProgram/RenderingObject/XC_RenderingObject.h"
#include "GameProgram/RenderingObject/XS_Particle.h"

#include <d3d9.h>

class XC_Texture;
class XC_TextureList;

// Emits particles at its node's world position and draws them as point
// sprites: the particle file sets texture or texture list, blending, rate,
// life, boxes of start and end positions, colours, sizes and gravity. At
// most 2000 particles live in a recycling store; hiding stops emission and
// the object hides itself when the last particle has died.
class XC_ParticleEmitter : public XC_RenderingObject, public XC_Timer
{
public:
    static const DWORD MAX_PARTICLES = 2000;

    XC_ParticleEmitter();
    ~XC_ParticleEmitter() override;

    HRESULT LoadFromTextNode(XC_TextNode* pTNode) override;
    void OnAddToPainter() override;
    void OnRemoveFromPainter() override;
    void SetShow(BOOL bShow) override;
    void DrawObject() override;
    BOOL IsAlphaBlend() override;
    BOOL IsInFrustum(const XC_Frustum* pFrustumObj) override;
    // The timer's step.
    void Update(float fElapsedTime) override;
    using XC_RenderNode::Update;

    virtual HRESULT CreateParticlesVB();
    virtual HRESULT ReleaseParticleResource();
    virtual void UpdateEmitter(float fElapsedTime);
    // Saving is not provided: FALSE with a report.
    virtual BOOL SaveToFile(const char* szFileName);
    virtual BOOL LoadFromFile(const char* lpctstrFileName);
    virtual BOOL SaveParticleToNode(XC_TextNode* pTNode);
    virtual BOOL LoadParticleFromNode(XC_TextNode* pTNode);
    virtual BOOL SetUseTextureList(BOOL bUse);
    virtual void UpdateParticles_Texture(float fElapsedTime);
    virtual void UpdateParticles_TextureList(float fElapsedTime);
    virtual void UpdateParticles_Texture_Rotate(float fElapsedTime);
    virtual void UpdateParticles_TextureList_Rotate(float fElapsedTime);
    virtual void RenderParticles_Texture();
    virtual void RenderParticles_TextureList();

    // The keys after "Texture": clamped sizes and counts, the bounding sphere.
    void LoadParticleKeys(const XC_TextNode* pTNode);
    DWORD GetLiveCount() const { return m_Particles.GetUsedCount(); }
    DWORD GetMaxParticles() const { return m_dwMaxParticles; }
    float GetSizeStart1() const { return m_fSizeStart1; }
    float GetSizeEnd2() const { return m_fSizeEnd2; }
    const XS_BoundingSphere* GetBoundingSphere() const { return &m_BoundingSphere; }
    // The live particles, in store order.
    template <class F> void ForEachParticle(F function)
    {
        for (DWORD i = 0; i < MAX_PARTICLES; ++i) {
            if (m_Particles.IsAlive(i))
                function(*m_Particles.GetAt(i));
        }
    }

private:
    typedef void (XC_ParticleEmitter::*UpdateOperation)(float);
    typedef void (XC_ParticleEmitter::*RenderOperation)();

    // Ages, moves, colours and turns the live particles; kills the old.
    void UpdateParticles(float fElapsedTime, bool bTextureList, bool bRotate);
    void EmitParticles(float fElapsedTime, bool bTextureList, bool bRotate);
    // Writes the live particles of a page (all pages for ~0) in batches and draws them.
    void RenderParticles(DWORD dwPage);
    void ReleaseTextures();
    DWORD ParticleColor(const D3DXVECTOR4& vColor) const;

    XS_BoundingSphere m_BoundingSphere;
    BOOL m_bRotateParticleEnable;
    float m_fRotateParticleAngle;
    D3DXVECTOR3 m_vRotateParticleAxial;
    RenderOperation m_pfnRender;
    UpdateOperation m_pfnUpdate;
    XC_TextureList* m_pTextureListObj;
    DWORD m_dwPageCount;
    float m_fTextureChangeTime1;
    float m_fTextureChangeTime2;
    XC_Texture* m_pTextureObj;
    DWORD m_dwDestBlend;
    DWORD m_dwSrcBlend;
    DWORD m_dwMaxParticles;
    float m_fEmitRate1, m_fEmitRate2;
    float m_fLifeTime1, m_fLifeTime2;
    D3DXVECTOR3 m_vEmitPos, m_vGravity, m_vPosStart1, m_vPosStart2, m_vPosEnd1, m_vPosEnd2;
    BOOL m_bPosEndIsDir;
    D3DXVECTOR4 m_vColorStart1, m_vColorStart2, m_vColorEnd1, m_vColorEnd2;
    float m_fSizeStart1, m_fSizeStart2, m_fSizeEnd1, m_fSizeEnd2;
    float m_fEmitAccumulator;
    DWORD m_dwVBCount;
    BOOL m_bStopEmit;
    IDirect3DVertexBuffer9* m_pParticlesVB;
    CRecyclingArray<XS_Particle, MAX_PARTICLES> m_Particles;
    D3DXMATRIX m_matWorld;
    // The frame of reference of this frame's emission.
    D3DXVECTOR3 m_vCurrentEmitPos;
    D3DXVECTOR3 m_vStartBox[2];
    D3DXVECTOR3 m_vEndBox[2];
    D3DXMATRIX m_matEmitRotation;
    BOOL m_bMoved;
    D3DXVECTOR3 m_vPreviousEmitPos;
    D3DXVECTOR3 m_vMoveDelta;
};
