#pragma once

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"

// Loads "<name>A.ant" and "<name>B.ant", handing out one reference of each;
// E_FAIL, holding neither, when one cannot be had.
HRESULT LoadSurface(const char* szSurfaceName, XC_AnimationObject** ppAniObj_A, XC_AnimationObject** ppAniObj_B);

// A flat, camera-facing figure seen from four sides: two animations of equal
// page count, "A" and "B", shown mirrored or not by the quarter between its
// direction and the camera's. Its direction never turns the picture; it only
// selects the view.
class XC_Performer : public XC_RenderAnimation
{
public:
    XC_Performer();
    ~XC_Performer() override;

    XC_RenderingObject* Duplicate() override;
    void BuildWorldMatrix(const D3DXVECTOR3* pPosition, const D3DXQUATERNION* pQuaternion,
                          const D3DXVECTOR3* pScale) override;
    BOOL IsInFrustum(const XC_Frustum* pFrustumObj) override;
    DWORD GetPageMessage(DWORD dwPage) override;
    DWORD GetAniPageMessage() override;

    virtual HRESULT CopyPerformer(XC_Performer* pSource);
    // 1 with both animations set, 0 when they cannot be had.
    virtual BOOL SetSurface(const char* szSurfaceName);
    virtual HRESULT SetDirection(DWORD dwDirection);
    // The quarter of the node's world turn about y.
    virtual DWORD GetDirection();
    virtual DWORD GetDirectionNumber() const;
    virtual DWORD GetViewQuarter() const;
    virtual void SaveDirection();
    virtual void RestoreDirection();
    virtual void ReleaseSurface();

    // The view quarter seen with the camera at that yaw: 0 to 3.
    DWORD ComputeViewQuarter(float fCameraYaw);
    // The turn about y of a direction number; any other number turns to 0.
    static float DirectionAngle(DWORD dwDirection);

protected:
    // Shows the animation and mirror of a view quarter.
    void ApplyView(DWORD dwViewQuarter);

    DWORD m_dwSaveDirection;
    XC_AnimationObject* m_pAniObj_A;
    XC_AnimationObject* m_pAniObj_B;
    DWORD m_dwDirection;
    DWORD m_dwShownView;
    DWORD m_dwViewQuarter;
};
