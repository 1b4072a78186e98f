#include "JC_Order/JC_OrderInput.h"

#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_Order/JF_OrderLog.h"


static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD JC_OrderInput::Initiation(JC_ControlManager* pControlManager)
{
    if (pControlManager == nullptr)
        return JE_ORDERINPUT_NULL_CONTROL_MANAGER;
    if (!pControlManager->IsInitiated())
        return JE_ORDERINPUT_CONTROL_MANAGER_NOT_INITIATED;
    m_pErrorLog = pControlManager->GetErrorLog();
    m_pDataManager = pControlManager->GetDataManager();
    m_pBehaviorAnalyser = pControlManager->GetBehaviorAnalyser();
    return ResetInput();
}

DWORD JC_OrderInput::ResetInput()
{
    m_dwFinished = 0;
    m_ActivePersons.clear();
    m_PassivePersons.clear();
    m_FollowPersons.clear();
    m_PassiveFloors.clear();
    m_SkillEffects.clear();
    m_ToolEffects.clear();
    m_dwCounter = 0;
    m_dwPredictMode = 0;
    m_dwEffectKind = ORDEREFFECT_NONE;
    m_ActiveControls.clear();
    m_ActiveWeapons.clear();
    m_PassiveControls.clear();
    m_FollowControls.clear();
    m_EffectSkills.clear();
    m_EffectTools.clear();
    return 0;
}

DWORD JC_OrderInput::AddActivePerson(DWORD dwTeamID)
{
    m_ActivePersons.push_back(dwTeamID);
    return 0;
}

DWORD JC_OrderInput::AddPassivePerson(DWORD dwTeamID)
{
    m_PassivePersons.push_back(dwTeamID);
    return 0;
}

DWORD JC_OrderInput::AddPassiveFloor(DWORD dwFloor)
{
    m_PassiveFloors.push_back(dwFloor);
    return 0;
}

DWORD JC_OrderInput::AddEffect(std::vector<DWORD>& effects, DWORD dwValue, DWORD dwKind)
{
    if (m_dwEffectKind != ORDEREFFECT_NONE && m_dwEffectKind != dwKind)
        return JE_ORDERINPUT_EFFECT_MIXED;
    effects.push_back(dwValue);
    m_dwEffectKind = dwKind;
    return 0;
}

DWORD JC_OrderInput::AddToolEffect(DWORD dwToolID)
{
    return AddEffect(m_ToolEffects, dwToolID, ORDEREFFECT_TOOL);
}

DWORD JC_OrderInput::AddSkillEffect(DWORD dwSkillKey)
{
    return AddEffect(m_SkillEffects, dwSkillKey, ORDEREFFECT_SKILL);
}

DWORD JC_OrderInput::GetPassiveFloor(DWORD dwIndex) const
{
    return EntryOf(m_PassiveFloors, dwIndex);
}

JC_ControlPersonPower* JC_OrderInput::PowerOf(const std::vector<std::unique_ptr<JC_ControlPerson>>& controls,
                                              DWORD dwIndex)
{
    JC_ControlPerson* pControl = ObjectOf(controls, dwIndex);
    return pControl != nullptr ? pControl->GetControlPersonPower() : nullptr;
}

JC_StringArray* JC_OrderInput::GetEffectBehavior(DWORD dwIndex) const
{
    if (!IsFinished())
        return nullptr;
    switch (m_dwEffectKind)
    {
    case ORDEREFFECT_WEAPON:
    {
        // An unarmed actor's operator stays unbound: no lines.
        JC_OperatorWeapon* pWeapon = GetActiveWeaponOperator(dwIndex);
        return pWeapon != nullptr && pWeapon->GetDataComponent() != nullptr ? pWeapon->GetFightBehavior() : nullptr;
    }
    case ORDEREFFECT_TOOL:
    {
        JC_OperatorTool* pTool = GetEffectToolOperator(dwIndex);
        return pTool != nullptr ? pTool->GetUseBehavior() : nullptr;
    }
    case ORDEREFFECT_SKILL:
    {
        JC_ControlSkill* pSkill = GetEffectControlSkill(dwIndex);
        return pSkill != nullptr ? pSkill->GetBehavior() : nullptr;
    }
    default:
        return nullptr;
    }
}

DWORD JC_OrderInput::CheckCounts()
{
    if (m_ActivePersons.empty())
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, JE_ORDERINPUT_NO_ACTIVE, " ActivePersonNotInput. \r\n");
    if (m_PassivePersons.empty() && m_PassiveFloors.empty())
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, JE_ORDERINPUT_NO_PASSIVE, " YouMustSetPassive. \r\n");
    if (!m_PassivePersons.empty() && !m_PassiveFloors.empty())
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, JE_ORDERINPUT_PASSIVE_MIXED, " PassiveTypeMustSingle. \r\n");
    if (!m_SkillEffects.empty() && !m_ToolEffects.empty())
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, JE_ORDERINPUT_EFFECT_NOT_SINGLE, " EffectTypeMustSingle. \r\n");
    m_dwEffectKind = !m_SkillEffects.empty() ? ORDEREFFECT_SKILL
                     : !m_ToolEffects.empty() ? ORDEREFFECT_TOOL
                                              : ORDEREFFECT_WEAPON;
    if (m_dwCounter == 1)
    {
        if (m_dwEffectKind != ORDEREFFECT_WEAPON)
            return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, JE_ORDERINPUT_COUNTER_NOT_WEAPON, " CounterMustUseWaeaponEffect. \r\n");
    }
    return 0;
}

DWORD JC_OrderInput::MakePersonControl(std::vector<std::unique_ptr<JC_ControlPerson>>& controls, DWORD dwLoop,
                                       DWORD dwTeamID, const JS_PersonMessages& messages)
{
    controls.push_back(std::make_unique<JC_ControlPerson>());
    JC_ControlPerson& control = *controls.back();
    DWORD dwResult = control.Initiation(m_pDataManager, m_pBehaviorAnalyser);
    if (dwResult != 0 && messages.bInitiationNamesLoop)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult, messages.szInitiation, static_cast<int>(dwLoop), static_cast<unsigned>(dwResult));
    if (dwResult != 0)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult, messages.szInitiation, static_cast<unsigned>(dwResult));
    JC_DataComponent* pPerson = m_pDataManager->GetTeamFightPersonObj(dwTeamID);
    if (pPerson == nullptr)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, messages.dwNotInTeam, messages.szNotInTeam, static_cast<int>(dwLoop),
                    static_cast<int>(dwTeamID));
    dwResult = control.SetControlPerson(pPerson);
    if (dwResult != 0)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult, messages.szSetControl, static_cast<int>(dwLoop), static_cast<unsigned>(dwResult));
    return 0;
}

DWORD JC_OrderInput::MakeWeaponOperator(DWORD dwLoop)
{
    m_ActiveWeapons.push_back(std::make_unique<JC_OperatorWeapon>());
    JC_OperatorWeapon& weapon = *m_ActiveWeapons.back();
    DWORD dwResult = weapon.Initiation(m_pDataManager);
    if (dwResult != 0)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult, " ActiveWeaponOperatorObj Initiation Fail.(LoopInit:%d) \r\n HRESULT:0x%08x \r\n",
                    static_cast<int>(dwLoop), static_cast<unsigned>(dwResult));
    // Unarmed persons still use skills and tools: their operator stays unbound.
    JC_ControlPersonPower* pPower = m_ActiveControls.back()->GetPersonPowerObj();
    if (!pPower->HasHandRight())
        return 0;
    dwResult = weapon.SetDataConponent(pPower->GetHandRight());
    if (dwResult != 0)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult,
                    " ActiveWeaponOperatorObj SetDataConponent Fail.(LoopInit:%d) \r\n HRESULT:0x%08x \r\n",
                    static_cast<int>(dwLoop), static_cast<unsigned>(dwResult));
    return 0;
}

DWORD JC_OrderInput::MakeSkillControl(DWORD dwLoop)
{
    m_EffectSkills.push_back(std::make_unique<JC_ControlSkill>());
    JC_ControlSkill& skill = *m_EffectSkills.back();
    DWORD dwResult = skill.Initiation(m_pDataManager, m_pBehaviorAnalyser);
    if (dwResult != 0)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult, " EffectControlSkillObj Initiation Fail.(LoopInit:%d) \r\n HRESULT:0x%08x \r\n",
                    static_cast<int>(dwLoop), static_cast<unsigned>(dwResult));
    dwResult = skill.SetDataConponentByKey(m_SkillEffects[dwLoop]);
    if (dwResult != 0)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult,
                    " EffectControlSkillObj SetDataConponent Fail.(LoopInit:%d) \r\n HRESULT:0x%08x \r\n",
                    static_cast<int>(dwLoop), static_cast<unsigned>(dwResult));
    return 0;
}

DWORD JC_OrderInput::MakeToolOperator(DWORD dwLoop)
{
    m_EffectTools.push_back(std::make_unique<JC_OperatorTool>());
    JC_OperatorTool& tool = *m_EffectTools.back();
    DWORD dwResult = tool.Initiation(m_pDataManager);
    if (dwResult != 0)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult, " EffectToolOperatorObj Initiation Fail.(LoopInit:%d) \r\n HRESULT:0x%08x \r\n",
                    static_cast<int>(dwLoop), static_cast<unsigned>(dwResult));
    dwResult = tool.SetDataConponent(m_pDataManager->GetToolObj(m_ToolEffects[dwLoop]));
    if (dwResult != 0)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult,
                    " EffectToolOperatorObj SetDataConponent Fail.(LoopInit:%d) \r\n HRESULT:0x%08x \r\n",
                    static_cast<int>(dwLoop), static_cast<unsigned>(dwResult));
    return 0;
}

DWORD JC_OrderInput::BuildObjects()
{
    static const JS_PersonMessages s_Active = {
        true,
        " ActiveControlPersonObj Initiation Fail.(LoopInit:%d) \r\n HRESULT:0x%08x \r\n",
        " Active GetTeamFight Fail.(LoopInit:%d) \r\nTeamID:%d \r\n",
        " ActiveControlPersonObj SetControlPerson Fail.(LoopInit:%d) \r\n HRESULT:0x%08x \r\n",
        JE_ORDERINPUT_NOT_IN_FIGHT_TEAM};
    static const JS_PersonMessages s_Passive = {
        false,
        " PassiveControlPersonObj Initiation Fail. \r\n HRESULT:0x%08x \r\n",
        " Passive GetTeamFight Fail.(LoopInit:%d) \r\n TeamID:%d \r\n",
        " PassiveControlPersonObj SetControlPerson Fail.(LoopInit:%d) \r\n HRESULT:0x%08x \r\n",
        JE_ORDERINPUT_NOT_IN_FIGHT_TEAM};
    for (DWORD dwLoop = 0; dwLoop < m_ActivePersons.size(); ++dwLoop)
    {
        DWORD dwResult = MakePersonControl(m_ActiveControls, dwLoop, m_ActivePersons[dwLoop], s_Active);
        if (dwResult == 0)
            dwResult = MakeWeaponOperator(dwLoop);
        if (dwResult != 0)
            return dwResult;
    }
    for (DWORD dwLoop = 0; dwLoop < m_PassivePersons.size(); ++dwLoop)
    {
        const DWORD dwResult = MakePersonControl(m_PassiveControls, dwLoop, m_PassivePersons[dwLoop], s_Passive);
        if (dwResult != 0)
            return dwResult;
    }
    for (DWORD dwLoop = 0; dwLoop < m_SkillEffects.size(); ++dwLoop)
    {
        const DWORD dwResult = MakeSkillControl(dwLoop);
        if (dwResult != 0)
            return dwResult;
    }
    for (DWORD dwLoop = 0; dwLoop < m_ToolEffects.size(); ++dwLoop)
    {
        const DWORD dwResult = MakeToolOperator(dwLoop);
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}

DWORD JC_OrderInput::OrderInputFinish()
{
    m_dwFinished = 0;
    DWORD dwResult = CheckCounts();
    if (dwResult == 0)
        dwResult = BuildObjects();
    if (dwResult != 0)
    {
        ResetInput();
        return dwResult;
    }
    m_dwFinished = 1;
    return 0;
}

DWORD JC_OrderInput::AddFollowPerson(DWORD dwTeamID)
{
    static const JS_PersonMessages s_Follow = {
        false,
        " FollowControlPersonObj Initiation Fail. \r\n HRESULT:0x%08x \r\n",
        " Follow GetTeamFight Fail.(LoopInit:%d) \r\n TeamID:%d \r\n",
        " FollowControlPersonObj SetControlPerson Fail.(LoopInit:%d) \r\n HRESULT:0x%08x \r\n",
        JE_ORDERINPUT_FOLLOW_NOT_IN_FIGHT_TEAM};
    m_FollowPersons.push_back(dwTeamID);
    const DWORD dwResult = MakePersonControl(m_FollowControls, dwTeamID, dwTeamID, s_Follow);
    if (dwResult != 0)
    {
        m_FollowPersons.pop_back();
        m_FollowControls.pop_back();
    }
    return dwResult;
}
