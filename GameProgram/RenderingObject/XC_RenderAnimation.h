#pragma once

#include "GameProgram/Common/XC_Timer.h"
#include "GameProgram/RenderingObject/XC_RenderingObject.h"

#include <windows.h>
#include <d3dx9math.h>

class XC_AnimationObject;
class XC_AnimationPage;
class XC_AnimationPic;

// Plays a page animation: a counted animation, a current page and a play
// range, pages stepped by time through its own timer (running only while
// filed with the painter), the current page's pictures drawn as quads.
class XC_RenderAnimation : public XC_RenderingObject, public XC_Timer
{
public:
    XC_RenderAnimation();
    ~XC_RenderAnimation() override;

    XC_RenderingObject* Duplicate() override;
    HRESULT LoadFromTextNode(XC_TextNode* pTNode) override;
    HRESULT AnalyzeScriptToken(XC_Strtok& StrtokObj) override;
    void OnAddToPainter() override;
    void OnRemoveFromPainter() override;
    void DrawObject() override;
    BOOL IsAlphaBlend() override;
    BOOL IsInFrustum(const XC_Frustum* pFrustumObj) override;
    BOOL IntersectRay(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection, float* pfDistance) override;
    // The timer's step: plays the time into pages.
    void Update(float fStep) override;
    using XC_RenderNode::Update;

    virtual HRESULT LoadAnimation(const char* szAnimationName);
    // Null takes the object out of the painter; an animation without pages is refused.
    virtual HRESULT SetAnimationObject(XC_AnimationObject* pAniObj, BOOL bReset);
    // Adds a reference for the caller; E_FAIL without an animation.
    virtual HRESULT GetAnimationObject(XC_AnimationObject** ppAniObj);
    virtual HRESULT CopyRenderAnimation(XC_RenderAnimation* pSource);
    virtual HRESULT AnalyzeAniToken(XC_Strtok& StrtokObj);
    virtual void SetPickByColorKey(BOOL bPickByColorKey);
    virtual void DrawPage(const XC_AnimationPage* pPageObj, const D3DXMATRIX* pMatrix, DWORD dwColor, BOOL bMirror);
    virtual void DrawPic(XC_AnimationPic* pPicObj, const D3DXMATRIX* pMatrix, DWORD dwColor, BOOL bMirror);
    virtual void ResetPlayState();
    virtual DWORD GetPageMessage(DWORD dwPage);
    // The current page's message in the frame the page was entered, else 0.
    virtual DWORD GetAniPageMessage();
    virtual BOOL IsLastPageEnd();
    virtual BOOL IsPageChanged();
    virtual void SetCurrentPage(DWORD dwPage);
    virtual void SetRePlay(BOOL bRePlay);
    virtual void Play();
    virtual void SetPlay(BOOL bPlay);
    virtual void SetBeginPage(DWORD dwPage);
    virtual void SetEndPage(DWORD dwPage);
    virtual void SetPlaySpeed(float fPlaySpeed);
    virtual DWORD GetCurrentPage() const;
    virtual BOOL GetRePlay() const;
    virtual BOOL GetPlay() const;
    virtual DWORD GetBeginPage() const;
    virtual DWORD GetEndPage() const;
    virtual float GetPlaySpeed() const;
    // Also takes the timer's Stop slot: the timer is stopped only by leaving the painter.
    void Stop() override;
    virtual void Pause();
    virtual BOOL IsPlaying() const;
    virtual void SetMirror(BOOL bMirror);
    virtual BOOL GetMirror() const;
    virtual void SetUseRatioOfPic(BOOL bUseRatioOfPic);
    virtual BOOL GetUseRatioOfPic() const;
    // Angles in radians: x pitch, y yaw, z roll.
    virtual void SetExtraRotation(const D3DXVECTOR3* pRotation);
    virtual void StepPage();
    virtual void UpdateRenderMatrix();

    // Whether a picture is drawn with the cull mode turned: the object's
    // mirror and the picture's own mirrored winding cancel each other.
    static bool IsCullFlipped(BOOL bMirror, const XC_AnimationPic* pPicObj);

protected:
    // The current page, reported when there is none.
    XC_AnimationPage* CurrentPage();

    BOOL m_bPickByColorKey;
    float m_fPageTime;
    DWORD m_dwCurrentPage;
    BOOL m_bRePlay;
    BOOL m_bPlay;
    DWORD m_dwBeginPage;
    DWORD m_dwEndPage;
    float m_fPlaySpeed;
    BOOL m_bFirstRun;
    BOOL m_bPageChanged;
    BOOL m_bLastPageEndinFrameMove;
    BOOL m_bMirror;
    BOOL m_bUseRatioOfPic;
    XC_AnimationObject* m_pAniObj;
    D3DXMATRIX m_matRender;
    BOOL m_bExtraRotation;
    D3DXMATRIX m_matExtraRotation;
};
