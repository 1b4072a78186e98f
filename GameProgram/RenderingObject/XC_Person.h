#pragma once

#include "GameProgram/Common/XC_String.h"
#include "GameProgram/RenderingObject/XC_Performer.h"
#include "GameProgram/RenderingObject/XC_RenderShadow.h"

#include <map>

// A performer whose two animations are chosen by a folder-and-name prefix
// and a pose number ("<path>\<pose, two digits>A.ant" and "...B.ant"), with
// prepared poses kept loaded, a shadow that follows it, and the program's
// table of pose names.
class XC_Person : public XC_Performer
{
public:
    XC_Person();
    ~XC_Person() override;

    HRESULT SetEnvironmentOfRender(XI_EnvironmentOfRender* pEnvironmentOfRender) override;
    void SetShow(BOOL bShow) override;
    void SetColor(DWORD dwColor) override;
    BOOL IsAlphaBlend() override;

    virtual HRESULT InitPerson(const char* szPersonPath, DWORD dwPose, DWORD dwDirection);
    virtual HRESULT FiniPerson();
    virtual void LookAtPosition(const D3DXVECTOR3* pPosition);
    virtual HRESULT SetPersonPath(const char* szPersonPath);
    virtual const char* GetPersonPath() const;
    virtual HRESULT SetPose(DWORD dwPose);
    virtual DWORD GetPose() const;
    virtual HRESULT AddPreparePose(DWORD dwPose, BOOL bKeep);
    virtual HRESULT ClearPreparePose(BOOL bAll);
    virtual XC_RenderShadow* GetRenderShadow();
    virtual HRESULT RebuildPoseAnimation();

    static HRESULT SetPersonPoseIndex(const char* szPersonPose, DWORD dwIndex);
    static DWORD GetPersonPoseIndex(const char* szPersonPose);

    // Whether the pose is prepared with its keep flag.
    BOOL IsPoseKept(DWORD dwPose) const;
    DWORD GetPreparePoseCount() const { return static_cast<DWORD>(m_mapPreparePose.size()); }
    // The direction that faces a point dx, dz away.
    static DWORD DirectionTowards(float fDeltaX, float fDeltaZ);

protected:
    // Changes the pose number alone: the figure shown stays as it is.
    void SetCurrentPoseNumber(DWORD dwPose) { m_dwPose = dwPose; }

private:
    struct XS_PreparePose
    {
        XC_AnimationObject* pAniObj_A;
        XC_AnimationObject* pAniObj_B;
        BOOL bKeep;
    };

    // "<path>\<pose>" with the pose in at least two digits.
    XC_String SurfaceName(DWORD dwPose) const;

    XC_String m_szPersonPath;
    DWORD m_dwPose;
    std::map<DWORD, XS_PreparePose> m_mapPreparePose;
    XC_RenderShadow m_RenderShadowObj;
};
