#pragma once

#include "GameProgram/Common/XC_String.h"
#include "GameProgram/Common/XC_Timer.h"
#include "GameProgram/RenderingObject/XC_RenderObjManager.h"

class JC_DataComponent;
class XC_RenderAnimation;
class XC_RenderPercentageBar;
class XC_RenderString;

// The status window of one person in battle: portrait, name, job, levels
// with their level-up marks and four gauges. A deferred change of person
// waits a moment before it shows, so hovering over the field does not
// flicker.
class XC_PersonState : public XC_RenderObjManager, public XC_Timer
{
public:
    XC_PersonState();
    ~XC_PersonState() override;

    void SetShow(BOOL bShow) override;

    virtual HRESULT Init(XI_EnvironmentOfRender* pEnvironmentOfRender, const char* szIniFileName);
    virtual HRESULT Fini();
    virtual HRESULT SetPersonData(JC_DataComponent* pDataComponentPerson, BOOL bAtOnce = FALSE);
    virtual HRESULT LoadPersonData(JC_DataComponent* pDataComponentPerson);
    virtual HRESULT SetPortrait(const char* lpctstrPortraitName);
    virtual HRESULT SetPersonName(const char* lpctstrPersonName);
    virtual HRESULT SetJobName(const char* lpctstrJobName);
    virtual HRESULT SetLV(DWORD dwLV);
    virtual HRESULT SetJLV(DWORD dwJLV);
    virtual HRESULT SetRAP(DWORD dwCurRAP, DWORD dwMaxRAP);
    virtual HRESULT SetHP(DWORD dwCurHP, DWORD dwMaxHP);
    virtual HRESULT SetMP(DWORD dwCurMP, DWORD dwMaxMP);
    virtual HRESULT SetMOR(DWORD dwCurMOR, DWORD dwMaxMOR);
    virtual HRESULT _SetRenderObj(const char* szIniFileName);

    // The delayed switch.
    void Update(float fDelta) override;
    using XC_RenderNode::Update;

    JC_DataComponent* GetPerson() const { return m_pPerson; }
    // The numbers and the fill of the HP gauge as last set.
    const XC_String& GetHPText() const { return m_strHP; }
    float GetHPGauge() const;
    // The fill of a gauge: empty for a maximum of 0.
    static float GaugeRatio(DWORD dwCur, DWORD dwMax);

private:
    // Reports a current value above the maximum, then sets the numbers and
    // the gauge.
    void SetGauge(XC_RenderString* pText, XC_RenderPercentageBar* pBar, const char* szFormat, DWORD dwCur,
                  DWORD dwMax, const char* szGuard);

    JC_DataComponent* m_pPerson = nullptr;
    BOOL m_bLevelUp = 0;
    BOOL m_bJobLevelUp = 0;
    XC_RenderAnimation* m_pRA_BaseMap = nullptr;
    XC_RenderAnimation* m_pRA_Portrait = nullptr;
    XC_RenderAnimation* m_pRA_LevelUP = nullptr;
    XC_RenderAnimation* m_pRA_JLevelUP = nullptr;
    XC_RenderPercentageBar* m_pRP_RAP = nullptr;
    XC_RenderPercentageBar* m_pRP_HP = nullptr;
    XC_RenderPercentageBar* m_pRP_MP = nullptr;
    XC_RenderPercentageBar* m_pRP_MOR = nullptr;
    XC_RenderString* m_pRS_Name = nullptr;
    XC_RenderString* m_pRS_JobName = nullptr;
    XC_RenderString* m_pRS_LV = nullptr;
    XC_RenderString* m_pRS_JLV = nullptr;
    XC_RenderString* m_pRS_RAP = nullptr;
    XC_RenderString* m_pRS_MP = nullptr;
    XC_RenderString* m_pRS_HP = nullptr;
    XC_RenderString* m_pRS_MOR = nullptr;
    XC_RenderString* m_pRS_RAP_State = nullptr;
    XC_RenderString* m_pRS_HP_State = nullptr;
    XC_RenderString* m_pRS_MP_State = nullptr;
    XC_RenderString* m_pRS_MOR_State = nullptr;
    XC_String m_strHP;
};
