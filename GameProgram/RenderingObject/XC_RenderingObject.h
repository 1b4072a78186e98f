#pragma once

#include "GameProgram/Common/XC_String.h"
#include "GameProgram/D3DCommon/XC_RenderNode.h"
#include "GameProgram/DirectState/XC_SetDirectState.h"
#include "GameProgram/RenderingObject/XS_BillboardingLockAxis.h"

#include <windows.h>
#include <d3dx9math.h>

class XC_CameraMan;
class XC_Effect;
class XC_Frustum;
class XC_LightMan;
class XC_Strtok;
class XC_TextNode;
class XI_EnvironmentOfRender;
class XI_Painter;

// Coordinate systems: seen through the world or the screen camera and light.
enum { CS_World = 0, CS_Screen = 1 };
// Render-queue group ids run from RQG_00 up to, not including, RQG_None.
enum { RQG_00 = 0, RQG_None = 100 };
// The layer bases a description names; a delta of -10 to 9 is added.
enum { RQG_Background = 10, RQG_Main = 30, RQG_Foreground = 50, RQG_Menu = 70, RQG_Mouse = 90 };

// The drawable: the base of everything that is drawn. A node of the scene
// graph with a name, its own state set and optional effect, a colour, world
// or screen space, a render-queue group and camera-facing options. It files
// itself with the painter of its render environment while it is shown and
// has content; the painter sorts it by CheckVisible and draws it by Render,
// which brackets the subclass's DrawObject with the state set and effect.
class XC_RenderingObject : public XC_RenderNode
{
public:
    XC_RenderingObject();
    ~XC_RenderingObject() override;

    void BuildWorldMatrix(const D3DXVECTOR3* pPosition, const D3DXQUATERNION* pQuaternion,
                          const D3DXVECTOR3* pScale) override;

    virtual HRESULT SetName(const char* szName);
    virtual const char* GetName() const;
    // A new object of the same class and settings; null where not copyable.
    virtual XC_RenderingObject* Duplicate();
    virtual HRESULT CopyRenderingObject(XC_RenderingObject* pRenderObj);
    // Reports what is wrong and goes on: the base never fails.
    virtual HRESULT LoadFromTextNode(XC_TextNode* pTNode);
    // One tokenized script line, dispatched by its first word.
    virtual HRESULT AnalyzeScriptToken(XC_Strtok& StrtokObj);
    virtual HRESULT AnalyzeScript(const char* szScript);
    virtual HRESULT AnalyzeRenderObjToken(XC_Strtok& StrtokObj);
    virtual HRESULT AnalyzeRenderNodeToken(XC_Strtok& StrtokObj);
    virtual HRESULT SetEnvironmentOfRender(XI_EnvironmentOfRender* pEnvironmentOfRender);
    virtual XI_EnvironmentOfRender* GetEnvironmentOfRender() const;
    virtual void SetCoordinateSystem(DWORD dwCoordinateSystem);
    virtual DWORD GetCoordinateSystem() const;
    // An id of RQG_None or more is refused with a report: the painter files by it.
    virtual HRESULT SetRenderQueueGroup(DWORD dwRenderQueueGroupID);
    virtual DWORD GetRenderQueueGroup() const;
    virtual void UpdatePainterRegistration();
    virtual void SetRenderable(BOOL bRenderable);
    virtual void OnAddToPainter();
    virtual void OnRemoveFromPainter();
    virtual BOOL IsRenderable() const;
    virtual void SetShow(BOOL bShow);
    virtual BOOL GetShow() const;
    virtual XC_CameraMan* GetCameraMan() const;
    virtual XC_LightMan* GetLightMan() const;
    virtual void DrawObject();
    virtual BOOL IsAlphaBlend();
    virtual BOOL IsInFrustum(const XC_Frustum* pFrustumObj);
    virtual float GetFrustumDepth(const XC_Frustum* pFrustumObj);
    virtual BOOL CheckVisible(float* pfSortValue);
    virtual void Render();
    virtual BOOL IntersectRay(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection, float* pfDistance);
    // IntersectRay while filed with the painter, else 0.
    virtual BOOL Pick(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection, float* pfDistance);
    virtual void SetColor(DWORD dwColor);
    virtual DWORD GetColor() const;
    virtual XC_SetDirectState* GetSetDirectState();
    virtual HRESULT SetEffect(XC_Effect* pEffectObj);
    virtual HRESULT SetEffectByName(const char* szEffectName);
    virtual HRESULT GetEffect(XC_Effect** ppEffectObj) const;
    virtual void BindCameraAndLight();
    virtual void ApplyBillboardingLockAxis(const D3DXVECTOR3* pAxis, const D3DXVECTOR3* pFront);
    virtual void SetBillboardingEnable(BOOL bEnable);
    virtual void SetBillboardingLockAxis(const D3DXVECTOR3* pAxis, const D3DXVECTOR3* pFront);
    // Copies the record; null deletes this object's.
    virtual void SetBillboardingLockAxis(const XS_BillboardingLockAxis* pRecord);
    virtual void SetApproachCameraDistance(float fDistance);
    virtual void SetRanderSortDalta(float fDelta);
    virtual BOOL GetBillboardingEnable() const;
    virtual const XS_BillboardingLockAxis* GetBillboardingLockAxis() const;
    virtual float GetApproachCameraDistance() const;
    virtual float GetRanderSortDalta() const;

    // Whether the object is filed with its painter now.
    BOOL IsRegistered() const { return m_bRegistered; }

protected:
    // The painter of the environment, reported when there is none.
    XI_Painter* FindPainter() const;
    // Whether the world matrix depends on where the camera stands.
    bool DependsOnCamera() const;
    void LoadRenderQueueGroup(const XC_TextNode* pTNode);
    void LoadBillboarding(const XC_TextNode* pTNode);
    void LoadEffect(const XC_TextNode* pTNode);
    void LoadMatrix(const XC_TextNode* pTNode);
    // A scale of the description, or 1 with a report when it is 0 or not a number.
    float ReadScale(const XC_TextNode* pMatrixNode, const char* szKey) const;

    XC_String m_strName;
    BOOL m_bShow;
    BOOL m_bRenderable;
    BOOL m_bRegistered;
    DWORD m_dwColor;
    XC_Effect* m_pEffectObj;
    XC_SetDirectState m_SetDirectStateObj;
    XI_EnvironmentOfRender* m_pEnvironmentOfRender;
    DWORD m_dwCoordinateSystem;
    DWORD m_dwRenderQueueGroupID;
    XC_CameraMan* m_pCameraMan;
    XC_LightMan* m_pLightMan;
    BOOL m_bUseBillboarding;
    XS_BillboardingLockAxis* m_pBillboardingLockAxis;
    float m_fApproachCameraDistance;
    float m_fRanderSortDalta;
};
