#pragma once

#include "JC_DataManager/Control/JC_ControlPersonEquip.h"
#include "JC_DataManager/Control/JC_ControlPersonHybridize.h"
#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_DataManager/Control/JC_ControlPersonTakeJob.h"

#include <array>

// One control of each kind, bound together to one person: what the battle,
// the scripts, the screens and the order deals hold per person.
class JC_ControlPerson : public JC_ControlPersonBase
{
public:
    DWORD Initiation(JC_DataManager* pDataManager, JC_BehaviorAnalyser* pBehaviorAnalyser) override;
    DWORD SetControlPerson(JC_DataComponent* pPerson) override;

    // Null until every member is bound to the same person.
    JC_ControlPersonEquip* GetControlPersonEquip() { return IsBound() ? &m_ControlPersonEquipObj : nullptr; }
    JC_ControlPersonLevelUp* GetControlPersonLevelUp() { return IsBound() ? &m_ControlPersonLevelUpObj : nullptr; }
    JC_ControlPersonPower* GetControlPersonPower() { return IsBound() ? &m_ControlPersonPowerObj : nullptr; }
    JC_ControlPersonTakeJob* GetControlPersonTakeJob() { return IsBound() ? &m_ControlPersonTakeJobObj : nullptr; }

    // The members whatever their state, for owners that bind them alone.
    JC_ControlPersonEquip* GetPersonEquipObj() { return &m_ControlPersonEquipObj; }
    JC_ControlPersonHybridize* GetPersonHybridizeObj() { return &m_ControlPersonHybridizeObj; }
    JC_ControlPersonLevelUp* GetPersonLevelUpObj() { return &m_ControlPersonLevelUpObj; }
    JC_ControlPersonPower* GetPersonPowerObj() { return &m_ControlPersonPowerObj; }
    JC_ControlPersonTakeJob* GetPersonTakeJobObj() { return &m_ControlPersonTakeJobObj; }

private:
    struct JS_Member
    {
        JC_ControlPersonBase& control;
        const char* szInitiationFailure;
        const char* szBindFailure;
    };
    // The members in their order.
    std::array<JS_Member, 5> Members();

    JC_ControlPersonEquip m_ControlPersonEquipObj;
    JC_ControlPersonHybridize m_ControlPersonHybridizeObj;
    JC_ControlPersonLevelUp m_ControlPersonLevelUpObj;
    JC_ControlPersonPower m_ControlPersonPowerObj;
    JC_ControlPersonTakeJob m_ControlPersonTakeJobObj;
};
