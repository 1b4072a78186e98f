#pragma once

#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

#include <windows.h>

class XC_GamePerson;
class XC_PersonBattle;
struct XS_BattleTargetInfo;

// Shows a prepared action before it is carried out: first the floors it
// can reach from the actor, then its scope around the target.
class XC_DisplayAttackScope : public XC_SpriteWorkBase
{
public:
    XC_DisplayAttackScope();
    ~XC_DisplayAttackScope() override;

    void Begin() override;
    void End() override;
    BOOL Step(float fElapsedTime) override;

    // The work must already know its actor, type, target floor and target info.
    virtual HRESULT SetPersonBattleObj(XC_PersonBattle* pPersonBattle);

private:
    enum XE_Step
    {
        STEP_DISTANCE = 0,
        STEP_SHOW_DISTANCE = 1,
        STEP_SCOPE = 2,
        STEP_SHOW_SCOPE = 3,
    };

    static void ShowDistance(XC_GamePerson* pPersonObj, const XS_BattleTargetInfo& info);
    void ShowScope(XC_GamePerson* pPersonObj, const XS_BattleTargetInfo& info) const;

    XC_PersonBattle* m_pPersonBattle = nullptr;
    DWORD m_dwStep = STEP_DISTANCE;
};
