#include "JC_DataManager/Control/JC_ControlSkill.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

constexpr DWORD SKILL_ID_MASK = 0xFFFF0000;
constexpr DWORD SKILL_LEVEL_MASK = 0x0000FFFF;

} // namespace

DWORD JC_ControlSkill::Initiation(JC_DataManager* pDataManager, JC_BehaviorAnalyser* pBehaviorAnalyser)
{
    DWORD dwResult = JC_ControlBase::Initiation(pDataManager, pBehaviorAnalyser);
    if (dwResult != 0)
        return dwResult;
    m_bInitiated = FALSE;
    dwResult = InitiateOperators(
        {{m_OperatorSkillObj, " ControlSkill Initiation OperatorSkillObj Fail. \r\n HRESULT:0x%08x \r\n"},
         {m_OperatorSkillPowerObj, " ControlSkill Initiation OperatorSkillPowerObj Fail. \r\n HRESULT:0x%08x \r\n"}},
        s_szSourceFile);
    if (dwResult != 0)
        return dwResult;
    m_bInitiated = TRUE;
    return 0;
}

DWORD JC_ControlSkill::SetDataConponent(JC_DataComponent* pSkill, JC_DataComponent* pSkillPower)
{
    m_bBound = FALSE;
    if (pSkill == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " ControlSkill SetDataConponent SkillObj NULL. \r\n ");
        return JE_CONTROLSKILL_NULL_SKILL;
    }
    if (pSkillPower == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " ControlSkill SetDataConponent SkillPowerObj NULL. \r\n ");
        return JE_CONTROLSKILL_NULL_SKILL_POWER;
    }
    DWORD dwResult = m_OperatorSkillObj.SetDataConponent(pSkill);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " ControlSkill SetSkillDataConponent Fail. \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwResult));
        return dwResult;
    }
    dwResult = m_OperatorSkillPowerObj.SetDataConponent(pSkillPower);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlSkill SetSkillPowerDataConponent Fail. \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwResult));
        return dwResult;
    }
    m_dwSkillID = m_OperatorSkillObj.GetID();
    m_dwSkillPowerID = m_OperatorSkillPowerObj.GetID();
    m_bBound = TRUE;
    return 0;
}

DWORD JC_ControlSkill::SetDataConponent(DWORD dwSkillID, DWORD dwSkillLevel)
{
    m_bBound = FALSE;
    JC_DataManager* pDataManager = GetDataManager();
    JC_DataComponent* pSkill = pDataManager != nullptr ? pDataManager->GetSkillObj(dwSkillID) : nullptr;
    if (pSkill == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlSkill GetSkillObj Fail. \r\n SkillID:0x%08x \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwSkillID), 0u);
        return JE_CONTROLSKILL_NO_SKILL;
    }
    JC_DataComponent* pSkillPower = pDataManager->GetSkillPowerObj(dwSkillID, dwSkillLevel);
    if (pSkillPower == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlSkill GetSkillPowerObj Fail. \r\n SkillID:0x%08x SkillLevel:0x%08x \r\n "
                           "HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwSkillID), static_cast<unsigned>(dwSkillLevel), 0u);
        return JE_CONTROLSKILL_NO_SKILL_POWER;
    }
    return SetDataConponent(pSkill, pSkillPower);
}

DWORD JC_ControlSkill::SetDataConponentByKey(DWORD dwSkillKey)
{
    return SetDataConponent(dwSkillKey & SKILL_ID_MASK, dwSkillKey & SKILL_LEVEL_MASK);
}

DWORD JC_ControlSkill::GetSkillKey()
{
    return (m_OperatorSkillObj.GetID() & SKILL_ID_MASK) | (m_OperatorSkillPowerObj.GetID() & SKILL_LEVEL_MASK);
}
